import QtQuick
import QtQuick.Dialogs

// The colour choice of the grid and guide-line popups: the platform's colour
// dialog, application modal. `colorChanged()` follows an accepted choice
// (also when the same colour is taken again), `onCancelClicked()` a cancel.
Item {
    id: root

    property color color: "#ffffff"
    signal onCancelClicked()
    property alias dialog: dialog

    function open() {
        dialog.selectedColor = root.color
        dialog.open()
    }

    function finished() {
        // where the platform does not keep its dialogs, neither do we
        if (!utilities.isMac())
            root.destroy()
    }

    ColorDialog {
        id: dialog
        title: qsTr("Please choose a color")
        modality: Qt.ApplicationModal
        onAccepted: {
            var same = Qt.colorEqual(root.color, selectedColor)
            root.color = selectedColor
            if (same)
                root.colorChanged()
            root.finished()
        }
        onRejected: {
            root.onCancelClicked()
            root.finished()
        }
    }
}
