import QtQuick
import Kv 1.0 as Kv
import "KvLiveViewControl.js" as Logic

// The control panel at the right of the live-view window: the camera menu,
// the white-balance set point, the AF-area and one-shot AF buttons, the
// switches of the overlays, the magnifier with its steps, MF adjustment,
// the power zoom, the rotation and three option buttons, with the
// histogram under them. While the camera shows its menu, streams or the
// window shows every camera, the panel is disabled; the states it had are
// taken before and given back afterwards.
Item {
    id: root

    property var lvWindow: null
    property var afFrame: null
    property var logCol: panelLog

    // for the AF frame
    property alias afAreaChecked: afAreaButton.checked
    property alias afAreaEnabled: afAreaButton.enabled
    property alias oneShotAfEnabled: oneShotButton.enabled
    property alias mfZoomChecked: mfZoomButton.checked

    // the current controlItemSetting mode and the states taken before it
    property int panelMode: Logic.Panel.Enable
    property var saved: null
    // setMFZoom's wish while the panel is disabled
    property bool mfZoomWanted: false
    // the power zoom as last read outside the camera menu
    property bool zoomEnable: false
    property int zoomWide: 0
    property int zoomTele: 0
    property int zoomLen: 0
    property bool zoomStarted: false
    property int mfZoomDelta: 0
    property int mfAdjustKind: 0
    readonly property int buttonHeight: 26
    // the shape of the histogram picture
    readonly property real histogramAspect: 192 / 130
    readonly property bool menuShown: deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_Menu_Displayed
    readonly property bool blocked: panelMode !== Logic.Panel.Enable
    // the rows that come and go with the camera
    readonly property bool menuRowShown: deviceAdapter.recCtrlMenuEnable
    readonly property bool afAreaRowShown: deviceAdapter.afFramesMax !== Kv.Utilities.AFFMax_315
    readonly property var columns: columnsSetting()

    property alias menuButton: menuButton
    property alias wbButton: wbButton
    property alias levelButton: levelButton
    property alias gridButton: gridButton
    property alias guidelineButton: guidelineButton
    property alias overlayButton: overlayButton
    property alias histogramButton: histogramButton
    property alias mfZoomButton: mfZoomButton
    property alias mfZoomTimer: mfZoomTimer
    property alias mfAdjustTimer: mfAdjustTimer
    property alias rotationLeftButton: rotationLeft
    property alias rotationAutoButton: rotationAuto
    property alias rotationRightButton: rotationRight
    property alias imageQualityButton: imageQualityButton
    property alias aspectRatioButton: aspectRatioButton
    property alias recPreviewButton: recPreviewButton
    property alias histogram: histogram
    property alias histogramArea: histogramArea
    property alias menuMask: menuMask
    property alias panelMask: panelMask
    property alias optionPopup: optionPopup

    signal guidelineSetting()
    signal gridSetting()
    signal overlaySetting()
    signal guidelinePopupClose()
    signal gridPopupClose()
    signal overlayPopupClose()
    signal af_dispframeClicked()
    signal afFramePointScopeEnd()

    width: 212

    // The looks the panel's buttons share: a row button, a switch across the
    // panel and a small picture button.
    component PanelButton: SwitchButton {
        logCol: root.logCol
    }
    component SwitchButton: KvRectangleButton {
        width: parent.width
        height: root.buttonHeight
        type: "checkableWithImageAndTextLv"
        disabled: !enabled
        logCol: root.logCol
    }
    component IconButton: KvRectangleButton {
        height: root.buttonHeight
        mainImg.width: 22
        mainImg.height: 22
        disabled: !enabled
        logCol: root.logCol
    }

    function log(tag, word, text) {
        if (logCol)
            logCol.log(Kv.TagDef.RecLvl_Info, tag, word, text === undefined ? "" : "" + text)
    }
    function afMode() {
        return afFrame ? afFrame.mode : -1
    }
    function afaeRunning() {
        return deviceAdapter.afaeState === Kv.Utilities.AfAeDispStatus_Show
                || deviceAdapter.afState === Kv.Utilities.AfAeDispStatus_Show
    }
    function setWindow(name, value) {
        if (lvWindow)
            lvWindow[name] = value
    }

    // ---- white-balance set point ----
    function setWbMode(on) {
        wbButton.checked = on
        setWindow("wbSetMode", on)
        utilities.setMouseCursor(on ? Kv.Utilities.Ct_Pen : Kv.Utilities.Ct_Normal)
    }
    function wb_Position_set() {
        setWbMode(false)
        var ok = deviceAdapter.adp_KVR_func_api_WB_Ctrl_WBSET_START_REQ() === Kv.Utilities.Ternary_True
        if (ok)
            ok = deviceAdapter.adp_KVR_func_api_WB_Ctrl_WBSET_SET_REQ() === Kv.Utilities.Ternary_True
        if (!ok)
            deviceAdapter.adp_KVR_func_api_WB_Ctrl_WBSET_END_REQ()
    }
    function whiteBalanceSetting() {
        wbButton.checked = !!(lvWindow && lvWindow.wbSetMode) && !blocked
    }

    // ---- magnifier ----
    function setMFText() {
        if (blocked)
            return
        mfAdjustRow.enabled = Logic.mfAdjustEnabled(deviceAdapter.focusMode, deviceAdapter.autoFocusMode,
                                                    afaeRunning())
    }
    function setMFScale() {
        mfZoomButton.optionText = Logic.scaleText(deviceAdapter[Logic.magnifyProperty(afMode())])
    }
    function setMFZoom(checked) {
        var s = Logic.mfZoomState({
            blocked: blocked, wanted: checked, mode: afMode(), afaeRunning: afaeRunning(),
            lvMagMovie: deviceAdapter.lvMagEnable && deviceAdapter.recordingMode === Kv.Utilities.RM_CreativeVideo
        })
        if (s.remember) {
            mfZoomWanted = checked
            return
        }
        mfZoomButton.enabled = s.enabled
        mfZoomButton.checked = s.checked
        if (!s.checked)
            mfZoomTimer.stop()
    }
    function mfZoomClicked() {
        var checked = mfZoomButton.checked
        log(Kv.TagDef.RTScr_Usage_LiveView_MFZoom, "MFZoom", checked)
        var mode = afMode()
        var action = Logic.mfZoomAction(mode, checked, afaeRunning())
        if (action !== "" && afFrame)
            afFrame[action]()
        if (!checked && Logic.isPointScopeMode(mode))
            root.afFramePointScopeEnd()
    }
    // One step of the magnifier; false when the camera did not take it.
    function mfZoomStep(delta) {
        var name = Logic.magnifyProperty(afMode())
        var wanted = deviceAdapter[name] + delta
        deviceAdapter[name] = wanted
        var taken = deviceAdapter[name] === wanted
        setMFScale()
        return taken
    }
    function mfZoomPress(delta) {
        mfZoomTimer.stop()
        mfZoomDelta = delta
        if (mfZoomStep(delta))
            mfZoomTimer.start()
    }

    // ---- MF adjustment ----
    function sendMfAdjust(kind) {
        var U = Kv.Utilities
        if (Logic.isLvMagMode(afMode()))
            return deviceAdapter.adp_KVR_func_api_Rec_Ctrl_LV_Mag_MF_Adjust(U.RcLVMMFAdjust_Far_Fast + kind)
                    === U.Ternary_True
        var commands = ["adp_KVR_func_api_Rec_Ctrl_Far_Fast", "adp_KVR_func_api_Rec_Ctrl_Far_Slow",
                        "adp_KVR_func_api_Rec_Ctrl_Near_Slow", "adp_KVR_func_api_Rec_Ctrl_Near_Fast"]
        return deviceAdapter[commands[kind]]() === U.Ternary_True
    }
    function mfAdjustPress(kind) {
        mfAdjustTimer.stop()
        if (!afaeRunning() && afFrame)
            afFrame.mfAdjust()
        if (!sendMfAdjust(kind)) {
            mfZoomButton.checked = false
            return
        }
        mfAdjustKind = kind
        mfAdjustTimer.start()
    }

    // ---- power zoom ----
    function readZoomValues() {
        if (menuShown)
            return
        zoomEnable = deviceAdapter.zoomLensCtrlEnable
        zoomWide = deviceAdapter.zoomLensWide
        zoomTele = deviceAdapter.zoomLensTele
        zoomLen = deviceAdapter.zoomLensLen
    }
    function zoomPress(dir) {
        zoomStarted = true
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Zoom_Start(dir, Kv.Utilities.ZOOM_SPEED_MID)
    }
    function zoomRelease() {
        if (!zoomStarted)
            return
        zoomStarted = false
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Zoom_Stop()
    }

    // ---- rotation ----
    function rotate(angle, auto) {
        setWindow("lvRotationMode", auto)
        setWindow("lvRotation", angle)
        rotationAuto.checked = auto
    }

    // ---- overlay switches ----
    function setOverlay(on) {
        overlayButton.checked = on
        if (on)
            setWindow("overlayRotation", Logic.overlayRotationFor(lvWindow ? lvWindow.lvRotation : 0))
        setWindow("overlayVisible", on)
    }
    function syncFromWindow() {
        if (!lvWindow || blocked)
            return
        levelButton.checked = !!lvWindow.lvLevelIndicator
        gridButton.checked = !!lvWindow.lvGridIndicator
        guidelineButton.checked = !!lvWindow.lvGLineIndicator
        histogramButton.checked = !!lvWindow.lvHistogramIndicator
        overlayButton.checked = !!lvWindow.overlayVisible
        wbButton.checked = !!lvWindow.wbSetMode
        rotationAuto.checked = !!lvWindow.lvRotationMode
    }
    function updatePhotoFrameXY() {
        if (lvWindow && !blocked)
            overlayButton.checked = !!lvWindow.overlayVisible
    }

    // ---- option buttons ----
    function aspectRatioSetting() {
        var v = deviceAdapter.aspectRatio
        if (Logic.followsAspect(v))
            aspectRatioButton.optionSelect(v)
    }
    function recPreviewSetting() {
        recPreviewButton.optionSelect(deviceAdapter.recPreviewMode)
    }
    function imageQualitySetting() {
        imageQualityButton.visible = deviceAdapter.displayImgQuality
        if (deviceAdapter.displayImgQuality)
            imageQualityButton.optionSelect(deviceAdapter.imageQuality)
    }
    function initSetupTetherMode() {
        optionPopup.dismiss()
    }
    function setOptionsEnabled(on) {
        var buttons = [imageQualityButton, aspectRatioButton, recPreviewButton]
        for (var i = 0; i < buttons.length; ++i)
            buttons[i].isForcedDisable = !on
        if (on) {
            aspectRatioSetting()
            recPreviewSetting()
            imageQualitySetting()
        } else {
            for (var j = 0; j < buttons.length; ++j) {
                buttons[j].enabled = false
                buttons[j].disabled = true
            }
        }
    }

    // ---- panel states ----
    function maskPanelOpen() {
        panelMask.visible = true
    }
    function maskPanelClose() {
        panelMask.visible = false
    }
    function updateBtnSaveStatus() {
        saved = {
            wbSet: wbButton.checked,
            afAreaEnabled: afAreaButton.enabled, afAreaChecked: afAreaButton.checked,
            oneShotEnabled: oneShotButton.enabled, oneShotChecked: oneShotButton.checked,
            level: levelButton.checked, grid: gridButton.checked, guideline: guidelineButton.checked,
            histogram: histogramButton.checked, mfZoom: mfZoomButton.checked,
            overlayEnabled: overlayButton.enabled, overlayChecked: overlayButton.checked,
            rotationMode: lvWindow ? !!lvWindow.lvRotationMode : false,
            rotation: lvWindow ? lvWindow.lvRotation : 0,
            overlayRotation: lvWindow ? lvWindow.overlayRotation : 0
        }
        mfZoomWanted = saved.mfZoom
    }
    function disableAll(mode) {
        if (wbButton.checked || (lvWindow && lvWindow.wbSetMode))
            setWbMode(false)
        wbButton.enabled = false
        var switches = [levelButton, gridButton, guidelineButton, histogramButton]
        for (var i = 0; i < switches.length; ++i)
            switches[i].checked = false
        setWindow("lvLevelIndicator", false)
        setWindow("lvGridIndicator", false)
        setWindow("lvGLineIndicator", false)
        setWindow("lvHistogramIndicator", false)
        afAreaButton.checked = false
        afAreaButton.enabled = false
        oneShotButton.enabled = false
        mfZoomTimer.stop()
        mfAdjustTimer.stop()
        mfZoomButton.checked = false
        mfZoomButton.enabled = false
        mfAdjustRow.enabled = false
        setOverlay(false)
        rotate(0, false)
        rotationRow.enabled = false
        setOptionsEnabled(false)
        if (mode === Logic.Panel.Menu)
            zoomRow.enabled = false
        else
            readZoomValues()
    }
    function restoreAll() {
        var s = saved
        panelMode = Logic.Panel.Enable
        rotationRow.enabled = true
        zoomRow.enabled = true
        readZoomValues()
        wbButton.enabled = true
        if (s) {
            setWbMode(s.wbSet)
            afAreaButton.enabled = s.afAreaEnabled
            afAreaButton.checked = s.afAreaChecked
            oneShotButton.enabled = s.oneShotEnabled
            oneShotButton.checked = s.oneShotChecked
            levelButton.checked = s.level
            gridButton.checked = s.grid
            guidelineButton.checked = s.guideline
            histogramButton.checked = s.histogram
            setWindow("lvLevelIndicator", s.level)
            setWindow("lvGridIndicator", s.grid)
            setWindow("lvGLineIndicator", s.guideline)
            setWindow("lvHistogramIndicator", s.histogram)
            var r = Logic.restoredRotation(s)
            rotate(r.angle, r.mode)
            setMFZoom(mfZoomWanted)
            if (Logic.restoredOverlay(s, mfZoomButton.checked)) {
                setOverlay(true)
                setWindow("overlayRotation", r.overlayRotation)
            }
        } else {
            afAreaButton.enabled = true
            oneShotButton.enabled = true
            setMFZoom(false)
        }
        setMFText()
        setOptionsEnabled(true)
    }
    function controlItemSetting(mode) {
        if (mode === Logic.Panel.Enable) {
            if (panelMode !== Logic.Panel.Enable)
                restoreAll()
            return
        }
        if (Logic.saveBefore(panelMode, mode))
            updateBtnSaveStatus()
        panelMode = mode
        disableAll(mode)
    }
    function updateBtnEnable() {
        var st = Logic.panelState({
            menuShown: menuShown, streaming: deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_IP_LiveStreaming
                       || deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_LiveStreamingRemoteRec,
            multi: deviceAdapter.isMultiviewMode,
            allCamerasChecked: deviceAdapter.btnAllCameraStatus === Kv.Utilities.BtnAllCameraStatus_Checked
        })
        if (st.closePopups) {
            root.overlayPopupClose()
            root.guidelinePopupClose()
            root.gridPopupClose()
        }
        if (st.closeQuality)
            optionPopup.dismiss()
        controlItemSetting(st.mode)
        menuButton.checked = st.menuChecked
        menuButton.enabled = st.menuEnabled
        menuMask.wanted = st.menuMask
        if (st.mode === Logic.Panel.Enable)
            maskPanelClose()
    }

    // ---- after the camera's values were read ----
    function cameraValueGetComplete() {
        setMFText()
        setMFScale()
        setMFZoom(false)
        aspectRatioSetting()
        recPreviewSetting()
        imageQualitySetting()
        readZoomValues()
    }

    // ---- layout: the switches, then the fixed rows, then the histogram ----
    function columnsSetting() {
        return Logic.columnsLayout({
            rows: 7, buttonHeight: buttonHeight, menuShown: menuRowShown, afAreaShown: afAreaRowShown,
            freeHeight: root.height - content.y - 7 * (buttonHeight + 1) - content.spacing - lowerGroup.height - 12,
            width: root.width - 12, aspect: histogramAspect
        })
    }

    Component.onCompleted: {
        syncFromWindow()
        readZoomValues()
        updateBtnEnable()
    }
    onLvWindowChanged: syncFromWindow()

    Connections {
        target: deviceAdapter
        function onCameraStatusChanged() { root.updateBtnEnable() }
        function onBtnAllCameraStatusChanged() { root.updateBtnEnable() }
        function onIsMultiviewModeChanged() { root.updateBtnEnable() }
        function onZoomLensCtrlEnableChanged() { root.readZoomValues() }
        function onZoomLensWideChanged() { root.readZoomValues() }
        function onZoomLensTeleChanged() { root.readZoomValues() }
        function onZoomLensLenChanged() { root.readZoomValues() }
        function onMf_magnifyChanged() { root.setMFScale() }
        function onLvMag_magnifyChanged() { root.setMFScale() }
        function onAf_magnifyChanged() { root.setMFScale() }
        function onDisplayImgQualityChanged() { root.imageQualitySetting() }
    }

    // The window leaves the white-set mode on its own when it hides, and
    // the overlay popup may close the overlay.
    Connections {
        target: root.lvWindow
        ignoreUnknownSignals: true
        function onWbSetModeChanged() {
            if (!root.blocked)
                wbButton.checked = root.lvWindow.wbSetMode
        }
        function onOverlayVisibleChanged() {
            if (!root.blocked)
                overlayButton.checked = root.lvWindow.overlayVisible
        }
        function onLvRotationModeChanged() { rotationAuto.checked = root.lvWindow.lvRotationMode }
    }

    Timer {
        id: mfZoomTimer
        interval: Logic.repeatInterval
        repeat: true
        onTriggered: {
            if (!root.mfZoomStep(root.mfZoomDelta))
                stop()
        }
    }
    Timer {
        id: mfAdjustTimer
        interval: Logic.repeatInterval
        repeat: true
        onTriggered: root.sendMfAdjust(root.mfAdjustKind)
    }

    // the window's light background colour, whatever lies behind the panel
    Rectangle {
        anchors.fill: parent
        color: "#292b2d"
    }

    KvOptionComponentsProvider { id: provider }
    KvLogCollector {
        id: panelLog
        logMajTagID: Kv.TagDef.RTMajor_Usage
        logMedTagID: Kv.TagDef.RTMed_Usage_LiveView
        logWindowName: "KvLiveViewWindow"
    }

    Column {
        id: content
        x: 6
        y: 6
        width: root.width - 12
        spacing: 6

        // ---- the switches ----
        Column {
            id: firstGroup
            height: root.columns.groupHeight
            width: parent.width
            spacing: 1
            clip: true

            PanelButton {
                id: menuButton
                objectName: "menuButton"
                visible: root.menuRowShown
                width: parent.width
                type: "action_left"
                buttonItem.font.bold: true
                checkedColor: "#434343"
                buttonText: qsTr("MENU")
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_Menu; logFile: "Menu"
                onClicked: {
                    if (checked)
                        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu()
                    else
                        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_Start_Menu()
                }
            }
            SwitchButton {
                id: wbButton
                objectName: "wbButton"
                buttonText: qsTr("WB Settings")
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_WBSetting; logFile: "WBSetting"
                onClicked: root.setWbMode(checked)
            }
            SwitchButton {
                id: afAreaButton
                objectName: "afAreaButton"
                visible: root.afAreaRowShown
                buttonText: qsTr("AF Area")
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_AFArea; logFile: "AFArea"
                onClicked: root.af_dispframeClicked()
            }
            PanelButton {
                id: oneShotButton
                objectName: "oneShotButton"
                width: parent.width
                type: "action_left"
                buttonItem.font.bold: true
                buttonText: qsTr("One-Shot AF")
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_OneShotAF; logFile: "OneShotAF"
                onClicked: deviceAdapter.adp_KVR_def_lib_tag_rec_Ctrl_AfAe_af_onesht()
            }
            SwitchButton {
                id: levelButton
                objectName: "levelButton"
                buttonText: qsTr("Level Indicator")
                enabled: !root.blocked
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_LevelIndicator; logFile: "Level"
                onClicked: root.setWindow("lvLevelIndicator", checked)
            }
            Row {
                width: parent.width
                spacing: 1
                SwitchButton {
                    id: gridButton
                    objectName: "gridButton"
                    width: parent.width - root.buttonHeight - 1
                    buttonText: qsTr("Grid")
                    enabled: !root.blocked
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_Grid; logFile: "Grid"
                    onClicked: {
                        root.setWindow("lvGridIndicator", checked)
                        if (!checked)
                            root.gridPopupClose()
                    }
                }
                IconButton {
                    objectName: "gridSettingButton"
                    width: root.buttonHeight
                    source: "qrc:/images/lv_setting.svg"
                    enabled: gridButton.checked && !root.blocked
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_GridSetting; logFile: "GridSetting"
                    onClicked: root.gridSetting()
                }
            }
            Row {
                width: parent.width
                spacing: 1
                SwitchButton {
                    id: guidelineButton
                    objectName: "guidelineButton"
                    width: parent.width - root.buttonHeight - 1
                    buttonText: qsTr("Guideline")
                    enabled: !root.blocked
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_Guideline; logFile: "Guideline"
                    onClicked: {
                        root.setWindow("lvGLineIndicator", checked)
                        if (!checked)
                            root.guidelinePopupClose()
                    }
                }
                IconButton {
                    objectName: "guidelineSettingButton"
                    width: root.buttonHeight
                    source: "qrc:/images/lv_setting.svg"
                    enabled: guidelineButton.checked && !root.blocked
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_GuidelineSetting
                    logFile: "GuidelineSetting"
                    onClicked: root.guidelineSetting()
                }
            }
            Row {
                width: parent.width
                spacing: 1
                SwitchButton {
                    id: overlayButton
                    objectName: "overlayButton"
                    width: parent.width - root.buttonHeight - 1
                    buttonText: qsTr("Overlay")
                    // the magnified picture and the overlay photo do not mix
                    enabled: !root.blocked && !mfZoomButton.checked
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_OverlayPhoto; logFile: "Overlay"
                    onClicked: {
                        root.setOverlay(checked)
                        if (!checked)
                            root.overlayPopupClose()
                    }
                }
                IconButton {
                    objectName: "overlaySettingButton"
                    width: root.buttonHeight
                    source: "qrc:/images/lv_setting.svg"
                    enabled: overlayButton.checked && overlayButton.enabled
                    logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_OverlayPhotoSetting
                    logFile: "OverlaySetting"
                    onClicked: root.overlaySetting()
                }
            }
            SwitchButton {
                id: histogramButton
                objectName: "histogramButton"
                buttonText: qsTr("Histogram")
                enabled: !root.blocked
                logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_Histogram; logFile: "Histogram"
                onClicked: root.setWindow("lvHistogramIndicator", checked)
            }
        }

        Column {
            id: lowerGroup
            width: parent.width
            spacing: 6

            // ---- magnifier ----
            Column {
                width: parent.width
                spacing: 1
                SwitchButton {
                    id: mfZoomButton
                    objectName: "mfZoomButton"
                    buttonText: qsTr("MF Zoom")
                    enabled: false
                    logEnable: false
                    onClicked: root.mfZoomClicked()
                    Text {
                        objectName: "mfScaleText"
                        z: 22
                        anchors.right: parent.right
                        anchors.rightMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: mfZoomButton.optionText
                        color: mfZoomButton.textColor
                        font.family: mfZoomButton.family
                        font.pixelSize: 13
                    }
                }
                Row {
                    id: mfZoomSteps
                    spacing: 1
                    enabled: mfZoomButton.enabled && mfZoomButton.checked
                    readonly property var tags: [Kv.TagDef.RTScr_Usage_LiveView_MFZoomLeft3,
                        Kv.TagDef.RTScr_Usage_LiveView_MFZoomLeft2, Kv.TagDef.RTScr_Usage_LiveView_MFZoomLeft1,
                        Kv.TagDef.RTScr_Usage_LiveView_MFZoomRight1, Kv.TagDef.RTScr_Usage_LiveView_MFZoomRight2,
                        Kv.TagDef.RTScr_Usage_LiveView_MFZoomRight3]
                    Repeater {
                        model: Logic.mfZoomSteps
                        PanelButton {
                            objectName: "mfZoomStep" + modelData
                            width: (content.width - 5) / 6
                            type: "action_small"
                            buttonText: (modelData > 0 ? "+" : "") + modelData
                            disabled: !mfZoomSteps.enabled
                            logScrTagID: mfZoomSteps.tags[index]; logFile: "MFZoomStep"
                            logText: "" + modelData
                            onPressed: root.mfZoomPress(modelData)
                            onReleased: root.mfZoomTimer.stop()
                            onCanceled: root.mfZoomTimer.stop()
                        }
                    }
                }
            }

            // ---- MF adjustment ----
            Column {
                width: parent.width
                spacing: 1
                Text {
                    text: qsTr("MF Adjust")
                    color: mfAdjustRow.enabled ? "#c6c6c6" : "#646464"
                    font.family: utilities.getFontFamily()
                    font.pixelSize: 12
                }
                Row {
                    id: mfAdjustRow
                    objectName: "mfAdjustRow"
                    spacing: 1
                    enabled: false
                    readonly property var keys: [
                        { kind: 0, image: "lv_mf_far_fast.svg", tag: Kv.TagDef.RTScr_Usage_LiveView_MFAdjustLeftW },
                        { kind: 1, image: "lv_mf_far_slow.svg", tag: Kv.TagDef.RTScr_Usage_LiveView_MFAdjustLeft },
                        { kind: -1, image: "lv_mf_stop.svg", tag: 0 },
                        { kind: 2, image: "lv_mf_near_slow.svg", tag: Kv.TagDef.RTScr_Usage_LiveView_MFAdjustRight },
                        { kind: 3, image: "lv_mf_near_fast.svg", tag: Kv.TagDef.RTScr_Usage_LiveView_MFAdjustRightW }
                    ]
                    Repeater {
                        model: mfAdjustRow.keys
                        IconButton {
                            objectName: "mfAdjust" + index
                            width: (content.width - 4) / 5
                            source: "qrc:/images/" + modelData.image
                            disabled: !mfAdjustRow.enabled
                            logScrTagID: modelData.tag; logFile: "MFAdjust"
                            logEnable: modelData.tag !== 0
                            onPressed: {
                                if (modelData.kind < 0)
                                    deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Lens_stop()
                                else
                                    root.mfAdjustPress(modelData.kind)
                            }
                            onReleased: root.mfAdjustTimer.stop()
                            onCanceled: root.mfAdjustTimer.stop()
                        }
                    }
                }
            }

            // ---- power zoom ----
            Column {
                width: parent.width
                spacing: 1
                Item {
                    width: parent.width
                    height: 16
                    Text {
                        text: qsTr("Zoom")
                        color: zoomRow.enabled && root.zoomEnable ? "#c6c6c6" : "#646464"
                        font.family: utilities.getFontFamily()
                        font.pixelSize: 12
                    }
                    Text {
                        objectName: "zoomLengthText"
                        anchors.right: parent.right
                        text: root.zoomLen + " " + qsTr("mm")
                        visible: root.zoomEnable
                        color: "#c6c6c6"
                        font.family: utilities.getFontFamily()
                        font.pixelSize: 12
                    }
                }
                Row {
                    id: zoomRow
                    spacing: 4
                    IconButton {
                        objectName: "zoomWide"
                        width: 30
                        source: "qrc:/images/lv_zoom_w.svg"
                        enabled: zoomRow.enabled && root.zoomEnable
                        logEnable: false
                        onPressed: root.zoomPress(Kv.Utilities.ZOOM_DIR_WIDE)
                        onReleased: root.zoomRelease()
                        onCanceled: root.zoomRelease()
                    }
                    // where the lens stands between its wide and its tele end
                    Item {
                        id: zoomTrack
                        width: content.width - 68
                        height: root.buttonHeight
                        readonly property real fraction: root.zoomTele > root.zoomWide
                                                         ? Math.max(0, Math.min(1, (root.zoomLen - root.zoomWide)
                                                                                   / (root.zoomTele - root.zoomWide)))
                                                         : 0
                        Rectangle {
                            anchors.verticalCenter: parent.verticalCenter
                            width: parent.width
                            height: 4
                            radius: 2
                            color: "#434343"
                        }
                        Rectangle {
                            objectName: "zoomHandle"
                            anchors.verticalCenter: parent.verticalCenter
                            x: zoomTrack.fraction * (zoomTrack.width - width)
                            width: 10
                            height: 16
                            radius: 3
                            color: zoomRow.enabled && root.zoomEnable ? "#c6c6c6" : "#646464"
                        }
                    }
                    IconButton {
                        objectName: "zoomTele"
                        width: 30
                        source: "qrc:/images/lv_zoom_t.svg"
                        enabled: zoomRow.enabled && root.zoomEnable
                        logEnable: false
                        onPressed: root.zoomPress(Kv.Utilities.ZOOM_DIR_TELE)
                        onReleased: root.zoomRelease()
                        onCanceled: root.zoomRelease()
                    }
                }
            }

            // ---- rotation ----
            Column {
                width: parent.width
                spacing: 1
                Text {
                    text: qsTr("LiveView Rotation")
                    color: rotationRow.enabled ? "#c6c6c6" : "#646464"
                    font.family: utilities.getFontFamily()
                    font.pixelSize: 12
                }
                Row {
                    id: rotationRow
                    objectName: "rotationRow"
                    spacing: 1
                    IconButton {
                        id: rotationLeft
                        objectName: "rotationLeft"
                        width: (content.width - 2) / 3
                        source: "qrc:/images/lv_rotate_left.svg"
                        disabled: !rotationRow.enabled
                        logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_RotationLeft
                        logFile: "RotationLeft"
                        onClicked: root.rotate(Logic.rotateLeft(root.lvWindow ? root.lvWindow.lvRotation : 0), false)
                    }
                    IconButton {
                        id: rotationAuto
                        objectName: "rotationAuto"
                        width: (content.width - 2) / 3
                        source: "qrc:/images/lv_rotate_auto.svg"
                        checkedColor: "#5c5c5c"
                        disabled: !rotationRow.enabled
                        logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_RotationAuto
                        logFile: "RotationAuto"
                        onClicked: root.rotate(0, !(root.lvWindow && root.lvWindow.lvRotationMode))
                    }
                    IconButton {
                        id: rotationRight
                        objectName: "rotationRight"
                        width: (content.width - 2) / 3
                        source: "qrc:/images/lv_rotate_right.svg"
                        disabled: !rotationRow.enabled
                        logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_RotationRight
                        logFile: "RotationRight"
                        onClicked: root.rotate(Logic.rotateRight(root.lvWindow ? root.lvWindow.lvRotation : 0), false)
                    }
                }
            }

            // ---- option buttons ----
            Column {
                width: parent.width
                spacing: 1
                KvOptionImageQualityButton {
                    id: imageQualityButton
                    objectName: "imageQualityButton"
                    visible: false
                    width: parent.width
                    height: 30
                    type: "optionWithImage"
                    target: "imageQuality"
                    labelText: qsTr("Image Quality")
                    popupTitle: qsTr("Image Quality")
                    popup: optionPopup
                    componentsProvider: provider
                }
                KvOptionButton {
                    id: aspectRatioButton
                    objectName: "aspectRatioButton"
                    width: parent.width
                    height: 30
                    type: "optionWithImage"
                    target: "aspectRatio"
                    labelText: qsTr("Aspect Ratio")
                    popupTitle: qsTr("Aspect Ratio")
                    popup: optionPopup
                    componentsProvider: provider
                    logCol: root.logCol; logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_AspectRatio; logFile: target
                    // the camera reports the multi aspect as its state but never
                    // offers it for a pick: it is shown while it is the camera's
                    property bool showingCameraValue: false
                    function isOffered(v) {
                        if (v === Kv.DeviceAdapter.AR_Multi_MULTI && showingCameraValue)
                            return true
                        return deviceAdapter.aspectRatioCapability(v) === Kv.Utilities.Ternary_True
                    }
                    function optionSelect(v, isClicked) {
                        if (v !== value && logCol)
                            logCol.log(logLevel, logScrTagID, logFile + " selected", "" + v)
                        dismissBeforeSelect(!!isClicked, false)
                        showingCameraValue = true
                        catalogueRule(v)
                        showingCameraValue = false
                        valueChangeFlg = false
                        value = v
                    }
                    function onAdapterValueChanged() { root.aspectRatioSetting() }
                    function onAdapterOfferChanged() { root.aspectRatioSetting() }
                }
                KvOptionButton {
                    id: recPreviewButton
                    objectName: "recPreviewButton"
                    width: parent.width
                    height: 30
                    type: "optionWithImage"
                    target: "recPreviewMode"
                    labelText: qsTr("Monitor Preview")
                    popupTitle: qsTr("Monitor Preview")
                    popup: optionPopup
                    componentsProvider: provider
                    logCol: root.logCol; logScrTagID: Kv.TagDef.RTScr_Usage_LiveView_MonitorPreview; logFile: target
                }
            }
        }
    }

    // ---- histogram ----
    Item {
        id: histogramArea
        objectName: "histogramArea"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        width: root.columns.histogramWidth
        height: root.columns.histogramHeight
        visible: histogramButton.checked
        KvHistogram {
            id: histogram
            anchors.fill: parent
            visible: histogramArea.visible
        }
    }

    // Over the MENU button while the menu cannot be used; in multi view it
    // tells how to get the menu back. It lies outside the button, whose
    // disabling would silence its hover.
    Rectangle {
        id: menuMask
        objectName: "menuMask"
        property bool wanted: false
        x: content.x + menuButton.x
        y: content.y + firstGroup.y + menuButton.y
        width: menuButton.width
        height: menuButton.height
        z: 40
        visible: wanted && root.menuRowShown
        color: "#000000"
        opacity: 0.5
        MouseArea {
            id: menuMaskArea
            anchors.fill: parent
            hoverEnabled: true
        }
        KvToolTip {
            toolTipText: qsTr("Please Change to Single View")
            toolTipMouseContains: menuMaskArea.containsMouse && deviceAdapter.isMultiviewMode
            x: menuMaskArea.mouseX
            y: menuMaskArea.mouseY - 20
        }
    }

    // over the whole panel while the window masks the controls
    Rectangle {
        id: panelMask
        objectName: "panelMask"
        anchors.fill: parent
        z: 50
        visible: false
        color: "#000000"
        opacity: 0.5
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.AllButtons
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    KvOptionButtonPopup { id: optionPopup; z: 100 }
}
