import QtQuick
import "qrc:/qml/KvSubFunction.js" as Sub

// The small AF frame of point scope: the outer frame the camera watches
// (green, 4 pixels) and the magnified part inside it (yellow, 2 pixels).
// Rectangles are in the item's pixels.
Item {
    id: root
    readonly property int mode_none: 0
    readonly property int mode_normal: 1
    readonly property int mode_small: 2
    readonly property int mode_both: 3
    property int mode: mode_none
    property rect outerRect: Qt.rect(0, 0, 0, 0)
    property rect magRect: Qt.rect(0, 0, 0, 0)
    readonly property int normalWidth: 4
    readonly property int smallWidth: 2

    Rectangle {
        visible: root.mode === root.mode_normal || root.mode === root.mode_both
        x: root.outerRect.x
        y: root.outerRect.y
        width: root.outerRect.width
        height: root.outerRect.height
        color: "transparent"
        border.width: root.normalWidth
        border.color: Sub.afFrameColorPalette.green
    }
    Rectangle {
        visible: root.mode === root.mode_small || root.mode === root.mode_both
        x: root.magRect.x
        y: root.magRect.y
        width: root.magRect.width
        height: root.magRect.height
        color: "transparent"
        border.width: root.smallWidth
        border.color: Sub.afFrameColorPalette.yellow
    }
}
