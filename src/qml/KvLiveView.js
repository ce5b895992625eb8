.pragma library
.import Kv 1.0 as Kv

// The live-view window's arithmetic and decisions: level read-outs by the
// camera's posture, clock texts, where the picture is painted, where a click
// lands in the camera's coordinates and which mask covers the window. No
// item is touched here, so each rule can be checked as a table.

var U = Kv.Utilities
var V = Kv.VideoImageInfo

// Why the window is masked; several reasons may hold at once.
var MaskCamera = 1      // playback, processing, another movie recording
var MaskPreference = 2  // the preferences window is open
var MaskStreaming = 4   // the camera streams to the network
var MaskMenu = 8        // the live-view menu
var MaskSearch = 16     // the camera-search window is open

// The bulb clock stops counting here: no exposure of the camera runs longer.
var bulbLimitSeconds = 1800

// Camera statuses by what the window does about them.
var StatusBusy = "busy"
var StatusRecording = "recording"
var StatusStreaming = "streaming"
var StatusOther = "other"

function statusKind(status) {
    if ([U.CamStatus_MovRec_Others, U.CamStatus_Playing, U.CamStatus_Processing].indexOf(status) >= 0)
        return StatusBusy
    if ([U.CamStatus_MovRec_4k, U.CamStatus_RemoteRec, U.CamStatus_MovRemoteRec,
         U.CamStatus_RemoteRecRawHDMI].indexOf(status) >= 0)
        return StatusRecording
    if (isStreamingStatus(status))
        return StatusStreaming
    return StatusOther
}

function isStreamingStatus(status) {
    return status === U.CamStatus_IP_LiveStreaming || status === U.CamStatus_LiveStreamingRemoteRec
}

// Live view is turned on without the follow-up reads while the camera
// streams elsewhere or sleeps in its power-saving display mode.
function isNoCommandCase(status, powerModeDisplayed) {
    return isStreamingStatus(status) || !powerModeDisplayed
}

// ---- rotation and level ----

function autoAngle(posture) {
    switch (posture) {
    case U.LvInfoPosture_90: return 90
    case U.LvInfoPosture_180: return 180
    case U.LvInfoPosture_270: return -90
    default: return 0
    }
}

function outputAngle(automatic, autoAngleValue, manualAngle) {
    return automatic ? autoAngleValue : manualAngle
}

// A quarter turn either way puts the picture on its side.
function isSideways(angle) {
    return Math.abs(angle) % 180 === 90
}

// The camera sends tenths of a degree, turned the other way round than the
// gauge draws, and measured against the camera's own posture.
function levelRoll(roll, posture) {
    var r = -roll
    switch (posture) {
    case U.LvInfoPosture_90: return Math.trunc((r + 900) / 10)
    case U.LvInfoPosture_180: return Math.trunc((r < 0 ? r + 1800 : r - 1800) / 10)
    case U.LvInfoPosture_270: return Math.trunc((r - 900) / 10)
    default: return Math.trunc(r / 10)
    }
}

// The gauge shows at most 10 degrees of pitch either way.
function levelPitch(pitch) {
    if (pitch > 100)
        return 10
    if (pitch < -100)
        return -10
    return Math.trunc(pitch / 10)
}

// ---- clocks ----

function twoDigits(n) {
    return n < 10 ? "0" + n : String(n)
}

// 0s, 59s, 1m05s, 1h00m07s: leading zero units are left out, a unit after a
// larger one always has two digits.
function movieTimeText(seconds) {
    var total = Math.max(0, Math.floor(seconds))
    var h = Math.floor(total / 3600)
    var m = Math.floor((total % 3600) / 60)
    var s = total % 60
    if (h > 0)
        return h + "h" + twoDigits(m) + "m" + twoDigits(s) + "s"
    if (m > 0)
        return m + "m" + twoDigits(s) + "s"
    return s + "s"
}

function bulbText(startSeconds, nowSeconds) {
    var elapsed = Math.max(0, Math.floor(nowSeconds - startSeconds))
    return elapsed > bulbLimitSeconds ? "" : String(elapsed)
}

// ---- geometry ----

// The part of the output the picture is painted in: the content rectangle
// cut to the paint-offset fractions. An empty content rectangle counts as
// one pixel so that nothing divides by zero.
function paintedSize(contentWidth, contentHeight, fractionWidth, fractionHeight) {
    if (!(contentWidth > 0) || !(contentHeight > 0))
        return { width: 1, height: 1 }
    return { width: contentWidth * fractionWidth, height: contentHeight * fractionHeight }
}

// One pixel larger on every side than the selected camera's tile, so the
// border does not cover the picture's edge.
function selectionBorder(paintedWidth, paintedHeight, contentX, contentY, fx, fy, fw, fh) {
    return {
        x: paintedWidth * fx + contentX - 1,
        y: paintedHeight * fy + contentY - 1,
        width: fw * paintedWidth + 2,
        height: fh * paintedHeight + 2
    }
}

function selectionBorderVisible(isMultiMode, controlPanelShown, liveViewCameras) {
    return isMultiMode && controlPanelShown && liveViewCameras > 1
}

// A point of the painted picture in thousandths of the picture, as the
// camera takes it. The far edge itself is still the last step, not 1000:
// a click on the edge pixel must reach the camera.
function thousandths(position, size) {
    if (!(size > 0))
        return 0
    return Math.max(0, Math.min(999, Math.floor(position * 1000 / size)))
}

// A point of the painted picture in pixels of the canvas the cameras are
// drawn into.
function canvasPixel(position, paintedSize, sourceSize) {
    if (!(paintedSize > 0))
        return -1
    return Math.floor(position * sourceSize / paintedSize)
}

// A click on a tile switches to that camera; a click between tiles (no
// camera) or on the camera already selected changes nothing.
function pickChangesCamera(hitIndex, currentIndex) {
    return hitIndex >= 0 && hitIndex !== currentIndex
}

// ---- showing, hiding, masks ----

// In multi view the window itself starts and stops live view of every
// camera: hiding a paused view stops nothing, showing a running one starts
// nothing. Answers "start", "stop" or "".
function multiViewCommand(visible, status) {
    if (visible)
        return status === V.VIS_Start ? "" : "start"
    return status === V.VIS_Pause ? "" : "stop"
}

function withMaskBit(mode, bit, on) {
    return on ? (mode | bit) : (mode & ~bit)
}

// What covers the window for a mask mode: { shown, whole (the whole window,
// else the control area only), text ("streaming", "camera" or "") }.
function maskDecision(mode, multiView) {
    if (mode === 0)
        return { shown: false, whole: true, text: "" }
    if ((mode & MaskStreaming) && !multiView)
        return { shown: true, whole: true, text: "streaming" }
    if (mode & MaskCamera) {
        if (multiView)
            return { shown: true, whole: false, text: "" }
        return { shown: true, whole: true, text: "camera" }
    }
    return { shown: true, whole: true, text: "" }
}
