import QtQuick

// The slider popups of the flash groups, one list per setting name: the
// popup creates each entry with its properties; "sliderObj" is the slider.
Item {
    visible: false

    property Component sliderComponent: Component {
        KvFlashSlider {
            windowType: 1
        }
    }

    function adjust(target) {
        return [{ component: sliderComponent, properties: { objectName: "sliderObj", width: 214, height: 120, type: 0,
                                                             windowType: 1, optionText: qsTr("Flash Light Adjustment"),
                                                             target: target } }]
    }
    function manual(target) {
        return [{ component: sliderComponent, properties: { objectName: "sliderObj", width: 214, height: 120, type: 1,
                                                             windowType: 1, optionText: qsTr("Flash Light Manual"),
                                                             target: target } }]
    }

    readonly property var buildInFlashAdjust: adjust("buildInFlashAdjust")
    readonly property var aGroupFlashAdjust: adjust("aGroupFlashAdjust")
    readonly property var bGroupFlashAdjust: adjust("bGroupFlashAdjust")
    readonly property var cGroupFlashAdjust: adjust("cGroupFlashAdjust")
    readonly property var buildInFlashManual: manual("buildInFlashManual")
    readonly property var aGroupFlashManual: manual("aGroupFlashManual")
    readonly property var bGroupFlashManual: manual("bGroupFlashManual")
    readonly property var cGroupFlashManual: manual("cGroupFlashManual")
}
