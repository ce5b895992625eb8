.pragma library
.import Kv 1.0 as Kv

// The photo-style popup's decisions as plain data and functions: which
// adjustment rows a style shows and how each is drawn, how many blank rows
// fill the view, the slider limits, the camera calls around the backup, and
// where the rows scroll after a rebuild. The popup and its catalogue call
// these; tests walk them without a camera.

var rowWidth = 400
var rowHeight = 77
var rowSpacing = 1
var rowsInView = 6
var viewHeight = rowsInView * rowHeight + (rowsInView - 1) * rowSpacing

var Slider = "sliderComponent"
var SliderPositive = "sliderComponentPositive"
var Choice = "popupBtnComponent"
var Blank = "blankComponent"

// Each adjustment target is the adapter property it drives; its component
// key is what the camera's capability list is asked with.
var componentKeys = Object.freeze({
    pscBasePhotoStyle: "PSC_BasePhotoStyle", pscBasePhotoStyle2: "PSC_BasePhotoStyle2",
    pscContrast: "PSC_Contrast", pscSharpness: "PSC_Sharpness", pscNoiseReduction: "PSC_NR",
    pscSaturation: "PSC_Saturation", pscChromaPhase: "PSC_ChromaPhase", pscFilter: "PSC_Filter",
    pscGrain: "PSC_Grain", pscKneeMode: "PSC_KneeMode", pscColorTone: "PSC_ColorTone",
    pscHighLight: "PSC_HighLight", pscShadow: "PSC_Shadow", pscISO: "PSC_ISO", pscWB: "PSC_WB",
    pscGain: "PSC_Gain", pscDensity: "PSC_Density", pscDensity2: "PSC_Density2", pscDualISO: "PSC_DualISO",
    pscColorNoise: "PSC_ColorNoise", pscLUT: "PSC_LUT", pscLUT2: "PSC_LUT2"
})

// Title id and icon of each row, the same in every style.
var rowLooks = Object.freeze({
    pscContrast: ["PSC_Contrast", "ps_contrast.svg"],
    pscHighLight: ["PSC_HighLight", "highlight.svg"],
    pscShadow: ["PSC_Shadow", "shadow.svg"],
    pscSaturation: ["PSC_Saturation", "ps_color2.svg"],
    pscColorTone: ["PSC_ColorTone", "ps_color2.svg"],
    pscChromaPhase: ["PSC_ChromaPhase", "ps_saturation2.svg"],
    pscFilter: ["PSC_Filter", "ps_filter.svg"],
    pscGrain: ["PSC_Grain", "ps_granular.svg"],
    pscColorNoise: ["PSC_Grain_Color", "ps_granular_color.svg"],
    pscSharpness: ["PSC_Sharpness", "ps_sharpness.svg"],
    pscNoiseReduction: ["PSC_NoiseReduct", "ps_noisereduction.svg"],
    pscKneeMode: ["PSC_KneeMode", "ps_knee.svg"],
    pscDualISO: ["PSC_DualISO", "ps_dual.svg"],
    pscISO: ["PSC_ISO", "iso.svg"],
    pscWB: ["PSC_WB", "wb.svg"],
    pscGain: ["PSC_GainSetting", "gain.svg"],
    pscLUT: ["PSC_LUT", "ps_lut.svg"],
    pscDensity: ["PSC_Density", "ps_lut_concentration.svg"],
    pscLUT2: ["PSC_LUT2", "ps_lut2.svg"],
    pscDensity2: ["PSC_Density2", "ps_lut2_concentration.svg"],
    pscBasePhotoStyle: ["PSC_BasePhotoStyle", "button_placeholder.svg"],
    pscBasePhotoStyle2: ["PSC_LUTBasePhotoStyle", "button_placeholder.svg"]
})

function row(kind, target) {
    return Object.freeze({ kind: kind, target: target })
}

var standardRows = Object.freeze([
    row(Slider, "pscContrast"), row(Slider, "pscHighLight"), row(Slider, "pscShadow"), row(Slider, "pscSaturation"),
    row(Slider, "pscColorTone"), row(Slider, "pscChromaPhase"), row(Choice, "pscFilter"), row(Choice, "pscGrain"),
    row(Choice, "pscColorNoise"), row(Slider, "pscSharpness"), row(Slider, "pscNoiseReduction"),
    row(Choice, "pscKneeMode"), row(Choice, "pscISO"), row(Choice, "pscWB"), row(Choice, "pscGain")
])

function userStyleRows() {
    var out = [row(Choice, "pscBasePhotoStyle")]
    for (var i = 0; i < standardRows.length; ++i) {
        out.push(standardRows[i])
        if (standardRows[i].target === "pscKneeMode")
            out.push(row(Choice, "pscDualISO"))
    }
    return Object.freeze(out.concat([row(Choice, "pscLUT"), row(SliderPositive, "pscDensity"), row(Choice, "pscLUT2"),
                                     row(SliderPositive, "pscDensity2")]))
}

