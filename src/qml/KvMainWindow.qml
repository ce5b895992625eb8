import QtQuick
import QtQuick.Window
import QtQuick.Controls
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvMainFunction.js" as Main

// The small fixed-width window that works the selected camera: read-outs,
// the three round shooting buttons and two grids of setting buttons. It is
// created once and shown while a camera is connected; every camera value
// reaches it through a refresher run by the adapter's signals.
Window {
    id: root

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowMinimizeButtonHint
           | Qt.WindowCloseButtonHint | Qt.MSWindowsFixedSizeDialogHint
    visible: false
    width: 323
    minimumWidth: width
    maximumWidth: width
    height: compact ? compactHeight : normalHeight
    minimumHeight: height
    maximumHeight: height
    title: deviceAdapter.camName !== "" ? deviceAdapter.camName : "KAVRO Rozado"
    color: backgroundLight

    readonly property int compactHeight: Main.compactHeight
    readonly property int normalHeight: Main.normalHeight
    property bool compact: applicationSettings.windowSize === Kv.ApplicationSettings.WindowShrinked

    readonly property color backgroundDark: "#07090d"
    readonly property color backgroundLight: "#292b2d"
    readonly property color foregroundDark: "#808080"
    readonly property color foregroundLight: "#c6c6c6"
    readonly property color hovered: "#434343"
    readonly property color pressed: "#5c5c5c"
    readonly property color checked: "#ffbf1f"

    // shooting state
    property bool movieRecStartFlg: false
    property bool bulbRecStartFlg: false
    property bool burstRecStartFlg: false
    property bool burst6K4KRecStartFlg: false
    property bool afaeStartFlg: false
    property bool recPressAndHoldFlg: false
    property bool afaePressAndHoldFlg: false
    property bool shutterPressAndHoldFlg: false

    // the movie and 6K/4K transfer dialogs keep their own counters; the
    // window only needs to know whether an import runs
    readonly property bool isCopying: transferControllerItem.isCopying

    // why the window is masked, as bits
    readonly property int mode_camera: 1
    readonly property int mode_pref: 2
    readonly property int mode_streaming: 4
    readonly property int mode_live_view_menu: 8
    readonly property int mode_searchWindow: 16
    readonly property int mode_Connecting: 32

    property alias maskPanel: maskPanel
    property alias movieButton: movieButton
    property alias afaeButton: afaeButton
    property alias shutterButton: shutterButton
    property alias pictureCountText: pictureCount.text
    property alias recordingTimeText: recordingTime.text
    property alias batteryImage: batteryImage.source
    property alias hdmiSdiText: hdmiSdiLabel.text
    property alias sizeButton: sizeButton
    property alias sizeTimer: sizeTimer
    property alias settingErrorBox: settingErrorBox
    property alias cameraErrorBox: cameraErrorBox
    property alias avchdBox: avchdBox
    property alias recordingModeButton: recordingModeButton
    property alias driveModeButton: driveModeButton
    property alias apertureButton: apertureButton
    property alias shutterSpeedButton: shutterSpeedButton
    property alias whiteBalanceButton: whiteBalanceButton
    property alias isoButton: isoButton
    property alias wbAdjustButton: wbAdjustButton
    property alias pictureSizeButton: pictureSizeButton
    property alias pictureQualityButton: pictureQualityButton
    property alias focusModeButton: focusModeButton
    property alias afModeButton: afModeButton
    property alias photoStyleButton: photoStyleButton
    property alias meteringButton: meteringButton
    property alias colorTemperatureButton: colorTemperatureButton
    property alias generalPopup: generalPopup
    property alias wbPopup: wbPopup
    property alias ccPopup: ccPopup

    // windows and popups of other documents, created by name: a document
    // that is not there yet leaves its member null
    readonly property var exposureSlider: exposureSliderItem
    readonly property var movieQualityButton: movieQualityButtonItem
    readonly property var mqComponentsProvider: mqComponentsProviderItem
    readonly property var movieQualityPopup: movieQualityPopupWindow
    readonly property var transferController: transferControllerItem
    property var photoStylePopup: null
    property var agreementPopup: null

    signal toggleLiveView()
    signal toggleCameraList()
    signal toggleFlashView()
    signal togglePreviewView()
    signal changePreviewTypePopup()
    signal changePreviewTypeWindow()
    signal togglePreferenceView()
    signal recStart()
    signal recStop()
    signal recBulbStart()
    signal recBulbStop()
    signal liveViewStart()
    signal liveViewStop()
    signal afaeStart()
    signal afaeStop()
    signal tetherModeUpdate()

    readonly property var u: Kv.Utilities

    function createOptional(name, parentItem, props) {
        var component = Qt.createComponent(name)
        if (component.status !== Component.Ready) {
            log("no " + name)
            return null
        }
        var object = component.createObject(parentItem, props || {})
        if (!object)
            log("cannot create " + name)
        return object
    }
    function call(object, name) {
        if (!object || typeof object[name] !== "function")
            return undefined
        return object[name].apply(object, Array.prototype.slice.call(arguments, 2))
    }
    function log(text) {
        logCollectorItem.log(Kv.TagDef.RecLvl_Info, 0, "KvMainWindow", text)
    }
    function succeeded(result) {
        return result === Kv.Utilities.Ternary_True
    }

    KvOptionComponentsProvider {
        id: provider
        optionSubButtonPopup: driveSubPopup
    }
    KvMainMQComponentsProvider {
        id: mqComponentsProviderItem
    }
    // a tool window of its own, opened at this window's centre
    KvMainMovieQualityPopup {
        id: movieQualityPopupWindow
        componentsProvider: mqComponentsProviderItem
    }
    KvLogCollector {
        id: logCollectorItem
        logMajTagID: Kv.TagDef.RTMajor_Usage
        logMedTagID: Kv.TagDef.RTMed_Usage_Main
        logWindowName: "KvMainWindow"
    }
    KvWindowStateSaver {
        window: root
        targetWindow: Kv.ApplicationSettings.WinList_Main
        defaultWidth: 323
        defaultHeight: root.compact ? root.compactHeight : root.normalHeight
    }

    // ---- layout ----
    Column {
        id: layout
        width: 323
        spacing: 1

        Rectangle {
            id: topPanel
            width: 323
            height: 142
            color: root.backgroundLight

            KvRectangleButton {
                id: lvButton
                x: 8
                y: 8
                width: 45
                height: 30
                type: "action_halfSize"
                buttonText: qsTr("LV")
                toolTipText: "LIVE VIEW"
                radius: 3
                strokeWidth: 3
                strokeColor: root.backgroundDark
                onClicked: root.toggleLiveView()
            }
            KvRectangleButton {
                id: cameraButton
                anchors.left: lvButton.right
                anchors.leftMargin: 8
                y: 8
                // room for the longer words of other languages ("FOTOCAMERA")
                width: 90
                height: 30
                type: "action_halfSize"
                buttonText: qsTr("CAMERA")
                toolTipText: "CAMERA LIST"
                radius: 3
                strokeWidth: 3
                strokeColor: root.backgroundDark
                onClicked: root.toggleCameraList()
            }
            Column {
                id: pictureCountColumn
                anchors.left: cameraButton.right
                anchors.leftMargin: 12
                y: 4
                width: 50
                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    source: "qrc:/images/3_camera.svg"
                    sourceSize.width: 20
                    sourceSize.height: 20
                }
                KvStylishText {
                    id: pictureCount
                    type: text_style_halfSize
                    width: 50
                    horizontalAlignment: Text.AlignHCenter
                    color: root.foregroundDark
                    text: "-----"
                }
            }
            Column {
                id: recordingTimeColumn
                anchors.left: pictureCountColumn.right
                anchors.leftMargin: 10
                y: 4
                width: 50
                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    source: "qrc:/images/5_video-01.svg"
                    sourceSize.width: 20
                    sourceSize.height: 20
                }
                KvStylishText {
                    id: recordingTime
                    type: text_style_halfSize
                    width: 50
                    horizontalAlignment: Text.AlignHCenter
                    color: root.foregroundDark
                    text: "-----"
                }
            }
            Image {
                id: batteryImage
                anchors.left: recordingTimeColumn.right
                anchors.leftMargin: 15
                y: 12
                width: 26
                height: 18
                sourceSize.width: 26
                sourceSize.height: 18
                Canvas {
                    id: batteryBar
                    x: 3
                    y: 2
                    width: parent.width - 6
                    height: parent.height - 6
                    property int offset: -1
                    onOffsetChanged: requestPaint()
                    onPaint: {
                        var ctx = getContext("2d")
                        ctx.clearRect(0, 0, width, height)
                        if (offset < 0)
                            return
                        ctx.fillStyle = "#8d8e8f"
                        ctx.fillRect(3 + offset, 2, width - offset, height)
                    }
                }
            }
            Rectangle {
                x: 160
                y: 53
                width: 92
                height: 76
                color: root.backgroundDark
            }
            KvRoundButton {
                id: movieButton
                x: 38
                y: 61
                width: 60
                height: 60
                source: "qrc:/images/12_rec_off.svg"
                mainImg.width: 20
                mainImg.height: 20
                onPressed: if (!error) root.recPressAndHoldFlg = false
                onPressAndHold: if (!error) root.recPressAndHoldFlg = true
                onClicked: if (!error) root.movieRec()
                onReleased: function(inside) {
                    if (error)
                        return
                    if (root.recPressAndHoldFlg) {
                        root.recPressAndHoldFlg = false
                        if (inside)
                            root.movieRec()
                    }
                    root.log("movieRecButton Released")
                }
            }
            Text {
                id: hdmiSdiLabel
                anchors.horizontalCenter: movieButton.horizontalCenter
                anchors.top: movieButton.bottom
                height: 20
                color: root.foregroundLight
                font.pixelSize: 11
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            KvRoundButton {
                id: afaeButton
                x: 122
                y: 53
                width: 76
                height: 76
                source: "qrc:/images/14_af.svg"
                mainImg.width: 45
                mainImg.height: 45
                property alias dot: afaeDot.source
                onPressed: root.afaePressAndHoldFlg = false
                onPressAndHold: root.afaePressAndHoldFlg = true
                onClicked: root.afaeLock()
                onReleased: function(inside) {
                    if (root.afaePressAndHoldFlg) {
                        root.afaePressAndHoldFlg = false
                        if (inside)
                            root.afaeLock()
                    }
                    root.log("afButton Release")
                }
                Image {
                    id: afaeDot
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.verticalCenter: parent.bottom
                    anchors.verticalCenterOffset: -10
                    sourceSize.width: 8
                    sourceSize.height: 8
                    source: "qrc:/images/526_afae_point_normal.svg"
                }
            }
            KvRoundButton {
                id: shutterButton
                x: 214
                y: 53
                width: 76
                height: 76
                source: "qrc:/images/15_shutter.svg"
                mainImg.width: 35
                mainImg.height: 35
                property alias dot: shutterDot.source
                onPressed: {
                    if (error)
                        return
                    root.shutterPressAndHoldFlg = false
                    root.shutterPressed(true)
                }
                onPressAndHold: if (!error) root.shutterPressAndHoldFlg = true
                onClicked: if (!error) root.shutterClicked()
                onCanceled: if (!error) root.shutterPressed(false)
                onReleased: function(inside) {
                    if (error)
                        return
                    root.log("shutterButton Released")
                    if (root.shutterPressAndHoldFlg) {
                        root.shutterPressAndHoldFlg = false
                        if (inside)
                            root.shutterClicked()
                    }
                    root.shutterPressed(false)
                }
                Image {
                    id: shutterDot
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.verticalCenter: parent.bottom
                    anchors.verticalCenterOffset: -10
                    sourceSize.width: 8
                    sourceSize.height: 8
                    source: "qrc:/images/530_shutter_point_normal.svg"
                }
            }
        }

        Grid {
            id: firstGrid
            columns: 3
            width: 323
            height: 155
            spacing: 1
            KvOptionButton {
                id: recordingModeButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "recordingMode"
                labelText: qsTr("ShootingMode")
                popupTitle: qsTr("ShootingMode")
                popup: recModePopup
                componentsProvider: provider
                logCol: logCollectorItem
                onValueChanged: {
                    apertureButton.forceClosePopup()
                    shutterSpeedButton.forceClosePopup()
                    isoButton.forceClosePopup()
                }
            }
            KvOptionButton {
                id: apertureButton
                width: 107
                height: 77
                type: "optionWithStyledTextReal"
                target: "aperture"
                labelText: qsTr("Aperture")
                popupTitle: qsTr("Aperture")
                popup: generalPopup
                keepPopupOpen: true
                fontPixelSize: Qt.platform.os === "osx" ? 19 : 20
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: shutterSpeedButton
                width: 107
                height: 77
                type: "optionWithStyledSelectedText"
                target: "shutterSpeed"
                labelText: qsTr("SS")
                popupTitle: qsTr("SS")
                popup: generalPopup
                keepPopupOpen: true
                fontPixelSize: Qt.platform.os === "osx" ? 19 : 20
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionDriveModeButton {
                id: driveModeButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "driveMode"
                labelText: qsTr("Drive Mode")
                popupTitle: qsTr("Drive Mode")
                generalPopup: driveSubPopup
                selfTimerPopup: selfTimerPopup
                driveModePopup: driveModePopup
                keepPopupOpen: true
                componentsProvider: provider
                logCol: logCollectorItem
                onValueChanged: {
                    apertureButton.forceClosePopup()
                    shutterSpeedButton.forceClosePopup()
                    isoButton.forceClosePopup()
                }
            }
            KvOptionButton {
                id: whiteBalanceButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "whiteBalance"
                labelText: qsTr("WB")
                popupTitle: qsTr("WB")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: isoButton
                width: 107
                height: 77
                type: "optionWithStyledTextReal"
                target: "iso"
                labelText: qsTr("ISO")
                popupTitle: qsTr("ISO")
                popup: generalPopup
                keepPopupOpen: true
                fontPixelSize: Qt.platform.os === "osx" ? 19 : 20
                componentsProvider: provider
                logCol: logCollectorItem
            }
        }

        Rectangle {
            id: exposureBar
            width: 323
            height: 74
            color: root.backgroundDark
            KvFlashSlider {
                id: exposureSliderItem
                x: 1
                width: 323
                height: 74
                type: 2 // exposure
                windowType: 2 // main: a pick is written to deviceAdapter
                optionText: qsTr("Exposure")
                target: "exposureVal"
                logCol: logCollectorItem
                logScrTagID: Kv.TagDef.RTScr_Usage_Main_Exposure
            }
        }

        Grid {
            id: secondGrid
            columns: 3
            width: 323
            height: 233
            spacing: 1
            KvOptionButton {
                id: pictureSizeButton
                width: 107
                height: 77
                type: "optionWithStyledTextPictureSize"
                target: "pictureSize"
                labelText: qsTr("Picture Size")
                popupTitle: qsTr("Picture Size")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: pictureQualityButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "imgInfoQuality"
                labelText: qsTr("Picture Quality")
                popupTitle: qsTr("Picture Quality")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionMovieQualityButton {
                id: movieQualityButtonItem
                width: 107
                height: 77
                target: "recMovie"
                labelText: qsTr("Motion Picture Quality")
                popupTitle: qsTr("Motion Picture Quality")
                popup: movieQualityPopupWindow
                isDetail: true
                componentsProvider: mqComponentsProviderItem
                logCol: logCollectorItem
                logScrTagID: Kv.TagDef.RTScr_Usage_Main_MotionPictureQuality
            }
            KvOptionButton {
                id: focusModeButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "focusMode"
                labelText: qsTr("Focus Mode")
                popupTitle: qsTr("Focus Mode")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: afModeButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "autoFocusMode"
                labelText: qsTr("AF Mode")
                popupTitle: qsTr("AF Mode")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: photoStyleButton
                width: 107
                height: 77
                type: "optionWithImagePopup"
                target: "photoStyle"
                labelText: qsTr("Photo Style")
                // the cell's label is shortened to fit; the popup has room for the full name
                popupTitle: qsTranslate("KvMainPhotoStylePopup", "Photo Style")
                popup: root.photoStylePopup
                isDetail: true
                // the popup opens at the window's centre on its screen
                popupX: root.x + root.width / 2
                popupY: root.y + root.height / 2
                virtualX: popupX
                virtualY: popupY
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: meteringButton
                width: 107
                height: 77
                type: "optionWithImage"
                target: "meteringMode"
                labelText: qsTr("Metering Mode")
                popupTitle: qsTr("Metering Mode")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvOptionButton {
                id: colorTemperatureButton
                width: 107
                height: 77
                type: "optionWithStyledSelectedText"
                target: "whiteBalanceKSet"
                labelText: qsTr("WB Color Temp.")
                popupTitle: qsTr("WB Color Temp.")
                popup: generalPopup
                componentsProvider: provider
                logCol: logCollectorItem
            }
            KvRectangleButton {
                id: wbAdjustButton
                width: 107
                height: 77
                type: "optionWithStyledSelectedText"
                labelText: qsTr("WB Tuning")
                fillColor: root.backgroundDark
                onClicked: {
                    if (wbPopup.visible) {
                        wbPopup.dismiss()
                        return
                    }
                    var c = root.mapToGlobalCentre()
                    wbPopup.present(c.x, c.y, c.x, c.y)
                }
                function refreshText() {
                    var v = wbPopup.valueWBAdjustTextFormat()
                    optionText = v
                    toolTipText = "<HTML>" + qsTr("WB Tuning") + (v !== "" ? "<br>" + v : "") + "</HTML>"
                }
                function writeBack(label, exact) {
                    if (root.iaPlus()) {
                        deviceAdapter.wbAdjustABSep = wbPopup.valAB
                        if (label === "OK" && deviceAdapter.wbAdjustABSep !== wbPopup.valAB)
                            wbPopup.valAB = deviceAdapter.wbAdjustABSep
                    } else if (exact) {
                        deviceAdapter.setWbAdjust(wbPopup.valAB, wbPopup.valGM)
                    } else {
                        deviceAdapter.wbAdjustAB = wbPopup.valAB
                        deviceAdapter.wbAdjustGM = wbPopup.valGM
                    }
                    refreshText()
                    root.log("wbAdjustPopup " + label + " " + optionText)
                }
                function onPopupOkClicked() { writeBack("OK", true) }
                function onPopupChangeValue() { writeBack("ChangeValue", true) }
                function onPopupCancelClicked() { writeBack("Cancel", false) }
                function onPopupResetClicked() { writeBack("Reset", false) }
            }
        }

        Rectangle {
            id: buttonBar
            width: 323
            height: 40
            color: root.backgroundDark
            KvRectangleButton {
                id: flashButton
                x: 2
                y: 3
                width: 158
                height: 36
                type: "action"
                buttonText: qsTr("Flash")
                onClicked: root.toggleFlashView()
            }
            KvRectangleButton {
                id: preferenceButton
                x: 163
                y: 3
                width: 158
                height: 36
                type: "action"
                buttonText: qsTr("Preferences")
                onClicked: root.togglePreferenceView()
            }
        }
    }

    Rectangle {
        id: sizeBar
        anchors.bottom: parent.bottom
        width: 323
        height: 21
        color: root.backgroundDark
        KvRectangleButton {
            id: sizeButton
            y: 2
            width: parent.width
            height: 19
            type: "action"
            fillColor: root.backgroundDark
            source: root.compact ? "qrc:/images/button_expand.svg" : "qrc:/images/button_shrink.svg"
            mainImg.width: 16
            mainImg.height: 16
            onClicked: root.toggleSize()
        }
    }

    // ---- popups ----
    KvOptionButtonPopup { id: generalPopup; z: 100 }
    KvOptionButtonPopup { id: driveSubPopup; z: 100 }
    KvOptionButtonPopup { id: recModePopup; z: 100 }
    // closed together with the recording-mode popup only
    KvOptionButtonPopup { id: recModeSubPopup; z: 100 }
    KvOptionButtonSelfTimerPopup {
        id: selfTimerPopup
        z: 100
        componentsProvider: provider
    }
    KvOptionButtonDriveModePopup { id: driveModePopup; z: 100 }
    KvCCPopup { id: ccPopup }
    KvMainWBPopup {
        id: wbPopup
        onOnOKClicked: wbAdjustButton.onPopupOkClicked()
        onOnCancelClicked: wbAdjustButton.onPopupCancelClicked()
        onOnResetClicked: wbAdjustButton.onPopupResetClicked()
        onOnChangeValue: wbAdjustButton.onPopupChangeValue()
    }

    // Every popup of this window, with the way it closes unanswered; those
    // that are windows of their own are marked. A lost camera, a new tether
    // mode and the window's close all close them through this list.
    function ownPopups() {
        return [
            { popup: recModePopup, close: "dismissRecordingMode" },
            { popup: recModeSubPopup, close: "dismiss" },
            { popup: driveSubPopup, close: "dismiss" },
            { popup: selfTimerPopup, close: "dismiss" },
            { popup: driveModePopup, close: "dismiss" },
            { popup: generalPopup, close: "dismiss" },
            { popup: photoStylePopup, close: "forceClose", window: true },
            { popup: wbPopup, close: "cancel", window: true },
            { popup: ccPopup, close: "dismiss", window: true },
            // with its filter window
            { popup: movieQualityPopup, close: "dismiss", window: true }
        ]
    }
    // A window is closed only when open: its close may answer the camera.
    function closePopups() {
        ownPopups().forEach(function(p) {
            if (p.popup && (p.popup.visible || !p.window))
                call(p.popup, p.close)
        })
    }
    // The system's close never comes while a modal popup window is open; the
    // program's own close does, and takes the popups with the window.
    onClosing: closePopups()

    // ---- the mask ----
    Rectangle {
        id: maskPanel
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        visible: false
        z: 200
        property int mode: 0
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                if (root.movieQualityPopup && root.movieQualityPopup.visible)
                    root.call(root.movieQualityPopup, "dismiss")
            }
        }
    }
    function updateMaskPanel() {
        maskPanel.visible = maskPanel.mode !== 0
    }
    function setMaskBit(bit, on) {
        maskPanel.mode = on ? (maskPanel.mode | bit) : (maskPanel.mode & ~bit)
    }

    // ---- messages ----
    Kv.MessageBox {
        id: settingErrorBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Warning
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
        text: qsTr("setting_error_message")
    }
    Kv.MessageBox {
        id: wbErrorBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Warning
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
        text: qsTr("wb_error_message")
    }
    Kv.MessageBox {
        id: memoryCardBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Warning
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
        text: qsTr("sd_error_message_1")
    }
    Kv.MessageBox {
        id: avchdBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Critical
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
        text: qsTr("confirm_message_14")
    }
    Kv.MessageBox {
        id: cameraErrorBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Critical
        standardButtons: Kv.StandardButton.Ok
        modality: Qt.ApplicationModal
    }

    function settingErrorDisp() {
        settingErrorBox.open()
    }
    function wbErrorDisp() {
        wbErrorBox.open()
    }
    function memoryCardNothingDisp() {
        memoryCardBox.open()
    }
    // The last error in index order stays in the box.
    function cameraErrorDisp(individual_id) {
        for (var i = 0; i < 16; ++i) {
            var code = deviceAdapter.setup_info_error_code(i)
            if (code === 0)
                continue
            var id = Main.cameraErrorId(code)
            var content = qsTranslate("KvMainWindow", id)
            if (content === id)
                continue
            cameraErrorBox.text = Main.cameraErrorText(function(t) { return qsTranslate("KvMainWindow", t) },
                                                       individual_id, deviceAdapter.setup_info_error_date_time(i),
                                                       code, content)
            cameraErrorBox.open()
            if (Qt.platform.os !== "osx" && !deviceAdapter.isCamerasConnected)
                break
        }
    }

    // ---- movie and 6K/4K transfer dialogs ----
    // The controller collects the movies announced after a recording, offers
    // them and runs the copies; the window only follows what it asks for.
    KvTransferController {
        id: transferControllerItem
        onLiveViewStop: root.liveViewStop()
        onLiveViewStart: root.liveViewStart()
        onMovieButtonRefresh: root.movieButtonRefresh()
        onCopyFlagCleared: root.setCopyFlag(false)
    }
    // Pictures and frames that did not reach the computer.
    KvTransferFailureNotice {
        id: transferFailureNotice
    }
    function movieButtonRefresh() {
        if (isCopying)
            movieButton.disabled = true
        else
            updateMovieRecButtonViewStatus(false, true)
    }
    function closeCaptureDlg() {
        transferControllerItem.closeCaptureDlg()
    }
    function fileCopyFailedDisp() {
        transferControllerItem.fileCopyFailedDisp()
    }
    function armTransferWatch() {
        transferControllerItem.armMovieWatch()
    }

    // ---- helpers ----
    function mapToGlobalCentre() {
        return { x: root.x + root.width / 2, y: root.y + root.height / 2 }
    }
    function iaPlus() {
        return deviceAdapter.recordingMode === u.RM_IntelligentAuto
                && deviceAdapter.intelligentAutoMode === u.RM_IA_IntelligentAutoPlus
    }
    function closeSettingPopups() {
        settingErrorBox.close()
        if (wbPopup.visible)
            wbPopup.cancel()
        ccPopup.cancel()
        ccPopup.dismiss()
        call(photoStylePopup, "forceClose")
        movieQualityPopup.dismiss()
    }
    function dismissDrivePopups() {
        driveSubPopup.dismiss()
        selfTimerPopup.dismiss()
        driveModePopup.dismiss()
    }
    function dismissRecordingModePopups() {
        recModePopup.dismissRecordingMode()
        recModeSubPopup.dismiss()
    }
    function capabilityNum(target) {
        var n = call(deviceAdapter, target + "CapabilityNum")
        return n === undefined ? 0 : n
    }
    function setButtonLog(button, tag) {
        button.logCol = logCollectorItem
        button.logScrTagID = tag
        button.logFile = button.target
    }
    function setOpen(button, open) {
        button.optionOpen = open
        button.disabled = !open
    }

    // ---- refreshers: the recording mode ----
    function recordingModeSetting() {
        setButtonLog(recordingModeButton, Kv.TagDef.RTScr_Usage_Main_RecordMode)
        recordingModeButton.logFile = "recordingMode"
        settingErrorBox.close()
        dismissRecordingModePopups()
        closeSettingPopups()
        recordingModeButton.popupTitle = qsTr("ShootingMode")
        recordingModeButton.popup = recModePopup
        var b = recordingModeButton
        var mode = deviceAdapter.recordingMode
        var byCapability = capabilityNum("recordingMode") > 0
        switch (mode) {
        case u.RM_ProgramAE:
        case u.RM_AperturePriorityAE:
        case u.RM_ShutterPriorityAE:
        case u.RM_ManualExposure:
            if (deviceAdapter.shotModeStatus !== u.Shot_Mode_Status_Unknown) {
                exposureDialSetting()
            } else {
                b.target = "recordingMode"
                b.optionSelect(mode)
                setOpen(b, byCapability)
            }
            break
        case u.RM_CreativeControl:
            b.popup = ccPopup
            b.target = utilities.getLanguageType() === Kv.QLocale.Japanese ? "creativeControlFilter"
                                                                           : "creativeControlFilterRatin"
            b.popupTitle = qsTr("CreativeControl")
            setOpen(b, true)
            creativeControlFilterSetting()
            break
        case u.RM_CreativeVideo:
            if (byCapability) {
                b.target = "recordingMode"
                b.optionSelect(u.RM_CreativeVideo)
            } else {
                b.target = "creativeVideoAE"
                b.popupTitle = qsTr("CreativeVideo")
                creativeVideoAESetting()
            }
            setOpen(b, true)
            break
        case u.RM_IntelligentAuto:
            b.target = "intelligentAutoMode"
            b.popupTitle = qsTr("IntelligentAuto")
            setOpen(b, true)
            intelligentAutoModeSetting()
            break
        case u.RM_Custom1:
        case u.RM_Custom2:
            b.target = "recordingMode"
            b.optionSelect(mode)
            setOpen(b, byCapability)
            break
        case u.RM_Custom3:
        case u.RM_Custom4:
        case u.RM_Custom5:
            if (byCapability) {
                b.target = "recordingMode"
                b.optionSelect(mode)
                setOpen(b, true)
            } else if (deviceAdapter.custom3Set === u.RM_C3_SetOFF || deviceAdapter.camSupportPowerSaving) {
                b.target = "recordingMode"
                b.optionSelect(mode)
                setOpen(b, false)
            } else {
                var n = mode === u.RM_Custom3 ? 3 : (mode === u.RM_Custom4 ? 4 : 5)
                b.target = "custom" + n + "Set"
                b.popupTitle = [qsTr("Custom3"), qsTr("Custom4"), qsTr("Custom5")][n - 3]
                setOpen(b, true)
                custom3SetSetting()
            }
            break
        case u.RM_SQMotion:
            b.target = "sqMotion"
            b.popupTitle = qsTr("SQMotion")
            setOpen(b, true)
            creativeVideoAESetting()
            break
        default:
            if (mode >= u.RM_Custom6 && mode <= u.RM_Custom12) {
                b.target = "recordingMode"
                b.optionSelect(mode)
                setOpen(b, true)
            }
            break
        }
        wbAdjustSetting()
        focusModeSetting()
        var code = call(utilities, "enumRecordingModeToVal", mode)
        log("recordingMode " + (code === undefined ? mode : code))
    }

    function exposureDialSetting() {
        var b = recordingModeButton
        var shot = deviceAdapter.shotModeStatus
        var dial, first
        if (shot === u.Shot_Mode_Status_Photo) {
            b.target = "photoExposure"
            b.popupTitle = qsTr("Photo")
            dial = u.RM_PE_Dial
            first = u.RM_PE_ProgramAE
        } else {
            deviceAdapter.updateCreativeVideoMode()
            b.target = shot === u.Shot_Mode_Status_Movie ? "creativeVideoAE" : "sqMotion"
            b.popupTitle = shot === u.Shot_Mode_Status_Movie ? qsTr("Movie") : qsTr("SQMotion")
            dial = u.RM_CV_Dial
            first = u.RM_CV_ProgramAE
        }
        var v = deviceAdapter[b.target]
        if (v === dial) {
            var order = [u.RM_ProgramAE, u.RM_AperturePriorityAE, u.RM_ShutterPriorityAE, u.RM_ManualExposure]
            b.optionSelect(first + Math.max(0, order.indexOf(deviceAdapter.recordingMode)))
            setOpen(b, false)
        } else {
            b.popup = recModePopup
            b.optionSelect(v)
            setOpen(b, true)
        }
    }

    function intelligentAutoModeSetting() {
        if (deviceAdapter.recordingMode !== u.RM_IntelligentAuto)
            return
        recordingModeButton.optionSelect(deviceAdapter.intelligentAutoMode)
        setButtonLog(recordingModeButton, Kv.TagDef.RTScr_Usage_Main_IntelligentAutoMode)
        wbAdjustSetting()
    }
    function creativeVideoAESetting() {
        var b = recordingModeButton
        var mode = deviceAdapter.recordingMode
        var dialModes = [u.RM_ProgramAE, u.RM_AperturePriorityAE, u.RM_ShutterPriorityAE, u.RM_ManualExposure]
        if (deviceAdapter.shotModeStatus !== u.Shot_Mode_Status_Unknown && dialModes.indexOf(mode) >= 0)
            exposureDialSetting()
        else if (mode === u.RM_CreativeVideo)
            b.optionSelect(capabilityNum("recordingMode") > 0 ? deviceAdapter.recordingMode
                                                              : deviceAdapter.creativeVideoAE)
        else if (mode === u.RM_SQMotion)
            b.optionSelect(deviceAdapter.sqMotion)
        setButtonLog(b, Kv.TagDef.RTScr_Usage_Main_CreativeVideoAE)
    }
    function custom3SetSetting() {
        var mode = deviceAdapter.recordingMode
        if (mode !== u.RM_Custom3 && mode !== u.RM_Custom4 && mode !== u.RM_Custom5)
            return
        if (capabilityNum("recordingMode") > 0)
            recordingModeButton.optionSelect(mode)
        else if (!deviceAdapter.camSupportPowerSaving && deviceAdapter.custom3Set !== u.RM_C3_SetOFF)
            recordingModeButton.optionSelect(deviceAdapter.custom3Set)
        setButtonLog(recordingModeButton, Kv.TagDef.RTScr_Usage_Main_Custom3Set)
    }
    function creativeControlFilterSetting() {
        if (deviceAdapter.recordingMode !== u.RM_CreativeControl)
            return
        recordingModeButton.optionSelect(deviceAdapter.creativeControlFilter)
        setButtonLog(recordingModeButton, Kv.TagDef.RTScr_Usage_Main_CreativeControlFilter)
    }
    Timer {
        id: shotModeTimer
        interval: 500
        onTriggered: root.recordingModeSetting()
    }
    function shotModeSetting() {
        if (Qt.platform.os === "osx")
            shotModeTimer.restart()
        recordingModeSetting()
    }

    // ---- refreshers: the drive mode ----
    function driveModeSetting() {
        var b = driveModeButton
        setButtonLog(b, Kv.TagDef.RTScr_Usage_Main_DriveMode)
        b.logFile = "driveMode"
        settingErrorBox.close()
        dismissDrivePopups()
        closeSettingPopups()
        var mode = deviceAdapter.driveMode
        switch (mode) {
        case u.DM_Single:
        case u.DM_Bracket:
        case u.DM_Interval:
        case u.DM_HRS:
        case u.DM_HANDHELD_HRS:
        case u.DM_Komadori:
            b.target = "driveMode"
            b.optionSelect(mode)
            break
        case u.DM_Burst:
        case u.DM_Burst1:
        case u.DM_Burst2:
            b.target = mode === u.DM_Burst ? "burstSpeed" : (mode === u.DM_Burst1 ? "burstSpeed1" : "burstSpeed2")
            b.popupTitle = mode === u.DM_Burst1 ? qsTr("Burst1") : qsTr("Burst")
            burstSpeedSetting()
            break
        case u.DM_SelfTimer:
            b.target = "selfTimer"
            b.popupTitle = qsTr("SelfTimer")
            selfTimerSetting()
            break
        case u.DM_4K6K:
            b.target = "picture4K6K"
            b.popupTitle = qsTr("4K6K")
            picture4K6KSetting()
            break
        case u.DM_Focus:
            b.target = "focusSelect"
            b.popupTitle = qsTr("Focus")
            focusSelectSetting()
            break
        }
        statusOfCardsSetting()
    }
    function burstSpeedSetting() {
        var mode = deviceAdapter.driveMode
        if (!Main.isBurstDrive(mode))
            return
        driveModeButton.optionSelect(deviceAdapter.burstSpeed)
        setButtonLog(driveModeButton, mode === u.DM_Burst ? Kv.TagDef.RTScr_Usage_Main_BurstSpeed
                                                          : (mode === u.DM_Burst1 ? Kv.TagDef.RTScr_Usage_Main_BurstSpeed1
                                                                                  : Kv.TagDef.RTScr_Usage_Main_BurstSpeed2))
    }
    function selfTimerSetting() {
        if (deviceAdapter.driveMode !== u.DM_SelfTimer)
            return
        driveModeButton.optionSelect(deviceAdapter.selfTimer)
        setButtonLog(driveModeButton, Kv.TagDef.RTScr_Usage_Main_SelfTimer)
    }
    function picture4K6KSetting() {
        if (deviceAdapter.driveMode !== u.DM_4K6K)
            return
        driveModeButton.optionSelect(deviceAdapter.picture4K6K)
        setButtonLog(driveModeButton, Kv.TagDef.RTScr_Usage_Main_Picture4K6K)
        log("picture4K6K " + deviceAdapter.picture4K6K)
    }
    function focusSelectSetting() {
        if (deviceAdapter.driveMode !== u.DM_Focus)
            return
        driveModeButton.optionSelect(deviceAdapter.focusSelect)
        setButtonLog(driveModeButton, Kv.TagDef.RTScr_Usage_Main_FocusSelect)
    }

    // ---- refreshers: the other buttons ----
    function apertureSetting() {
        apertureButton.optionSelect(deviceAdapter.aperture)
        setButtonLog(apertureButton, Kv.TagDef.RTScr_Usage_Main_Aperture)
    }
    function whiteBalanceSetting() {
        whiteBalanceButton.optionSelect(deviceAdapter.whiteBalance)
        setButtonLog(whiteBalanceButton, Kv.TagDef.RTScr_Usage_Main_WhiteBalance)
    }
    function shutterSpdSetting() {
        var angle = deviceAdapter.ssGain === u.SSGain_Angle_n_ISO
        shutterSpeedButton.target = angle ? "shutterSpeedAngle" : "shutterSpeed"
        shutterSpeedButton.type = angle ? "optionWithStyledTextReal" : "optionWithStyledSelectedText"
        shutterSpeedButton.optionSelect(angle ? deviceAdapter.shutterSpeedAngle : deviceAdapter.shutterSpeed)
        setButtonLog(shutterSpeedButton, Kv.TagDef.RTScr_Usage_Main_ShutterSpeed)
    }
    function isoSetting() {
        var gain = deviceAdapter.ssGain === u.SSGain_Sec_n_dB
        isoButton.target = gain ? "isoGain" : "iso"
        isoButton.optionSelect(gain ? deviceAdapter.isoGain : deviceAdapter.iso)
        setButtonLog(isoButton, Kv.TagDef.RTScr_Usage_Main_ISO)
    }
    function isoAutoSetting() {
        var v = deviceAdapter.isoAuto
        if (v === 0xFFFFFFFD || v === -3) {
            isoSetting()
            return
        }
        isoButton.target = "isoAuto"
        isoButton.optionSelect(v)
        setButtonLog(isoButton, Kv.TagDef.RTScr_Usage_Main_ISO)
    }
    function ssGainSetting() {
        shutterSpdSetting()
        isoSetting()
    }
    function exposureSetting() {
        if (exposureSlider)
            exposureSlider.curIndex = deviceAdapter.exposureVal
    }
    function exposureMaxSetting() {
        if (exposureSlider)
            exposureSlider.maxRange = deviceAdapter.exposureRangeMax
    }
    function exposureMinSetting() {
        if (exposureSlider)
            exposureSlider.minRange = deviceAdapter.exposureRangeMin
    }
    function motionPictureFormatSetting() {
        if (movieQualityButton)
            call(movieQualityButton, "optionSelect", deviceAdapter.recMovie)
    }
    function recMovieQualityDetaiSetting() {
        if (deviceAdapter.validDisplayMovQuality() !== u.Ternary_True)
            deviceAdapter.updateDisplayMovQuality()
        if (deviceAdapter.validDisplayMovQuality() === u.Ternary_True)
            deviceAdapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List()
        else
            deviceAdapter.adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data()
        motionPictureFormatSetting()
    }
    function aspectRatioSetting() {
        pictureSizeButton.optionSelect(deviceAdapter.pictureSize)
        setButtonLog(pictureSizeButton, Kv.TagDef.RTScr_Usage_Main_PictureSize)
    }
    function selectKnown(button, value, unknown, tag) {
        if (value !== unknown)
            button.optionSelect(value)
        setButtonLog(button, tag)
    }
    function photoStyleSetting() {
        selectKnown(photoStyleButton, deviceAdapter.photoStyle, u.PS_Unknown, Kv.TagDef.RTScr_Usage_Main_PhotoStyle)
    }
    function imgInfoQualitySetting() {
        selectKnown(pictureQualityButton, deviceAdapter.imgInfoQuality, u.ImgInfoQ_Unknown,
                    Kv.TagDef.RTScr_Usage_Main_PictureQuality)
    }
    function meteringModeSetting() {
        selectKnown(meteringButton, deviceAdapter.meteringMode, u.MM_Unknown, Kv.TagDef.RTScr_Usage_Main_MeteringMode)
    }
    function wbKSetSetting() {
        selectKnown(colorTemperatureButton, deviceAdapter.whiteBalanceKSet, u.WBK_Unknown,
                    Kv.TagDef.RTScr_Usage_Main_WBColorTemp)
    }
    function focusModeSetting() {
        var t = driveModeButton.target
        if (t === "burstSpeed" || t === "burstSpeed1" || t === "burstSpeed2")
            dismissDrivePopups()
        if (deviceAdapter.focusMode !== u.FM_Unknown) {
            focusModeButton.optionSelect(deviceAdapter.focusMode)
            afaeButtonSetting()
        }
        setButtonLog(focusModeButton, Kv.TagDef.RTScr_Usage_Main_FocusMode)
    }
    function autoFocusModeSetting() {
        afModeButton.optionSelect(deviceAdapter.autoFocusMode)
        afaeButtonSetting()
        setButtonLog(afModeButton, Kv.TagDef.RTScr_Usage_Main_AFMode)
    }
    function sFrame_info_Changed() {
        afModeButton.isForcedDisable = !!deviceAdapter.sFrame_info
        autoFocusModeSetting()
    }
    function wbAjustABSetting() {
        if (deviceAdapter.wbAdjustAB !== u.WBAdj_Unknown) {
            wbPopup.valAB = iaPlus() ? deviceAdapter.wbAdjustABSep : deviceAdapter.wbAdjustAB
            wbPopup.placePointer()
        }
        wbAdjustButton.refreshText()
    }
    function wbAjustGMSetting() {
        if (deviceAdapter.wbAdjustGM !== u.WBAdj_Unknown) {
            wbPopup.valGM = deviceAdapter.wbAdjustGM
            wbPopup.placePointer()
        }
        wbAdjustButton.refreshText()
    }
    function wbAdjustSetting() {
        wbPopup.recordingModeSetting()
        wbAdjustButton.refreshText()
    }
    function camNameSetting() {
        // the title follows the name by its binding
        log("camName " + deviceAdapter.camName)
    }

    // ---- read-outs ----
    function batteryLevelSetting() {
        var level = deviceAdapter.batteryLevel
        batteryImage.source = Main.batteryImage(level)
        batteryBar.offset = Main.batteryBarOffset(level)
    }
    function imageFreeSpaceSetting() {
        pictureCount.text = Main.pictureCountText(deviceAdapter.imageFreeSpace, deviceAdapter.statusOfCards)
    }
    function secondFreeSpaceSetting() {
        var s = deviceAdapter.secondFreeSpace
        var card = deviceAdapter.statusOfCards
        recordingTime.text = Main.recordingTimeText(s, card)
        if (recordingTime.text === "-----")
            return
        var full = qsTr("sd_error_message_4")
        if (Main.cardFull(s, card)) {
            movieButton.toolTipText = full
            if (deviceAdapter.driveMode === u.DM_4K6K)
                shutterButton.toolTipText = full
        } else {
            if (movieButton.toolTipText === full)
                movieButton.toolTipText = ""
            if (shutterButton.toolTipText === full)
                shutterButton.toolTipText = ""
        }
    }

    // ---- connection, other windows, tether mode ----
    function connectCameraSetting() {
        var s = deviceAdapter.camConnectStatus
        if (s === u.CamConnectSts_Connecting) {
            maskPanel.visible = true
            settingErrorBox.close()
            closeSettingPopups()
        } else if (s === u.CamConnectSts_Unknown || s === u.CamConnectSts_Success
                   || s === u.CamConnectSts_SuccessBackground) {
            maskPanel.visible = false
        }
    }
    function preferenceWindowVisibleSetting(flg) {
        setMaskBit(mode_pref, flg)
        if (!flg && movieRecStartFlg)
            copyRuleWhileRecording()
        updateMaskPanel()
    }
    function movieQualityWindowVisibleSetting(flg) {
        setMaskBit(mode_pref, flg)
        updateMaskPanel()
    }
    function searchCamWindowVisibleSetting(flg) {
        setMaskBit(mode_searchWindow, flg)
        updateMaskPanel()
    }
    function activateWindowNotify() {
        if (root.visibility === Window.Minimized)
            root.showNormal()
        root.requestActivate()
    }
    onActiveChanged: {
        if (active && maskPanel.visible && !(movieQualityPopup && movieQualityPopup.visible))
            call(utilities, "preferenceWindowActive")
    }
    function anotherCameraStatusUpdate() {
        tetherModeUpdate()
    }
    function initSetupTetherMode() {
        popupClose()
        var off = deviceAdapter.camSupportPowerSaving && deviceAdapter.pwTetherConnectMode === u.PwTether_OFF
        firstGrid.enabled = !off
        secondGrid.enabled = !off
        flashButton.disabled = off
        exposureBar.enabled = !off
        movieButton.disabled = off
        afaeButton.disabled = off
        shutterButton.disabled = off
    }

    function popupClose() {
        closePopups()
        closeCaptureDlg()
        avchdBox.close()
        settingErrorBox.close()
        wbErrorBox.close()
        memoryCardBox.close()
        afaeStartFlg = false
        afaeStop()
        afaeButtonSetting()
        cameraErrorBox.close()
    }

    function cameraValueGetComplete() {
        recordingModeSetting()
        batteryLevelSetting()
        imageFreeSpaceSetting()
        secondFreeSpaceSetting()
        statusOfCardsSetting()
        driveModeSetting()
        apertureSetting()
        shutterSpdSetting()
        whiteBalanceSetting()
        isoSetting()
        exposureSetting()
        exposureMaxSetting()
        exposureMinSetting()
        motionPictureFormatSetting()
        aspectRatioSetting()
        photoStyleSetting()
        imgInfoQualitySetting()
        focusModeSetting()
        autoFocusModeSetting()
        meteringModeSetting()
        wbKSetSetting()
        wbAjustABSetting()
        wbAjustGMSetting()
        cameraStatusSetting()
        af_frame_info_Changed()
        sFrame_info_Changed()
        camNameSetting()
        hdmiSdiStatusSetting()
        anotherCameraStatusUpdate()
    }

    // ---- window size ----
    // The height moves in steps toward the other size; the limits follow it.
    property int sizeTarget: height
    Timer {
        id: sizeTimer
        interval: 50
        repeat: true
        onTriggered: {
            root.height = Main.nextHeight(root.height, root.sizeTarget)
            if (root.height === root.sizeTarget) {
                stop()
                sizeButton.disabled = false
            }
        }
    }
    // A saved height from elsewhere is not one of the two sizes.
    function settleHeight() {
        if (height !== compactHeight && height !== normalHeight)
            height = compact ? compactHeight : normalHeight
    }
    function toggleSize() {
        if (sizeTimer.running)
            return
        sizeTarget = compact ? normalHeight : compactHeight
        sizeButton.disabled = true
        // the binding would jump to the new height at once
        height = height
        compact = !compact
        applicationSettings.windowSize = compact ? Kv.ApplicationSettings.WindowShrinked
                                                 : Kv.ApplicationSettings.WindowExpanded
        log("size " + (compact ? "compact" : "normal"))
        sizeTimer.start()
    }

    // ---- shooting ----
    function shootingState() {
        return {
            cameraStatus: deviceAdapter.cameraStatus,
            driveMode: deviceAdapter.driveMode,
            burstSpeed: deviceAdapter.burstSpeed,
            picture4K6K: deviceAdapter.picture4K6K,
            recordingMode: deviceAdapter.recordingMode,
            shotModeStatus: deviceAdapter.shotModeStatus,
            shutterSpeed: deviceAdapter.shutterSpeed,
            burst6K4KRunning: burst6K4KRecStartFlg
        }
    }
    function setShutterImages(selected) {
        shutterButton.source = selected ? "qrc:/images/15_shutter_y.svg" : "qrc:/images/15_shutter.svg"
        shutterButton.dot = selected ? "qrc:/images/531_shutter_point_selected.svg"
                                     : "qrc:/images/530_shutter_point_normal.svg"
    }
    function releaseAfaeIfHeld() {
        if (afaeStartFlg)
            afaeLock()
    }

    function shutterPressed(arg) {
        switch (Main.shutterPressAction(shootingState())) {
        case "burst":
            burstRec(arg)
            break
        case "burst6K4K":
            burst6K4KRecBurst(arg)
            break
        }
    }
    function shutterClicked() {
        switch (Main.shutterClickAction(shootingState())) {
        case "oneShot":
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_one_shot()))
                releaseAfaeIfHeld()
            break
        case "burst6K4KSS":
            burst6K4KRecBurstSS()
            break
        case "preBurst":
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_4k_prewrite_req()))
                releaseAfaeIfHeld()
            break
        case "movie":
            movieRec()
            break
        case "bulb":
            bulbRec()
            break
        }
    }
    function burstRec(arg) {
        if (arg) {
            utilities.setHoldingShutterFlg(true)
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_cont_start())) {
                changePreviewTypePopup()
                burstRecStartFlg = true
            } else {
                utilities.setHoldingShutterFlg(false)
            }
        } else {
            utilities.setHoldingShutterFlg(false)
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_cont_end())) {
                changePreviewTypeWindow()
                releaseAfaeIfHeld()
                burstRecStartFlg = false
            }
        }
    }
    function burst6K4KRecBurst(arg) {
        if (arg) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_4k_burst_start()))
                burst6K4KRecStartFlg = true
        } else if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_4k_burst_stop())) {
            releaseAfaeIfHeld()
            burst6K4KRecStartFlg = false
        }
    }
    function burst6K4KRecBurstSS() {
        if (burst6K4KRecStartFlg) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_4k_burst_stop())) {
                releaseAfaeIfHeld()
                burst6K4KRecStartFlg = false
                setShutterImages(false)
            }
        } else if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_4k_burst_start())) {
            burst6K4KRecStartFlg = true
            setShutterImages(true)
        }
    }
    function endBulbInWindow() {
        bulbRecStartFlg = false
        setShutterImages(false)
        recBulbStop()
    }
    function bulbRec() {
        if (bulbRecStartFlg) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_cont_end())) {
                releaseAfaeIfHeld()
                endBulbInWindow()
            }
        } else if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_cont_start())) {
            bulbRecStartFlg = true
            setShutterImages(true)
            recBulbStart()
        }
    }
    function afaeLock() {
        if (afaeStartFlg) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_halfs_end())) {
                afaeStartFlg = false
                afaeStop()
                afaeButtonSetting()
                if (bulbRecStartFlg)
                    endBulbInWindow()
            }
        } else if (Main.canHoldAfae(deviceAdapter.focusMode)) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Release_halfs_start())) {
                afaeStartFlg = true
                afaeStart()
                afaeButtonSetting()
            }
        }
    }
    function afaeButtonSetting() {
        var images = Main.afaeImages(deviceAdapter.focusMode, afaeStartFlg)
        if (!images)
            return
        afaeButton.source = images.image
        afaeButton.dot = images.dot
    }
    function af_frame_info_Changed() {
        var unfocused = deviceAdapter.af_status_ulAFStatus() === u.AfInfoStatus_Unfocused
        if (unfocused && afaeStartFlg) {
            afaeStartFlg = false
            afaeStop()
            afaeButtonSetting()
        } else if (!unfocused && !afaeStartFlg) {
            afaeStartFlg = true
            afaeButtonSetting()
        }
    }

    // ---- movies and the copy flag ----
    function severalCameras() {
        if (deviceAdapter.btnAllCameraStatus === u.BtnAllCameraStatus_Checked)
            return true
        return deviceAdapter.isSupportMultiView() && deviceAdapter.getSendCmdDevNum(false) > 1
    }
    function setCopyFlag(on) {
        deviceAdapter.camera_list_set_camera_tether_mode_status(deviceAdapter.camera_list_get_selected_camera_uuid(),
                                                                u.TETHERMODE_Copy, on)
        tetherModeUpdate()
    }
    function remoteRecordingStatus(status) {
        return status === u.CamStatus_RemoteRec || status === u.CamStatus_LiveStreamingRemoteRec
                || status === u.CamStatus_RemoteRecRawHDMI
    }
    function streamingOn() {
        return deviceAdapter.camera_list_get_camera_streamingFunction(deviceAdapter.camera_list_get_selected_camera_uuid())
    }
    function movieRec() {
        var status = deviceAdapter.cameraStatus
        var start = Main.movieClickStarts({ recording: movieRecStartFlg, status: status,
                                            cardStatus: deviceAdapter.statusOfCards, streaming: streamingOn() })
        if (!start) {
            if (succeeded(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Stop())) {
                movieRecStartFlg = false
                if (deviceAdapter.fileTarget === u.FLTG_CameraOnly || remoteRecordingStatus(status) || severalCameras())
                    setCopyFlag(false)
            }
            return
        }
        if (deviceAdapter.motionPictureFormat === u.MPF_AVCHD) {
            avchdBox.open()
            return
        }
        if (succeeded(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Start())) {
            movieRecStartFlg = true
            armTransferWatch()
        }
    }
    function onRecStartAction() {
        armTransferWatch()
        if (deviceAdapter.fileTarget === u.FLTG_CameraOnly)
            return
        setCopyFlag(!(remoteRecordingStatus(deviceAdapter.cameraStatus) || severalCameras()))
    }
    function copyRuleWhileRecording() {
        var status = deviceAdapter.cameraStatus
        var target = deviceAdapter.fileTarget
        setCopyFlag((status === u.CamStatus_MovRec_4k || status === u.CamStatus_MovRemoteRec)
                    && (target === u.FLTG_PcOnly || target === u.FLTG_PcAndCamera) && !severalCameras())
    }
    function updateMovieRecButtonViewStatus(noEnableChange, noRecStatusChange) {
        var card = deviceAdapter.statusOfCards
        var id = Main.cardMessageId(card)
        movieButton.toolTipText = id === "" ? "" : qsTranslate("KvMainWindow", id)
        var status = deviceAdapter.cameraStatus
        movieButton.source = Main.movieRecordingImage(status, card, streamingOn())
        if (!noRecStatusChange) {
            if (Main.movieStatusAction(status) === "start") {
                if (!movieRecStartFlg) {
                    movieRecStartFlg = true
                    onRecStartAction()
                }
            } else if (movieRecStartFlg) {
                movieRecStartFlg = false
                if (severalCameras())
                    setCopyFlag(false)
            }
        }
        var cardError = Main.isCardError(card)
        if (deviceAdapter.camSupportPowerSaving && deviceAdapter.pwTetherConnectMode === u.PwTether_OFF) {
            movieButton.disabled = true
            movieButton.error = cardError
        } else if (Main.isHdmiSdiOn(deviceAdapter.hdmiSdiStatus)) {
            if (!noEnableChange)
                movieButton.disabled = false
            movieButton.error = false
        } else if (cardError) {
            if (!noEnableChange)
                movieButton.disabled = true
            movieButton.error = true
        } else {
            if (!noEnableChange)
                movieButton.disabled = false
            movieButton.error = false
        }
    }
    function statusOfCardsSetting() {
        var noEnableChange = true
        var card = deviceAdapter.statusOfCards
        if (Main.isCardError(card)) {
            if (deviceAdapter.driveMode === u.DM_4K6K) {
                shutterButton.error = true
                shutterButton.toolTipText = qsTranslate("KvMainWindow", Main.cardMessageId(card))
            } else {
                shutterButton.error = false
            }
        } else {
            if (movieRecStartFlg && !Main.isRecordingStatus(deviceAdapter.cameraStatus)) {
                movieRecStartFlg = false
                recStop()
                movieButton.disabled = false
                noEnableChange = false
                if (deviceAdapter.fileTarget === u.FLTG_CameraOnly || Main.isHdmiSdiOn(deviceAdapter.hdmiSdiStatus))
                    setCopyFlag(false)
            } else if (!movieRecStartFlg && !isCopying) {
                noEnableChange = false
            }
            shutterButton.error = false
            shutterButton.toolTipText = ""
        }
        updateMovieRecButtonViewStatus(noEnableChange, true)
        log("statusOfCards " + card)
        imageFreeSpaceSetting()
        secondFreeSpaceSetting()
    }
    function hdmiSdiStatusSetting() {
        var s = deviceAdapter.hdmiSdiStatus
        hdmiSdiLabel.text = s === u.HDMI_SDI_Status_HDMI_ON ? qsTr("HDMI")
                          : s === u.HDMI_SDI_Status_SDI_ON ? qsTr("SDI")
                          : s === u.HDMI_SDI_Status_HDMI_SDI_ON ? qsTr("HDMI") + " / " + qsTr("SDI") : ""
        updateMovieRecButtonViewStatus(false, true)
    }
    function forceDisableModeButtons(on) {
        driveModeButton.isForcedDisable = on
        recordingModeSetting()
        recordingModeButton.isForcedDisable = on
        driveModeSetting()
    }
    function cameraStatusSetting() {
        var status = deviceAdapter.cameraStatus
        if (Main.isBusyStatus(status)) {
            settingErrorBox.close()
            closeSettingPopups()
            dismissDrivePopups()
            var menu = status === u.CamStatus_Menu_Displayed
            setMaskBit(mode_live_view_menu, menu)
            setMaskBit(mode_camera, !menu)
            updateMaskPanel()
            return
        }
        if (maskPanel.visible)
            statusTimer.start()
        if (Main.isRecordingStatus(status)) {
            closeCaptureDlg()
            copyRuleWhileRecording()
            updateMovieRecButtonViewStatus(false, false)
            forceDisableModeButtons(true)
            return
        }
        updateMovieRecButtonViewStatus(false, false)
        forceDisableModeButtons(false)
        if (status !== u.CamStatus_IP_LiveStreaming && deviceAdapter.statusOfCards === Kv.DeviceAdapter.STOC_Normal) {
            movieRecStartFlg = false
            if (burst6K4KRecStartFlg) {
                burst6K4KRecStartFlg = false
                setShutterImages(false)
            }
        }
    }
    Timer {
        id: statusTimer
        interval: 50
        onTriggered: {
            Sub.get_sdk_capability2(deviceAdapter)
            if (Main.isBusyStatus(deviceAdapter.cameraStatus))
                return
            deviceAdapter.cameraStatusComplete()
            root.setMaskBit(root.mode_camera, false)
            root.setMaskBit(root.mode_live_view_menu, false)
            root.updateMaskPanel()
        }
    }

    // ---- wiring ----
    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function onRecordingModeChanged() { root.recordingModeSetting() }
        function onMotionPictureFormatChanged() { root.recordingModeSetting(); root.recMovieQualityDetaiSetting() }
        function onRecordingModeCapabilityFlgNumChanged() { root.recordingModeSetting() }
        function onReflectFocusMode() { root.focusModeSetting() }
        function onFocusModeChanged() { root.focusModeSetting() }
        function onFocusModeFlgNumChanged() { root.focusModeSetting() }
        function onIntelligentAutoModeChanged() { root.intelligentAutoModeSetting() }
        function onIntelligentAutoModeFlgNumChanged() { root.intelligentAutoModeSetting() }
        function onIntelligentAutoModeInnerChanged() { root.wbAdjustSetting() }
        function onCreativeVideoAEChanged() { root.creativeVideoAESetting() }
        function onSqMotionChanged() { root.creativeVideoAESetting() }
        function onPhotoExposureChanged() { root.creativeVideoAESetting() }
        function onCreativeVideoAEFlgNumChanged() { root.creativeVideoAESetting() }
        function onSqMotionFlgNumChanged() { root.creativeVideoAESetting() }
        function onPhotoExposureFlgNumChanged() { root.creativeVideoAESetting() }
        function onCustom3SetChanged() { root.custom3SetSetting() }
        function onCustom3SetFlgNumChanged() { root.custom3SetSetting() }
        function onCreativeControlFilterChanged() { root.creativeControlFilterSetting() }
        function onCreativeControlFilterFlgNumChanged() { root.creativeControlFilterSetting() }
        function onBatteryLevelChanged() { root.batteryLevelSetting() }
        function onImageFreeSpaceChanged() { root.imageFreeSpaceSetting() }
        function onImage4KFreeSpaceChanged() { root.imageFreeSpaceSetting() }
        function onSecondFreeSpaceChanged() { root.secondFreeSpaceSetting() }
        function onSecond4KFreeSpaceChanged() { root.secondFreeSpaceSetting() }
        function onStatusOfCardsChanged() { root.statusOfCardsSetting() }
        function onDriveModeChanged() { root.driveModeSetting() }
        function onDriveModeFlgNumChanged() { root.driveModeSetting() }
        function onPicture4K6KChanged() { root.picture4K6KSetting() }
        function onPicture4K6KTypeFlgNumChanged() { root.picture4K6KSetting() }
        function onPicture4K6KFpsFlgNumChanged() { root.picture4K6KSetting() }
        function onBurstSpeedChanged() { root.burstSpeedSetting() }
        function onBurstSpeedFlgNumChanged() { root.burstSpeedSetting() }
        function onFocusSelectChanged() { root.focusSelectSetting() }
        function onFocusSelectFlgNumChanged() { root.focusSelectSetting() }
        function onSelfTimerChanged() { root.selfTimerSetting() }
        function onSelfTimerCustomChanged() { root.selfTimerSetting() }
        function onSelfTimerFlgNumChanged() { root.selfTimerSetting() }
        function onSelfTimerCustomFlgNumChanged() { root.selfTimerSetting() }
        function onApertureChanged() { root.apertureSetting() }
        function onApertureFlgNumChanged() { root.apertureSetting() }
        function onShutterSpeedChanged() { root.shutterSpdSetting() }
        function onShutterSpeedAngleChanged() { root.shutterSpdSetting() }
        function onShutterSpeedFlgNumChanged() { root.shutterSpdSetting() }
        function onWhiteBalanceChanged() { root.whiteBalanceSetting() }
        function onWhiteBalanceFlgNumChanged() { root.whiteBalanceSetting() }
        function onIsoChanged() { root.isoSetting() }
        function onIsoGainChanged() { root.isoSetting() }
        function onIsoFlgNumChanged() { root.isoSetting() }
        function onIsoGainFlgNumChanged() { root.isoSetting() }
        function onIsoAutoChanged() { root.isoAutoSetting() }
        function onExposureValChanged() { root.exposureSetting() }
        function onExposureValFlgNumChanged() { root.exposureSetting() }
        function onExposureRangeMaxChanged() { root.exposureMaxSetting() }
        function onExposureRangeMinChanged() { root.exposureMinSetting() }
        function onSystemFrequencyChanged() { root.recMovieQualityDetaiSetting() }
        function onSystemFrequencyFlgNumChanged() { root.recMovieQualityDetaiSetting() }
        function onRecMovieFlgNumChanged() { root.recMovieQualityDetaiSetting() }
        function onRecMovieChanged() { root.motionPictureFormatSetting() }
        function onRecMovieInnerChanged() { root.motionPictureFormatSetting() }
        function onMotionPictureFormatFlgNumChanged() { root.motionPictureFormatSetting() }
        function onPhotoStyleChanged() { root.photoStyleSetting() }
        function onPhotoStyleFlgNumChanged() { root.photoStyleSetting() }
        function onImgInfoQualityChanged() { root.imgInfoQualitySetting() }
        function onImgInfoQualityFlgNumChanged() { root.imgInfoQualitySetting() }
        function onAutoFocusModeChanged() { root.autoFocusModeSetting() }
        function onAutoFocusFlgNumChanged() { root.autoFocusModeSetting() }
        function onAutoRecognizeGeneralChanged() { root.autoFocusModeSetting() }
        function onAutoRecognizeAnimalChanged() { root.autoFocusModeSetting() }
        function onAutomaticRecoChanged() { root.autoFocusModeSetting() }
        function onAutoRecognizePartsChanged() { root.autoFocusModeSetting() }
        function onMeteringModeChanged() { root.meteringModeSetting() }
        function onMeteringModeFlgNumChanged() { root.meteringModeSetting() }
        function onWhiteBalanceKSetChanged() { root.wbKSetSetting() }
        function onWhiteBalanceKSetFlgNumChanged() { root.wbKSetSetting() }
        function onWbAdjustABChanged() { root.wbAjustABSetting() }
        function onWbAdjustABSepChanged() { root.wbAjustABSetting() }
        function onWbAdjustGMChanged() { root.wbAjustGMSetting() }
        function onAspectRatioChanged() { root.aspectRatioSetting() }
        function onExTeleconChanged() { root.aspectRatioSetting() }
        function onPictureSizeChanged() { root.aspectRatioSetting() }
        function onAspectRatioInnerChanged() { root.aspectRatioSetting() }
        function onExTeleconFlgNumChanged() { root.aspectRatioSetting() }
        function onPictureSizeFlgNumChanged() { root.aspectRatioSetting() }
        function onAspectRatioFlgNumChanged() { root.aspectRatioSetting() }
        function onSsGainChanged() { root.ssGainSetting() }
        function onSFrame_infoChanged() { root.sFrame_info_Changed() }
        function onCamNameChanged() { root.camNameSetting() }
        function onCamConnectStatusChanged() { root.connectCameraSetting() }
        function onHdmiSdiStatusChanged() { root.hdmiSdiStatusSetting() }
        function onShotModeStatusChanged() { root.shotModeSetting() }
        function onAnotherCameraStatusChanged() { root.anotherCameraStatusUpdate() }
        function onInitSetupTetherModeChanged() { root.initSetupTetherMode() }
        function onSwitchCameraNotify() { root.initSetupTetherMode() }
        function onPwTetherConnectModeChanged() { root.initSetupTetherMode() }
        function onCameraStatusChanged() { root.cameraStatusSetting() }
        function onAf_frame_info_Changed() { root.af_frame_info_Changed() }
        function onSettingErrorNotify() { root.settingErrorDisp() }
        function onMfAssistStartErrorNotify() { root.settingErrorDisp() }
        function onCameraErrorNotify(individual_id) { root.cameraErrorDisp(individual_id) }
        function onWbErrorNotify() { root.wbErrorDisp() }
        function onMemoryCardNothingNotify() { root.memoryCardNothingDisp() }
    }
    Connections {
        target: flashAdapter
        ignoreUnknownSignals: true
        function onSettingErrorNotify() { root.settingErrorDisp() }
    }
    Connections {
        target: utilities
        ignoreUnknownSignals: true
        function onPreferenceWindowVisibleChangedNotify(flg) { root.preferenceWindowVisibleSetting(flg) }
        function onMovieQualityWindowVisibleChangedNotify(flg) { root.movieQualityWindowVisibleSetting(flg) }
        function onSearchCamWindowVisibleChangedNotify(flg) { root.searchCamWindowVisibleSetting(flg) }
        function onActivateWindowNotify() { root.activateWindowNotify() }
    }

    // The agreement popup is only kept here; its answer sets the log permission.
    Connections {
        target: root.agreementPopup
        ignoreUnknownSignals: true
        function onOkClicked() { applicationSettings.logPermission = Kv.ApplicationSettings.LogPer_On }
        function onCancelClicked() { applicationSettings.logPermission = Kv.ApplicationSettings.LogPer_Off }
    }

    // Only macOS shows a menu bar; the platform menus are loaded there alone.
    function createMacMenuBar() {
        var text = 'import QtQuick; import Qt.labs.platform as Platform; Platform.MenuBar { Platform.Menu { '
                + 'title: qsTr("About"); Platform.MenuItem { text: qsTr("Manual"); '
                + 'onTriggered: if (!utilities.openManual()) console.log("KvMainWindow: no manual") } } }'
        try {
            Qt.createQmlObject(text, root, "KvMainWindow.qml")
        } catch (e) {
            log("no menu bar: " + e)
        }
    }

    Component.onCompleted: {
        if (Qt.platform.os === "osx")
            createMacMenuBar()
        applicationSettings.logPermission = Kv.ApplicationSettings.LogPer_Off
        photoStylePopup = createOptional("KvMainPhotoStylePopup.qml", root.contentItem, { z: 100 })
        agreementPopup = createOptional("KvPreferenceAgreementPopup.qml", root.contentItem, { type: "startup" })
        // after the state saver has put back the saved geometry
        Qt.callLater(settleHeight)
        camNameSetting()
    }
}
