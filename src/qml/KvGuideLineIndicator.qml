import QtQuick
import "KvOverlay.js" as Overlay

// Four guide lines over the live-view picture, each dragged along its axis.
// A released line writes its place back as a percentage through the window.
Item {
    id: root

    property var lvWindow: null
    readonly property int thickness: lvWindow ? lvWindow.gLineThickness : 2
    readonly property color lineColor: lvWindow ? lvWindow.gLineColor : "#0080ff"

    visible: !!lvWindow && !!lvWindow.lvGLineIndicator

    // The vertical lines are named "horizontal" in the settings: they mark a
    // place along the horizontal axis.
    readonly property var lines: [
        { shown: "gLineHor1", position: "gLineHor1Pos", vertical: true },
        { shown: "gLineHor2", position: "gLineHor2Pos", vertical: true },
        { shown: "gLineVer1", position: "gLineVer1Pos", vertical: false },
        { shown: "gLineVer2", position: "gLineVer2Pos", vertical: false }
    ]

    function lineAt(index) {
        return repeater.itemAt(index)
    }

    Repeater {
        id: repeater
        model: root.lines
        Item {
            id: line
            readonly property bool vertical: modelData.vertical
            readonly property int percent: root.lvWindow ? root.lvWindow[modelData.position] : 0
            readonly property real length: vertical ? root.width : root.height
            readonly property bool active: area.containsMouse || area.drag.active
            property alias mouseArea: area
            visible: !!root.lvWindow && !!root.lvWindow[modelData.shown]
            // the grip is wider than the line so a thin line can be caught
            readonly property int grip: Math.max(root.thickness, 9)
            width: vertical ? grip : root.width
            height: vertical ? root.height : grip
            x: vertical ? Overlay.guideLinePixel(root.width, percent) - (grip - root.thickness) / 2 : 0
            y: vertical ? 0 : Overlay.guideLinePixel(root.height, percent) - (grip - root.thickness) / 2

            Rectangle {
                x: line.vertical ? (line.grip - root.thickness) / 2 : 0
                y: line.vertical ? 0 : (line.grip - root.thickness) / 2
                width: line.vertical ? root.thickness : line.width
                height: line.vertical ? line.height : root.thickness
                color: root.lineColor
            }

            Text {
                visible: line.active
                x: line.vertical ? line.grip + 4 : 8
                y: line.vertical ? 8 : line.grip + 2
                color: root.lineColor
                font.pixelSize: 14
                style: Text.Outline
                styleColor: "#000000"
                text: Overlay.guideLinePercent(line.vertical ? line.x + (line.grip - root.thickness) / 2
                                                             : line.y + (line.grip - root.thickness) / 2,
                                               line.length) + "%"
            }

            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: line.vertical ? Qt.SizeHorCursor : Qt.SizeVerCursor
                drag.target: line
                drag.axis: line.vertical ? Drag.XAxis : Drag.YAxis
                drag.threshold: 0
                drag.minimumX: -(line.grip - root.thickness) / 2
                drag.maximumX: root.width - root.thickness - (line.grip - root.thickness) / 2
                drag.minimumY: -(line.grip - root.thickness) / 2
                drag.maximumY: root.height - root.thickness - (line.grip - root.thickness) / 2
                onReleased: line.release()
            }

            function release() {
                var pixel = (vertical ? x : y) + (grip - root.thickness) / 2
                var value = Overlay.guideLinePercent(pixel, length)
                if (root.lvWindow)
                    root.lvWindow[modelData.position] = value
                // the drag broke the binding; take the stored place again
                x = Qt.binding(function() {
                    return vertical ? Overlay.guideLinePixel(root.width, percent) - (grip - root.thickness) / 2 : 0
                })
                y = Qt.binding(function() {
                    return vertical ? 0 : Overlay.guideLinePixel(root.height, percent) - (grip - root.thickness) / 2
                })
            }
        }
    }
}
