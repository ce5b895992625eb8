.import Kv 1.0 as Kv

// The script library most documents import: the debug output switch, the
// batch reads after a camera switch, the movie-quality icon names, the
// tool-tip text, the focus-frame colours, how a setting button follows its
// setting and how a list popup holds the keyboard focus. It reads the
// context objects (deviceAdapter, flashAdapter, applicationSettings,
// utilities) of the document that imports it.

var console_debug = {
    out: function(text) {
        if (applicationSettings.debugEnable)
            console.debug(text)
    }
}

// Every call is made whatever the previous one returned: a failing read is
// reported by the back end itself.
function callAll(object, names, suffix) {
    for (var i = 0; i < names.length; ++i) {
        var name = "adp_KVR_func_api_" + names[i] + suffix
        if (typeof object[name] === "function")
            object[name]()
        else
            console_debug.out("KvSubFunction: no " + name)
    }
}

var capabilityReadsBefore = ["CameraMode_GetCapability", "RecInfo_BurstBracket_GetCapability", "RecInfo_SelfTimer_GetCapability",
                             "IntervalInfo_GetCapability", "RecInfo_4K6K_GetCapability", "SetupCfgInfo_GetCapability",
                             "SetupFilesCfgInfo_GetCapability", "Mov_Config_GetCapability"]
var capabilityReadsMiddle = ["Aperture_GetCapability", "SS_Get_Capability", "WB_GetCapability", "ISO_GetCapability",
                             "ImageInfo_GetCapability", "AF_Config_GetCapability", "RecInfo_Metering_GetCapability",
                             "Exposure_GetCapability", "PhotoStyle_GetCapability", "PhotoStyle2_GetCapability",
                             "RecPreview_Cfg_GetCapability"]
var capabilityReadsAfFrame = ["RecInfo_AF_Frame_GetCapability", "RecInfo_AF_Frame_Get_Small_Frame"]
var capabilityReadsAfter = ["PowerSaving_GetCapability"]

function get_sdk_capability(arg) {
    callAll(deviceAdapter, capabilityReadsBefore, "")
    callAll(deviceAdapter, ["Mov_Filter_GetCapability"], "")
    callAll(deviceAdapter, capabilityReadsMiddle, "")
    if (!deviceAdapter.isMultiviewMode)
        callAll(deviceAdapter, capabilityReadsAfFrame, "")
    callAll(deviceAdapter, ["AFMF_Cfg2_GetCapability"], "")
    callAll(flashAdapter, ["Strobe_GetCapability", "Strobe2_GetCapability"], "")
    callAll(deviceAdapter, capabilityReadsAfter, "")
    callAll(deviceAdapter, ["Get_HDMI_SDI_Status", "LensZoom_Get_Info"], "")
    return true
}

// The same reads queued on the camera-event worker.
function get_sdk_capability2(arg) {
    callAll(deviceAdapter, capabilityReadsBefore, "_Start")
    callAll(deviceAdapter, capabilityReadsMiddle, "_Start")
    if (!deviceAdapter.isMultiviewMode)
        callAll(deviceAdapter, capabilityReadsAfFrame, "_Start")
    callAll(deviceAdapter, ["AFMF_Cfg2_GetCapability", "Strobe_GetCapability", "Strobe2_GetCapability"], "_Start")
    callAll(deviceAdapter, capabilityReadsAfter, "_Start")
    return true
}

function get_sdk_value(arg) {
    callAll(deviceAdapter, ["GetBatteryInfo", "Get_Rec_Info", "Get_WB_Info", "GetAFInfo", "Get_Lv_Composite_Info",
                            "Get_NoiseReduction_RemainingTime"], "")
    return true
}

function set_sdk_value() {
    deviceAdapter.set_file_target_for_camera_list()
    return true
}

