import QtQuick
import Qt5Compat.GraphicalEffects

// A circular button: a pointer counts as on it only within the circle.
KvAbstractButton {
    id: root
    readonly property real diameter: Math.min(width, height)
    implicitWidth: 40
    implicitHeight: 40
    radius: diameter / 2
    showMainImage: !(disabled || error)
    showDisableImage: disabled || error
    sourceDsiable: effectMode || String(source) === "" ? source : "image://brightnessChg/" + source + "?y=0"
    mainDisableImg.layer.effect: BrightnessContrast { brightness: -0.6 }
    background.width: diameter
    background.height: diameter
    background.anchors.fill: undefined
    background.anchors.centerIn: root

    function acceptsPoint(px, py) {
        var r = diameter / 2
        var dx = px - width / 2, dy = py - height / 2
        return dx * dx + dy * dy < r * r
    }
}
