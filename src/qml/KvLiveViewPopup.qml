import QtQuick
import QtQuick.Controls
import Kv 1.0 as Kv

// The frame the live-view setting popups share: 212 wide at the right edge
// over the control panel, a title, and the panel masked while open.
Popup {
    id: root

    property var lvWindow: null
    property string title: ""
    property int topOffset: 120
    default property alias content: body.data
    property alias body: body
    property var colorDialog: null

    width: 212
    x: parent ? parent.width - width : 0
    y: topOffset
    padding: 0
    // A press beside the popup closes it where it has nothing to confirm:
    // it covers its own switch and setting button, and the panel under the
    // mask could not be reached otherwise. Not while its colour dialog is
    // open: a press there is not one beside the popup.
    property bool closesOnPressOutside: false
    // Escape closes every popup that closes on a press beside it, and those
    // that ask for it although a press beside them must not close them.
    property bool closesOnEscape: closesOnPressOutside
    readonly property bool colorDialogOpen: colorDialog !== null && colorDialog.dialog.visible
    closePolicy: colorDialogOpen ? Popup.NoAutoClose
                                 : (closesOnEscape ? Popup.CloseOnEscape : 0)
                                   | (closesOnPressOutside ? Popup.CloseOnPressOutside : 0)
    // Escape reaches only a popup that holds the keyboard focus, so one that
    // closes on it takes the focus when it opens.
    focus: closesOnEscape
    modal: false

    background: Rectangle {
        color: "#07090d"
        border.width: 1
        border.color: "#434343"
    }

    contentItem: Item {
        Text {
            id: titleText
            x: 10
            width: parent.width - 20
            height: 36
            verticalAlignment: Text.AlignVCenter
            color: "#ffffff"
            font.pixelSize: 15
            font.bold: true
            elide: Text.ElideRight
            text: root.title
        }
        Rectangle {
            y: 36
            x: 6
            width: parent.width - 12
            height: 1
            color: "#434343"
        }
        Item {
            id: body
            y: 40
            width: parent.width
            height: parent.height - 40
        }
    }

    function controlItem() {
        return lvWindow && lvWindow.controlItem ? lvWindow.controlItem : null
    }

    onOpened: {
        var panel = controlItem()
        if (panel)
            panel.maskPanelOpen()
    }
    onClosed: {
        if (colorDialog) {
            colorDialog.dialog.close()
        }
        // the camera menu keeps the panel masked
        var panel = controlItem()
        if (panel && deviceAdapter.cameraStatus !== Kv.Utilities.CamStatus_Menu_Displayed)
            panel.maskPanelClose()
    }

    // Opens the colour dialog on `current`; `apply` gets an accepted colour.
    property var colorApply: null
    function chooseColor(current, apply) {
        if (!colorDialog) {
            var component = Qt.createComponent("KvCustomColorDialog.qml")
            colorDialog = component.createObject(root.contentItem)
            if (!colorDialog)
                return
            colorDialog.colorChanged.connect(function() {
                if (root.colorApply && root.colorDialog)
                    root.colorApply(String(root.colorDialog.color))
            })
            colorDialog.Component.destruction.connect(function() { root.colorDialog = null })
        }
        colorApply = null
        colorDialog.color = current
        colorApply = apply
        colorDialog.open()
    }
}
