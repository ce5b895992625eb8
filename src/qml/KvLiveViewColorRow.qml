import QtQuick

// A colour of the live-view setting popups: its name and a swatch that opens
// the colour dialog.
Item {
    id: root

    property string label: ""
    property color colorValue: "#ffffff"
    signal clicked()

    width: parent ? parent.width : 212
    height: 40

    Text {
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        color: "#c6c6c6"
        font.pixelSize: 13
        text: root.label
    }
    Rectangle {
        id: swatch
        x: parent.width - width - 10
        anchors.verticalCenter: parent.verticalCenter
        width: 56
        height: 24
        radius: 3
        color: root.colorValue
        border.width: area.containsMouse ? 2 : 1
        border.color: area.containsMouse ? "#ffbf1f" : "#c6c6c6"
        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: root.clicked()
        }
    }
}
