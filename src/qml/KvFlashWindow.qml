import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvFlashText.js" as FlashText

// Every flash setting of the selected camera: the camera's own flash at the
// top, the wireless bar, and with wireless on the wireless settings and one
// row per flash group; the test flash at the bottom.
Window {
    id: root

    readonly property int cellWidth: 107
    readonly property int cellHeight: 77
    readonly property int barHeight: 40
    readonly property int compactHeight: 3 * cellHeight + barHeight
    readonly property int fullHeight: 3 * cellHeight + barHeight + 5 * cellHeight + barHeight
    property bool compact: flashAdapter.wirelessMode === Kv.Utilities.WirM_Off
    property bool animating: animationTimer.running
    property alias maskPanel: mask
    property alias sliderPopup: flashSliderPopup
    property alias optionPopup: listPopup
    property alias wirelessBar: wirelessButton
    property alias testButton: testEmission

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowMinimizeButtonHint
           | Qt.WindowCloseButtonHint
    title: qsTr("Flash")
    color: "#1d1e20"
    width: 323
    minimumWidth: 323
    maximumWidth: 323
    height: compactHeight
    minimumHeight: compactHeight
    maximumHeight: compactHeight

    KvWindowStateSaver {
        window: root
        targetWindow: Kv.ApplicationSettings.WinList_Flash
        defaultWidth: root.minimumWidth
        defaultHeight: root.minimumHeight
    }

    KvLogCollector {
        id: logCol
        logMajTagID: Kv.TagDef.RTMajor_Usage
        logMedTagID: Kv.TagDef.RTMed_Usage_Flash
        logWindowName: "KvFlashWindow"
    }

    KvOptionComponentsProvider {
        id: provider
    }
    KvFlashComponentsProvider {
        id: flashProvider
    }

    Column {
        id: layout
        width: root.width

        KvFlashGridLayout {
            id: topGrid
            columns: 3
            KvOptionButton {
                id: flashDimmerButton
                width: topGrid.cellWidth; height: topGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "flashDimmer"
                labelText: qsTr("Flash Dimmer"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_FlashDimmer; logFile: target
                onClicked: clickSub()
            }
            KvOptionButton {
                id: flashModeButton
                width: topGrid.cellWidth; height: topGrid.cellHeight
                windowType: "flash"; type: "optionWithImage"; target: "flashMode"
                labelText: qsTr("Flash Mode"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_FlashMode; logFile: target
                onClicked: clickSub()
            }
            KvOptionButton {
                id: flashSyncButton
                width: topGrid.cellWidth; height: topGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "flashSync"
                labelText: qsTr("Flash Sync"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_FlashSync; logFile: target
                onClicked: clickSub()
            }
            KvOptionButton {
                id: exposureLinkButton
                width: topGrid.cellWidth; height: topGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "exposureLink"
                labelText: qsTr("Exposure Link"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_ExposureLink; logFile: target
                onClicked: clickSub()
            }
            Rectangle {
                id: adjustCell
                width: topGrid.span(2); height: topGrid.cellHeight
                color: "#26282a"
                KvFlashSlider {
                    id: adjustSlider
                    anchors.fill: parent
                    type: FlashText.TypeAdjust; windowType: 0; target: "flashAdjust"
                    optionText: qsTr("Flash Intensity Setting")
                    logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_FlashAdjust
                }
            }
            Rectangle {
                id: manualCell
                width: topGrid.span(3); height: topGrid.cellHeight
                color: "#26282a"
                KvFlashSlider {
                    id: manualSlider
                    anchors.fill: parent
                    type: FlashText.TypeManual; windowType: 0; target: "flashManual"
                    optionText: qsTr("Manual Flash Emission Setting")
                    logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_ManualFlash
                }
            }
        }

        KvRectangleButton {
            id: wirelessButton
            objectName: "wirelessBar"
            width: root.width
            height: root.barHeight
            type: "checkableWithImageAndText"
            optionText: qsTr("Wireless Mode") + " " + (root.compact ? qsTr("OFF") : qsTr("ON"))
            buttonText: optionText
            optionImage: root.compact ? "qrc:/images/button_expand.svg" : "qrc:/images/button_shrink.svg"
            checked: !root.compact
            logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_WirelessMode; logFile: "WirelessMode"
            onClicked: root.wirelessClicked()
            // the bar's own sign of what a click does: grow or shrink
            Image {
                z: 22
                width: 24
                height: 24
                sourceSize: Qt.size(48, 48)
                anchors.right: parent.right
                anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                source: wirelessButton.optionImage
            }
        }

        KvFlashGridLayout {
            id: wirelessGrid
            columns: 3
            visible: root.height > root.compactHeight
            KvOptionButton {
                id: wirelessChannelButton
                width: wirelessGrid.cellWidth; height: wirelessGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "wirelessChannel"
                labelText: qsTr("Wireless Channel"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_WirelessChannel; logFile: target
                onClicked: clickSub()
            }
            KvOptionButton {
                id: wirelessFPButton
                width: wirelessGrid.cellWidth; height: wirelessGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "wirelessFP"
                labelText: qsTr("Wireless FP"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_WirelessFP; logFile: target
                onClicked: clickSub()
            }
            KvOptionButton {
                id: wirelessComPowerButton
                width: wirelessGrid.cellWidth; height: wirelessGrid.cellHeight
                windowType: "flash"; type: "optionWithStyledText"; target: "wirelessComPower"
                labelText: qsTr("Wireless Light Intensity"); popupTitle: labelText
                popup: listPopup; componentsProvider: provider
                logCol: logCol; logScrTagID: Kv.TagDef.RTScr_Usage_Flash_WirelessComPower; logFile: target
                onClicked: clickSub()
            }
            Repeater {
                id: groupRows
                model: [
                    { prefix: "buildIn", label: qsTr("Built-in Flash"), dimmer: "buildInFlashDimmer",
                      adjust: "buildInFlashAdjust", manual: "buildInFlashManual", adjustId: 100, manualId: 101,
                      tag: Kv.TagDef.RTScr_Usage_Flash_BuildinFlash },
                    { prefix: "aGroup", label: qsTr("A Group"), dimmer: "aGroupDimmer",
                      adjust: "aGroupFlashAdjust", manual: "aGroupFlashManual", adjustId: 102, manualId: 103,
                      tag: Kv.TagDef.RTScr_Usage_Flash_GroupAFlash },
                    { prefix: "bGroup", label: qsTr("B Group"), dimmer: "bGroupDimmer",
                      adjust: "bGroupFlashAdjust", manual: "bGroupFlashManual", adjustId: 104, manualId: 105,
                      tag: Kv.TagDef.RTScr_Usage_Flash_GroupBFlash },
                    { prefix: "cGroup", label: qsTr("C Group"), dimmer: "cGroupDimmer",
                      adjust: "cGroupFlashAdjust", manual: "cGroupFlashManual", adjustId: 106, manualId: 107,
                      tag: Kv.TagDef.RTScr_Usage_Flash_GroupCFlash }
                ]
                KvFlashThreeButton {
                    readonly property var row: modelData
                    width: wirelessGrid.span(3)
                    height: wirelessGrid.cellHeight
                    labelText: row.label
                    btn1.target: row.dimmer
                    btn1.popupTitle: row.label
                    btn1.popup: listPopup
                    btn1.componentsProvider: provider
                    btn1.logCol: logCol
                    btn1.logScrTagID: row.tag
                    btn2Id: row.adjustId
                    btn2.logCol: logCol
                    btn2.logScrTagID: row.tag + 1
                    btn3Id: row.manualId
                    btn3.logCol: logCol
                    btn3.logScrTagID: row.tag + 2
                    onBtn1Clicked: function(event, source) { root.openGroupDimmer(source) }
                    onBtn2Clicked: function(event, source) { root.openSlider(source, row.adjust) }
                    onBtn3Clicked: function(event, source) { root.openSlider(source, row.manual) }
                }
            }
        }

        Item {
            width: root.width
            height: root.barHeight
            KvRectangleButton {
                id: testEmission
                objectName: "testEmission"
                anchors.fill: parent
                type: "actionWithText"
                buttonText: qsTr("Test Emission")
                onClicked: {
                    logCol.log(Kv.TagDef.RecLvl_Info, Kv.TagDef.RTScr_Usage_Flash_TestEmission, "TestEmission clicked")
                    deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Other_FLASH_TEST()
                }
            }
        }
    }

    KvOptionButtonPopup {
        id: listPopup
    }

    KvFlashSliderPopup {
        id: flashSliderPopup
        onOnOKClicked: function(id) {
            var t = root.targetOfButton(id)
            logCol.log(Kv.TagDef.RecLvl_Info, root.tagOfButton(id), t + " Ok")
            root.refreshGroupValue(t)
        }
        onOnCancelClicked: function(id) {
            logCol.log(Kv.TagDef.RecLvl_Info, root.tagOfButton(id), root.targetOfButton(id) + " Cancel")
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
        onModeChanged: {
            if (mode !== 0)
                root.closePopups()
        }
    }

    // ---- mask bits ----
    readonly property int maskBusy: 1
    readonly property int maskPreference: 2
    readonly property int maskMenu: 8
    readonly property int maskSearch: 16
    readonly property int maskConnecting: 32

    function setMask(bit, on) {
        mask.mode = on ? (mask.mode | bit) : (mask.mode & ~bit)
        if (mask.mode !== 0)
            closePopups()
    }

    function closePopups() {
        listPopup.dismiss()
        flashSliderPopup.dismiss()
    }

    onActiveChanged: {
        if (active && mask.visible)
            utilities.preferenceWindowActive()
    }

    // ---- group rows ----
    function groupButtons() {
        var out = []
        for (var i = 0; i < groupRows.count; ++i)
            out.push(groupRows.itemAt(i))
        return out
    }
    function buttonOf(target) {
        var rows = groupButtons()
        for (var i = 0; i < rows.length; ++i) {
            if (!rows[i])
                continue
            var r = rows[i].row
            if (r.dimmer === target)
                return rows[i].btn1
            if (r.adjust === target)
                return rows[i].btn2
            if (r.manual === target)
                return rows[i].btn3
        }
        return null
    }
    function labelOf(target) {
        var rows = groupButtons()
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i] && (rows[i].row.adjust === target || rows[i].row.manual === target
                            || rows[i].row.dimmer === target))
                return rows[i].row.label
        }
        return ""
    }
    function targetOfButton(id) {
        var rows = groupButtons()
        for (var i = 0; i < rows.length; ++i) {
            if (!rows[i])
                continue
            if (rows[i].row.adjustId === id)
                return rows[i].row.adjust
            if (rows[i].row.manualId === id)
                return rows[i].row.manual
        }
        return ""
    }

    // The usage-log screen tag of a slider popup's button.
    function tagOfButton(id) {
        var b = buttonOf(targetOfButton(id))
        return b ? b.logScrTagID : 0
    }

    function openGroupDimmer(button) {
        var list = provider[button.target]
        if (!list)
            return
        for (var i = 0; i < list.length; ++i) {
            var offered = flashAdapter[button.target + "Capability"](list[i].properties.value) === Kv.Utilities.Ternary_True
            list[i].properties.capable = offered
            list[i].properties.enabled = offered
            list[i].properties.checked = offered && list[i].properties.value === button.value
        }
        var p = button.mapToItem(layout, 0, 0)
        listPopup.present(p.x, p.y, button.popupTitle, list, button.target, function(entry) {
            button.onSelectedPopupButton(entry)
        })
    }

    function openSlider(button, target) {
        var p = button.mapToItem(layout, 0, button.height)
        flashSliderPopup.present(p.x, p.y, button, flashProvider[target], button.button_id)
    }

    // ---- refresh functions ----
    function refreshOption(button) {
        button.optionSelect(flashAdapter[button.target])
    }
    function refreshSlider(cell, slider) {
        cell.enabled = flashAdapter[slider.target + "CapabilityNum"]() !== 0
        slider.curIndex = flashAdapter[slider.target]
    }
    function refreshDimmer(target) {
        var b = buttonOf(target)
        if (b)
            b.optionSelect(flashAdapter[target])
    }
    function groupValueText(target, v) {
        if (target.indexOf("Manual") >= 0)
            return FlashText.manualButtonText(Number(utilities.enumFlashManualToVal(v)))
        return FlashText.adjustButtonText(Number(utilities.enumFlashAdjToVal(v)))
    }
    function refreshGroupValue(target) {
        var b = buttonOf(target)
        if (!b)
            return
        var v = flashAdapter[target]
        var n = flashAdapter[target + "CapabilityNum"]()
        b.disabled = n === 0
        b.enabled = n !== 0
        b.value = v
        b.optionText = v < 0 ? "-" : groupValueText(target, v)
        b.toolTipText = "<HTML>" + labelOf(target) + "<br>"
                + (target.indexOf("Manual") >= 0 ? qsTr("Flash Light Manual") : qsTr("Flash Light Adjustment"))
                + "<br>" + b.optionText + "</HTML>"
        if (flashSliderPopup.visible && flashSliderPopup.sourceButton === b && flashSliderPopup.slider)
            flashSliderPopup.slider.curIndex = v
    }

    function heights(h) {
        minimumHeight = h
        maximumHeight = h
        height = h
    }
    function refreshWirelessMode() {
        closePopups()
        animationTimer.stop()
        compact = flashAdapter.wirelessMode === Kv.Utilities.WirM_Off
        wirelessButton.checked = !compact
        wirelessButton.enabled = true
        heights(compact ? compactHeight : fullHeight)
    }
    function wirelessModeInner() {
        compact = flashAdapter.wirelessMode === Kv.Utilities.WirM_Off
        wirelessButton.checked = !compact
        if (animationTimer.running) {
            wirelessButton.enabled = true
            return
        }
        wirelessButton.enabled = false
        if (compact) {
            minimumHeight = compactHeight
            animationTimer.grow = false
        } else {
            maximumHeight = fullHeight
            animationTimer.grow = true
        }
        animationTimer.start()
    }
    function wirelessClicked() {
        wirelessButton.enabled = false
        flashAdapter.wirelessMode = compact ? Kv.Utilities.WirM_On : Kv.Utilities.WirM_Off
    }

    Timer {
        id: animationTimer
        property bool grow: true
        interval: 50
        repeat: true
        onTriggered: {
            if (grow) {
                root.height = Math.min(root.height + 150, root.fullHeight)
                if (root.height >= root.fullHeight) {
                    root.minimumHeight = root.fullHeight
                    stop()
                    wirelessButton.enabled = true
                }
            } else {
                root.height = Math.max(root.height - 150, root.compactHeight)
                if (root.height <= root.compactHeight) {
                    root.maximumHeight = root.compactHeight
                    stop()
                    wirelessButton.enabled = true
                }
            }
        }
    }

    // setting name, its count signal, its refresh
    readonly property var refreshTable: [
        ["flashDimmer", "flashDimFlgNumChanged", function() { refreshOption(flashDimmerButton) }],
        ["flashMode", "flashModeFlgNumChanged", function() { refreshOption(flashModeButton) }],
        ["flashSync", "flashSyncFlgNumChanged", function() { refreshOption(flashSyncButton) }],
        ["exposureLink", "expoLinkFlgNumChanged", function() { refreshOption(exposureLinkButton) }],
        ["wirelessMode", "wirModeFlgNumChanged", function() { refreshWirelessMode() }],
        ["wirelessChannel", "wirChFlgNumChanged", function() { refreshOption(wirelessChannelButton) }],
        ["wirelessFP", "wirFPFlgNumChanged", function() { refreshOption(wirelessFPButton) }],
        ["wirelessComPower", "wirComPowerFlgNumChanged", function() { refreshOption(wirelessComPowerButton) }],
        ["flashAdjust", "flashAdjustFlgNumChanged", function() { refreshSlider(adjustCell, adjustSlider) }],
        ["flashManual", "flashManualFlgNumChanged", function() { refreshSlider(manualCell, manualSlider) }],
        ["buildInFlashDimmer", "buildInFlashDimFlgNumChanged", function() { refreshDimmer("buildInFlashDimmer") }],
        ["aGroupDimmer", "aGroupDimFlgNumChanged", function() { refreshDimmer("aGroupDimmer") }],
        ["bGroupDimmer", "bGroupDimFlgNumChanged", function() { refreshDimmer("bGroupDimmer") }],
        ["cGroupDimmer", "cGroupDimFlgNumChanged", function() { refreshDimmer("cGroupDimmer") }],
        ["buildInFlashAdjust", "buildInFlashAdjustFlgNumChanged", function() { refreshGroupValue("buildInFlashAdjust") }],
        ["aGroupFlashAdjust", "aGroupFlashAdjustFlgNumChanged", function() { refreshGroupValue("aGroupFlashAdjust") }],
        ["bGroupFlashAdjust", "bGroupFlashAdjustFlgNumChanged", function() { refreshGroupValue("bGroupFlashAdjust") }],
        ["cGroupFlashAdjust", "cGroupFlashAdjustFlgNumChanged", function() { refreshGroupValue("cGroupFlashAdjust") }],
        ["buildInFlashManual", "buildInFlashManualFlgNumChanged", function() { refreshGroupValue("buildInFlashManual") }],
        ["aGroupFlashManual", "aGroupFlashManualFlgNumChanged", function() { refreshGroupValue("aGroupFlashManual") }],
        ["bGroupFlashManual", "bGroupFlashManualFlgNumChanged", function() { refreshGroupValue("bGroupFlashManual") }],
        ["cGroupFlashManual", "cGroupFlashManualFlgNumChanged", function() { refreshGroupValue("cGroupFlashManual") }]
    ]

    function cameraValueGetComplete() {
        for (var i = 0; i < refreshTable.length; ++i)
            refreshTable[i][2]()
    }

    // The adapter's signals the window follows, as [signal, handler]: a
    // window that is destroyed leaves none of them behind.
    function adapterConnections() {
        var out = []
        for (var i = 0; i < refreshTable.length; ++i) {
            var row = refreshTable[i]
            out.push([flashAdapter[row[0] + "Changed"], row[2]], [flashAdapter[row[1]], row[2]])
            if (row[0] !== "wirelessMode" && flashAdapter[row[0] + "InnerChanged"] !== undefined)
                out.push([flashAdapter[row[0] + "InnerChanged"], row[2]])
        }
        out.push([flashAdapter.wirelessModeInnerChanged, wirelessModeInner])
        return out
    }
    Component.onCompleted: {
        adapterConnections().forEach(function(c) { c[0].connect(c[1]) })
        cameraValueGetComplete()
    }
    Component.onDestruction: adapterConnections().forEach(function(c) { c[0].disconnect(c[1]) })

    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function onCameraStatusChanged() {
            var s = deviceAdapter.cameraStatus
            if (s === Kv.Utilities.CamStatus_Menu_Displayed) {
                root.setMask(root.maskMenu, true)
                root.setMask(root.maskBusy, false)
            } else if (s === Kv.Utilities.CamStatus_MovRec_Others || s === Kv.Utilities.CamStatus_Playing
                       || s === Kv.Utilities.CamStatus_Processing) {
                root.setMask(root.maskBusy, true)
                root.setMask(root.maskMenu, false)
            }
        }
        function onCameraStatusCompleteNotify() {
            var s = deviceAdapter.cameraStatus
            if (s !== Kv.Utilities.CamStatus_Menu_Displayed && s !== Kv.Utilities.CamStatus_MovRec_Others
                    && s !== Kv.Utilities.CamStatus_Playing && s !== Kv.Utilities.CamStatus_Processing) {
                root.setMask(root.maskBusy, false)
                root.setMask(root.maskMenu, false)
            }
        }
        function onCamConnectStatusChanged() {
            var s = deviceAdapter.camConnectStatus
            if (s === Kv.Utilities.CamConnectSts_Connecting)
                root.setMask(root.maskConnecting, true)
            else if (s === Kv.Utilities.CamConnectSts_Unknown || s === Kv.Utilities.CamConnectSts_Success
                     || s === Kv.Utilities.CamConnectSts_SuccessBackground)
                root.setMask(root.maskConnecting, false)
        }
        function onSwitchCameraNotify() { root.closePopups() }
        function onInitSetupTetherModeChanged() { root.closePopups() }
    }

    Connections {
        target: utilities
        ignoreUnknownSignals: true
        function onPreferenceWindowVisibleChangedNotify(flg) { root.setMask(root.maskPreference, flg) }
        function onSearchCamWindowVisibleChangedNotify(flg) { root.setMask(root.maskSearch, flg) }
        function onActivateWindowNotify() {
            if (root.visibility === Window.Minimized)
                root.showNormal()
            root.requestActivate()
        }
    }
}
