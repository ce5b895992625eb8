import QtQuick
import QtQuick.Controls

// A labelled slider of the live-view setting popups, its value shown on the
// right. `moved(value)` follows the user's hand only.
Item {
    id: root

    property string label: ""
    property real from: 0
    property real to: 100
    property real stepSize: 1
    property real value: 0
    property string valueText: String(Math.round(value))
    property alias slider: slider
    signal moved(real value)

    width: parent ? parent.width : 212
    height: 46

    Text {
        x: 10
        y: 2
        width: parent.width - 20 - (root.valueText !== "" ? valueLabel.implicitWidth + 6 : 0)
        color: root.enabled ? "#c6c6c6" : "#808080"
        height: 16
        font.pixelSize: 13
        // a long label shrinks a little before it is cut
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10
        elide: Text.ElideRight
        text: root.label
    }
    Text {
        id: valueLabel
        x: parent.width - 60
        y: 2
        width: 50
        horizontalAlignment: Text.AlignRight
        color: root.enabled ? "#ffffff" : "#808080"
        font.pixelSize: 13
        text: root.valueText
    }
    Slider {
        id: slider
        x: 4
        y: 18
        width: parent.width - 8
        height: 26
        from: root.from
        to: root.to
        stepSize: root.stepSize
        snapMode: Slider.SnapAlways
        value: root.value
        onMoved: root.moved(value)
        background: Rectangle {
            x: slider.leftPadding
            y: slider.topPadding + slider.availableHeight / 2 - height / 2
            width: slider.availableWidth
            height: 4
            radius: 2
            color: "#434343"
            Rectangle {
                width: slider.visualPosition * parent.width
                height: parent.height
                radius: 2
                color: root.enabled ? "#ffbf1f" : "#808080"
            }
        }
        handle: Rectangle {
            x: slider.leftPadding + slider.visualPosition * (slider.availableWidth - width)
            y: slider.topPadding + slider.availableHeight / 2 - height / 2
            width: 14
            height: 14
            radius: 7
            color: slider.pressed ? "#ffffff" : "#c6c6c6"
        }
    }
}
