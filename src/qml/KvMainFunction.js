.pragma library
.import Kv 1.0 as Kv
.import "KvShell.js" as Shell

// The main window's read-outs and its shooting decisions, kept apart from
// the window so that they can be checked as tables. The decisions take a
// plain state object (the camera's values as the window sees them) and
// answer with the name of what the window has to do.

var U = Kv.Utilities
var D = Kv.DeviceAdapter

var unknownCount = 0xFFFFFFFF

// ---- read-outs ----

function batteryImage(level) {
    if (level === D.BL_Full)
        return "qrc:/images/7_battery_3.svg"
    if (level === D.BL_Ac)
        return "qrc:/images/11_battery_chaege.svg"
    if (level > D.BL_Empty && level < D.BL_Full)
        return "qrc:/images/10_battery_0_gray.svg"
    if (level >= 0 && level <= D.BL_Empty)
        return "qrc:/images/10_battery_0.svg"
    return ""
}

// How far the level bar starts from the left of its 14-pixel track; -1 when
// no bar is drawn.
function batteryBarOffset(level) {
    if (!(level > D.BL_Empty && level < D.BL_Full))
        return -1
    return Math.max(0, Math.round((1 - level / 100) * 14))
}

function pictureCountText(count, cardStatus) {
    if (cardStatus !== D.STOC_Normal || count === unknownCount || count === -1)
        return "-----"
    return count >= 10000 ? "9999+" : "" + count
}

function twoDigits(n) {
    return n < 10 ? "0" + n : "" + n
}

function recordingTimeText(seconds, cardStatus) {
    if (cardStatus !== D.STOC_Normal || seconds === unknownCount || seconds === -1)
        return "-----"
    var h = Math.floor(seconds / 3600)
    var m = Math.floor((seconds % 3600) / 60)
    var s = seconds % 60
    if (h >= 100)
        return "99h59m"
    if (h > 0)
        return twoDigits(h) + "h" + twoDigits(m) + "m"
    return twoDigits(m) + "m" + twoDigits(s) + "s"
}

// The card has no room left for a movie.
function cardFull(seconds, cardStatus) {
    return cardStatus === D.STOC_Normal && seconds === 0
}

function cameraErrorId(code) {
    return "ERR-" + code
}

// The error box's text; `tr` translates an id, `content` is already
// translated. The camera's name is shown as it gives it.
function cameraErrorText(tr, individualId, dateTime, code, content) {
    return "<HTML>" + tr("Error Info") + "<br> <br>" + tr("Error Camera") + ": " + Shell.escapeHtml(individualId)
            + "<br>" + tr("Error Date-time") + ": " + dateTime + "<br>" + tr("Error Code") + ": " + code + "<br>"
            + tr("Error Content") + ": " + content + "</HTML>"
}

function cardMessageId(cardStatus) {
    switch (cardStatus) {
    case D.STOC_Nocard: return "sd_error_message_1"
    case D.STOC_Protected: return "sd_error_message_2"
    case D.STOC_Error: return "sd_error_message_3"
    }
    return ""
}

// ---- camera status ----

function isCardError(cardStatus) {
    return cardStatus === D.STOC_Nocard || cardStatus === D.STOC_Protected || cardStatus === D.STOC_Error
}

function isHdmiSdiOn(status) {
    return status === U.HDMI_SDI_Status_HDMI_ON || status === U.HDMI_SDI_Status_SDI_ON
            || status === U.HDMI_SDI_Status_HDMI_SDI_ON
}

function isRecordingStatus(status) {
    return [U.CamStatus_MovRec_4k, U.CamStatus_RemoteRec, U.CamStatus_MovRemoteRec,
            U.CamStatus_LiveStreamingRemoteRec, U.CamStatus_RemoteRecRawHDMI].indexOf(status) >= 0
}

function isBusyStatus(status) {
    return [U.CamStatus_MovRec_Others, U.CamStatus_Playing, U.CamStatus_Processing,
            U.CamStatus_Menu_Displayed].indexOf(status) >= 0
}

// Remote recording with a good card and streaming off is a camera waiting
// for a start: its button shows the stopped image and a click starts.
function remoteRecordingIdle(status, cardStatus, streaming) {
    return status === U.CamStatus_RemoteRec && !isCardError(cardStatus) && !streaming
}

// "start", "stop" or "" for what the camera status says about a recording.
function movieStatusAction(status) {
    if (status === U.CamStatus_IP_LiveStreaming)
        return "stop"
    return isRecordingStatus(status) ? "start" : "stop"
}

function movieRecordingImage(status, cardStatus, streaming) {
    if (status === U.CamStatus_IP_LiveStreaming || !isRecordingStatus(status)
            || remoteRecordingIdle(status, cardStatus, streaming))
        return "qrc:/images/12_rec_off.svg"
    return "qrc:/images/13_rec_on.svg"
}