// Pixel and aspect words of the movie-quality icons, by MoviePixel value.
var moviePixelWords = [["6k", "3-2"], ["54k", "3-2"], ["59k", "16-9"], ["c4k", "17-9"], ["4k", "16-9"], ["6k-a", "52-39"],
                       ["4k-a", "4-3"], ["qfhd", "16-9"], ["fhd", "16-9"], ["hd", "16-9"], ["wvga", "4-3"], ["vga", "4-3"],
                       ["qvga", "4-3"], ["5k", "4-3"], ["58k", "4-3"], ["57k", "17-9"], ["44k", "4-3"], ["c4k", "17-9"],
                       ["37k", "4-3"], ["35k", "4-3"], ["59k", "16-9"], ["4k", "17-9"], ["58k", "4-3"], ["57k", "17-9"],
                       ["44k", "4-3"], ["6k", "17-9"], ["33k", "4-3"], ["41k", "17-9"], ["58k", "17-9"], ["38k", "3-2"],
                       ["6k", "3-2"], ["6k", "1-1"], ["cs4k", "1-1"], ["81k", "3-2"], ["81k", "17-9"], ["8k", "16-9"],
                       ["72k", "3-2"], ["47k", "4-3"], ["58k", "17-9"], ["38k", "4-3"], ["48k", "4-3"], ["81k", "3-2"],
                       ["81k", "17-9"], ["72k", "3-2"], ["48k", "4-3"], ["51k", "3-2"], ["48k", "4-3"], ["64k", "3-2"]]

function rawPixels() {
    var U = Kv.Utilities
    return [U.MP_RAW4K_17_9_4096_2160, U.MP_RAW3_7K_4_3_3680_2760, U.MP_RAW3_5K_4_3_3536_2656, U.MP_RAW5_9K_16_9_5888_3312,
            U.MP_RAW4K_17_9_4128_2176, U.MP_RAW5_8K_4_3_5760_4320, U.MP_RAW5_7K_17_9_5728_3024, U.MP_RAW4_4K_4_3_4352_3264,
            U.MP_RAW4_1K_17_9_4128_2176, U.MP_RAW6K_3_2_6000_4000, U.MP_RAW4_8K_4_3_4800_3600, U.MP_RAW8_1K_3_2_8128_5418,
            U.MP_RAW8_1K_17_9_8128_4302, U.MP_RAW7_2K_3_2_7232_4820, U.MP_RAW4_8K_4_3_4752_3568]
}

function wordOf(value, table) {
    for (var i = 0; i < table.length; ++i) {
        if (table[i][0] === value)
            return table[i][1]
    }
    return ""
}

// The icon of a movie-quality entry: fmt a MotionPictureFormat, px a
// MoviePixel, br the bit rate ("100M"), cp "colour,bits,method" as
// MovieCompressMethod values, fps the frame rate ("59.94p").
function getRecModeImage(fmt, px, br, cp, fps) {
    var U = Kv.Utilities
    var words = (px >= 0 && px < moviePixelWords.length) ? moviePixelWords[px] : ["", ""]
    var fpsText = "" + fps
    var rate = Math.round(parseFloat(fpsText.replace(/[pi]/g, ""))) + fpsText.charAt(fpsText.length - 1)
    var c = ("" + cp).split(",").map(function(s) { return parseInt(s, 10) })
    var colour = wordOf(c[0], [[U.MCPM_420, "420"], [U.MCPM_422, "422"], [U.MCPM_RAW, "raw"]])
    var bits = wordOf(c[1], [[U.MCPM_8bit, "8"], [U.MCPM_10bit, "10"], [U.MCPM_16bit, "16"]])
    var method = wordOf(c[2], [[U.MCPM_ALL_I, "i"], [U.MCPM_LongGOP, "l"], [U.MCPM_RAWHQ, "rawhq"], [U.MCPM_RAW, "raw"],
                               [U.MCPM_422HQ, "422hq"], [U.MCPM_422, "422"]])
    var rateWord = ("" + br).replace(/[Mm]/g, "")
    if (rateWord === "0")
        return ""
    var base = "qrc:/images/"
    if (rawPixels().indexOf(px) >= 0)
        return base + "rec_raw_" + words[0] + "_" + rate + "_" + words[1] + ".svg"
    if (fmt === U.MPF_ProRes)
        return base + "rec_pro_" + words[0] + "_" + rate + "_" + method + ".svg"
    if (fmt === U.MPF_MOV)
        return base + "rec_mov_mov_" + words[0] + "_" + rateWord + "_" + bits + "_" + rate
                + (colour === "422" ? "_" + colour : "") + ".svg"
    if (fmt === U.MPF_MP4)
        return base + "rec_mov_mp4_" + words[0] + "_" + rateWord + "_" + bits + "_" + rate + ".svg"
    if (fmt === U.MPF_MP4LITE)
        return base + "rec_mov_mp4l_" + words[0] + "_" + rateWord + "_" + bits + "_" + rate + ".svg"
    return base + "rec_mov_" + words[0] + "_" + rateWord + "_" + bits + "_" + rate + ".svg"
}

