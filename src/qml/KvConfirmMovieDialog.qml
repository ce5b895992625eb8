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
    visible: false
    // the adapter does not announce the camera's message, so it is read once
    Component.onCompleted: modality = deviceAdapter.msgDisplayed ? Qt.WindowModal : Qt.ApplicationModal
    onVisibilityChanged: {
        if (!visible)
            root.movieRecStatusUpdate()
    }

    function dismiss() {
        visible = false
        root.destroy()
    }
}