var rowLists = Object.freeze({
    standard: standardRows,
    user: userStyleRows(),
    realTimeLut: Object.freeze([row(Choice, "pscBasePhotoStyle2"), row(Choice, "pscLUT"),
                                row(SliderPositive, "pscDensity")].concat(standardRows)),
    remote: Object.freeze([row(Slider, "pscContrast"), row(Slider, "pscHighLight"), row(Slider, "pscShadow"),
                           row(Slider, "pscSaturation"), row(Slider, "pscColorTone"), row(Slider, "pscChromaPhase"),
                           row(Slider, "pscSharpness"), row(Slider, "pscNoiseReduction"), row(Choice, "pscKneeMode")])
})

// Style key -> the catalogue's array name.
var styleArrays = Object.freeze({
    PS_Standard: "psStandard", PS_Vivid: "psVivid", PS_Natural: "psNatural", PS_Monochrome: "psMonoChrome",
    PS_KMonochrome: "psKMonoChrome", PS_LandScape: "psLandScape", PS_Portrait: "psPortrait", PS_Custom: "psCustom",
    PS_Custom2: "psCustom2", PS_Custom3: "psCustom3", PS_Custom4: "psCustom4", PS_FilmtoneD: "psFilmtoneD",
    PS_FilmtoneV: "psFilmtoneV", PS_Near_709: "psNear709", PS_Linear_Gamma: "psLinearGamma", PS_Q_Log_L: "psQLogL",
    PS_Q_Log: "psQLog", PS_Film_Log3: "psFilmLog3", PS_Remote_Camera_RZ300: "psRemoteCamera",
    PS_FilmTone_D2: "psFilmtoneD2", PS_FilmTone_V2: "psFilmtoneV2", PS_FilmTone_A2: "psFilmtoneA2",
    PS_KMonochromeD: "psKMonoChromeD", PS_Hybrid_Grama: "psHybridLogGamma", PS_Flat: "psFlat",
    PS_PhotoStyle1: "psPhotoStyle1", PS_PhotoStyle2: "psPhotoStyle2", PS_PhotoStyle3: "psPhotoStyle3",
    PS_PhotoStyle4: "psPhotoStyle4", PS_PhotoStyle5: "psPhotoStyle5", PS_PhotoStyle6: "psPhotoStyle6",
    PS_PhotoStyle7: "psPhotoStyle7", PS_PhotoStyle8: "psPhotoStyle8", PS_PhotoStyle9: "psPhotoStyle9",
    PS_PhotoStyle10: "psPhotoStyle10", PS_HLG_Standard: "psHLGStandard", PS_HLG_Monochrome: "psHLGMonochrome",
    PS_HLG_For_Q_Series: "psHLGForQSeries", PS_KMonochromeS: "psKMonoChromeS", PS_KClassicNeo: "psKClassicNeo",
    PS_HLG_FullRange: "psHLGFullRange", PS_RealTime_LUT: "psRealTimeLUT",
    PS_Classic_Monochrome: "psClassicMonochrome"
})

function arrayNames() {
    var out = []
    for (var key in styleArrays)
        out.push(styleArrays[key])
    return out
}

// Which row list an array holds.
function rowListOf(arrayName) {
    if (/^psPhotoStyle[0-9]+$/.test(arrayName))
        return rowLists.user
    if (arrayName === "psRealTimeLUT")
        return rowLists.realTimeLut
    if (arrayName === "psRemoteCamera")
        return rowLists.remote
    for (var key in styleArrays) {
        if (styleArrays[key] === arrayName)
            return rowLists.standard
    }
    return []
}

// The array of a style value; "" for a value no style has.
function targetForValue(value) {
    for (var key in styleArrays) {
        if (Kv.Utilities[key] === value)
            return styleArrays[key]
    }
    return ""
}

function targetOf(row) {
    return row.properties ? row.properties.target : row.target
}

// The rows (of rowListOf or of the catalogue's arrays) the camera lists;
// capable(componentValue) answers with a Ternary.
function shownRows(rows, capable) {
    var out = []
    for (var i = 0; rows && i < rows.length; ++i) {
        var key = componentKeys[targetOf(rows[i])]
        if (key !== undefined && capable(Kv.Utilities[key]) === Kv.Utilities.Ternary_True)
            out.push(rows[i])
    }
    return out
}

// Blank rows after n built ones, so that the view is never partly empty.
function blankCount(n) {
    return Math.max(0, rowsInView - n)
}

function contentHeight(rows) {
    return rows * (rowHeight + rowSpacing)
}

// Title id and icon of a row. A camera with a second LUT names the first one
// "1", except in the real-time LUT style, which has only one.
function rowLook(target, styleArray, lut2Available, density2Available) {
    var look = rowLooks[target]
    if (!look)
        return { text: "", source: "" }
    var realTime = styleArray === "psRealTimeLUT"
    if (target === "pscDensity" && density2Available && !realTime)
        return { text: "PSC_Density1", source: "qrc:/images/ps_lut1_concentration.svg" }
    if (target === "pscLUT" && lut2Available && !realTime)
        return { text: "PSC_LUT1", source: "qrc:/images/ps_lut1.svg" }
    return { text: look[0], source: "qrc:/images/" + look[1] }
}

