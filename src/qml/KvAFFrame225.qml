import QtQuick
import "qrc:/qml/KvSubFunction.js" as Sub
import "qrc:/qml/KvAFFrame.js" as AF

// One cell of an AF grid: empty, grey or light grey at rest, yellow when
// selected, green when in focus, or a green border for a point in focus
// that keeps the picture under it visible.
Item {
    id: root
    property int look: AF.cell_none
    readonly property var colours: Sub.afFrameColorPalette

    // The look hides the cell from the inside, so whoever places the cell
    // can still set its visibility.
    Rectangle {
        id: cellFrame
        anchors.fill: parent
        visible: root.look !== AF.cell_none
        color: "transparent"
        border.width: root.look === AF.cell_green_border ? 2 : 1
        border.color: {
            switch (root.look) {
            case AF.cell_grey:
                return "#808080"
            case AF.cell_lightgrey:
                return "#C0C0C0"
            case AF.cell_yellow:
                return root.colours.yellow
            default:
                return root.colours.green
            }
        }
        // Selected and focused cells are tinted so a small cell still reads.
        Rectangle {
            anchors.fill: parent
            anchors.margins: cellFrame.border.width
            visible: root.look === AF.cell_yellow || root.look === AF.cell_green
            color: cellFrame.border.color
            opacity: 0.3
        }
    }
}
