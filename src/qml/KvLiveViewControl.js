.pragma library
.import Kv 1.0 as Kv

// The live-view control panel's decisions, kept apart from its items so that
// each rule can be walked through a table: which magnifier a step changes,
// when MF adjustment and the magnifier may be used, how the rotation turns,
// how the panel is laid out and which state it takes for the camera's status.

// The AF frame's display modes the panel tells apart (KvAFFrame.mode).
var afmode = Object.freeze({
    pinpoint: 19, pinpointf: 20, pinpointz: 21, pinpointp: 22,
    mf: 31, mff: 32, mfz: 33, mfp: 34,
    pscope: 35, pscope_z: 36, pscope_p: 37,
    lvmag_z: 48, lvmag_p: 49
})

// Modes of controlItemSetting: every one but Enable disables the panel.
var Panel = Object.freeze({ Enable: 0, Menu: 1, Streaming: 2, Multi: 3 })

// The step buttons of the magnifier, in screen order, and the repeat period
// of every held button.
var mfZoomSteps = [-50, -10, -1, 1, 10, 50]
var repeatInterval = 300

function isPinpointMode(m) {
    return m >= afmode.pinpoint && m <= afmode.pinpointp
}
function isPinpointZoomMode(m) {
    return m === afmode.pinpointz || m === afmode.pinpointp
}
function isPlainMfMode(m) {
    return m === afmode.mf || m === afmode.mff
}
function isMfAssistMode(m) {
    return m === afmode.mfz || m === afmode.mfp
}
function isPointScopeMode(m) {
    return m >= afmode.pscope && m <= afmode.pscope_p
}
function isPointScopeZoomMode(m) {
    return m === afmode.pscope_z || m === afmode.pscope_p
}
function isLvMagMode(m) {
    return m === afmode.lvmag_z || m === afmode.lvmag_p
}

// The back-end property a magnifier step changes in this AF-frame mode.
function magnifyProperty(mode) {
    if (isPinpointMode(mode))
        return "af_magnify"
    if (isLvMagMode(mode))
        return "lvMag_magnify"
    return "mf_magnify"
}

// The magnification in tenths as the panel writes it: 25 -> "x2.5".
function scaleText(v) {
    var n = Math.trunc(v)
    return "x" + Math.trunc(n / 10) + "." + Math.abs(n % 10)
}

// Live-view rotation in quarter turns; both buttons leave the automatic mode.
function rotateRight(angle) {
    return (angle + 90) % 360
}
function rotateLeft(angle) {
    return (angle + 270) % 360
}
// The overlay photo turns with the picture, counted the short way round.
function overlayRotationFor(angle) {
    return angle >= 180 ? angle - 360 : angle
}

// AF modes in which MF adjustment works while AF/AE runs.
function mfAdjustAfModes() {
    var U = Kv.Utilities
    return [U.AFM_1Point, U.AFM_Face, U.AFM_Tracking, U.AFM_225Point, U.AFM_CustomVertical, U.AFM_CustomHorizon,
            U.AFM_CustomCenter, U.AFM_CustomC1, U.AFM_CustomC2, U.AFM_CustomC3, U.AFM_Pinpoint, U.AFM_1PointAux,
            U.AFM_VertHori, U.AFM_Square, U.AFM_Ellipse, U.AFM_Custom1, U.AFM_Custom2, U.AFM_Custom3,
            U.AFM_FullArea]
}

// MF adjustment: always in manual focus, in the AF focus modes only while
// AF/AE holds focus in a mode that has a frame; never in the macro modes.
function mfAdjustEnabled(focusMode, autoFocusMode, afaeRunning) {
    var U = Kv.Utilities
    if (focusMode === U.FM_MF)
        return true
    var afFocus = [U.FM_AF, U.FM_AF_S, U.FM_AF_F, U.FM_AF_C].indexOf(focusMode) >= 0
    return afFocus && afaeRunning && mfAdjustAfModes().indexOf(autoFocusMode) >= 0
}

