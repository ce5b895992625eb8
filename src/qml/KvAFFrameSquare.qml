import QtQuick
import "qrc:/qml/KvSubFunction.js" as Sub
import "qrc:/qml/KvAFFrame.js" as AF

// One focus frame. The look gives its colour and form: a plain frame, a
// thin rectangle, the tracking frame with its corner marks, or the small
// "simple" form of corner marks only.
Item {
    id: root
    property int look: AF.look_none
    // The colour of the frame the user places (the camera's frame colour).
    property color userColor: Sub.afFrameColorPalette.white
    property bool userSet: false

    readonly property var colours: Sub.afFrameColorPalette
    readonly property color frameColor: {
        switch (look) {
        case AF.look_normal_green:
        case AF.look_tracking_green:
        case AF.look_min_green:
            return colours.green
        case AF.look_normal_red:
        case AF.look_tracking_red:
        case AF.look_min_red:
            return colours.red
        case AF.look_normal_yellow:
        case AF.look_rect_yellow:
        case AF.look_tracking_yellow:
        case AF.look_min_yellow:
            return colours.yellow
        default:
            return userSet ? userColor : colours.white
        }
    }
    readonly property bool isRect: look === AF.look_rect_white || look === AF.look_rect_yellow
    readonly property bool isTracking: look >= AF.look_tracking_white && look <= AF.look_tracking_red
    readonly property bool isMinimum: look >= AF.look_min_white && look <= AF.look_min_yellow
    readonly property int lineWidth: isRect ? 1 : 2
    // The corner marks cover a quarter of the shorter side.
    readonly property real cornerLength: Math.max(4, Math.min(width, height) / 4)

    // Drawn by its look; the visibility stays free for whoever places it.
    readonly property bool drawn: look !== AF.look_none && width > 0 && height > 0

    Rectangle {
        anchors.fill: parent
        visible: root.drawn && !root.isMinimum
        color: "transparent"
        border.color: root.frameColor
        border.width: root.lineWidth
    }

    Repeater {
        // Corner marks: outside the tracking frame, alone in the simple form.
        model: root.drawn && (root.isMinimum || root.isTracking) ? 4 : 0
        Item {
            readonly property bool atRight: index % 2 === 1
            readonly property bool atBottom: index >= 2
            readonly property real inset: root.isTracking ? -3 : 0
            x: atRight ? root.width - root.cornerLength - inset : inset
            y: atBottom ? root.height - root.cornerLength - inset : inset
            width: root.cornerLength
            height: root.cornerLength
            Rectangle {
                x: 0
                y: parent.atBottom ? parent.height - height : 0
                width: parent.width
                height: 3
                color: root.frameColor
            }
            Rectangle {
                x: parent.atRight ? parent.width - width : 0
                y: 0
                width: 3
                height: parent.height
                color: root.frameColor
            }
        }
    }
}
