import QtQuick
import "KvOverlay.js" as Overlay

// The level gauge over the live-view picture: a groove, two pitch marks and
// a roll line, green when level and yellow otherwise.
Item {
    id: root
    clip: true

    property var lvWindow: null
    // Shown as the grid is: while its switch is on and the camera lets the
    // control items show.
    visible: !!lvWindow && !!lvWindow.lvLevelIndicator && deviceAdapter.lvcShowLvControlItem
    property int pitchingDegrees: 0
    property int rollingDegrees: 0

    readonly property bool autoRotation: lvWindow ? !!lvWindow.lvRotationMode : false
    readonly property int manualRotation: lvWindow ? lvWindow.lvRotation : 0
    readonly property int viewRotation: lvWindow ? Overlay.effectiveRotation(lvWindow.lvRotationMode,
                                                                          lvWindow.autoAngle, lvWindow.lvRotation) : 0
    readonly property real grooveWidth: groove.paintedWidth > 0 ? groove.paintedWidth : groove.width
    property alias groove: groove
    property alias canvas: canvas

    Image {
        id: groove
        width: root.width / 3
        height: root.height / 3
        anchors.centerIn: parent
        fillMode: Image.PreserveAspectFit
        source: "qrc:/images/levelindicator_groove.svg"
        sourceSize.width: width
        sourceSize.height: height
        rotation: root.autoRotation ? 0 : root.manualRotation + (root.lvWindow ? root.lvWindow.lvRotationAuto : 0)
    }

    Canvas {
        id: canvas
        anchors.fill: parent
        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.lineWidth = 2
            var marks = Overlay.pitchMarks(width, height, root.grooveWidth, root.pitchingDegrees, root.viewRotation)
            var rollAngle = root.rollingDegrees + (root.autoRotation ? 0 : root.manualRotation)
            drawSegments(ctx, marks, Overlay.levelColor(root.pitchingDegrees))
            drawSegments(ctx, Overlay.rollSegments(width, height, root.grooveWidth, rollAngle),
                         Overlay.levelColor(root.rollingDegrees))
        }
        function drawSegments(ctx, segments, colour) {
            ctx.strokeStyle = colour
            ctx.beginPath()
            for (var i = 0; i < segments.length; ++i) {
                ctx.moveTo(segments[i].x1, segments[i].y1)
                ctx.lineTo(segments[i].x2, segments[i].y2)
            }
            ctx.stroke()
        }
    }

    function repaint() {
        canvas.requestPaint()
    }

    onWidthChanged: repaint()
    onHeightChanged: repaint()
    onPitchingDegreesChanged: repaint()
    onRollingDegreesChanged: repaint()
    onViewRotationChanged: repaint()
    onManualRotationChanged: repaint()
    onGrooveWidthChanged: repaint()
}
