import QtQuick
import Kv 1.0 as Kv

// The question whether to import the movies just recorded. Window-modal
// while the camera shows a message of its own, so that message stays usable.
Kv.MessageBox {
    id: root
    signal movieRecStatusUpdate

    title: "KAVRO Rozado"
    icon: Kv.StandardIcon.Question
    standardButtons: Kv.StandardButton.Yes | Kv.StandardButton.No
    modality: deviceAdapter.msgDisplayed ? Qt.WindowModal : Qt.ApplicationModal
    visible: false
    onVisibilityChanged: {
        if (!visible)
            root.movieRecStatusUpdate()
    }

    function dismiss() {
        visible = false
        root.destroy()
    }
}
