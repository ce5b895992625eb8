import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects

// The base of the rectangular and round buttons: background colour by state,
// the main image with its disabled and checked looks, and a delayed tool tip.
Item {
    id: root

    property bool checked: false
    property bool disabled: false
    property bool error: false
    property url source: ""
    property url sourceDsiable: root.effectMode || String(source) === "" ? source
                                                       : "image://brightnessChg/" + source + "?y=140"
    property url sourceChecked: root.effectMode || String(source) === "" ? source
                                                       : "image://brightnessChg/" + source + "?y=0"
    property alias mainImg: mainImage
    property alias mainDisableImg: disableImage
    property alias mainCheckedImg: checkedImage
    property string toolTipText: ""
    property alias toolTipTextFormat: tip.textFormat
    property alias toolTip: tip
    property int fadeDurationMilliseconds: 250
    property int strokeWidth: 0
    property color strokeColor: "#292b2d"
    property color fillColor: "#07090d"
    property color hoveredColor: "#434343"
    property color pressedColor: "#5c5c5c"
    property color checkedColor: "transparent"
    property real radius: 0
    // which of the three images shows; the rectangular button sets these by type
    property bool showMainImage: !disabled
    property bool showDisableImage: disabled
    property bool showCheckedImage: false
    // OpenGL draws the disabled and checked looks with a brightness effect
    readonly property bool effectMode: isOpenGLMode === "true"
    property alias mouseArea: area
    // after a press the tool tip waits until the pointer has left: a popup
    // opened by the click covers the button under a resting pointer
    property bool tipSuppressed: false
    property alias background: back
    property bool pointerInside: area.containsMouse && acceptsPoint(area.mouseX, area.mouseY)

    // Whether a point of the item counts as on the button (the round button
    // narrows it to its circle).
    function acceptsPoint(px, py) {
        return true
    }

    signal canceled()
    signal entered()
    signal exited()
    signal clicked(var event, var source)
    signal pressAndHold(var event, var source)
    signal pressed(var event, var source)
    signal released(bool containsMouse)

    function stateColor() {
        if (checked && checkedColor.a > 0)
            return checkedColor
        if (area.pressed && pointerInside && !disabled && !error)
            return pressedColor
        if (pointerInside && !disabled && !error)
            return hoveredColor
        return fillColor
    }

    Rectangle {
        id: back
        anchors.fill: parent
        radius: root.radius
        color: root.stateColor()
        border.width: root.strokeWidth
        border.color: root.strokeColor
        Behavior on color {
            enabled: !area.containsMouse
            ColorAnimation { duration: root.fadeDurationMilliseconds }
        }
    }

    Image {
        id: mainImage
        anchors.centerIn: parent
        z: 20
        source: root.source
        visible: root.showMainImage && status !== Image.Error
        fillMode: Image.PreserveAspectFit
        asynchronous: false
    }
    Image {
        id: disableImage
        anchors.fill: mainImage
        z: 20
        source: root.sourceDsiable
        sourceSize: mainImage.sourceSize
        visible: root.showDisableImage && status !== Image.Error
        fillMode: mainImage.fillMode
        layer.enabled: root.effectMode && visible
        layer.effect: BrightnessContrast { brightness: -0.3 }
    }
    Image {
        id: checkedImage
        anchors.fill: mainImage
        z: 20
        source: root.sourceChecked
        sourceSize: mainImage.sourceSize
        visible: root.showCheckedImage && status !== Image.Error
        fillMode: mainImage.fillMode
        layer.enabled: root.effectMode && visible
        layer.effect: BrightnessContrast { brightness: -1 }
    }

    KvToolTip {
        id: tip
        toolTipText: root.toolTipText
        toolTipMouseContains: area.containsMouse && !root.tipSuppressed && root.visible
        x: area.mouseX
        y: area.mouseY - 20
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton
        onCanceled: root.canceled()
        onEntered: root.entered()
        onExited: {
            root.tipSuppressed = false
            root.exited()
        }
        onClicked: function(mouse) {
            if (root.acceptsPoint(mouse.x, mouse.y))
                root.clicked(mouse, root)
        }
        onPressAndHold: function(mouse) {
            if (root.acceptsPoint(mouse.x, mouse.y))
                root.pressAndHold(mouse, root)
        }
        onPressed: function(mouse) {
            root.tipSuppressed = true
            if (root.acceptsPoint(mouse.x, mouse.y))
                root.pressed(mouse, root)
        }
        onReleased: function(mouse) { root.released(containsMouse && root.acceptsPoint(mouse.x, mouse.y)) }
    }
}
