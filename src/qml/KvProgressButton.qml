import QtQuick
import QtQuick.Controls

// The plain push button of dialogs.
Button {
    id: root
    height: 26
    leftPadding: 4
    rightPadding: 4
    font.pixelSize: 13
    font.family: utilities.getFontFamily()
    contentItem: Text {
        text: root.text
        font: root.font
        color: root.enabled ? "#000000" : "#808080"
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: 26
        radius: 3
        border.width: 1
        border.color: "#999999"
        gradient: Gradient {
            GradientStop { position: 0.0; color: root.down ? "#E4E4E4" : "#FFFFFF" }
            GradientStop { position: 1.0; color: root.down ? "#FFFFFF" : "#E4E4E4" }
        }
    }
}
