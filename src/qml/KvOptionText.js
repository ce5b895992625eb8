.pragma library

// The texts and the small decisions of the setting buttons and their popups,
// kept apart from the items so that they can be tested as tables.

// ISO: -1 auto, -2 intelligent ISO; otherwise the top four bits choose the
// extended-range prefix and the low 28 bits carry the number.
function makeIsoText(v) {
    if (v === -1)
        return qsTr("ISO_Auto")
    if (v === -2)
        return qsTr("ISO_I_Iso")
    return makeIsoAutoText(v)
}

function makeIsoAutoText(v) {
    var prefix = ["", "L.", "H."][(v >>> 28) & 0xF] || ""
    return prefix + (v & 0x0FFFFFFF)
}

// Gain in dB: bit 15 is the sign, bits 12-13 the prefix, the low 12 bits
// the number; the sign follows the prefix (L.-6dB).
function makeIsoGainText(v) {
    if (v === 0xFFFE)
        return qsTr("IsoGain-Off")
    if (v === 0xFFFF)
        return qsTr("IsoGain-Auto")
    var range = (v >> 12) & 0x3
    var prefix = range === 1 ? "L." : (range >= 2 ? "H." : "")
    var sign = (v & 0x8000) ? "-" : ""
    return prefix + sign + (v & 0x0FFF) + qsTr("Iso-dB")
}

function makeSSAngleText(v) {
    return (v / 100) + qsTr("ShutterSpeed-Angle")
}

function makePictureSizeText(v) {
    return ["L", "M", "S", "6K", "4K", "XL", "LL", "XS"][(v >> 8) & 0xF] || "-"
}

function makeApertureText(v) {
    return '<font size="2">F</font>' + (v / 10).toFixed(1)
}

// The text of a number-list value, by the button's target.
function numberText(target, v) {
    switch (target) {
    case "iso":
    case "pscISO":
        return makeIsoText(v)
    case "isoAuto":
        return makeIsoAutoText(v)
    case "isoGain":
    case "pscGain":
        return makeIsoGainText(v)
    case "shutterSpeedAngle":
        return makeSSAngleText(v)
    case "pictureSize":
        return makePictureSizeText(v)
    case "aperture":
        return makeApertureText(v)
    }
    return "" + v
}

// Whether a number-list value counts as offered: listed before the first 0
// (valueAt(i) gives the camera's i-th value), or accepted by its target's
// own rule.
function numberValueFound(target, value, valueAt) {
    for (var i = 0; i < 512; ++i) {
        var v = valueAt(i)
        if (v === value)
            return true
        if (v === 0)
            break
    }
    switch (target) {
    case "iso":
    case "pscISO":
        return value !== -3 && value !== 0xFFFFFFFD
    case "isoGain":
    case "pscGain":
        // the 16-bit unknown code
        return value !== 0xFFFD && value !== -3
    case "shutterSpeedAngle":
        return value > 0
    case "pictureSize":
        return true
    case "aperture":
        return value !== 0xFFFF && value !== 0xFFFE
    }
    return false
}

// The values a number popup lists (count from <target>CapabilityNum,
// valueAt from <target>CapabilityValue).
function offeredNumbers(target, count, valueAt) {
    var values = []
    var previous = -1
    var i, v
    if (target === "isoGain" || target === "pscGain") {
        for (i = 0; i < count; ++i) {
            v = valueAt(i)
            if (v === previous)
                break
            values.push(v)
            previous = v
        }
    } else if (target === "aperture") {
        for (i = 0; i < count; ++i) {
            v = valueAt(i)
            if (v === 0)
                continue
            if (v === -1 || v === previous)
                break
            values.push(v)
            previous = v
        }
    } else {
        previous = undefined
        for (i = 0; i < 512; ++i) {
            v = valueAt(i)
            if (v === 0 || v === previous)
                break
            values.push(v)
            previous = v
        }
    }
    return values
}

// The button's kind from the offered count n and whether the value is
// offered: { shown, enabled }; a button not shown reads "-".
function buttonKind(n, offered, isDetail, target) {
    if (n >= 2)
        return offered ? { shown: true, enabled: true } : { shown: false, enabled: false }
    if (offered)
        return { shown: true, enabled: !!isDetail }
    if (target === "pscBasePhotoStyle2" && n === 0)
        return { shown: true, enabled: false }
    return { shown: false, enabled: false }
}

// White-balance adjustment: the pointer (14 x 14) over the colour field, the
// value a click in the field gives, and the A-B / G-M text.
var wbScaleMax = 20
var wbZero = 10

function wbPointerX(valAB, fieldWidth) {
    if (valAB < 0 || valAB > wbScaleMax)
        return undefined
    return valAB / wbScaleMax * fieldWidth - 7
}

function wbPointerY(valGM, fieldHeight) {
    if (valGM < 0 || valGM > wbScaleMax)
        return undefined
    return fieldHeight - valGM / wbScaleMax * fieldHeight - 7
}

function limit(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v))
}

function wbClickAB(x, fieldWidth) {
    return limit(Math.round(x / fieldWidth * wbScaleMax), 1, wbScaleMax - 1)
}

function wbClickGM(y, fieldHeight) {
    return wbScaleMax - limit(Math.round(y / fieldHeight * wbScaleMax), 1, wbScaleMax - 1)
}

function wbAdjustText(valAB, valGM, iaPlus) {
    var ab = valAB === wbZero ? "" : (valAB < wbZero ? "A" : "B") + Math.abs(valAB - wbZero)
    if (iaPlus)
        return ab
    var gm = valGM === wbZero ? "" : (valGM < wbZero ? "M" : "G") + Math.abs(valGM - wbZero)
    return ab !== "" && gm !== "" ? ab + "," + gm : ab + gm
}

// Rows of the creative-control grid (five columns).
function ccRows(count) {
    return Math.ceil(count / 5)
}

// Where a list popup's frame goes: x and y of the frame, and how far the
// list would have stuck out above the window.
function popupPlacement(x, y, windowWidth, windowHeight, frameWidth, visibleHeight, titleHeight, scrolls, scrollAllowance) {
    var px = x - 2 - (scrolls ? 15 : 0)
    var right = windowWidth - frameWidth - (scrolls && scrollAllowance ? 15 : 0)
    px = Math.max(0, Math.min(px, right))
    var py = y - 2
    py = Math.min(py, windowHeight - (visibleHeight + 4 + titleHeight))
    var over = 0
    if (py < 0) {
        over = -py
        py = 0
    }
    return { x: px, y: py, overHeight: over }
}
