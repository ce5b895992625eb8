import QtQuick
import QtQuick.Controls

// A check box of the live-view setting popups, light text on the dark frame.
// It shows a setting and never flips itself: the click writes the setting,
// whose change comes back through the `checked` binding.
CheckBox {
    id: root

    checkable: false
    width: parent ? parent.width : 212
    height: 30
    leftPadding: 10
    font.pixelSize: 13

    indicator: Rectangle {
        x: root.leftPadding
        y: (root.height - height) / 2
        width: 16
        height: 16
        radius: 2
        color: "transparent"
        border.width: 1
        border.color: root.enabled ? "#c6c6c6" : "#808080"
        Rectangle {
            anchors.centerIn: parent
            width: 10
            height: 10
            radius: 1
            color: root.enabled ? "#ffbf1f" : "#808080"
            visible: root.checked
        }
    }
    contentItem: Text {
        leftPadding: root.indicator.width + 8
        verticalAlignment: Text.AlignVCenter
        color: root.enabled ? "#c6c6c6" : "#808080"
        font: root.font
        elide: Text.ElideRight
        text: root.text
    }
}