// What a click on the magnifier asks of the AF frame: the name of the
// KvAFFrame function, or "" for nothing. checked is the state after the click.
function mfZoomAction(mode, checked, afaeRunning) {
    if (isPlainMfMode(mode))
        return checked ? "mfStart" : ""
    if (isMfAssistMode(mode))
        return checked ? "" : "mfEnd"
    if (isLvMagMode(mode))
        return checked ? "" : "lvMagEnd"
    if (isPinpointMode(mode)) {
        if (isPinpointZoomMode(mode))
            return checked ? "" : "pinpointAfEnd"
        return checked ? "pinpointAfStart" : ""
    }
    if (isPointScopeMode(mode)) {
        if (isPointScopeZoomMode(mode))
            return checked ? "" : "pScopeEnd"
        return checked ? "pScopeStart" : ""
    }
    if (afaeRunning)
        return checked ? "afmfStart" : "afmfEnd"
    return ""
}

// setMFZoom: s = { blocked (menu, streaming or multi view), wanted, mode,
// afaeRunning, lvMagMovie (live-view magnify in the exposure-movie mode) }.
// Returns { remember } while blocked, else the magnifier's { enabled, checked }.
function mfZoomState(s) {
    if (s.blocked)
        return { remember: true, enabled: false, checked: s.wanted }
    var usable = s.lvMagMovie || (isPinpointMode(s.mode) && !s.afaeRunning) || isMfAssistMode(s.mode)
            || isLvMagMode(s.mode) || s.afaeRunning || isPointScopeMode(s.mode)
    if (usable)
        return { remember: false, enabled: true, checked: !!s.wanted }
    if (isPlainMfMode(s.mode))
        return { remember: false, enabled: true, checked: false }
    return { remember: false, enabled: false, checked: false }
}

// updateBtnEnable: s = { menuShown, streaming, multi, allCamerasChecked }.
function panelState(s) {
    if (s.menuShown && !s.multi)
        return { mode: Panel.Menu, menuChecked: true, menuEnabled: true, menuMask: false, closePopups: true,
                 closeQuality: false }
    if (s.streaming)
        return { mode: Panel.Streaming, menuChecked: false, menuEnabled: false, menuMask: true,
                 closePopups: true, closeQuality: false }
    if (s.multi)
        return { mode: Panel.Multi, menuChecked: false, menuEnabled: false, menuMask: true, closePopups: true,
                 closeQuality: true }
    return { mode: Panel.Enable, menuChecked: false, menuEnabled: !s.allCamerasChecked, menuMask: false,
             closePopups: false, closeQuality: false }
}

// The button states are taken once, as the panel goes from usable to
// disabled: taking them again while disabled would keep the disabled looks.
function saveBefore(currentMode, nextMode) {
    return currentMode === Panel.Enable && nextMode !== Panel.Enable
}

// The rotation a restored panel takes: the automatic mode starts from 0, a
// manual angle of a full turn is 0, the overlay turns the short way round.
function restoredRotation(saved) {
    var angle = saved.rotationMode ? 0 : saved.rotation % 360
    var overlay = saved.overlayRotation > 180 ? saved.overlayRotation - 360 : saved.overlayRotation
    return { mode: !!saved.rotationMode, angle: angle, overlayRotation: overlay }
}

// The overlay comes back only when the magnifier stays off: the two share
// the picture.
function restoredOverlay(saved, magnifierOn) {
    return !!saved.overlayChecked && !magnifierOn
}

// columnsSetting: the first button group grows a row for the MENU and the
// AF-area buttons when they are shown; the histogram gets the rest of the
// height, keeps its aspect and never gets wider than the panel.
// p = { rows, buttonHeight, menuShown, afAreaShown, freeHeight, width, aspect }
function columnsLayout(p) {
    var extra = (p.menuShown ? 1 : 0) + (p.afAreaShown ? 1 : 0)
    var rowHeight = p.buttonHeight + 1
    var groupHeight = (p.rows + extra) * rowHeight
    var histogramRoom = Math.max(0, p.freeHeight - extra * rowHeight)
    var w = Math.min(p.width, histogramRoom * p.aspect)
    return { groupHeight: groupHeight, histogramWidth: w, histogramHeight: p.aspect > 0 ? w / p.aspect : 0 }
}

// The aspect ratios the panel's button follows; others leave it as it is.
function followsAspect(v) {
    var A = Kv.DeviceAdapter
    return [A.AR_Nomal_4_3, A.AR_Film_3_2, A.AR_Hdtv_16_9, A.AR_Blog_1_1, A.AR_Multi_MULTI, A.AR_65_24,
            A.AR_2_1].indexOf(v) >= 0
}
