import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml/KvSubFunction.js" as Sub

// The shared script library: tool-tip texts, movie-quality icon names and
// the focus-frame colours.
TestCase {
    name: "KvSubFunction"

    function test_createPopupHTMLText_data() {
        return [
            { tag: "title", title: "ISO", text: "800", html: true, out: "<HTML>ISO<br>800</HTML>" },
            { tag: "no title, no break", title: "", text: "800", html: true, out: "<HTML>800</HTML>" },
            { tag: "first line feed only", title: "AF", text: "a\nb\nc", html: true, out: "<HTML>AF<br>a<br>b\nc</HTML>" },
            { tag: "line feed kept without html", title: "AF", text: "a\nb", html: false, out: "<HTML>AF<br>a\nb</HTML>" }
        ]
    }
    function test_createPopupHTMLText(data) {
        compare(Sub.createPopupHTMLText(data.title, data.text, data.html), data.out)
    }

    function cp(colour, bits, method) {
        return colour + "," + bits + "," + method
    }

    function test_getRecModeImage_data() {
        var U = Kv.Utilities
        var base = "qrc:/images/"
        return [
            { tag: "mp4", fmt: U.MPF_MP4, px: 4, br: "100M", cp: cp(U.MCPM_420, U.MCPM_10bit, U.MCPM_LongGOP), fps: "59.94p",
              out: base + "rec_mov_mp4_4k_100_10_60p.svg" },
            { tag: "no bit rate", fmt: U.MPF_MP4, px: 4, br: "0M", cp: cp(U.MCPM_420, U.MCPM_10bit, U.MCPM_LongGOP), fps: "59.94p", out: "" },
            { tag: "mov 422", fmt: U.MPF_MOV, px: U.MP_C4K_17_9_4096_2160, br: "400m", cp: cp(U.MCPM_422, U.MCPM_10bit, U.MCPM_ALL_I),
              fps: "23.98p", out: base + "rec_mov_mov_c4k_400_10_24p_422.svg" },
            { tag: "mov 420", fmt: U.MPF_MOV, px: U.MP_FHD_16_9_1920_1080, br: "100M", cp: cp(U.MCPM_420, U.MCPM_8bit, U.MCPM_LongGOP),
              fps: "50i", out: base + "rec_mov_mov_fhd_100_8_50i.svg" },
            { tag: "prores", fmt: U.MPF_ProRes, px: U.MP_5_8K_4_3_5760_4320, br: "1000M", cp: cp(U.MCPM_422, U.MCPM_10bit, U.MCPM_422HQ),
              fps: "29.97p", out: base + "rec_pro_58k_30p_422hq.svg" },
            { tag: "raw", fmt: U.MPF_MOV, px: U.MP_RAW5_8K_4_3_5760_4320, br: "2000M", cp: cp(U.MCPM_RAW, U.MCPM_16bit, U.MCPM_RAW),
              fps: "29.97p", out: base + "rec_raw_58k_30p_4-3.svg" },
            { tag: "mp4 lite", fmt: U.MPF_MP4LITE, px: U.MP_FHD_16_9_1920_1080, br: "20M", cp: cp(U.MCPM_420, U.MCPM_8bit, U.MCPM_LongGOP),
              fps: "60p", out: base + "rec_mov_mp4l_fhd_20_8_60p.svg" },
            { tag: "other format", fmt: U.MPF_AVCHD, px: U.MP_FHD_16_9_1920_1080, br: "24M", cp: cp(U.MCPM_420, U.MCPM_8bit, U.MCPM_LongGOP),
              fps: "59.94i", out: base + "rec_mov_fhd_24_8_60i.svg" },
            { tag: "unknown pixels", fmt: U.MPF_MP4, px: 99, br: "24M", cp: cp(U.MCPM_420, U.MCPM_8bit, U.MCPM_LongGOP),
              fps: "60p", out: base + "rec_mov_mp4__24_8_60p.svg" }
        ]
    }
    function test_getRecModeImage(data) {
        compare(Sub.getRecModeImage(data.fmt, data.px, data.br, data.cp, data.fps), data.out)
    }

    function test_afFrameColor_data() {
        var U = Kv.Utilities
        return [
            { tag: "white", v: U.AF_FrameColor_White, out: "#DCDCDC" },
            { tag: "light blue", v: U.AF_FrameColor_LightBlue, out: "#389EFF" },
            { tag: "gray", v: U.AF_FrameColor_Gray, out: "#8296BE" },
            { tag: "out of range", v: 42, out: "#DCDCDC" },
            { tag: "negative", v: -1, out: "#DCDCDC" }
        ]
    }
    function test_afFrameColor(data) {
        compare(Sub.afFrameColorOf(data.v), data.out)
    }

    function test_palettesAreFrozen() {
        verify(Object.isFrozen(Sub.afFrameColorPalette))
        verify(Object.isFrozen(Sub.afFrameSetColorPalette))
        compare(Sub.afFrameColorPalette.green, "#3A965E")
    }
}
