import QtQuick
import "KvFlashText.js" as FlashText

// The adjustment and manual-ratio popup of a flash group: the catalogue's
// slider over a backdrop, taken over by OK and left alone by Cancel.
Item {
    id: root

    anchors.fill: parent
    visible: false
    z: 100

    property var objects: []
    property var slider: null
    property var sourceButton: null
    property int btnId: -1
    property string popup_target: ""
    readonly property int border: 2
    property alias frame: frame
    property alias okButton: okButton
    property alias cancelButton: cancelButton
    // Where the caller wants the frame's top left; the frame is kept inside
    // the window by bindings, because the column of created objects is laid
    // out only after present() returns and the frame grows then.
    property real wantedX: 0
    property real wantedY: 0

    signal onOKClicked(int btnId)
    signal onCancelClicked(int btnId)

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        MouseArea {
            anchors.fill: parent
            onClicked: root.cancel()
        }
    }

    Rectangle {
        id: frame
        color: "#1d1e20"
        border.color: "#c6c6c6"
        border.width: root.border
        x: Math.max(0, Math.min(root.wantedX - root.border, root.width - width))
        y: Math.max(0, Math.min(root.wantedY - root.border, root.height - height))
        width: content.width + 2 * root.border
        height: Math.min(content.height, 570) + 40 + 2 * root.border
        MouseArea { anchors.fill: parent }

        Flickable {
            id: flick
            x: root.border
            y: root.border
            width: content.width
            height: Math.min(content.height, 570)
            contentHeight: content.height
            clip: true
            interactive: content.height > 570
            Column { id: content }
            KvScrollBar.vertical: KvScrollBar { visible: flick.interactive }
        }
        Row {
            x: root.border
            y: flick.y + flick.height
            KvRectangleButton {
                id: okButton
                objectName: "okButton"
                type: "actionWithText"
                buttonText: qsTr("Ok")
                width: content.width / 2
                height: 40
                onClicked: root.ok()
            }
            KvRectangleButton {
                id: cancelButton
                objectName: "cancelButton"
                type: "actionWithText"
                buttonText: qsTr("Cancel")
                width: content.width - okButton.width
                height: 40
                onClicked: root.cancel()
            }
        }
    }

    function present(x, y, source, components, id) {
        dismiss()
        sourceButton = source
        btnId = id
        var w = 0
        for (var i = 0; components && i < components.length; ++i) {
            var obj = components[i].component.createObject(content, components[i].properties)
            if (obj === null) {
                console.warn("KvFlashSliderPopup: " + components[i].component.errorString())
                continue
            }
            if (obj.objectName === "sliderObj") {
                slider = obj
                popup_target = obj.target
                obj.curIndex = source.value
                obj.sliderValueChanged(source.value)
            }
            w = Math.max(w, obj.width)
            objects.push(obj)
        }
        objects = objects
        content.width = w
        wantedX = x
        wantedY = y
        visible = true
    }

    function ok() {
        var id = btnId
        if (slider && sourceButton) {
            sourceButton.value = slider.value
            sourceButton.optionText = buttonText(slider)
            flashAdapter[slider.target] = slider.value
        }
        onOKClicked(id)
        dismiss()
    }

    // The button's own wording of the slider's value.
    function buttonText(s) {
        if (s.type === FlashText.TypeManual)
            return FlashText.manualButtonText(Number(utilities.enumFlashManualToVal(s.value)))
        return FlashText.adjustButtonText(Number(utilities.enumFlashAdjToVal(s.value)))
    }

    function cancel() {
        var id = btnId
        onCancelClicked(id)
        dismiss()
    }

    function dismiss() {
        visible = false
        for (var i = 0; i < objects.length; ++i) {
            if (objects[i])
                objects[i].destroy()
        }
        objects = []
        slider = null
        sourceButton = null
        popup_target = ""
        btnId = -1
    }
}
