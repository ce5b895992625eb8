import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import Kv 1.0 as Kv

// The overlay photo: which file, where, how big, how turned and how
// transparent. OK keeps the values as the ones Cancel goes back to.
KvLiveViewPopup {
    id: root

    title: qsTr("Overlay")
    topOffset: 180
    height: 480
    // A press beside it must not drop what is not confirmed yet, but Escape
    // closes it like the other setting popups.
    closesOnEscape: true

    readonly property var names: ["File", "X", "Y", "Scaling", "Rotation", "Transparency"]
    property bool selecting: false
    property alias fileField: fileField
    property alias positionX: positionX
    property alias positionY: positionY
    property alias scalingSlider: scalingSlider
    property alias rotationSlider: rotationSlider
    property alias rotationBox: rotationBox
    property alias ratioSlider: ratioSlider
    property alias errorBox: errorBox
    property alias probe: probe

    function value(name) {
        return lvWindow ? lvWindow["overlay" + name] : undefined
    }
    function setValue(name, v) {
        if (lvWindow)
            lvWindow["overlay" + name] = v
    }

    function accept() {
        for (var i = 0; i < names.length; ++i)
            lvWindow["savedOverlay" + names[i]] = lvWindow["overlay" + names[i]]
        close()
    }
    function cancel() {
        for (var i = 0; i < names.length; ++i)
            lvWindow["overlay" + names[i]] = lvWindow["savedOverlay" + names[i]]
        close()
    }
    function resetSetting() {
        setValue("X", 0)
        setValue("Y", 0)
        setValue("Scaling", 100)
        setValue("Rotation", 0)
    }

    // Loads the named file; one that does not decode is refused with a
    // message (the frame hides its handles for it on its own).
    function openFile(path) {
        setValue("File", path)
        probe.source = ""
        if (path === "")
            return false
        probe.source = "image://overlayPhoto/" + encodeURIComponent(path)
        if (probe.status === Image.Ready)
            return true
        errorBox.open()
        return false
    }

    function browse() {
        if (utilities.isMac()) {
            fileDialog.open()
            return
        }
        // the system's own chooser: one at a time
        if (selecting)
            return
        selecting = true
        var answer = utilities.selectFileOverLay()
        selecting = false
        if (answer !== "")
            fileField.text = answer.replace(/\\/g, "/")
    }

    onOpened: {
        if (lvWindow)
            lvWindow.hideAfFrame()
        fileField.text = value("File") || ""
    }
    onClosed: {
        if (lvWindow)
            lvWindow.showAfFrame()
    }

    Image {
        id: probe
        visible: false
        asynchronous: false
        cache: false
        sourceSize: Qt.size(16, 16)
    }

    FileDialog {
        id: fileDialog
        title: qsTr("Please choose a file")
        nameFilters: [qsTr("JPEG (*.jpg)"), qsTr("RAW (*.RW2)"), qsTr("All Files (*.jpg *.RW2)")]
        onAccepted: fileField.text = utilities.qUrlToLocalFileWithoutNative(String(selectedFile))
    }

    Kv.MessageBox {
        id: errorBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Warning
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
        text: qsTr("error_message_1")
    }

    component SmallButton: Button {
        id: button
        height: 28
        font.pixelSize: 12
        contentItem: Text {
            text: button.text
            font: button.font
            color: button.enabled ? "#c6c6c6" : "#808080"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            color: button.down ? "#5c5c5c" : button.hovered ? "#434343" : "#292b2d"
            border.width: 1
            border.color: "#434343"
            radius: 2
        }
    }

    // tenths in the box, one decimal shown
    component TenthsBox: SpinBox {
        id: box
        height: 26
        editable: true
        font.pixelSize: 12
        textFromValue: function(v) { return (v / 10).toFixed(1) }
        valueFromText: function(text) { return Math.round(Number(text) * 10) }
        validator: DoubleValidator { decimals: 1 }
    }

    component FieldLabel: Text {
        color: "#c6c6c6"
        font.pixelSize: 13
    }

    Column {
        x: 8
        width: parent.width - 16
        spacing: 4

        FieldLabel { text: qsTr("Image File") }
        TextField {
            id: fileField
            width: parent.width
            height: 26
            font.pixelSize: 12
            placeholderText: qsTr("Select a file")
        }
        Row {
            spacing: 4
            SmallButton {
                width: 96
                text: qsTr("Browser")
                onClicked: root.browse()
            }
            SmallButton {
                width: 96
                text: qsTr("Open")
                onClicked: root.openFile(fileField.text)
            }
        }

        FieldLabel { text: qsTr("Postion") }
        Row {
            spacing: 4
            FieldLabel { text: "X"; width: 12; height: 26; verticalAlignment: Text.AlignVCenter }
            TenthsBox {
                id: positionX
                width: 82
                from: -99999
                to: 99999
                value: Math.round((root.value("X") || 0) * 10)
                onValueModified: root.setValue("X", value / 10)
            }
            FieldLabel { text: "Y"; width: 12; height: 26; verticalAlignment: Text.AlignVCenter }
            TenthsBox {
                id: positionY
                width: 82
                from: -99999
                to: 99999
                value: Math.round((root.value("Y") || 0) * 10)
                onValueModified: root.setValue("Y", value / 10)
            }
        }

        KvLiveViewSlider {
            id: scalingSlider
            x: -8
            width: parent.width + 16
            label: qsTr("Scaling(25 - 200%)")
            from: 25
            to: 200
            value: root.value("Scaling") || 100
            valueText: Math.round(value) + "%"
            onMoved: function(v) { root.setValue("Scaling", Math.round(v)) }
        }

        KvLiveViewSlider {
            id: rotationSlider
            x: -8
            width: parent.width + 16
            label: qsTr("Rotation(-180 - 180°)")
            from: -180
            to: 180
            stepSize: 0.1
            value: root.value("Rotation") || 0
            valueText: ""
            onMoved: function(v) { root.setValue("Rotation", Math.round(v * 10) / 10) }
        }
        TenthsBox {
            id: rotationBox
            anchors.right: parent.right
            width: 110
            from: -1800
            to: 1800
            value: Math.round((root.value("Rotation") || 0) * 10)
            onValueModified: root.setValue("Rotation", value / 10)
        }

        KvLiveViewSlider {
            id: ratioSlider
            x: -8
            width: parent.width + 16
            label: qsTr("Ratio(0 - 100%)")
            from: 0
            to: 100
            value: root.value("Transparency") || 0
            valueText: Math.round(value) + "%"
            onMoved: function(v) { root.setValue("Transparency", Math.round(v)) }
        }

        SmallButton {
            width: parent.width
            text: qsTr("Reset setting")
            onClicked: root.resetSetting()
        }
        Row {
            spacing: 4
            SmallButton {
                width: (root.width - 16 - 4) / 2
                text: qsTr("OK")
                onClicked: root.accept()
            }
            SmallButton {
                width: (root.width - 16 - 4) / 2
                text: qsTr("Cancel")
                onClicked: root.cancel()
            }
        }
    }
}
