import QtQuick
import Kv 1.0 as Kv
import "KvFlashText.js" as FlashText

// The stepped slider of the flash window, the main window's exposure
// compensation and the photo-style popup: one tick per choosable value, a
// bar coloured from the zero tick to the selected one, and a pointer that
// snaps to the ticks.
Item {
    id: root

    Accessible.role: Accessible.Slider
    Accessible.name: optionText

    property int type: 0          // adjust 0, manual 1, exposure 2, free 3
    property int texttype: 0      // free type: fraction 0, decimals 1, positive 2
    property int windowType: 0    // flash 0, flash popup 1, main 2, photo style 3
    property string target: ""
    property string optionText: ""
    property int minVal: 0
    property int maxVal: 0
    property int stepVal: 3
    property int tmStep: stepVal
    property int minRange: 0
    property int maxRange: modelNum - 1
    property int value: -1
    property int curIndex: 0
    property var curVal: undefined
    property int txtSliderValTopMargin: 0
    property var logCol: null
    property int logScrTagID: 0
    property bool disabled: !enabled

    readonly property int modelNum: FlashText.tickCount(type, minVal, maxVal,
                                                        { manual: Kv.FlashAdapter.FlshManual_Max,
                                                          exposure: Kv.Utilities.Expo_Max,
                                                          adjust: Kv.FlashAdapter.FlshAdj_Max })
    readonly property int rootIndex: FlashText.rootIndex(type, minVal, maxVal, stepVal, modelNum)
    readonly property string valueText: textValue(curIndex)
    readonly property bool openGL: typeof isOpenGLMode === "undefined" || isOpenGLMode === "true"
    property alias handle: pointer
    property alias tickRow: ticks

    function textValue(index) {
        if (type === FlashText.TypeAdjust)
            return FlashText.adjustSliderText(Number(utilities.enumFlashAdjToVal(index)))
        if (type === FlashText.TypeExposure)
            return FlashText.adjustSliderText(Number(utilities.enumExposureToVal(index)))
        if (type === FlashText.TypeManual)
            return FlashText.manualSliderText(Number(utilities.enumFlashManualToVal(index)))
        return FlashText.freeText(index, minVal, stepVal, texttype)
    }

    function sliderValueChanged(val) {
        value = val
        if (logCol)
            logCol.log(Kv.TagDef.RecLvl_Info, logScrTagID, target, "" + val)
        if (target === "")
            return
        if (windowType === 2)
            deviceAdapter[target] = val
        else if (windowType === 0)
            flashAdapter[target] = val
        else if (windowType === 3)
            deviceAdapter[target] = Math.max(minVal, Math.min(maxVal, val + minVal))
    }

    function curValSetting(val) {
        if (val === undefined || val === null)
            return
        curVal = val
        curIndex = val - minVal
    }
    onCurValChanged: {
        if (curVal !== undefined && curVal !== null)
            curIndex = curVal - minVal
    }

    function choose(index) {
        if (index < minRange || index > maxRange || index < 0 || index >= modelNum)
            return
        curIndex = index
        sliderValueChanged(index)
    }

    Component.onCompleted: curIndex = rootIndex

    Text {
        id: label
        visible: windowType !== 3
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.top: parent.top
        anchors.topMargin: 6
        // beside the value: as wide as the value leaves free, for the
        // longer titles of other languages
        width: windowType === 1 ? parent.width - 16
                                : Math.max(parent.width / 2, parent.width - 24 - valueLabel.implicitWidth)
        text: root.optionText
        color: root.disabled ? "#646464" : "#dddddd"
        font.pixelSize: 12
        font.family: utilities.getFontFamily()
        elide: Text.ElideRight
        horizontalAlignment: windowType === 1 ? Text.AlignHCenter : Text.AlignLeft
    }

    Text {
        id: valueLabel
        textFormat: Text.RichText
        text: root.valueText
        color: root.disabled ? "#646464" : "#FFD600"
        font.pixelSize: 16
        font.family: utilities.getFontFamily()
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.left: windowType === 1 || windowType === 3 ? parent.left : undefined
        horizontalAlignment: windowType === 1 || windowType === 3 ? Text.AlignHCenter : Text.AlignRight
        y: (windowType === 1 ? parent.height / 4 : 0) + (root.openGL ? 6 : root.txtSliderValTopMargin - 6)
        height: windowType === 3 ? parent.height / 2 + 6 : parent.height / 4
        verticalAlignment: root.openGL ? Text.AlignTop : Text.AlignVCenter
        Behavior on text {
            SequentialAnimation {
                NumberAnimation { target: valueLabel; property: "opacity"; to: 0.4; duration: 50 }
                PropertyAction {}
                NumberAnimation { target: valueLabel; property: "opacity"; to: 1; duration: 50 }
            }
        }
    }

    Item {
        id: ticks
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        y: parent.height / 2
        height: parent.height / 2

        function xOf(index) {
            return root.modelNum > 1 ? index / (root.modelNum - 1) * width : width / 2
        }

        Repeater {
            model: root.modelNum
            Rectangle {
                readonly property bool longTick: FlashText.isLongTick(root.type, index, root.tmStep, root.modelNum,
                                                                      root.rootIndex)
                visible: index >= root.minRange && index <= root.maxRange
                x: ticks.xOf(index) - 1.5
                y: longTick ? 0 : 5
                width: 3
                height: longTick ? 10 : 5
                color: FlashText.tickColor(index, root.curIndex, root.rootIndex, !root.disabled)
                Behavior on color { ColorAnimation { duration: 50 } }
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -3
                    onPressed: root.choose(index)
                }
            }
        }

        Canvas {
            id: pointer
            width: 8
            height: 10
            y: 12
            x: ticks.xOf(root.curIndex) - width / 2
            readonly property color fill: root.disabled ? "#808080" : "#FFD600"
            onFillChanged: requestPaint()
            onPaint: {
                var c = getContext("2d")
                c.reset()
                c.fillStyle = fill
                c.beginPath()
                c.moveTo(width / 2, 0)
                c.lineTo(width, height)
                c.lineTo(0, height)
                c.closePath()
                c.fill()
            }
            MouseArea {
                id: dragArea
                anchors.fill: parent
                anchors.margins: -6
                drag.target: pointer
                drag.axis: Drag.XAxis
                drag.minimumX: ticks.xOf(root.minRange) - pointer.width / 2
                drag.maximumX: ticks.xOf(root.maxRange) - pointer.width / 2
                onPositionChanged: {
                    if (drag.active)
                        root.curIndex = FlashText.indexAt(pointer.x + pointer.width / 2, ticks.width, root.modelNum,
                                                          root.minRange, root.maxRange)
                }
                onReleased: {
                    pointer.x = Qt.binding(function() { return ticks.xOf(root.curIndex) - pointer.width / 2 })
                    root.sliderValueChanged(root.curIndex)
                }
            }
        }
    }
}
