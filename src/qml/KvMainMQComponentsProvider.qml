import QtQuick
import Kv 1.0 as Kv

// The movie-quality catalogue: the quality button's entry, the row of the
// list, and the texts of the filter values, one list per setting name.
Item {
    id: provider
    visible: false

    readonly property var allValue: 65535
    readonly property var frameRateAll: 0xFFFFFFFF

    property Component imageButtonComponent: Component {
        KvRectangleButton {
            property bool capable: false
            width: 107
            height: 77
            type: "optionWithImage"
        }
    }
    property Component rowComponent: Component {
        KvMovieQualityButton {}
    }
    property Component textButtonComponent: Component {
        KvRectangleButton {
            property bool capable: true
            width: 250
            height: 35
            type: "optionWithText"
        }
    }

    function textEntry(v, text) {
        return { component: textButtonComponent, properties: { value: v, optionText: text, type: "optionWithText" } }
    }

    readonly property var recMovie: [
        { component: imageButtonComponent, properties: { value: 0, optionText: "", type: "optionWithImage" } }
    ]
    readonly property var recMovieBuiltIn: [
        { component: rowComponent, properties: { value: 0, optionText: "", type: "optionDetailWithRow" } }
    ]
    readonly property var movieFrameRate: [ textEntry(frameRateAll, qsTr("MQD_ALL")) ]
    // one entry per pixel format; the key is the text's id
    readonly property var moviePixel: [
        textEntry(Kv.Utilities.MP_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MP_6K_3_2_5952_3968, qsTr("MP_6K_3_2_5952_3968")),
        textEntry(Kv.Utilities.MP_5_4K_3_2_5376_3584, qsTr("MP_5_4K_3_2_5376_3584")),
        textEntry(Kv.Utilities.MP_5_9K_16_9_5888_3312, qsTr("MP_5_9K_16_9_5888_3312")),
        textEntry(Kv.Utilities.MP_C4K_17_9_4096_2160, qsTr("MP_C4K_17_9_4096_2160")),
        textEntry(Kv.Utilities.MP_4K_16_9_3840_2160, qsTr("MP_4K_16_9_3840_2160")),
        textEntry(Kv.Utilities.MP_ANAMO6K_52_39_4992_3744, qsTr("MP_ANAMO6K_52_39_4992_3744")),
        textEntry(Kv.Utilities.MP_ANAMO4K_4_3_3328_2496, qsTr("MP_ANAMO4K_4_3_3328_2496")),
        textEntry(Kv.Utilities.MP_QFHD_16_9_3840_2160, qsTr("MP_QFHD_16_9_3840_2160")),
        textEntry(Kv.Utilities.MP_FHD_16_9_1920_1080, qsTr("MP_FHD_16_9_1920_1080")),
        textEntry(Kv.Utilities.MP_HD_16_9_1280_720, qsTr("MP_HD_16_9_1280_720")),
        textEntry(Kv.Utilities.MP_WVGA_4_3_800_480, qsTr("MP_WVGA_4_3_800_480")),
        textEntry(Kv.Utilities.MP_VGA_4_3_640_480, qsTr("MP_VGA_4_3_640_480")),
        textEntry(Kv.Utilities.MP_QVGA_4_3_320_240, qsTr("MP_QVGA_4_3_320_240")),
        textEntry(Kv.Utilities.MP_5K_4_3_4992_3744, qsTr("MP_5K_4_3_4992_3744")),
        textEntry(Kv.Utilities.MP_5_8K_4_3_5760_4320, qsTr("MP_5_8K_4_3_5760_4320")),
        textEntry(Kv.Utilities.MP_5_7K_17_9_5728_3024, qsTr("MP_5_7K_17_9_5728_3024")),
        textEntry(Kv.Utilities.MP_4_4K_4_3_4352_3264, qsTr("MP_4_4K_4_3_4352_3264")),
        textEntry(Kv.Utilities.MP_RAW4K_17_9_4096_2160, qsTr("MP_RAW4K_17_9_4096_2160")),
        textEntry(Kv.Utilities.MP_RAW3_7K_4_3_3680_2760, qsTr("MP_RAW3_7K_4_3_3680_2760")),
        textEntry(Kv.Utilities.MP_RAW3_5K_4_3_3536_2656, qsTr("MP_RAW3_5K_4_3_3536_2656")),
        textEntry(Kv.Utilities.MP_RAW5_9K_16_9_5888_3312, qsTr("MP_RAW5_9K_16_9_5888_3312")),
        textEntry(Kv.Utilities.MP_RAW4K_17_9_4128_2176, qsTr("MP_RAW4K_17_9_4128_2176")),
        textEntry(Kv.Utilities.MP_RAW5_8K_4_3_5760_4320, qsTr("MP_RAW5_8K_4_3_5760_4320")),
        textEntry(Kv.Utilities.MP_RAW5_7K_17_9_5728_3024, qsTr("MP_RAW5_7K_17_9_5728_3024")),
        textEntry(Kv.Utilities.MP_RAW4_4K_4_3_4352_3264, qsTr("MP_RAW4_4K_4_3_4352_3264")),
        textEntry(Kv.Utilities.MP_6K_17_9_5952_3136, qsTr("MP_6K_17_9_5952_3136")),
        textEntry(Kv.Utilities.MP_3_3K_4_3_3328_2496, qsTr("MP_3_3K_4_3_3328_2496")),
        textEntry(Kv.Utilities.MP_RAW4_1K_17_9_4128_2176, qsTr("MP_RAW4_1K_17_9_4128_2176")),
        textEntry(Kv.Utilities.MP_5_8K_17_9_5776_3056, qsTr("MP_5_8K_17_9_5776_3056")),
        textEntry(Kv.Utilities.MP_3_8K_3_2_3840_2560, qsTr("MP_3_8K_3_2_3840_2560")),
        textEntry(Kv.Utilities.MP_RAW6K_3_2_6000_4000, qsTr("MP_RAW6K_3_2_6000_4000")),
        textEntry(Kv.Utilities.MP_6K_24_1_1_5952_2512, qsTr("MP_6K_24_1_1_5952_2512")),
        textEntry(Kv.Utilities.MP_CS4K_24_1_1_4096_1728, qsTr("MP_CS4K_24_1_1_4096_1728")),
        textEntry(Kv.Utilities.MP_8_1K_3_2_8064_5376, qsTr("MP_8_1K_3_2_8064_5376")),
        textEntry(Kv.Utilities.MP_8_1K_17_9_8128_4288, qsTr("MP_8_1K_17_9_8128_4288")),
        textEntry(Kv.Utilities.MP_8K_16_9_7680_4320, qsTr("MP_8K_16_9_7680_4320")),
        textEntry(Kv.Utilities.MP_7_2K_3_2_7200_4800, qsTr("MP_7_2K_3_2_7200_4800")),
        textEntry(Kv.Utilities.MP_4_7K_4_3_4736_3552, qsTr("MP_4_7K_4_3_4736_3552")),
        textEntry(Kv.Utilities.MP_5_8K_17_9_5760_3040, qsTr("MP_5_8K_17_9_5760_3040")),
        textEntry(Kv.Utilities.MP_3_8K_4_3_3840_2880, qsTr("MP_3_8K_4_3_3840_2880")),
        textEntry(Kv.Utilities.MP_RAW4_8K_4_3_4800_3600, qsTr("MP_RAW4_8K_4_3_4800_3600")),
        textEntry(Kv.Utilities.MP_RAW8_1K_3_2_8128_5418, qsTr("MP_RAW8_1K_3_2_8128_5418")),
        textEntry(Kv.Utilities.MP_RAW8_1K_17_9_8128_4302, qsTr("MP_RAW8_1K_17_9_8128_4302")),
        textEntry(Kv.Utilities.MP_RAW7_2K_3_2_7232_4820, qsTr("MP_RAW7_2K_3_2_7232_4820")),
        textEntry(Kv.Utilities.MP_RAW4_8K_4_3_4752_3568, qsTr("MP_RAW4_8K_4_3_4752_3568")),
        textEntry(Kv.Utilities.MP_5_1K_3_2_5088_3392, qsTr("MP_5_1K_3_2_5088_3392")),
        textEntry(Kv.Utilities.MP_4_8K_4_3_4800_3600, qsTr("MP_4_8K_4_3_4800_3600")),
        textEntry(Kv.Utilities.MP_6_4K_3_2_6432_4288, qsTr("MP_6_4K_3_2_6432_4288"))
    ]
    readonly property var movieCompressMethod: [
        textEntry(Kv.Utilities.MCPM_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MCPM_422, qsTr("MCPM_422")),
        textEntry(Kv.Utilities.MCPM_420, qsTr("MCPM_420")),
        textEntry(Kv.Utilities.MCPM_10bit, qsTr("MCPM_10bit")),
        textEntry(Kv.Utilities.MCPM_8bit, qsTr("MCPM_8bit")),
        textEntry(Kv.Utilities.MCPM_LongGOP, qsTr("MCPM_LongGOP")),
        textEntry(Kv.Utilities.MCPM_ALL_I, qsTr("MCPM_ALL_I")),
        textEntry(Kv.Utilities.MCPM_16bit, qsTr("MCPM_16bit")),
        textEntry(Kv.Utilities.MCPM_RAW, qsTr("MCPM_RAW")),
        textEntry(Kv.Utilities.MCPM_RAWHQ, qsTr("MCPM_RAWHQ")),
        textEntry(Kv.Utilities.MCPM_422HQ, qsTr("MCPM_422HQ"))
    ]
    readonly property var movieVFRFixed: [
        textEntry(Kv.Utilities.MVFR_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MVFR_IMPOSSIBLE, qsTr("MQD_IMPOSSIBLE")),
        textEntry(Kv.Utilities.MVFR_POSSIBLE, qsTr("MQD_POSSIBLE"))
    ]
    readonly property var movieHLGFixed: [
        textEntry(Kv.Utilities.MHLG_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MHLG_IMPOSSIBLE, qsTr("MQD_IMPOSSIBLE")),
        textEntry(Kv.Utilities.MHLG_POSSIBLE, qsTr("MQD_POSSIBLE")),
        textEntry(Kv.Utilities.MHLG_HDMI_ONLY_POSSIBLE, qsTr("MQD_HDMI_ONLY_POSSIBLE"))
    ]
    readonly property var movieVFR: [
        textEntry(Kv.Utilities.MVFR_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MVFR_POSSIBLE, qsTr("ON")),
        textEntry(Kv.Utilities.MVFR_IMPOSSIBLE, qsTr("OFF"))
    ]
    readonly property var movieHLG: [
        textEntry(Kv.Utilities.MHLG_ALL, qsTr("MQD_ALL")),
        textEntry(Kv.Utilities.MHLG_POSSIBLE, qsTr("ON")),
        textEntry(Kv.Utilities.MHLG_IMPOSSIBLE, qsTr("OFF")),
        textEntry(Kv.Utilities.MHLG_HDMI_ONLY_POSSIBLE, qsTr("MQD_HDMI_ONLY_POSSIBLE"))
    ]
    readonly property var movieSQ: [
        textEntry(Kv.Utilities.MSQ_IMPOSSIBLE, qsTr("MQD_IMPOSSIBLE")),
        textEntry(Kv.Utilities.MSQ_POSSIBLE, qsTr("MQD_POSSIBLE"))
    ]

    // The text of a value in one of the lists; "" when it has none.
    function textOf(list, v) {
        var l = provider[list] || []
        for (var i = 0; i < l.length; ++i) {
            if (l[i].properties.value === v)
                return l[i].properties.optionText
        }
        return ""
    }
}
