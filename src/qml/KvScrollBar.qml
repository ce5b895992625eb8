import QtQuick
import QtQuick.Controls

// The interface's scroll bar: a thin track line with a round accent handle.
ScrollBar {
    id: root
    padding: 2
    background: Item {
        Rectangle {
            anchors.centerIn: parent
            color: "#5c5c5c"
            width: root.orientation === Qt.Vertical ? 2 : parent.width - 4
            height: root.orientation === Qt.Vertical ? parent.height - 4 : 2
        }
    }
    contentItem: Rectangle {
        implicitWidth: 4
        implicitHeight: 4
        radius: 2
        color: "#ffbf1f"
    }
}
