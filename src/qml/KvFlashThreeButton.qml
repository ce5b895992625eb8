import QtQuick

// One flash-group row of the flash window: a label over the group's dimmer
// button and its adjustment and manual-ratio buttons.
Item {
    id: root

    property string labelText: ""
    property alias btn1: button1
    property alias btn2: button2
    property alias btn3: button3
    property int btn2Id: -1
    property int btn3Id: -1

    signal btn1Clicked(var event, var source)
    signal btn2Clicked(var event, var source)
    signal btn3Clicked(var event, var source)
    signal btn1PressAndHold(var event, var source)
    signal btn2PressAndHold(var event, var source)
    signal btn3PressAndHold(var event, var source)

    width: 323
    height: 77

    Text {
        id: label
        height: 22
        width: parent.width
        leftPadding: 8
        verticalAlignment: Text.AlignVCenter
        text: root.labelText
        color: "#808080"
        font.pixelSize: 14
        font.family: utilities.getFontFamily()
        elide: Text.ElideRight
    }

    Row {
        y: 22
        KvOptionFlashTreeButton {
            id: button1
            width: 107
            height: 55
            onClicked: function(event, source) { root.btn1Clicked(event, button1) }
            onPressAndHold: function(event, source) { root.btn1PressAndHold(event, button1) }
        }
        Item {
            width: 1
            height: 55
            Rectangle { width: 1; height: parent.height * 2 / 3; anchors.centerIn: parent; color: "#292b2d" }
        }
        KvRectangleButton {
            id: button2
            property int button_id: root.btn2Id
            type: "optionWithStyledText"
            width: 107
            height: 55
            onClicked: function(event, source) { root.btn2Clicked(event, button2) }
            onPressAndHold: function(event, source) { root.btn2PressAndHold(event, button2) }
        }
        Item {
            width: 1
            height: 55
            Rectangle { width: 1; height: parent.height * 2 / 3; anchors.centerIn: parent; color: "#292b2d" }
        }
        KvRectangleButton {
            id: button3
            property int button_id: root.btn3Id
            type: "optionWithStyledText"
            width: 107
            height: 55
            onClicked: function(event, source) { root.btn3Clicked(event, button3) }
            onPressAndHold: function(event, source) { root.btn3PressAndHold(event, button3) }
        }
    }
}