// s: { recording, status, cardStatus, streaming }
function movieClickStarts(s) {
    return !s.recording || remoteRecordingIdle(s.status, s.cardStatus, s.streaming)
}

// ---- the shutter ----

function isBurstDrive(driveMode) {
    return driveMode === U.DM_Burst || driveMode === U.DM_Burst1 || driveMode === U.DM_Burst2
}

function isHeld6K4KType(type) {
    return [U.PQQ_Unknown, U.PQQ_6K_30p_Burst, U.PQQ_4K_60p_Burst, U.PQQ_4K_30p_Burst].indexOf(type) >= 0
}

function isSS6K4KType(type) {
    return [U.PQQ_6K_30p_Burst_SS, U.PQQ_4K_60p_Burst_SS, U.PQQ_4K_30p_Burst_SS].indexOf(type) >= 0
}

function isPreBurst6K4KType(type) {
    return [U.PQQ_6K_30p_PreBurst, U.PQQ_4K_60p_PreBurst, U.PQQ_4K_30p_PreBurst].indexOf(type) >= 0
}

function movieMode(s) {
    return s.recordingMode === U.RM_CreativeVideo || s.shotModeStatus === U.Shot_Mode_Status_Movie
}

// What a press (down true) or a release of the shutter does:
// "" nothing, "burst" a held burst, "burst6K4K" a held 6K/4K burst.
// s: { cameraStatus, driveMode, burstSpeed, picture4K6K, recordingMode,
//      shotModeStatus, shutterSpeed }
function shutterPressAction(s) {
    if (s.cameraStatus === U.CamStatus_MovRec_4k && s.driveMode !== U.DM_4K6K)
        return ""
    if (movieMode(s) || s.shutterSpeed === U.SS_Bulb || s.shutterSpeed === U.SS_Time)
        return ""
    var sixK = s.driveMode === U.DM_4K6K
    if (isBurstDrive(s.driveMode)) {
        if (s.burstSpeed !== U.BS_6K4K)
            return "burst"
        sixK = true
    }
    return sixK && isHeld6K4KType(s.picture4K6K) ? "burst6K4K" : ""
}

// What a click of the shutter does: "" nothing, "oneShot", "burst6K4KSS"
// (start or stop), "preBurst", "movie", "bulb".
// s: as for shutterPressAction, plus burst6K4KRunning
function shutterClickAction(s) {
    if (s.cameraStatus === U.CamStatus_MovRec_4k) {
        if (s.burst6K4KRunning && s.driveMode === U.DM_4K6K && isSS6K4KType(s.picture4K6K))
            return "burst6K4KSS"
        // The click that ends a held 6K/4K burst comes while the camera still
        // reports the burst: the photographer wants the burst alone, no still.
        if (shutterPressAction(s) === "burst6K4K")
            return ""
        return "oneShot"
    }
    if (movieMode(s))
        return "movie"
    if (s.shutterSpeed === U.SS_Bulb)
        return "bulb"
    var sixK = s.driveMode === U.DM_4K6K
    if (s.driveMode === U.DM_Bracket || isBurstDrive(s.driveMode)) {
        if (s.burstSpeed !== U.BS_6K4K)
            return ""
        sixK = true
    }
    if (sixK) {
        if (isSS6K4KType(s.picture4K6K))
            return "burst6K4KSS"
        if (isPreBurst6K4KType(s.picture4K6K))
            return "preBurst"
        return ""
    }
    return "oneShot"
}

// ---- AF/AE ----

function isAfFocusMode(mode) {
    return mode === U.FM_AF || mode === U.FM_AF_S || mode === U.FM_AF_F || mode === U.FM_AF_C
}

function canHoldAfae(mode) {
    return isAfFocusMode(mode) || mode === U.FM_MF
}

// { image, dot } for the AF/AE button, or null to leave it as it is.
function afaeImages(focusMode, held) {
    if (isAfFocusMode(focusMode))
        return held ? { image: "qrc:/images/520_af_ae_push.svg", dot: "qrc:/images/528_afae_point_selected.svg" }
                    : { image: "qrc:/images/464_af_ae.svg", dot: "qrc:/images/526_afae_point_normal.svg" }
    if (focusMode === U.FM_MF)
        return held ? { image: "qrc:/images/521_ae_push.svg", dot: "qrc:/images/529_ae_point_selected.svg" }
                    : { image: "qrc:/images/465_ae.svg", dot: "qrc:/images/527_ae_point_normal.svg" }
    return null
}

// ---- window size ----

var compactHeight = 163
var normalHeight = 669
var sizeStep = 150

// The next height of the size animation toward target.
function nextHeight(height, target) {
    var next = height < target ? height + sizeStep : height - sizeStep
    return (height < target ? next >= target : next <= target) ? target : next
}
