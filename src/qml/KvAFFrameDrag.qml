import QtQuick

// The shaded area a magnified frame can be dragged in. The frame's centre
// is kept inside it; pointX/pointY are where it was dropped or moved to.
Rectangle {
    id: root
    property real pointX: 0
    property real pointY: 0
    property bool dragging: area.pressed
    signal moved(real x, real y)
    signal released(real x, real y)

    color: "#77777777"

    function limit(value, low, high) {
        return Math.max(low, Math.min(high, value))
    }

    MouseArea {
        id: area
        anchors.fill: parent
        function follow(mouse) {
            root.pointX = root.limit(mouse.x, 0, root.width)
            root.pointY = root.limit(mouse.y, 0, root.height)
        }
        onPressed: function(mouse) {
            follow(mouse)
            root.moved(root.pointX, root.pointY)
        }
        onPositionChanged: function(mouse) {
            follow(mouse)
            root.moved(root.pointX, root.pointY)
        }
        onReleased: function(mouse) {
            follow(mouse)
            root.released(root.pointX, root.pointY)
        }
    }
}
