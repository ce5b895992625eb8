import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvPreview.js" as Preview

// The picture saved last, shown the moment it is on disk: turned by its
// orientation, fitted, zoomed in fixed steps and dragged.
Window {
    id: root

    property string fileName: ""
    property bool showScaleOnTitle: false
    property int scale_index: -1
    property real curScale: 1
    property int curRotationIndex: 0
    property real mouseWheelDeltaSum: 0
    property bool barVisible: false
    readonly property var scale_tbl: Preview.scaleTable
    readonly property int pictureWidth: picture.implicitWidth
    readonly property int pictureHeight: picture.implicitHeight
    property alias image: picture
    property alias frame: frame
    property alias controlBar: bar
    property alias maskPanel: mask

    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint | Qt.WindowMinimizeButtonHint
           | Qt.WindowMaximizeButtonHint | Qt.WindowCloseButtonHint
    title: Preview.title(qsTr("Preview"), fileName, showScaleOnTitle, curScale, scale_index)
    color: "#292b2d"
    width: 584
    height: 463
    // room for the whole control bar and a picture still worth looking at
    minimumWidth: 320
    minimumHeight: 240

    KvWindowStateSaver {
        window: root
        targetWindow: Kv.ApplicationSettings.WinList_Preview
        defaultWidth: 584
        defaultHeight: 463
    }

    // ---- picture ----
    Item {
        id: frame
        readonly property var turned: Preview.turnedSize(root.pictureWidth, root.pictureHeight,
                                                         root.curRotationIndex)
        width: turned.width * root.curScale
        height: turned.height * root.curScale

        Image {
            id: picture
            objectName: "previewImage"
            cache: false
            smooth: root.curScale < 1
            width: root.pictureWidth * root.curScale
            height: root.pictureHeight * root.curScale
            readonly property var offset: Preview.rotationOffset(root.curRotationIndex, root.pictureWidth,
                                                                 root.pictureHeight, root.curScale)
            transform: [
                Rotation { angle: 90 * root.curRotationIndex },
                Translate { x: picture.offset.x; y: picture.offset.y }
            ]
            onStatusChanged: {
                if (status === Image.Ready)
                    root.fit()
            }
        }
    }

    PinchArea {
        anchors.fill: parent
        onSmartZoom: function(pinch) { root.zoom(true, pinch.point.x, pinch.point.y, true) }

        MouseArea {
            id: area
            property real pressX: 0
            property real pressY: 0
            property real startX: 0
            property real startY: 0
            anchors.fill: parent
            hoverEnabled: true
            onPressed: function(mouse) {
                pressX = mouse.x
                pressY = mouse.y
                startX = frame.x
                startY = frame.y
                root.showBar()
            }
            onPositionChanged: function(mouse) {
                root.showBar()
                if (pressed)
                    root.place(startX + mouse.x - pressX, startY + mouse.y - pressY)
            }
            onWheel: function(wheel) {
                var step = Preview.wheelStep(root.mouseWheelDeltaSum, wheel.angleDelta.y)
                root.mouseWheelDeltaSum = step.sum
                if (step.zoom !== 0)
                    root.zoom(step.zoom > 0, wheel.x, wheel.y, false)
            }
        }
    }

    // ---- control bar ----
    Row {
        id: bar
        objectName: "controlBar"
        spacing: 6
        visible: root.barVisible
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        z: 100

        Repeater {
            id: buttons
            model: [
                { name: "rotateLeft", source: "qrc:/images/preview_left.svg" },
                { name: "rotateRight", source: "qrc:/images/preview_right.svg" },
                { name: "zoomOut", source: "qrc:/images/preview_zoomout.svg" },
                { name: "zoomIn", source: "qrc:/images/preview_zoomin.svg" },
                { name: "fit", source: "qrc:/images/preview_maximize.svg" }
            ]
            KvAbstractButton {
                objectName: modelData.name
                width: 30
                height: 30
                radius: 4
                source: modelData.source
                onClicked: root.buttonAction(modelData.name)
            }
        }
    }

    Timer {
        id: barTimer
        interval: 3000
        onTriggered: {
            if (root.pointerOnBar())
                restart()
            else
                root.barVisible = false
        }
    }

    // Masks the window while the camera or another window holds the user.
    Rectangle {
        id: mask
        objectName: "maskPanel"
        property int mode: 0
        anchors.fill: parent
        z: 200
        color: "black"
        opacity: 0.5
        visible: mode !== 0
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    // ---- mask bits ----
    readonly property int maskBusy: 1
    readonly property int maskPreference: 2
    readonly property int maskMenu: 8
    readonly property int maskSearch: 16

    function setMask(bit, on) {
        mask.mode = on ? (mask.mode | bit) : (mask.mode & ~bit)
    }

    onActiveChanged: {
        if (active && mask.visible)
            utilities.preferenceWindowActive()
    }

    onClosing: function(close) {
        // A maximised window would come back unmaximised after a real close.
        if (visibility === Window.Maximized) {
            close.accepted = false
            hide()
        }
    }

    onWidthChanged: relayout()
    onHeightChanged: relayout()

    Connections {
        target: deviceAdapter
        function onPcSavedFilePathChanged() { root.showPicture(deviceAdapter.pcSavedFilePath) }
    }

    Connections {
        target: utilities
        function onActivateWindowNotify() {
            if (!root.visible)
                return
            if (root.visibility === Window.Minimized)
                root.visibility = Window.Windowed
            root.raise()
            root.requestActivate()
        }
    }

    // ---- behaviour ----
    function showPicture(path) {
        // The provider writes the orientation and scale while it decodes; the
        // old picture must not leave its values behind.
        picture.source = ""
        picture.source = "image://previewCapture/" + path
        fileName = Preview.fileNameOf(path)
        showScaleOnTitle = Preview.showScaleOnTitle(fileName, previewImageInfo.scale)
        curRotationIndex = 0
        rotate(Preview.degreesOfOrientation(previewImageInfo.orientation))
        visible = true
    }

    function rotate(degrees) {
        curRotationIndex = Preview.rotatedIndex(curRotationIndex, degrees)
        fit()
    }

    function fit() {
        if (pictureWidth <= 0 || pictureHeight <= 0)
            return
        curScale = Preview.fitScale(width, height, pictureWidth, pictureHeight, curRotationIndex)
        scale_index = -1
        place(frame.x, frame.y)
    }

    function zoom(zoomIn, pointX, pointY, wrap) {
        var index = Preview.zoomIndex(curScale, scale_index, zoomIn, wrap)
        var newScale = scale_tbl[index].value
        var x = Preview.anchoredPosition(frame.x, pointX, curScale, newScale)
        var y = Preview.anchoredPosition(frame.y, pointY, curScale, newScale)
        scale_index = index
        curScale = newScale
        place(x, y)
    }

    function place(x, y) {
        frame.x = Preview.placeAxis(x, frame.width, width)
        frame.y = Preview.placeAxis(y, frame.height, height)
    }

    function relayout() {
        if (scale_index < 0)
            fit()
        else
            place(frame.x, frame.y)
    }

    function buttonAction(name) {
        if (name === "rotateLeft")
            rotate(-90)
        else if (name === "rotateRight")
            rotate(90)
        else if (name === "zoomOut")
            zoom(false, width / 2, height / 2, false)
        else if (name === "zoomIn")
            zoom(true, width / 2, height / 2, false)
        else if (name === "fit")
            fit()
    }

    function showBar() {
        barVisible = true
        barTimer.restart()
    }

    function pointerOnBar() {
        for (var i = 0; i < buttons.count; ++i) {
            var b = buttons.itemAt(i)
            if (b && b.pointerInside)
                return true
        }
        return false
    }
}
