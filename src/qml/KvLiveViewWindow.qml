import QtQuick
import QtQuick.Window
import QtMultimedia
import Kv 1.0 as Kv
import "KvLiveView.js" as LV

// Live view of the selected camera, or of every camera in multi view, with
// the overlays and focus frames over the picture and the control panel on
// the right. Live view follows the window: it runs while the window shows
// and the camera can send, and pauses otherwise.
Window {
    id: root

    readonly property var lvColors: ({
        backgroundDark: "#07090d",
        backgroundLight: "#292b2d",
        foregroundDark: "#808080",
        foregroundLight: "#c6c6c6",
        hovered: "#434343",
        pressed: "#5c5c5c",
        checked: "#ffbf1f"
    })

    // ---- state the panel, the overlays and the AF frame share ----
    property bool wbSetMode: false
    property bool afFrameWanted: false
    property bool afFrameAvailable: true
    property bool controlPanelShown: true
    readonly property bool isMultiView: deviceAdapter.isMultiviewMode
    readonly property real paintedWidth: painted.width
    readonly property real paintedHeight: painted.height
    property int autoAngle: 0
    readonly property int outputAngle: LV.outputAngle(lvRotationMode, autoAngle, lvRotation)

    // Mirrors of the settings: each follows its setting and writes it back.
    property bool lvWbSetMode: false
    property bool lvLevelIndicator: false
    property bool lvGridIndicator: false
    property bool lvGLineIndicator: false
    property bool lvHistogramIndicator: false
    property int lvRotation: 0
    property int lvRotationAuto: 0
    property bool lvRotationMode: false
    property bool gridHorizon: true
    property bool gridVertical: true
    property bool gridDiagonal: false
    property int gridHorNum: 2
    property int gridVerNum: 2
    property int gridThickness: 2
    property string gridColor: "#808080"
    property bool gridCustom: false
    property bool grid3x3: true
    property bool grid2x2Diagonal: false
    property bool gLineHor1: true
    property bool gLineHor2: true
    property bool gLineVer1: true
    property bool gLineVer2: true
    property int gLineHor1Pos: 25
    property int gLineHor2Pos: 75
    property int gLineVer1Pos: 25
    property int gLineVer2Pos: 75
    property int gLineThickness: 2
    property string gLineColor: "#0080ff"
    readonly property var mirroredSettings: [
        "lvWbSetMode", "lvLevelIndicator", "lvGridIndicator", "lvGLineIndicator", "lvHistogramIndicator",
        "lvRotation", "lvRotationAuto", "lvRotationMode", "gridHorizon", "gridVertical", "gridDiagonal",
        "gridHorNum", "gridVerNum", "gridThickness", "gridColor", "gridCustom", "grid3x3", "grid2x2Diagonal",
        "gLineHor1", "gLineHor2", "gLineVer1", "gLineVer2", "gLineHor1Pos", "gLineHor2Pos", "gLineVer1Pos",
        "gLineVer2Pos", "gLineThickness", "gLineColor"
    ]

    // The sheer overlay lives in the window only; the saved copies are what
    // Cancel in its popup goes back to.
    property bool overlayVisible: false
    property string overlayFile: ""
    property real overlayX: 0
    property real overlayY: 0
    property real overlayScaling: 100
    property real overlayRotation: 0
    property real overlayTransparency: 50
    property bool savedOverlayVisible: false
    property string savedOverlayFile: ""
    property real savedOverlayX: 0
    property real savedOverlayY: 0
    property real savedOverlayScaling: 100
    property real savedOverlayRotation: 0
    property real savedOverlayTransparency: 50

    // ---- the window's own state ----
    property bool afOffWanted: false
    property bool bulbWanted: false
    property bool movieTimeShown: false
    // Live view was stopped because the camera went away.
    property bool errorStop: false
    property real bulbStartSeconds: 0
    property string bulbClockText: ""
    property bool iconsShown: false
    property int maskMode: 0
    property string busyText: qsTr("Carrying out Camera Operation")
    property bool busyTextShown: true
    // The paint-offset fractions and the selected camera's tile, as the
    // back end last reported them.
    property real paintFractionWidth: 1
    property real paintFractionHeight: 1
    property bool selectionMultiMode: false
    property var selectionFractions: ({ x: 0, y: 0, width: 0, height: 0 })
    property bool selectionShown: false

    property alias videoOutput: output
    property alias controlItem: controlItem
    property alias afFrame: afFrame
    property alias maskPanel: mask
    property alias pictureArea: pictureArea
    property alias picture: picture
    property alias iconArea: icons
    property alias afOffButton: afOff
    property alias levelIndicator: levelIndicator
    property alias selectionBorder: selection
    property alias gridPopup: gridPopup
    property alias guideLinePopup: guideLinePopup
    property alias overlayPopup: overlayPopup

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowMinimizeButtonHint
           | Qt.WindowMaximizeButtonHint | Qt.WindowCloseButtonHint
    title: qsTr("LIVE VIEW")
    color: lvColors.backgroundLight
    width: 1103
    height: 669
    minimumWidth: controlItem.width + 320
    minimumHeight: 669

    KvWindowStateSaver {
        window: root
        targetWindow: Kv.ApplicationSettings.WinList_Live
        defaultWidth: 1103
        defaultHeight: 669
    }

    KvLogCollector {
        id: logCol
        logMajTagID: Kv.TagDef.RTMajor_Usage
        logMedTagID: Kv.TagDef.RTMed_Usage_LiveView
        logWindowName: "KvLiveViewWindow"
    }

    // ---- picture ----
    Rectangle {
        id: pictureArea
        objectName: "pictureArea"
        width: root.width - (root.controlPanelShown ? controlItem.width : 0)
        height: root.height
        color: root.lvColors.backgroundLight
        clip: true

        // The output turned as a whole: everything in camera coordinates
        // (the focus frames, clicks, the selection border) turns with it.
        Item {
            id: turned
            anchors.centerIn: parent
            width: LV.isSideways(root.outputAngle) ? pictureArea.height : pictureArea.width
            height: LV.isSideways(root.outputAngle) ? pictureArea.width : pictureArea.height
            rotation: root.outputAngle

            VideoOutput {
                id: output
                objectName: "videoOutput"
                anchors.fill: parent
                fillMode: VideoOutput.PreserveAspectFit
            }

            Rectangle {
                id: selection
                objectName: "selectionBorder"
                readonly property var box: LV.selectionBorder(painted.width, painted.height, output.contentRect.x,
                                                              output.contentRect.y, root.selectionFractions.x,
                                                              root.selectionFractions.y,
                                                              root.selectionFractions.width,
                                                              root.selectionFractions.height)
                x: box.x
                y: box.y
                width: box.width
                height: box.height
                color: "transparent"
                border.width: 5
                border.color: root.lvColors.checked
                visible: root.selectionShown
            }

            // The painted picture; the focus frames and the clicks live on it.
            Item {
                id: painted
                objectName: "paintedPicture"
                readonly property var size: LV.paintedSize(output.contentRect.width, output.contentRect.height,
                                                           root.paintFractionWidth, root.paintFractionHeight)
                anchors.centerIn: parent
                width: size.width
                height: size.height

                MouseArea {
                    id: picture
                    objectName: "pictureMouseArea"
                    anchors.fill: parent
                    onClicked: function(mouse) { root.pictureClicked(mouse.x, mouse.y) }
                }

                KvAFFrame {
                    id: afFrame
                    anchors.fill: parent
                    lvWindow: root
                    controlItem: controlItem
                    onPinpoint_af_zoom_started: controlItem.setMFZoom(true)
                    onMf_zoom_started: controlItem.setMFZoom(true)
                    onDispAfOff: root.refreshAfOff()
                }
            }
        }

        // The overlays are drawn upright on the picture as it shows on the
        // screen: on its side, their width and height swap.
        Item {
            id: overlays
            anchors.centerIn: parent
            width: LV.isSideways(root.outputAngle) ? painted.height : painted.width
            height: LV.isSideways(root.outputAngle) ? painted.width : painted.height

            KvGridIndicator {
                anchors.fill: parent
                lvWindow: root
            }
            KvGuideLineIndicator {
                anchors.fill: parent
                lvWindow: root
            }
            KvOverlayPhotoFrame {
                anchors.fill: parent
                lvWindow: root
            }
            KvLevelIndicator {
                id: levelIndicator
                anchors.fill: parent
                lvWindow: root
            }
            KvLiveViewComposite {
                id: composite
                anchors.fill: parent
                lvWindow: root
                onLvcShowLvControlItemChanged: deviceAdapter.lvcShowLvControlItem = lvcShowLvControlItem
            }
        }

        HoverHandler {
            onPointChanged: root.showIcons()
        }

        Item {
            id: topRight
            anchors.fill: parent

            Row {
                objectName: "movieTime"
                anchors.right: parent.right
                anchors.rightMargin: 180
                anchors.top: parent.top
                anchors.topMargin: 10
                spacing: 4
                visible: root.movieTimeShown
                Image {
                    width: 24
                    height: 24
                    sourceSize: Qt.size(48, 48)
                    source: "qrc:/images/camera_status_rec.svg"
                }
                Text {
                    id: movieTimeText
                    objectName: "movieTimeText"
                    anchors.verticalCenter: parent.verticalCenter
                    color: root.lvColors.foregroundLight
                    font.pixelSize: 16
                    text: LV.movieTimeText(deviceAdapter.elapsedInMovieRec)
                }
            }

            Text {
                id: bulbClock
                objectName: "bulbClock"
                anchors.right: parent.right
                anchors.rightMargin: 100
                anchors.top: parent.top
                anchors.topMargin: 12
                color: root.lvColors.foregroundLight
                font.pixelSize: 16
                text: root.bulbClockText
                visible: root.bulbWanted && !(root.isMultiView && deviceAdapter.isSupportMultiView())
            }
        }

        KvAbstractButton {
            id: afOff
            objectName: "afOffButton"
            x: 10
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            width: 72
            height: 60
            radius: 4
            source: "qrc:/images/499_af_off.svg"
            visible: root.afOffWanted && !(root.isMultiView && deviceAdapter.isSupportMultiView())
            onClicked: afFrame.afoff()
        }

        Row {
            id: icons
            objectName: "iconArea"
            readonly property bool onRight: deviceAdapter.isSupportMultiView()
            x: onRight ? parent.width - width - 10 : 10
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            layoutDirection: Qt.RightToLeft
            spacing: 5
            visible: root.iconsShown

            KvAbstractButton {
                id: liveViewOnlyButton
                objectName: "liveViewOnlyButton"
                width: 40
                height: 40
                radius: 4
                fillColor: "black"
                opacity: 0.7
                checked: !root.controlPanelShown
                source: "qrc:/images/liveview_only.svg"
                onClicked: root.toggleLiveViewOnly()
            }
            KvAbstractButton {
                id: multiButton
                objectName: "multiViewButton"
                width: 60
                height: 40
                radius: 4
                fillColor: "black"
                opacity: 0.7
                visible: deviceAdapter.isSupportMultiView()
                source: "qrc:/images/multi_mode.svg"
                onClicked: root.switchViewMode()
            }
        }

        Timer {
            id: showTimer
            interval: 2000
            onTriggered: root.iconsShown = false
        }
    }

    Timer {
        id: bulbTimer
        interval: 1000
        repeat: true
        onTriggered: root.bulbClockText = LV.bulbText(root.bulbStartSeconds, root.nowSeconds())
    }

    // A camera status turns live view on only after the status has settled.
    Timer {
        id: statusUpdateTimer
        interval: 10
        onTriggered: root.liveViewUpdate(root.visible)
    }

    // ---- control panel ----
    KvLiveViewControlItem {
        id: controlItem
        anchors.right: parent.right
        height: root.height
        visible: root.controlPanelShown
        lvWindow: root
        afFrame: afFrame
        onGuidelineSetting: root.togglePopup(guideLinePopup)
        onGridSetting: root.togglePopup(gridPopup)
        onOverlaySetting: root.togglePopup(overlayPopup)
        onGuidelinePopupClose: guideLinePopup.close()
        onGridPopupClose: gridPopup.close()
        onOverlayPopupClose: overlayPopup.close()
        onAf_dispframeClicked: {
            afFrame.afAreaDisplay = !afFrame.afAreaDisplay
            afAreaChecked = afFrame.afAreaDisplay
            root.autoFocusModeSetting()
        }
        onAfFramePointScopeEnd: afFrame.pScopeEnd()
    }

    KvGridPopup {
        id: gridPopup
        lvWindow: root
    }
    KvGuideLinePopup {
        id: guideLinePopup
        lvWindow: root
    }
    KvOverlayPhotoPopup {
        id: overlayPopup
        lvWindow: root
    }

    // ---- mask ----
    Rectangle {
        id: mask
        objectName: "maskPanel"
        property var decision: LV.maskDecision(root.maskMode, root.isMultiView)
        property string text: decision.text === "streaming"
                              ? qsTr("The preview image of the camera cannot be displayed because streaming is being carried out.")
                              : decision.text === "camera" && root.busyTextShown ? root.busyText : ""
        x: decision.whole ? 0 : controlItem.x
        width: decision.whole ? root.width : controlItem.width
        height: root.height
        z: 200
        color: "black"
        opacity: 0.5
        visible: decision.shown
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }
    Text {
        objectName: "maskText"
        anchors.centerIn: mask
        width: Math.min(mask.width - 40, 600)
        z: 201
        visible: mask.visible && text !== ""
        text: mask.text
        color: "white"
        font.pixelSize: 18
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
    }

    // ---- functions the shell and the pieces call ----

    function nowSeconds() {
        return Date.now() / 1000
    }

    function setMaskMode(bit, on) {
        maskMode = LV.withMaskBit(maskMode, bit, on)
        updateMaskPanel()
    }

    function updateMaskPanel() {
        var d = LV.maskDecision(maskMode, isMultiView)
        if (d.shown)
            controlItem.maskPanelOpen()
        else
            controlItem.maskPanelClose()
    }

    function menuShown() {
        return deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_Menu_Displayed
    }

    function showAfFrame() {
        if (!deviceAdapter.lvcShowLvControlItem || !afFrameAvailable || isMultiView || menuShown())
            return
        afFrameWanted = true
        afFrame.showFrame()
    }

    function hideAfFrame() {
        afFrameWanted = false
        afFrame.hideFrame()
    }

    function togglePopup(popup) {
        if (popup.opened)
            popup.close()
        else
            popup.open()
    }

    function openGridPopup() {
        gridPopup.open()
    }
    function openGuideLinePopup() {
        guideLinePopup.open()
    }
    function openOverlayPopup() {
        overlayPopup.open()
    }

    function closePopups() {
        gridPopup.close()
        guideLinePopup.close()
        overlayPopup.close()
    }

    function popupClose() {
        closePopups()
    }

    function noCommandCase() {
        return LV.isNoCommandCase(deviceAdapter.cameraStatus, deviceAdapter.camera_list_get_camera_power_mode_DisplayList(
                                      deviceAdapter.camera_list_get_selected_camera_uuid()))
    }

    function readStreamSettings() {
        deviceAdapter.adp_KVR_func_api_LiveView_Str_Get_Recom_Img_Start()
        deviceAdapter.adp_KVR_func_api_LiveView_Str_Get_Trans_Img_Start()
    }

    // The main window's start and stop requests and the camera status end
    // here. In multi view the window's showing and hiding drive live view;
    // these only change what the selected camera does.
    function liveViewUpdate(on) {
        errorStop = false
        var status = videoImageInfo.videoImageStatus
        if (on) {
            if (status === Kv.VideoImageInfo.VIS_Start)
                return
            if (!isMultiView) {
                deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
                deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Start()
                if (!noCommandCase())
                    readStreamSettings()
            }
            showAfFrame()
        } else {
            if (status === Kv.VideoImageInfo.VIS_Pause)
                return
            hideAfFrame()
            if (!isMultiView) {
                deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
                deviceAdapter.setLiveviewPause()
            }
        }
    }

    // The connection dropped or came back: the commands are queued, as the
    // camera table is being rebuilt meanwhile.
    function liveViewUpdateForce(on) {
        if (!on) {
            errorStop = true
            hideAfFrame()
            deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop_Start()
            return
        }
        if (!errorStop)
            return
        deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop_Start()
        deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Start_Start()
        if (!noCommandCase())
            readStreamSettings()
        showAfFrame()
        errorStop = false
    }

    function liveviewForceClose() {
        hideAfFrame()
        if (videoImageInfo.videoImageStatus !== Kv.VideoImageInfo.VIS_Stop)
            deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
    }

    function recStart() {
        movieTimeShown = true
    }
    function recStop() {
        movieTimeShown = false
    }
    function recBulbStart() {
        bulbStartSeconds = nowSeconds()
        bulbClockText = LV.bulbText(bulbStartSeconds, bulbStartSeconds)
        bulbWanted = true
        bulbTimer.start()
    }
    function recBulbStop() {
        bulbTimer.stop()
        bulbWanted = false
    }

    function afaeStart() {
        afFrame.afaeStart()
    }
    function afaeStop() {
        afFrame.afaeStop()
    }

    function autoFocusModeSetting() {
        afFrame.autoFocusModeSetting()
    }

    function initSetupTetherMode() {
        controlItem.initSetupTetherMode()
    }

    function cameraValueGetComplete() {
        controlItem.cameraValueGetComplete()
        autoFocusModeSetting()
        refreshAfOff()
        updateLevel()
    }

    function refreshAfOff() {
        var af = deviceAdapter.afState
        var afae = deviceAdapter.afaeState
        if (af === Kv.Utilities.AfAeDispStatus_Show || afae === Kv.Utilities.AfAeDispStatus_Show)
            afOffWanted = true
        else if (af === Kv.Utilities.AfAeDispStatus_Hide && afae === Kv.Utilities.AfAeDispStatus_Hide)
            afOffWanted = false
    }

    function updateLevel() {
        var posture = videoImageInfo.posture
        autoAngle = LV.autoAngle(posture)
        levelIndicator.rollingDegrees = LV.levelRoll(videoImageInfo.roll, posture)
        levelIndicator.pitchingDegrees = LV.levelPitch(videoImageInfo.pitch)
    }

    function updateSelectionBorder() {
        selectionShown = LV.selectionBorderVisible(selectionMultiMode, controlPanelShown,
                                                   deviceAdapter.getLiveviewDevNum())
    }

    function showIcons() {
        iconsShown = true
        showTimer.restart()
    }

    function toggleLiveViewOnly() {
        afFrameAvailable = !afFrameAvailable
        controlPanelShown = !controlPanelShown
        if (afFrameAvailable)
            showAfFrame()
        else
            hideAfFrame()
        updateSelectionBorder()
        updateMaskPanel()
    }

    function endCameraMenu() {
        if (deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu() === Kv.Utilities.Ternary_True)
            controlItem.controlItemSetting(0)
    }

    function switchViewMode() {
        if (menuShown())
            endCameraMenu()
        deviceAdapter.setLiveviewMode_Async(!isMultiView)
    }

    // A click on the painted picture, in its own pixels: a camera pick in
    // multi view, the white-balance point, a touch on the camera's menu, or
    // the focus frames' business.
    function pictureClicked(x, y) {
        if (isMultiView) {
            pickCamera(x, y)
            return
        }
        if (wbSetMode) {
            deviceAdapter.wbset_pos_X = LV.thousandths(x, painted.width)
            deviceAdapter.wbset_pos_Y = LV.thousandths(y, painted.height)
            controlItem.wb_Position_set()
            return
        }
        if (menuShown()) {
            var tx = LV.thousandths(x, painted.width)
            var ty = LV.thousandths(y, painted.height)
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Down_Menu(tx, ty)
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_Touch_Up_Menu(tx, ty)
            return
        }
        afFrame.clickAt(x, y)
    }

    function pickCamera(x, y) {
        var cx = LV.canvasPixel(x, painted.width, output.sourceRect.width)
        var cy = LV.canvasPixel(y, painted.height, output.sourceRect.height)
        var index = videoImageInfo.getCameraDevIndex(cx, cy)
        if (!LV.pickChangesCamera(index, deviceAdapter.camera_list_get_camera_current_dev_index()))
            return
        logCol.log(Kv.TagDef.RecLvl_Info, 0, "camera picked", String(index))
        deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_Connecting
        if (deviceAdapter.adp_KVR_func_api_Select_Device_Start(index) !== Kv.Utilities.Ternary_True)
            deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_Unknown
    }

    // ---- camera status ----
    function cameraStatusChange() {
        var status = deviceAdapter.cameraStatus
        var u = Kv.Utilities
        switch (LV.statusKind(status)) {
        case LV.StatusBusy:
            setMaskMode(LV.MaskStreaming, false)
            setMaskMode(LV.MaskCamera, true)
            busyText = qsTr("Carrying out Camera Operation")
            busyTextShown = !(deviceAdapter.camSupportPowerSaving
                              && deviceAdapter.pwTetherConnectMode === u.PwTether_OFF)
            liveViewUpdate(false)
            break
        case LV.StatusRecording:
            setMaskMode(LV.MaskCamera, false)
            setMaskMode(LV.MaskStreaming, false)
            showUpdateText()
            recStart()
            settledLiveViewUpdate()
            break
        case LV.StatusStreaming:
            setMaskMode(LV.MaskStreaming, true)
            setMaskMode(LV.MaskCamera, false)
            liveViewUpdate(false)
            break
        default:
            if (status === u.CamStatus_Standby) {
                setMaskMode(LV.MaskCamera, false)
                setMaskMode(LV.MaskStreaming, false)
            }
            showUpdateText()
            if (movieTimeShown)
                recStop()
            settledLiveViewUpdate()
            break
        }
        if (menuShown())
            hideAfFrame()
        else
            showAfFrame()
    }

    // Starting waits for the status to settle; pausing does not, as a hiding
    // on the way to the program's end must be done before the back end stops.
    function settledLiveViewUpdate() {
        if (visible) {
            statusUpdateTimer.restart()
        } else {
            statusUpdateTimer.stop()
            liveViewUpdate(false)
        }
    }

    function showUpdateText() {
        if (!mask.visible)
            return
        busyText = qsTr("getting update information from camera")
        busyTextShown = true
    }

    function cameraStatusComplete() {
        var kind = LV.statusKind(deviceAdapter.cameraStatus)
        if (kind !== LV.StatusBusy && kind !== LV.StatusStreaming) {
            setMaskMode(LV.MaskCamera, false)
            setMaskMode(LV.MaskStreaming, false)
        }
    }

    function multiViewChange() {
        if (isMultiView) {
            hideAfFrame()
        } else {
            showAfFrame()
            updateMaskPanel()
        }
        updateSelectionBorder()
    }

    onVisibleChanged: {
        errorStop = false
        cameraStatusChange()
        updateLevel()
        if (isMultiView) {
            var command = LV.multiViewCommand(visible, videoImageInfo.videoImageStatus)
            if (command === "stop") {
                deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
            } else if (command === "start") {
                deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Start()
                readStreamSettings()
            }
        }
        if (!visible) {
            wbSetMode = false
            utilities.setMouseCursor(0)
            closePopups()
            if (menuShown())
                endCameraMenu()
            deviceAdapter.videoSource.videoSink = null
        } else {
            deviceAdapter.videoSource.videoSink = output.videoSink
            showIcons()
        }
        deviceAdapter.videoSource.setVideoOutVisibleStatus(visible)
    }

    onClosing: function(close) {
        // A maximised window would come back unmaximised after a real close.
        if (visibility === Window.Maximized) {
            close.accepted = false
            hide()
        }
    }

    onWbSetModeChanged: lvWbSetMode = wbSetMode
    onLvWbSetModeChanged: wbSetMode = lvWbSetMode
    onControlPanelShownChanged: updateSelectionBorder()

    Connections {
        target: deviceAdapter.videoSource
        function onPaintSizeChanged(offsetX, offsetY, w, h) {
            root.paintFractionWidth = w
            root.paintFractionHeight = h
        }
    }

    Connections {
        target: videoImageInfo
        function onSelctedPaintSizeChanged(isMultiMode, x, y, w, h) {
            root.selectionMultiMode = isMultiMode
            root.selectionFractions = { x: x, y: y, width: w, height: h }
            root.updateSelectionBorder()
        }
        function onPostureChanged() { root.updateLevel() }
        function onRollChanged() { root.updateLevel() }
        function onPitchChanged() { root.updateLevel() }
    }

    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function onCameraStatusChanged() { root.cameraStatusChange() }
        function onCameraStatusCompleteNotify() { root.cameraStatusComplete() }
        function onIsMultiviewModeChanged() { root.multiViewChange() }
        function onIsCamerasConnectedChanged() {
            if (!deviceAdapter.isCamerasConnected)
                root.liveViewUpdateForce(false)
            else if (root.visible)
                root.liveViewUpdateForce(true)
        }
        function onAfStateChanged() { root.refreshAfOff() }
        function onAfaeStateChanged() { root.refreshAfOff() }
        function onDriveModeChanged() { root.autoFocusModeSetting() }
        function onRecordingModeChanged() { root.autoFocusModeSetting() }
        function onWhiteBalanceChanged() { controlItem.whiteBalanceSetting() }
        function onRecPreviewModeChanged() { controlItem.recPreviewSetting() }
        function onAspectRatioChanged() { controlItem.aspectRatioSetting() }
        function onAf_magnifyChanged() { controlItem.setMFScale() }
        function onMf_magnifyChanged() { controlItem.setMFScale() }
        function onLvMag_magnifyChanged() { controlItem.setMFScale() }
        function onMfa_modeChanged() { controlItem.setMFText() }
        function onMfAssistStartErrorNotify() {
            controlItem.setMFText()
            controlItem.setMFZoom(false)
        }
        function onPinpAspectRatioChanged() { afFrame.initFrame() }
        function onExTeleconChanged() { afFrame.initFrame() }
        function onPictureSizeChanged() { afFrame.initFrame() }
        function onLvcShowLvControlItemChanged() {
            if (deviceAdapter.lvcShowLvControlItem)
                root.showAfFrame()
            else
                root.hideAfFrame()
        }
        function onInitSetupTetherModeChanged() { root.initSetupTetherMode() }
        function onSwitchCameraNotify() {
            root.closePopups()
            root.autoFocusModeSetting()
        }
    }

    Connections {
        target: utilities
        ignoreUnknownSignals: true
        function onPreferenceWindowVisibleChangedNotify(flg) { root.setMaskMode(LV.MaskPreference, flg) }
        function onSearchCamWindowVisibleChangedNotify(flg) { root.setMaskMode(LV.MaskSearch, flg) }
        function onActivateWindowNotify() {
            if (!root.visible)
                return
            if (root.visibility === Window.Minimized)
                root.showNormal()
            root.requestActivate()
        }
    }

    // The settings object outlives the window: its handlers go with the window.
    property var settingHandlers: []

    Component.onCompleted: {
        var handlers = []
        mirroredSettings.forEach(function(name) {
            root[name] = applicationSettings[name]
            var fromSetting = function() {
                if (root[name] !== applicationSettings[name])
                    root[name] = applicationSettings[name]
            }
            applicationSettings[name + "Changed"].connect(fromSetting)
            handlers.push([name, fromSetting])
            root[name + "Changed"].connect(function() {
                if (applicationSettings[name] !== root[name])
                    applicationSettings[name] = root[name]
            })
        })
        settingHandlers = handlers
        deviceAdapter.videoSource.videoSink = output.videoSink
        updateLevel()
    }

    Component.onDestruction: {
        settingHandlers.forEach(function(h) { applicationSettings[h[0] + "Changed"].disconnect(h[1]) })
        deviceAdapter.videoSource.videoSink = null
    }
}
