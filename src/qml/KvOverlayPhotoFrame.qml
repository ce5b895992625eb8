import QtQuick
import "KvOverlay.js" as Overlay

// A photo laid over the live-view picture at a chosen transparency, to line
// up a new shot with an old one. Its place is an offset from the picture's
// centre, so it stays over the same spot when the picture turns a quarter.
// With its handles shown it can be dragged, scaled from a corner and turned.
Item {
    id: root

    property var lvWindow: null
    property bool showHandles: false
    readonly property string file: lvWindow && lvWindow.overlayFile ? String(lvWindow.overlayFile) : ""
    readonly property real offsetX: lvWindow ? lvWindow.overlayX : 0
    readonly property real offsetY: lvWindow ? lvWindow.overlayY : 0
    readonly property real scaling: lvWindow ? lvWindow.overlayScaling : 100
    readonly property real angle: lvWindow ? lvWindow.overlayRotation : 0
    readonly property real transparency: lvWindow ? lvWindow.overlayTransparency : 50
    readonly property int viewRotation: lvWindow ? Overlay.effectiveRotation(lvWindow.lvRotationMode, lvWindow.autoAngle,
                                                                            lvWindow.lvRotation) : 0
    readonly property var fitted: Overlay.fittedSize(picture.implicitWidth, picture.implicitHeight, width, height)
    readonly property bool loaded: picture.status === Image.Ready
    readonly property alias imageStatus: picture.status
    property alias frame: frame
    property alias picture: picture
    property int lastRotation: 0

    visible: !!lvWindow && !!lvWindow.overlayVisible && file !== ""

    function setValue(name, value) {
        if (lvWindow)
            lvWindow[name] = value
    }

    onViewRotationChanged: {
        var turned = Overlay.turnedOffset(offsetX, offsetY, lastRotation, viewRotation)
        lastRotation = viewRotation
        setValue("overlayX", turned.x)
        setValue("overlayY", turned.y)
    }
    Component.onCompleted: lastRotation = viewRotation

    Item {
        id: frame
        width: root.fitted.width * root.scaling / 100
        height: root.fitted.height * root.scaling / 100
        x: root.width / 2 + root.offsetX - width / 2
        y: root.height / 2 + root.offsetY - height / 2
        rotation: root.angle

        Image {
            id: picture
            anchors.fill: parent
            cache: false
            asynchronous: false
            opacity: (100 - root.transparency) / 100
            source: root.file !== "" ? "image://overlayPhoto/" + encodeURIComponent(root.file) : ""
        }

        Rectangle {
            anchors.fill: parent
            color: "transparent"
            border.width: 1
            border.color: "#ffbf1f"
            visible: handles.visible
        }

        MouseArea {
            id: moveArea
            anchors.fill: parent
            enabled: handles.visible
            cursorShape: enabled ? Qt.SizeAllCursor : Qt.ArrowCursor
            property point start
            property real startX
            property real startY
            onPressed: function(mouse) {
                start = mapToItem(root, mouse.x, mouse.y)
                startX = root.offsetX
                startY = root.offsetY
            }
            onPositionChanged: function(mouse) {
                if (!pressed)
                    return
                var p = mapToItem(root, mouse.x, mouse.y)
                root.setValue("overlayX", startX + p.x - start.x)
                root.setValue("overlayY", startY + p.y - start.y)
            }
        }

        Item {
            id: handles
            anchors.fill: parent
            visible: root.showHandles && root.loaded

            Repeater {
                model: [Qt.point(0, 0), Qt.point(1, 0), Qt.point(0, 1), Qt.point(1, 1)]
                Rectangle {
                    width: 12
                    height: 12
                    x: modelData.x * frame.width - width / 2
                    y: modelData.y * frame.height - height / 2
                    color: "#ffbf1f"
                    MouseArea {
                        anchors.fill: parent
                        anchors.margins: -4
                        cursorShape: modelData.x === modelData.y ? Qt.SizeFDiagCursor : Qt.SizeBDiagCursor
                        property real startDistance: 0
                        property real startScaling: 100
                        function distance(mouse) {
                            var p = mapToItem(root, mouse.x, mouse.y)
                            return Math.sqrt(Math.pow(p.x - root.width / 2 - root.offsetX, 2)
                                             + Math.pow(p.y - root.height / 2 - root.offsetY, 2))
                        }
                        onPressed: function(mouse) {
                            startDistance = distance(mouse)
                            startScaling = root.scaling
                        }
                        onPositionChanged: function(mouse) {
                            if (pressed)
                                root.setValue("overlayScaling", Math.round(
                                                  Overlay.cornerScaling(startScaling, startDistance, distance(mouse))))
                        }
                    }
                }
            }

            // the rotation handle, on a stalk above the top edge
            Rectangle {
                x: frame.width / 2
                y: -24
                width: 1
                height: 24
                color: "#ffbf1f"
            }
            Rectangle {
                id: rotationHandle
                width: 14
                height: 14
                radius: 7
                x: frame.width / 2 - width / 2
                y: -24 - height / 2
                color: "#ffbf1f"
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -4
                    cursorShape: Overlay.rotationCursor(root.angle)
                    onPositionChanged: function(mouse) {
                        if (!pressed)
                            return
                        var p = mapToItem(root, mouse.x, mouse.y)
                        var a = Overlay.handleAngle(p.x - root.width / 2 - root.offsetX, p.y - root.height / 2 - root.offsetY)
                        root.setValue("overlayRotation", Math.round(Overlay.normalisedAngle(a) * 10) / 10)
                    }
                }
            }
        }
    }
}
