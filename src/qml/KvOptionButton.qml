import QtQuick
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvOptionText.js" as OptionText

// A setting button: it binds one camera setting by its name (`target`),
// shows the catalogue entry of the current value, asks the back end which
// values the camera offers (target + "Capability", "CapabilityNum",
// "CapabilityValue"), offers them in its popup and writes the pick back to
// the setting. A value that came from the camera is never written back.
KvRectangleButton {
    id: root

    property string target: ""
    property var popup: null
    property string popupTitle: ""
    property var componentsProvider: null
    property bool optionOpen: true
    property bool keepPopupOpen: false
    property bool isForcedDisable: false
    property bool isDetail: false
    property real popupX: 0
    property real popupY: 0
    property real virtualX: 0
    property real virtualY: 0
    property bool valueChangeFlg: false
    property string windowType: "main"

    readonly property var adapter: windowType === "flash" ? flashAdapter : deviceAdapter
    readonly property var numberTypes: ["optionWithTextReal", "optionWithTextRealPs", "optionWithStyledTextReal",
                                        "optionWithStyledTextRealPs", "optionWithStyledTextPictureSize"]
    readonly property bool numberType: numberTypes.indexOf(type) >= 0
    readonly property var shootingModeTargets: ["intelligentAutoMode", "creativeVideoAE", "sqMotion", "custom3Set",
                                                "custom4Set", "custom5Set", "photoExposure"]

    value: target !== "" && adapter && adapter[target] !== undefined ? adapter[target] : -1

    onValueChanged: {
        if (target === "" || !adapter)
            return
        // the flash window sends every change; the same value again would
        // only repeat a camera call
        if (valueChangeFlg || (windowType === "flash" && adapter[target] !== value))
            writeValue(value)
    }

    // Where a picked value goes; the drive-mode button sends it elsewhere.
    function writeValue(v) {
        adapter[target] = v
    }

    onTargetChanged: connectTarget()

    // The live-view quality, the aspect ratio and the review mode show a
    // small icon at the right edge, beside their label.
    readonly property bool sideIcon: target === "aspectRatio" || target === "recPreviewMode" || target === "imageQuality"
    titleRightMargin: sideIcon ? 25 + 6 + 4 : 2
    mainImg.width: sideIcon ? 25 : (imageToTextType && labelText !== "" ? Math.min(height - 8, 48)
                                                                          : Math.min(width - 8, 75))
    mainImg.height: sideIcon ? 25 : pictureHeight()
    mainImg.anchors.horizontalCenterOffset: sideIcon ? width / 2 - 12.5 - 6
                                                     : (imageToTextType && labelText !== "" ? width / 2 - mainImg.width / 2 - 8 : 0)
    mainImg.anchors.verticalCenterOffset: sideIcon ? 0 : pictureOffset()

    // ---- the back end, asked by the setting's name ----
    function isOffered(v) {
        var f = adapter ? adapter[target + "Capability"] : undefined
        return typeof f === "function" && f(v) === Kv.Utilities.Ternary_True
    }
    function capabilityNum() {
        var f = adapter ? adapter[target + "CapabilityNum"] : undefined
        return typeof f === "function" ? f() : 0
    }
    function capabilityValue(i) {
        var f = adapter ? adapter[target + "CapabilityValue"] : undefined
        return typeof f === "function" ? f(i) : 0
    }

    // The button follows its setting and the camera's offer on its own.
    property string connectedTarget: ""
    function onAdapterValueChanged() {
        if (adapter && adapter[target] !== undefined)
            optionSelect(adapter[target])
    }
    function onAdapterOfferChanged() {
        if (adapter && adapter[target] !== undefined)
            optionSelect(adapter[target])
    }
    function follow(name, on) {
        Sub.followSetting(adapter, name, onAdapterValueChanged, onAdapterOfferChanged, on)
    }
    function connectTarget() {
        follow(connectedTarget, false)
        connectedTarget = target
        follow(target, true)
    }
    Component.onCompleted: {
        connectTarget()
        if (target !== "" && adapter && adapter[target] !== undefined)
            optionSelect(adapter[target])
    }
    Component.onDestruction: follow(connectedTarget, false)

    // ---- the catalogue ----
    function catalogueName() {
        if (target === "imgInfoQuality" && deviceAdapter.imgInfoHeifModeAvailable())
            return deviceAdapter.imgInfoJpegHeifMode === Kv.Utilities.ImgInfoJHM_JPEG ? "imgInfoQualityJpeg"
                                                                                    : "imgInfoQualityHeif"
        return target
    }
    function catalogue() {
        return componentsProvider ? componentsProvider[catalogueName()] : undefined
    }
    function entryText(entry) {
        var t = entry.properties.optionText
        return t === undefined ? "" : "" + t
    }
    function tooltipFor(entry) {
        var text = entryText(entry)
        if (target === "creativeControlFilter" || target === "creativeControlFilterRatin")
            return Sub.createPopupHTMLText(qsTr("ShootingMode"), qsTr("CreativeControl") + " " + text, true)
        if (target === "recordingMode")
            return "<HTML>" + popupTitle + "<br>" + text + "</HTML>"
        if (shootingModeTargets.indexOf(target) >= 0)
            return Sub.createPopupHTMLText(qsTr("ShootingMode"), text, true)
        return Sub.createPopupHTMLText(popupTitle, text, true)
    }
    // Copies an entry's look to the button by the entry's type.
    function copyLook(entry) {
        var p = entry.properties
        var t = p.type
        if (t === "optionWithImage" || t === "optionWithImagePopup") {
            source = p.source === undefined ? "" : p.source
            optionText = entryText(entry)
            toolTipText = tooltipFor(entry)
        } else if (t === "optionWithImageAndText" || t === "optionWithImageAndTextPopup") {
            optionImage = p.optionImage === undefined ? "" : p.optionImage
            optionText = entryText(entry)
        } else if (t === "optionWithText") {
            optionText = entryText(entry)
        } else if (t !== undefined && t.indexOf("optionWithImagetoText") === 0) {
            source = p.source === undefined ? "" : p.source
            toolTipText = tooltipFor(entry)
        } else {
            optionText = entryText(entry)
            toolTipText = tooltipFor(entry)
        }
    }
    function setKind(enabledKind) {
        disabled = !enabledKind
        enabled = enabledKind && !isForcedDisable
    }
    function showDash(tip) {
        source = ""
        optionImage = ""
        optionText = "-"
        toolTipText = tip === undefined ? "" : tip
        setKind(false)
    }

    function busyStatus(forNumbers) {
        var s = deviceAdapter.cameraStatus
        return s === Kv.Utilities.CamStatus_MovRec_Others || s === Kv.Utilities.CamStatus_Playing
                || s === Kv.Utilities.CamStatus_Processing
                || (!forNumbers && s === Kv.Utilities.CamStatus_Menu_Displayed)
    }
    function dismissBeforeSelect(isClicked, forNumbers) {
        if (!popup || !popup.visible)
            return
        if (keepPopupOpen && !isClicked)
            return
        if (target === "recordingMode" && popup.isClicking)
            return
        if (popup.popup_target === target || busyStatus(forNumbers))
            popup.dismiss()
    }

    // Shows a value that came from the camera (or a pick, with isClicked).
    function optionSelect(v, isClicked) {
        if (v !== value && logCol)
            logCol.log(logLevel, logScrTagID, logFile + " selected", "" + v)
        dismissBeforeSelect(!!isClicked, numberType)
        if (numberType)
            numberRule(v)
        else
            catalogueRule(v)
        valueChangeFlg = false
        value = v
    }

    function catalogueRule(v) {
        var list = catalogue()
        var entries = list === undefined || list === null ? [] : list
        for (var i = 0; i < entries.length; ++i) {
            entries[i].properties.capable = false
            entries[i].properties.checked = false
        }
        source = ""
        toolTipText = ""
        optionText = ""
        var n = capabilityNum()
        var dashTip = (target === "whiteBalanceKSet" || target === "flashSync") ? popupTitle : ""
        for (var j = 0; j < entries.length; ++j) {
            var entry = entries[j]
            if (entry.properties.value !== v) {
                if (target === "flashDimmer")
                    dashTip = popupTitle
                continue
            }
            var offered = isOffered(v)
            if (n >= 2 && !offered)
                break
            var kind = OptionText.buttonKind(n, offered, isDetail, target)
            if (!kind.shown) {
                showDash(target === "flashDimmer" ? popupTitle : dashTip)
                return
            }
            entry.properties.capable = true
            entry.properties.checked = true
            if (target === "recordingMode" && v === Kv.Utilities.RM_CreativeVideo)
                showCreativeVideo()
            else
                copyLook(entry)
            setKind(kind.enabled)
            if (target === "creativeVideoAE" && deviceAdapter.shotModeStatus === Kv.Utilities.Shot_Mode_Status_Unknown) {
                optionText = entryText(entry)
                var s = deviceAdapter.cameraStatus
                var live = s === Kv.Utilities.CamStatus_IP_LiveStreaming
                        || s === Kv.Utilities.CamStatus_LiveStreamingRemoteRec
                setKind(!live)
            }
            return
        }
        showDash(target === "flashDimmer" ? popupTitle : "")
    }

    // The recording mode's creative-video face is the current creative-video
    // entry's.
    function showCreativeVideo() {
        var cv = componentsProvider ? componentsProvider["creativeVideoAE"] : undefined
        for (var i = 0; cv && i < cv.length; ++i) {
            if (cv[i].properties.value === deviceAdapter.creativeVideoAE) {
                source = cv[i].properties.source
                optionText = entryText(cv[i])
                toolTipText = "<HTML>" + popupTitle + "<br>" + entryText(cv[i]) + "</HTML>"
                return
            }
        }
    }

    function numberRule(v) {
        source = ""
        if (target === "isoAuto") {
            optionText = OptionText.makeIsoAutoText(v)
            toolTipText = Sub.createPopupHTMLText(popupTitle, optionText, false)
            setKind(false)
            return
        }
        var found = OptionText.numberValueFound(target, v, capabilityValue)
        var kind = OptionText.buttonKind(capabilityNum(), found, isDetail, target)
        if (!kind.shown) {
            showDash("")
            return
        }
        optionText = OptionText.numberText(target, v)
        toolTipText = Sub.createPopupHTMLText(popupTitle, optionText, false)
        setKind(kind.enabled)
    }

    // ---- popups ----
    // A point of `item` where the popup places its list: in the popup's own
    // coordinates when it is drawn in this window, on the screen when it is
    // a window of its own (the creative-control filters).
    function popupPoint(item, x, y) {
        return popup instanceof Item ? item.mapToItem(popup, x, y) : item.mapToGlobal(x, y)
    }
    function gridPosition() {
        var item = root.parent && root.parent.parent ? root.parent.parent : root.parent
        var p = popupPoint(root, 0, 0)
        return { x: p.x, y: p.y, grid: item }
    }
    function popupPosition() {
        var p = gridPosition()
        var par = root.parent
        if (target === "pscWB" || target === "recPreviewMode")
            return { x: par.width - 96, y: popupPoint(par, 0, 0).y + popupY }
        if (target === "aspectRatio") {
            var list = catalogue()
            return { x: par.width - (list && list.length > 5 ? 104 : 96), y: p.y }
        }
        if (type === "optionWithImageAndText")
            return { x: popupX, y: popupY }
        if (type.slice(-2) === "Ps") {
            var pp = popupPoint(par, 0, 0)
            return { x: pp.x + popupX, y: pp.y + popupY }
        }
        if (type === "optionWithText" || type === "optionWithImagetoText" || type === "optionWithImagetoText_dm")
            return { x: popupPoint(par, par.width, 0).x, y: p.y }
        if (type === "optionWithImagetoTextCc" && par.parent)
            return { x: popupPoint(par.parent, par.parent.width, 0).x, y: p.y }
        return p
    }

    function markCatalogue(list) {
        for (var i = 0; i < list.length; ++i) {
            var offered = isOffered(list[i].properties.value)
            list[i].properties.capable = offered
            list[i].properties.enabled = offered
            list[i].properties.checked = offered && list[i].properties.value === value
        }
    }

    function clickSub() {
        if (!optionOpen || !popup)
            return
        var list = catalogue()
        if (!list)
            return
        markCatalogue(list)
        if (target === "creativeVideoAE" && capabilityNum() < 2 && deviceAdapter.recordingModeCapabilityNum() > 0)
            return
        var pos = popupPosition()
        popup.present(pos.x, pos.y, popupTitle, list, target, function(entry, isClicked) {
            if (logCol)
                logCol.log(logLevel, logScrTagID, logFile + " picked", entryText(entry))
            if (componentsProvider && entry.component === componentsProvider.subCreativeVideoAE) {
                setOption(entry, true)
                popup.dismissRecordingMode()
                return
            }
            copyLook(entry)
            valueChangeFlg = true
            value = entry.properties.value
            if (target === "recordingMode" && popup.dismissRecordingMode)
                popup.dismissRecordingMode()
            else
                popup.dismiss()
        })
    }

    // The creative-video entry of the recording-mode popup.
    function setOption(entry, isClicked) {
        showCreativeVideo()
        toolTipText = "<HTML>" + popupTitle + "<br>" + entryText(entry) + "</HTML>"
        var countBefore = deviceAdapter.creativeVideoAECapabilityNum()
        valueChangeFlg = isClicked
        value = target === "recordingMode" ? Kv.Utilities.RM_CreativeVideo : entry.properties.value
        if (!deviceAdapter.updateCreativeVideoMode() || !popup || !popup.objects)
            return
        // the entry button of the popup: it offers the creative-video modes
        // the camera had not listed yet, and sends its own value
        for (var i = 0; i < popup.objects.length; ++i) {
            var sub = popup.objects[i]
            if (sub && sub.target === "creativeVideoAE") {
                if (countBefore === 0)
                    sub.clickSub()
                sub.valueChangeFlg = true
                sub.writeValue(sub.value)
                return
            }
        }
    }

    function clickTextRealSub() {
        if (!optionOpen || !popup)
            return
        var values = OptionText.offeredNumbers(target, capabilityNum(), capabilityValue)
        var pos = type.slice(-2) === "Ps" ? popupPosition() : gridPosition()
        popup.presentReal(pos.x, pos.y, popupTitle, values, target, value, function(entry) {
            if (logCol)
                logCol.log(logLevel, logScrTagID, logFile + " picked", "" + entry.value)
            valueChangeFlg = true
            value = entry.value
            if (value === entry.value) {
                optionText = entry.optionText
                toolTipText = Sub.createPopupHTMLText(popupTitle, entry.optionText, false)
            }
            popup.dismiss()
        })
    }

    function clickCustomSub() {
        if (!optionOpen || !popup)
            return
        var list = catalogue()
        if (list)
            markCatalogue(list)
        popup.popup_target = target
        if (type === "optionWithImagePopup")
            popup.present(popupX, popupY, virtualX, virtualY, popupTitle, value)
        else
            popup.present(undefined, undefined, undefined, undefined, popupTitle, value)
    }

    function forceClosePopup() {
        if (popup && popup.visible && popup.popup_target === target)
            popup.dismiss()
    }

    // the formatters of the number buttons
    function makeIsoText(v) { return OptionText.makeIsoText(v) }
    function makeIsoAutoText(v) { return OptionText.makeIsoAutoText(v) }
    function makeIsoGainText(v) { return OptionText.makeIsoGainText(v) }
    function makeSSAngleText(v) { return OptionText.makeSSAngleText(v) }
    function makePictureSizeText(v) { return OptionText.makePictureSizeText(v) }
    function makeApertureText(v) { return OptionText.makeApertureText(v) }

    onClicked: {
        if (numberType)
            clickTextRealSub()
        else if (type === "optionWithImagePopup")
            clickCustomSub()
        else
            clickSub()
    }
}
