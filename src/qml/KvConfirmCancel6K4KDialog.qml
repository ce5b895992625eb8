import QtQuick
import Kv 1.0 as Kv

// The question whether to stop a 6K/4K import;
// made for one use and destroyed on dismissal.
Kv.MessageBox {
    id: root
    title: "KAVRO Rozado"
    icon: Kv.StandardIcon.Warning
    standardButtons: Kv.StandardButton.Yes | Kv.StandardButton.No
    modality: Qt.ApplicationModal
    visible: false

    function dismiss() {
        visible = false
        root.destroy()
    }
}
