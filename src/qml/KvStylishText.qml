import QtQuick

// A text whose font, colour and alignment follow its type, so that every
// text of the interface of one kind looks the same. A style without a colour
// leaves the colour to the user of the text.
Text {
    id: root

    readonly property int text_style_normal: 0
    readonly property int text_style_header: 1
    readonly property int text_style_buttonTitle: 2
    readonly property int text_style_halfSize: 3
    readonly property int text_style_threeButton: 100
    readonly property int text_style_wbTuningTitle: 200
    readonly property int text_style_wbTuningLabel: 201
    readonly property int text_style_wbTuningText: 202
    readonly property int text_style_agreementTitle: 300
    readonly property int text_style_agreementContent: 301
    readonly property int text_style_preferSubline: 310
    readonly property int text_style_preferMark: 311
    readonly property int text_style_sliderTitle: 400
    readonly property int text_style_sliderValue: 401
    readonly property int text_style_sliderVal_pu: 402
    readonly property int text_style_sliderVal_ps: 403
    readonly property int text_style_connectionMsg: 500
    readonly property int text_style_liveViewLabel: 600
    readonly property int text_style_liveViewLabelHis: 601
    readonly property int text_style_liveViewDispTime: 602
    readonly property int text_style_liveViewCamOp: 603
    readonly property int text_style_mainProgressTitle: 700
    readonly property int text_style_mainProgressContent: 701
    readonly property int text_style_mainProgressSize: 702
    readonly property int text_style_gridPopup10: 800
    readonly property int text_style_gridPopup12: 801
    readonly property int text_style_gridPopup14: 802
    readonly property int text_style_gridPopup16: 803
    readonly property int text_style_gridPopup20: 804
    readonly property int text_style_afFrameIndicator: 810
    readonly property int text_style_gLineIndicator: 820
    readonly property int text_style_gLinePopup10: 830
    readonly property int text_style_gLinePopup12: 831
    readonly property int text_style_gLinePopup14: 832
    readonly property int text_style_gLinePopup16: 833
    readonly property int text_style_gLinePopup22: 834
    readonly property int text_style_gLinePopup24: 835
    readonly property int text_style_gLinePopup21: 836
    readonly property int text_style_lvItemPopupTitle: 837
    readonly property int text_style_verUpDlg: 900
    readonly property int text_style_liveViewBulbDispTime: 901
    readonly property int text_style_overlayPopup10: 902
    readonly property int text_style_overlayPopup12: 903
    readonly property int text_style_wbmainProgressTitle: 904
    readonly property int text_style_wbmainProgressContent: 905
    readonly property int text_style_MovieQualityButton: 906

    property int type: text_style_normal

    readonly property string familyF: utilities.getFontFamily()
    readonly property int sliderSize: isOpenGLMode !== "false" ? 22 : 20
    // type -> [pixel size, bold, family, colour ("" = the user's), h, v]
    readonly property var style: {
        var light = "#dddddd", white = "#ffffff", grey = "#808080", black = "#000000", pale = "#9c9c9c"
        var L = Text.AlignLeft, C = Text.AlignHCenter, R = Text.AlignRight
        var VC = Text.AlignVCenter, T = Text.AlignTop, B = Text.AlignBottom
        var t = {}
        t[0] = [14, false, familyF, light, L, VC]
        t[1] = [18, true, familyF, light, L, VC]
        t[2] = [12, false, familyF, light, L, VC]
        t[3] = [14, false, "Tahoma", light, L, VC]
        t[100] = [12, false, familyF, light, L, VC]
        t[200] = [14, false, familyF, "", L, VC]
        t[201] = [14, false, familyF, "", C, VC]
        t[202] = [18, true, familyF, "", C, VC]
        t[300] = t[301] = [14, false, familyF, "", L, VC]
        t[310] = [12, false, familyF, "", L, VC]
        t[311] = [12, false, familyF, "#505050", R, VC]
        t[400] = [12, false, familyF, light, L, VC]
        t[401] = [sliderSize, true, "Tahoma", light, R, T]
        t[402] = [sliderSize, true, "Tahoma", light, C, VC]
        t[403] = [sliderSize, true, "Tahoma", light, C, B]
        t[500] = [14, false, familyF, white, C, VC]
        t[600] = [13, false, familyF, "", L, VC]
        t[601] = [13, false, familyF, grey, L, T]
        t[602] = [25, false, familyF, white, L, VC]
        t[603] = [14, false, familyF, white, L, VC]
        t[700] = [35, false, familyF, black, L, VC]
        t[701] = [25, false, familyF, black, L, VC]
        t[702] = [15, false, familyF, black, L, VC]
        var grid = [10, 12, 14, 16, 20]
        for (var i = 0; i < grid.length; ++i)
            t[800 + i] = [grid[i], false, familyF, pale, L, VC]
        t[810] = [10, false, familyF, pale, L, VC]
        t[820] = [16, false, familyF, white, L, VC]
        var gline = [10, 12, 14, 16, 22, 24, 21]
        for (var j = 0; j < gline.length; ++j)
            t[830 + j] = [gline[j], false, familyF, gline[j] === 14 ? "" : pale, L, VC]
        t[837] = [14, true, familyF, pale, L, VC]
        t[900] = [17, false, familyF, black, L, VC]
        t[901] = [25, false, familyF, white, L, VC]
        t[902] = [10, false, familyF, pale, L, VC]
        t[903] = [12, false, familyF, pale, L, VC]
        t[904] = [35, true, familyF, black, L, VC]
        t[905] = [25, true, familyF, black, L, VC]
        t[906] = [11, false, familyF, black, L, VC]
        var s = t[type]
        return s === undefined ? [12, false, familyF, "", L, VC] : s
    }

    font.pixelSize: style[0]
    font.bold: style[1]
    font.family: style[2]
    horizontalAlignment: style[4]
    verticalAlignment: style[5]
    Component.onCompleted: {
        if (style[3] !== "")
            color = style[3]
    }
    onStyleChanged: {
        if (style[3] !== "")
            color = style[3]
    }
}
