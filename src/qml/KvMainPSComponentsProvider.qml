import QtQuick
import Kv 1.0 as Kv
import "KvPhotoStyle.js" as PS

// The photo-style catalogue: which adjustment rows each style shows and how
// each row is drawn, and the option lists of the choice rows and of the
// style button. A row's target is the adapter property it drives; its value
// is the component key the camera's capability list is asked with.
QtObject {
    id: provider

    readonly property string sliderComponentName: PS.Slider
    readonly property string sliderComponentPositiveName: PS.SliderPositive
    readonly property string popupBtnComponentName: PS.Choice
    readonly property string blankComponentName: PS.Blank
    readonly property string lblImg: "lblImg"
    readonly property string lblTitle: "lblTitle"
    readonly property string btnOption: "btnOption"
    readonly property string slider: "slider"

    // The popup's scroll offset and the last option-button popup position:
    // an option popup opened from a scrolled row is placed by both.
    property real updatePopup: 0
    property real savePopupY: 0
    // The popup's option list, for the choice rows.
    property var optionPopup: null

    readonly property var componentList: {
        var out = []
        for (var t in PS.componentKeys)
            out.push({ target: t, value: Kv.Utilities[PS.componentKeys[t]] })
        return out
    }

    // the white-balance icons are the main catalogue's
    readonly property KvOptionComponentsProvider mainCatalogue: KvOptionComponentsProvider {}

    // A row: title, icon and what the row's kind adds.
    component PsRow: Rectangle {
        property string target: ""
        property int value: Kv.Utilities.PSC_Unknown
        property string text: ""
        property string source: ""
        property bool iconShown: true
        property alias lblTitle: title
        property alias lblImg: icon
        width: PS.rowWidth
        height: PS.rowHeight
        color: "#07090d"
        KvStylishText {
            id: title
            objectName: "lblTitle"
            type: text_style_buttonTitle
            x: 12
            width: parent.width - 24
            height: 30
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: parent.text
        }
        Image {
            id: icon
            objectName: "lblImg"
            visible: parent.iconShown
            x: 12
            y: 32
            width: 40
            height: 40
            sourceSize: Qt.size(40, 40)
            fillMode: Image.PreserveAspectFit
            source: parent.source
        }
    }

    function rowTitle(id) {
        return qsTr(id)
    }

    property Component sliderComponent: Component {
        PsRow {
            id: sliderRow
            property alias slider: sliderItem
            KvFlashSlider {
                id: sliderItem
                objectName: "slider"
                x: 64
                y: 4
                width: 400 - 64 - 12
                height: 70
                type: 3
                texttype: 1
                windowType: 3
                curIndex: 6
                txtSliderValTopMargin: 10
                target: sliderRow.target
            }
        }
    }
    property Component sliderComponentPositive: Component {
        PsRow {
            id: positiveRow
            property alias slider: positiveItem
            KvFlashSlider {
                id: positiveItem
                objectName: "slider"
                x: 64
                y: 4
                width: 400 - 64 - 12
                height: 70
                type: 3
                texttype: 2
                windowType: 3
                curIndex: 6
                txtSliderValTopMargin: 10
                target: positiveRow.target
            }
        }
    }
    property Component popupBtnComponent: Component {
        PsRow {
            id: choiceRow
            readonly property bool wide: target === "pscBasePhotoStyle" || target === "pscBasePhotoStyle2"
            property alias btnOption: button
            iconShown: !wide
            KvOptionButton {
                id: button
                objectName: "btnOption"
                x: choiceRow.wide ? 0 : 64
                y: 32
                width: choiceRow.wide ? 400 : 200
                height: choiceRow.wide ? 45 : 40
                type: PS.optionButtonType(choiceRow.target)
                target: choiceRow.target
                isDetail: true
                componentsProvider: provider
                popup: provider.optionPopup
                popupTitle: choiceRow.text
                // the option list opens centred on the button; the row's
                // place in the popup already counts the scroll offset
                popupX: choiceRow.wide ? x + (width - 340) / 2 : x + (width - 107) / 2
                popupY: y + (height - 36) / 2
            }
        }
    }
    property Component blankComponent: Component {
        Rectangle {
            width: PS.rowWidth
            height: PS.rowHeight
            color: "#07090d"
        }
    }

    function rowsFor(arrayName) {
        var list = PS.rowListOf(arrayName)
        var out = []
        for (var i = 0; i < list.length; ++i) {
            var look = PS.rowLook(list[i].target, arrayName, false, false)
            out.push({ component: provider[list[i].kind], kind: list[i].kind,
                       properties: { target: list[i].target, value: Kv.Utilities[PS.componentKeys[list[i].target]],
                                     text: look.text, source: look.source } })
        }
        return out
    }

    readonly property var psStandard: rowsFor("psStandard")
    readonly property var psVivid: rowsFor("psVivid")
    readonly property var psNatural: rowsFor("psNatural")
    readonly property var psMonoChrome: rowsFor("psMonoChrome")
    readonly property var psKMonoChrome: rowsFor("psKMonoChrome")
    readonly property var psLandScape: rowsFor("psLandScape")
    readonly property var psPortrait: rowsFor("psPortrait")
    readonly property var psCustom: rowsFor("psCustom")
    readonly property var psCustom2: rowsFor("psCustom2")
    readonly property var psCustom3: rowsFor("psCustom3")
    readonly property var psCustom4: rowsFor("psCustom4")
    readonly property var psFilmtoneD: rowsFor("psFilmtoneD")
    readonly property var psFilmtoneV: rowsFor("psFilmtoneV")
    readonly property var psNear709: rowsFor("psNear709")
    readonly property var psLinearGamma: rowsFor("psLinearGamma")
    readonly property var psQLogL: rowsFor("psQLogL")
    readonly property var psQLog: rowsFor("psQLog")
    readonly property var psFilmLog3: rowsFor("psFilmLog3")
    readonly property var psRemoteCamera: rowsFor("psRemoteCamera")
    readonly property var psFilmtoneD2: rowsFor("psFilmtoneD2")
    readonly property var psFilmtoneV2: rowsFor("psFilmtoneV2")
    readonly property var psFilmtoneA2: rowsFor("psFilmtoneA2")
    readonly property var psKMonoChromeD: rowsFor("psKMonoChromeD")
    readonly property var psHybridLogGamma: rowsFor("psHybridLogGamma")
    readonly property var psFlat: rowsFor("psFlat")
    readonly property var psPhotoStyle1: rowsFor("psPhotoStyle1")
    readonly property var psPhotoStyle2: rowsFor("psPhotoStyle2")
    readonly property var psPhotoStyle3: rowsFor("psPhotoStyle3")
    readonly property var psPhotoStyle4: rowsFor("psPhotoStyle4")
    readonly property var psPhotoStyle5: rowsFor("psPhotoStyle5")
    readonly property var psPhotoStyle6: rowsFor("psPhotoStyle6")
    readonly property var psPhotoStyle7: rowsFor("psPhotoStyle7")
    readonly property var psPhotoStyle8: rowsFor("psPhotoStyle8")
    readonly property var psPhotoStyle9: rowsFor("psPhotoStyle9")
    readonly property var psPhotoStyle10: rowsFor("psPhotoStyle10")
    readonly property var psHLGStandard: rowsFor("psHLGStandard")
    readonly property var psHLGMonochrome: rowsFor("psHLGMonochrome")
    readonly property var psHLGForQSeries: rowsFor("psHLGForQSeries")
    readonly property var psKMonoChromeS: rowsFor("psKMonoChromeS")
    readonly property var psKClassicNeo: rowsFor("psKClassicNeo")
    readonly property var psHLGFullRange: rowsFor("psHLGFullRange")
    readonly property var psRealTimeLUT: rowsFor("psRealTimeLUT")
    readonly property var psClassicMonochrome: rowsFor("psClassicMonochrome")

    // ---- the option lists ----
    property Component optionWithImageAndTextComponent: Component {
        KvRectangleButton { property bool capable: false; width: 360; height: 36; type: "optionWithImageAndTextPopup" }
    }
    property Component optionWithStyledTextPsComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 36; type: "optionWithStyledTextPs" }
    }
    property Component optionWithRichTextPsComponent: Component {
        KvRectangleButton { property bool capable: false; width: 170; height: 36; type: "optionWithRichTextPs" }
    }
    property Component optionWithRichTextPsNarrowComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 36; type: "optionWithRichTextPs" }
    }

    // A choice text passes as it is.
    function optionTextFormat(text) {
        return text
    }

    function styleList(keys) {
        var out = []
        for (var i = 0; i < keys.length; ++i) {
            out.push({ component: optionWithImageAndTextComponent,
                       properties: { value: Kv.Utilities[keys[i]],
                                     optionText: qsTranslate("KvOptionComponentsProvider", keys[i]),
                                     optionImage: PS.styleImage(keys[i]), type: "optionWithImageAndTextPopup" } })
        }
        return out
    }
    function choiceList(target) {
        var keys = PS.choiceKeys[target]
        var out = []
        for (var i = 0; i < keys.length; ++i) {
            var k = keys[i]
            var onOff = /_(ON|OFF)$/.exec(k)
            var text = onOff ? qsTranslate("KvOptionComponentsProvider", onOff[1]) : qsTr(k)
            out.push({ component: optionWithStyledTextPsComponent,
                       properties: { value: Kv.Utilities[k], optionText: optionTextFormat(text),
                                     type: "optionWithStyledTextPs" } })
        }
        return out
    }
    function whiteBalanceList() {
        var all = mainCatalogue.whiteBalance
        var out = []
        for (var i = 0; i < PS.wbKeys.length; ++i) {
            for (var j = 0; j < all.length; ++j) {
                if (all[j].properties.value === Kv.Utilities[PS.wbKeys[i]])
                    out.push(all[j])
            }
        }
        return out
    }

    readonly property var photoStyle: styleList(PS.styleKeys)
    readonly property var pscBasePhotoStyle: styleList(PS.baseStyleKeys())
    readonly property var pscBasePhotoStyle2: styleList(PS.baseStyle2Keys())
    readonly property var pscFilter: choiceList("pscFilter")
    readonly property var pscGrain: choiceList("pscGrain")
    readonly property var pscKneeMode: choiceList("pscKneeMode")
    readonly property var pscWB: whiteBalanceList()
    readonly property var pscDualISO: choiceList("pscDualISO")
    readonly property var pscColorNoise: choiceList("pscColorNoise")
    readonly property var pscLUT: choiceList("pscLUT")
    readonly property var pscLUT2: choiceList("pscLUT2")
}