// A setting button follows its setting by the setting's own change signal
// (the property's NOTIFY, which is not always named "<setting>Changed") and
// the camera's offer by "<setting>FlgNumChanged": `on` connects the two
// handlers, otherwise it disconnects them. The adapter outlives the button,
// which disconnects them when it is destroyed.
function followSetting(adapter, name, onValue, onOffer, on) {
    if (!adapter || name === "")
        return
    var rows = [[utilities.notifySignalOf(adapter, name), onValue], [name + "FlgNumChanged", onOffer]]
    for (var i = 0; i < rows.length; ++i) {
        var s = adapter[rows[i][0]]
        if (!s || typeof s.connect !== "function")
            continue
        if (on)
            s.connect(rows[i][1])
        else
            s.disconnect(rows[i][1])
    }
}

// A popup that is a window of its own gives the keyboard focus back to the
// window it was opened over when it hides: without a window manager nothing
// else does, and the next Escape would reach no window until a click.
function handFocusBack(window) {
    var opener = window.transientParent
    if (!window.visible && opener && opener.visible)
        opener.requestActivate()
}

// Escape reaches only an item that holds the keyboard focus. A popup drawn
// in its window calls this when it shows or hides, with the item that held
// the focus before it: shown, it takes the focus; hidden, it gives it back
// to that item, so that the next Escape reaches the popup or window it was
// opened over. A hidden item keeps the focus it holds, and the window's root
// would hand it straight back, so the popup lets it go first. Returns the
// item to give the focus back to later.
function holdKeyboardFocus(popup, before) {
    if (popup.visible) {
        popup.forceActiveFocus()
        return before
    }
    var held = popup.activeFocus
    popup.focus = false
    if (held && before && before.visible)
        before.forceActiveFocus()
    return null
}

// Tool-tip text: html turns the first line feed into a line break.
function createPopupHTMLText(title, text, html) {
    var body = "" + text
    if (html)
        body = body.replace("\n", "<br>")
    if (title === undefined || title === "")
        return "<HTML>" + body + "</HTML>"
    return "<HTML>" + title + "<br>" + body + "</HTML>"
}

var afFrameColorPalette = Object.freeze({
    white: "#DCDCDC", green: "#3A965E", red: "#CE2D25", yellow: "#EDC414", lightBlue: "#47C1D8"
})

var afFrameSetColorPalette = Object.freeze({
    white: "#DCDCDC", lightBlue: "#389EFF", blue: "#0000FD", yellow: "#E9DB45", orange: "#E5922D",
    lightGreen: "#66E600", green: "#0BA00B", pink: "#FF8C8C", red: "#F00000", gray: "#8296BE"
})

function afFrameColorOf(value) {
    var U = Kv.Utilities
    var names = {}
    names[U.AF_FrameColor_White] = "white"
    names[U.AF_FrameColor_LightBlue] = "lightBlue"
    names[U.AF_FrameColor_Blue] = "blue"
    names[U.AF_FrameColor_Yellow] = "yellow"
    names[U.AF_FrameColor_Orange] = "orange"
    names[U.AF_FrameColor_LightGreen] = "lightGreen"
    names[U.AF_FrameColor_Green] = "green"
    names[U.AF_FrameColor_Pink] = "pink"
    names[U.AF_FrameColor_Red] = "red"
    names[U.AF_FrameColor_Gray] = "gray"
    var name = names[value]
    return afFrameSetColorPalette[name === undefined ? "white" : name]
}

function getAfFrameColor() {
    return afFrameColorOf(deviceAdapter.afFrameColor)
}