// The slider of a row: one tick per value from the camera's minimum to its
// maximum; a range turned round by the camera collapses to one tick.
function sliderLimits(minVal, maxVal, stepVal) {
    var lo = Number(minVal), hi = Number(maxVal)
    if (!isFinite(lo) || !isFinite(hi) || hi < lo)
        hi = lo = isFinite(lo) ? lo : 0
    var step = Number(stepVal)
    return { minVal: lo, maxVal: hi, stepVal: isFinite(step) && step > 0 ? step : 1, modelNum: hi - lo + 1 }
}

function optionButtonType(target) {
    if (target === "pscBasePhotoStyle" || target === "pscBasePhotoStyle2")
        return "optionWithImageAndText"
    if (target === "pscISO" || target === "pscGain")
        return "optionWithStyledTextRealPs"
    return "optionWithStyledTextPs"
}

// The camera calls around the popup, in order. The restore and the delete
// are queued behind the writes the popup made, so Cancel returns the camera
// to the backup even while some of those writes have not reached it yet.
var calls = Object.freeze({
    open: ["adp_KVR_func_api_Rec_Ctrl_Backup_PhotoStyle_Req"],
    ok: ["adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req"],
    cancel: ["adp_KVR_func_api_Rec_Ctrl_Restore_PhotoStyle_Req", "adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req"],
    forceClose: ["adp_KVR_func_api_Rec_Ctrl_Del_Backup_Req"]
})

function runCalls(adapter, step) {
    var names = calls[step] || []
    for (var i = 0; i < names.length; ++i)
        adapter[names[i]]()
}

// Where the rows scroll after a rebuild. state: { shownStyle, savedY };
// the same style keeps its place (less what the content lost), another
// style starts at the top.
function scrollAfterRebuild(state, style, oldHeight, newHeight) {
    var saved = state.savedY
    if (newHeight < oldHeight)
        saved = Math.max(0, saved - (oldHeight - newHeight))
    if (style !== state.shownStyle)
        return { contentY: 0, savedY: 0, shownStyle: style }
    var maxY = Math.max(0, newHeight - viewHeight)
    return { contentY: Math.min(saved, maxY), savedY: saved, shownStyle: style }
}

// Style keys of the option lists, in popup order.
var styleKeys = Object.freeze(["PS_Remote_Camera_RZ300", "PS_Standard", "PS_Vivid", "PS_Natural", "PS_KClassicNeo",
    "PS_Flat", "PS_LandScape", "PS_Portrait", "PS_Monochrome", "PS_KMonochrome", "PS_KMonochromeD",
    "PS_KMonochromeS", "PS_Classic_Monochrome", "PS_Custom", "PS_Custom2", "PS_Custom3", "PS_Custom4",
    "PS_FilmtoneD", "PS_FilmtoneV", "PS_FilmTone_A2", "PS_FilmTone_D2", "PS_FilmTone_V2", "PS_Near_709",
    "PS_Linear_Gamma", "PS_Q_Log_L", "PS_Q_Log", "PS_Film_Log3", "PS_RealTime_LUT", "PS_HLG_For_Q_Series",
    "PS_Hybrid_Grama", "PS_HLG_FullRange", "PS_PhotoStyle1", "PS_PhotoStyle2", "PS_PhotoStyle3", "PS_PhotoStyle4",
    "PS_PhotoStyle5", "PS_PhotoStyle6", "PS_PhotoStyle7", "PS_PhotoStyle8", "PS_PhotoStyle9", "PS_PhotoStyle10",
    "PS_HLG_Standard", "PS_HLG_Monochrome"])

// A base style is any style but a user style; the second base list has the
// third log style last.
function baseStyleKeys() {
    return styleKeys.filter(function(k) { return !/^PS_PhotoStyle[0-9]+$/.test(k) })
}
function baseStyle2Keys() {
    var keys = baseStyleKeys().filter(function(k) { return k !== "PS_Film_Log3" })
    keys.push("PS_Film_Log3")
    return keys
}

// The icon of a style: the file named like its key.
function styleImage(key) {
    return "qrc:/images/" + key.toLowerCase() + ".svg"
}

var choiceKeys = Object.freeze({
    pscFilter: ["PF_Off", "PF_Yellow", "PF_Orange", "PF_Red", "PF_Green"],
    pscGrain: ["PG_Off", "PG_Low", "PG_Standard", "PG_High"],
    pscKneeMode: ["PKM_Off", "PKM_Auto", "PKM_Manual"],
    pscDualISO: ["PD_Auto", "PD_Low", "PD_High"],
    pscColorNoise: ["PCN_OFF", "PCN_ON"],
    pscLUT: ["PLUT_OFF", "PLUT_ON"],
    pscLUT2: ["PLUT_OFF", "PLUT_ON"]
})

var wbKeys = Object.freeze(["WB_Auto", "WB_Auto_Cool", "WB_Auto_Warm", "WB_Daylight", "WB_Cloud", "WB_Shade",
                            "WB_Tengsten", "WB_Flash", "WB_Keep", "WB_Keep2", "WB_Keep3", "WB_Keep4", "WB_K_Set",
                            "WB_K_Set2", "WB_K_Set3", "WB_K_Set4"])
