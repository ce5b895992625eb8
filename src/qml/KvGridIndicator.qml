import QtQuick
import "KvOverlay.js" as Overlay

// The grid over the live-view picture: evenly spread vertical and horizontal
// lines and, when asked, both diagonals as rows of square dots.
Item {
    id: root

    property var lvWindow: null
    readonly property int thickness: lvWindow ? lvWindow.gridThickness : 2
    readonly property color lineColor: lvWindow ? lvWindow.gridColor : "#808080"
    readonly property var verticalLines: lvWindow && lvWindow.gridHorizon
                                         ? Overlay.gridLinePositions(width, lvWindow.gridHorNum, thickness) : []
    readonly property var horizontalLines: lvWindow && lvWindow.gridVertical
                                           ? Overlay.gridLinePositions(height, lvWindow.gridVerNum, thickness) : []
    readonly property bool diagonals: lvWindow ? !!lvWindow.gridDiagonal : false

    visible: !!lvWindow && !!lvWindow.lvGridIndicator && deviceAdapter.lvcShowLvControlItem

    Repeater {
        model: root.verticalLines
        Rectangle {
            x: modelData
            width: root.thickness
            height: root.height
            color: root.lineColor
        }
    }
    Repeater {
        model: root.horizontalLines
        Rectangle {
            y: modelData
            width: root.width
            height: root.thickness
            color: root.lineColor
        }
    }

    Canvas {
        id: diagonalCanvas
        anchors.fill: parent
        visible: root.diagonals
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            if (!root.diagonals)
                return
            ctx.fillStyle = root.lineColor
            var side = Overlay.diagonalDotSide(root.thickness)
            for (var x = 0; x < width; ++x) {
                var dots = Overlay.diagonalDotsAt(x, width, height)
                ctx.fillRect(x - side / 2, dots.falling - side / 2, side, side)
                ctx.fillRect(x - side / 2, dots.rising - side / 2, side, side)
            }
        }
    }

    function repaint() {
        diagonalCanvas.requestPaint()
    }
    onWidthChanged: repaint()
    onHeightChanged: repaint()
    onThicknessChanged: repaint()
    onLineColorChanged: repaint()
    onDiagonalsChanged: repaint()
}
