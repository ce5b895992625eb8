import QtQuick
import QtQuick.Controls

// The guide lines: each of the four switched on or off and placed, and the
// thickness and colour they share.
KvLiveViewPopup {
    id: root

    closesOnPressOutside: true
    title: qsTr("guideline")
    height: 532

    function setValue(name, value) {
        if (lvWindow)
            lvWindow[name] = value
    }

    readonly property var lines: [
        { label: qsTr("Vertical 1"), shown: "gLineHor1", position: "gLineHor1Pos" },
        { label: qsTr("Vertical 2"), shown: "gLineHor2", position: "gLineHor2Pos" },
        { label: qsTr("Holizon 1"), shown: "gLineVer1", position: "gLineVer1Pos" },
        { label: qsTr("Holizon 2"), shown: "gLineVer2", position: "gLineVer2Pos" }
    ]
    property alias lineRepeater: lineRepeater
    property alias thicknessSlider: thicknessSlider

    Column {
        width: parent.width
        spacing: 4
        Repeater {
            id: lineRepeater
            model: root.lines
            Column {
                width: parent.width
                property alias check: check
                property alias slider: slider
                KvLiveViewCheckBox {
                    id: check
                    text: modelData.label
                    checked: !!root.lvWindow && !!root.lvWindow[modelData.shown]
                    onClicked: root.setValue(modelData.shown, !checked)
                }
                // the slider runs over 0 to 1, the setting holds the percentage
                KvLiveViewSlider {
                    id: slider
                    enabled: check.checked
                    from: 0
                    to: 0.99
                    stepSize: 0.01
                    value: root.lvWindow ? root.lvWindow[modelData.position] / 100 : 0
                    valueText: Math.round(value * 100) + "%"
                    onMoved: function(value) { root.setValue(modelData.position, Math.round(value * 100)) }
                }
            }
        }
        KvLiveViewSlider {
            id: thicknessSlider
            label: qsTr("Thickness")
            from: 1
            to: 10
            value: root.lvWindow ? root.lvWindow.gLineThickness : 1
            onMoved: function(value) { root.setValue("gLineThickness", Math.round(value)) }
        }
        KvLiveViewColorRow {
            label: qsTr("Color")
            colorValue: root.lvWindow ? root.lvWindow.gLineColor : "#0080ff"
            onClicked: root.chooseColor(colorValue, function(c) { root.setValue("gLineColor", c) })
        }
    }
}
