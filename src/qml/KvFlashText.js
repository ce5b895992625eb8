.pragma library

// The flash window's value texts and the stepped slider's tick arithmetic,
// kept apart from the items so that they can be tested as tables.

// Slider kinds and their fixed tick counts (the camera's code lists).
var TypeAdjust = 0
var TypeManual = 1
var TypeExposure = 2
var TypeFree = 3

var TextFraction = 0
var TextDecimals = 1
var TextPositive = 2

// Adjustment and exposure codes are signed thirds: bit 15 is the sign, the
// other bits the magnitude.
function thirds(code) {
    var magnitude = code & 0x7FFF
    return { negative: (code & 0x8000) !== 0, whole: Math.floor(magnitude / 3), rest: magnitude % 3 }
}

// "-1 2/3 EV", "1/3 EV", "0 EV": the window's buttons carry no plus sign.
function adjustButtonText(code) {
    var t = thirds(code)
    if (t.whole === 0 && t.rest === 0)
        return "0 EV"
    return (t.negative ? "-" : "") + (t.whole !== 0 ? t.whole + " " : "") + (t.rest !== 0 ? t.rest + "/3 " : "") + "EV"
}

// The slider shows the sign and a set fraction.
function adjustSliderText(code) {
    var t = thirds(code)
    if (t.whole === 0 && t.rest === 0)
        return "0 EV"
    return (t.negative ? "-" : "+") + (t.whole !== 0 ? t.whole + " " : "")
            + (t.rest !== 0 ? "<sup>" + t.rest + "</sup>&frasl;<sub>3</sub> " : "") + "EV"
}

// Manual ratio codes are ten times the denominator; 0 is full power.
function manualDenominator(code) {
    return code === 0 ? 1 : code / 10
}

function manualButtonText(code) {
    return "1/" + manualDenominator(code)
}

function manualSliderText(code) {
    return "<sup>1</sup>&frasl;<sub>" + manualDenominator(code) + "</sub>"
}

// Free sliders: the real value is the tick index plus the minimum; one tick
// per unit, grouped by the step.
function freeText(index, minVal, stepVal, textType) {
    var r = index + minVal
    if (r === 0)
        return "0"
    var sign = r < 0 ? "-" : "+"
    var a = Math.abs(r)
    var step = stepVal > 0 ? stepVal : 1
    if (textType === TextPositive)
        return (r * 10) + "%"
    if (textType === TextDecimals)
        return (r < 0 ? "-" : "") + Math.floor(a / step * 10) / 10
    var whole = Math.floor(a / step)
    var rest = a % step
    return sign + (whole !== 0 ? "" + whole : "") + (whole !== 0 && rest !== 0 ? " " : "")
            + (rest !== 0 ? "<sup>" + rest + "</sup>&frasl;<sub>" + step + "</sub>" : "")
}

// Every unit between the ends is a tick, so both ends are reachable whatever
// the step.
function tickCount(type, minVal, maxVal, counts) {
    if (type === TypeManual)
        return counts.manual
    if (type === TypeExposure)
        return counts.exposure
    if (type === TypeAdjust)
        return counts.adjust
    return maxVal >= minVal ? maxVal - minVal + 1 : 1
}

// The tick the coloured bar starts from.
function rootIndex(type, minVal, maxVal, stepVal, modelNum) {
    if (type === TypeManual)
        return modelNum - 1
    if (minVal > 0)
        return 0
    if (minVal !== maxVal && stepVal > 0) {
        for (var i = 0; i < modelNum; ++i) {
            if (minVal + i === 0)
                return i
        }
    }
    if (minVal === 0 && maxVal > 0)
        return 0
    return Math.floor((modelNum - 1) / 2)
}

// Long ticks mark every step; a free slider with step 1 marks only its
// ends and its zero.
function isLongTick(type, index, tmStep, modelNum, root) {
    if (type === TypeFree && tmStep === 1)
        return index === 0 || index === modelNum - 1 || index === root
    var step = tmStep > 0 ? tmStep : 1
    return (index - root) % step === 0
}

function tickColor(index, current, root, enabled) {
    if (!enabled)
        return "#808080"
    var lo = Math.min(current, root)
    var hi = Math.max(current, root)
    return index >= lo && index <= hi ? "#FFD600" : "#525356"
}

// The tick nearest to a position along the tick row, kept in the choosable
// range.
function indexAt(pos, rowWidth, modelNum, minRange, maxRange) {
    if (modelNum <= 1 || rowWidth <= 0)
        return Math.max(0, minRange)
    var i = Math.round(pos / rowWidth * (modelNum - 1))
    return Math.max(minRange, Math.min(maxRange, i))
}
