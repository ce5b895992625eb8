import QtQuick
import "qrc:/qml/KvSubFunction.js" as Sub
import "qrc:/qml/KvAFFrame.js" as AF

// The outline of an AF zone: a 4-pixel line with a 1-pixel dark border
// round the cells of the zone. `mask` is one entry per cell (row-major);
// without one the shape's default zone is drawn. `cellRect(i)` places the
// cells (the area grid or the phase-detection grid of KvAFFrame).
Canvas {
    id: root
    property int columns: 21
    property int rows: 15
    property int shape: AF.zone_ellipse
    property var mask: []
    property var cellRect: function(i) { return Qt.rect(0, 0, 0, 0) }
    property color lineColor: Sub.afFrameColorPalette.yellow
    readonly property int lineWidth: 4
    readonly property int borderWidth: 1

    function redraw() {
        requestPaint()
    }
    onColumnsChanged: requestPaint()
    onRowsChanged: requestPaint()
    onShapeChanged: requestPaint()
    onMaskChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        var ctx = getContext("2d")
        ctx.reset()
        var cells = mask && mask.length === columns * rows ? mask : AF.zoneMask(shape, columns, rows)
        var edges = AF.outlineEdges(cells, columns, rows)
        var segments = []
        for (var i = 0; i < edges.length; ++i) {
            var r = cellRect(edges[i][1] * columns + edges[i][0])
            switch (edges[i][2]) {
            case 0:
                segments.push([r.x, r.y, r.x + r.width, r.y])
                break
            case 1:
                segments.push([r.x + r.width, r.y, r.x + r.width, r.y + r.height])
                break
            case 2:
                segments.push([r.x, r.y + r.height, r.x + r.width, r.y + r.height])
                break
            default:
                segments.push([r.x, r.y, r.x, r.y + r.height])
                break
            }
        }
        var passes = [[lineWidth + 2 * borderWidth, "#000000"], [lineWidth, lineColor]]
        for (var p = 0; p < passes.length; ++p) {
            ctx.lineWidth = passes[p][0]
            ctx.strokeStyle = passes[p][1]
            ctx.lineCap = "square"
            ctx.beginPath()
            for (var s = 0; s < segments.length; ++s) {
                ctx.moveTo(segments[s][0], segments[s][1])
                ctx.lineTo(segments[s][2], segments[s][3])
            }
            ctx.stroke()
        }
    }
}
