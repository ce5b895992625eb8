import QtQuick
import Kv 1.0 as Kv
import "KvOptionCatalogue.js" as Catalogue

// Every option the program knows for the settings chosen from a popup: the
// value written to the setting, its text, its icon and the button that draws
// it. A list is named like the property it serves, so a button finds its list
// as provider[target]. What the camera offers is asked by the buttons; the
// catalogue holds no state. Entries whose text or icon come from a formatter
// are bindings: they follow the camera's recognition and shot-mode settings.
QtObject {
    id: provider

    // The window's popup for the creative-video entry of the recording mode.
    property var optionSubButtonPopup: null

    property Component optionWithImageButtonComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 77; type: "optionWithImage" }
    }
    property Component optionWithImageButtonComponentForAspect: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 36; type: "optionWithImage" }
    }
    property Component optionWithImageButtonComponentForPreview: Component {
        KvRectangleButton { property bool capable: false; width: 125; height: 36; type: "optionWithImage" }
    }
    property Component optionWithImageButtonComponentForImgQuality: Component {
        KvRectangleButton {
            property bool capable: false
            property string optionOriginalText: ""
            width: 152; height: 36; type: "optionWithImage"
        }
    }
    property Component optionWithTextButtonComponent: Component {
        // wider for the longer names of other languages
        KvRectangleButton {
            property bool capable: false
            width: Math.max(158, Math.ceil(optionItem.implicitWidth) + 28)
            height: 36
            type: "optionWithText"
        }
    }
    property Component optionWithImagetoTextButtonComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 77; type: "optionWithImagetoText" }
    }
    property Component optionWithImagetoTextButtonCcComponent: Component {
        // wider for a word of other languages too wide for the name's line
        // even at its smallest size
        KvRectangleButton {
            id: ccButton
            property bool capable: false
            width: Math.max(77, Math.ceil(widestWord.contentWidth) + 4)
            height: 77
            type: "optionWithImagetoText"
            // the name broken wherever its script lets it break
            Text {
                id: widestWord
                visible: false
                width: 1
                wrapMode: Text.WordWrap
                text: ccButton.optionText
                font.family: ccButton.optionItem.font.family
                font.pixelSize: ccButton.optionItem.minimumPixelSize
            }
        }
    }
    property Component optionWithImagetoTextButtonComponent_dm: Component {
        KvRectangleButton { property bool capable: false; width: 148; height: 28; type: "optionWithImagetoText_dm" }
    }
    property Component optionWithRichTextButtonComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 36; type: "optionWithRichText" }
    }
    property Component optionWithStyledTextButtonComponent: Component {
        KvRectangleButton { property bool capable: false; width: 107; height: 36; type: "optionWithStyledText" }
    }
    // The creative-video entry is itself a setting button: it opens a second
    // popup with the creative-video exposure modes.
    property Component subCreativeVideoAE: Component {
        KvOptionButton {
            id: cvButton
            property bool capable: false
            width: 107; height: 77
            type: "optionWithImage"
            target: "creativeVideoAE"
            popupTitle: qsTr("CreativeVideo")
            popup: provider.optionSubButtonPopup
            componentsProvider: provider
            optionOpen: true
            disabled: false
            Connections {
                target: deviceAdapter
                function onCreativeVideoAEChanged() {
                    if (deviceAdapter.recordingMode === Kv.Utilities.RM_CreativeVideo
                            && !(cvButton.popup && cvButton.popup.visible))
                        cvButton.optionSelect(deviceAdapter.creativeVideoAE)
                }
                function onCameraStatusChanged() {
                    if (deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_Menu_Displayed
                            && cvButton.popup && cvButton.popup.visible)
                        cvButton.popup.dismiss()
                }
            }
        }
    }

    function whiteBalanceKSetTextFormat(value) {
        return utilities.enumWbKSetToVal(value) + "K"
    }

    function creativeVideoText(letter) {
        return deviceAdapter.shotModeStatus === Kv.Utilities.Shot_Mode_Status_Unknown
                ? qsTr("CreativeVideo-" + letter) : qsTr("Video-" + letter)
    }
    function getCreativeVideoAE_OptionText_P() { return creativeVideoText("P") }
    function getCreativeVideoAE_OptionText_A() { return creativeVideoText("A") }
    function getCreativeVideoAE_OptionText_S() { return creativeVideoText("S") }
    function getCreativeVideoAE_OptionText_M() { return creativeVideoText("M") }

    // The recognition settings the AF-mode texts and icons follow.
    function recognitionState() {
        return {
            afAnimalRecognitionEnable: deviceAdapter.afAnimalRecognitionEnable,
            autoRecognizeAnimalEnable: deviceAdapter.autoRecognizeAnimalEnable,
            autoRecognizeAnimal: deviceAdapter.autoRecognizeAnimal,
            automaticRecoEnable: deviceAdapter.automaticRecoEnable,
            automaticReco: deviceAdapter.automaticReco,
            autoRecognizeGeneralEnable: deviceAdapter.autoRecognizeGeneralEnable,
            autoRecognizeGeneral: deviceAdapter.autoRecognizeGeneral,
            autoRecognizeParts: deviceAdapter.autoRecognizeParts
        }
    }
    function afText(mode) {
        var ids = Catalogue.afModeLook(mode, recognitionState()).textIds
        var text = ""
        for (var i = 0; i < ids.length; ++i)
            text += (i > 0 ? "\n" : "") + qsTr(ids[i])
        return text
    }
    function afImg(mode) { return Catalogue.afModeLook(mode, recognitionState()).image }
    function getAFM_FaceText() { return afText("Face") }
    function getAFM_FaceImg() { return afImg("Face") }
    function getAFM_1PointText() { return afText("1Point") }
    function getAFM_1PointImg() { return afImg("1Point") }
    function getAFM_1PointAuxText() { return afText("1PointAux") }
    function getAFM_1PointAuxImg() { return afImg("1PointAux") }
    function getAFM_TrackingText() { return afText("Tracking") }
    function getAFM_TrackingImg() { return afImg("Tracking") }
    function getAFM_FullAreaText() { return afText("FullArea") }
    function getAFM_FullAreaImg() { return afImg("FullArea") }
    function getAFM_VertHoriText() { return afText("VertHori") }
    function getAFM_VertHoriImg() { return afImg("VertHori") }
    function getAFM_EllipseText() { return afText("Ellipse") }
    function getAFM_EllipseImg() { return afImg("Ellipse") }

    // The names of the lists, for those that walk the whole catalogue.
    readonly property var listNames: ["recordingMode", "creativeControlFilter", "creativeControlFilterRatin",
        "creativeVideoAE", "sqMotion", "photoExposure", "sceneGuideScene", "intelligentAutoMode", "custom3Set",
        "custom4Set", "custom5Set", "shutterSpeed", "driveMode", "driveModeSelect", "picture4K6K", "burstSpeed",
        "burstSpeed1", "burstSpeed2", "burstSpeedAll", "focusSelect", "selfTimer", "selfTimerCustom", "whiteBalance",
        "iso", "focusMode", "autoFocusMode", "whiteBalanceKSet", "meteringMode", "photoStyle", "imgInfoQuality",
        "imgInfoQualityJpeg", "imgInfoQualityHeif", "recPreviewMode", "imageQuality", "aspectRatio", "flashDimmer",
        "flashMode", "flashSync", "exposureLink", "wirelessMode", "wirelessChannel", "wirelessFP",
        "wirelessComPower", "buildInFlashDimmer", "aGroupDimmer", "bGroupDimmer", "cGroupDimmer",
        "storeLocationType", "storeFolderType", "storeFolderDate", "storeFolderCamera", "storeFileNameCamera",
        "rawTransferType", "hlgShootingType", "hlgTransferType", "displayReviewType", "transConfirmDlgType",
        "versionCheckType", "folderNameType", "logPermission"]

    // The lists, in popup order.
    readonly property var recordingMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_IntelligentAuto, optionText: qsTr("RM_IntelligentAuto"), source: "qrc:/images/16_ia.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_ProgramAE, optionText: qsTr("RM_ProgramAE"), source: "qrc:/images/18_p.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_AperturePriorityAE, optionText: qsTr("RM_AperturePriorityAE"), source: "qrc:/images/19_a.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_ShutterPriorityAE, optionText: qsTr("RM_ShutterPriorityAE"), source: "qrc:/images/20_s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_ManualExposure, optionText: qsTr("RM_ManualExposure"), source: "qrc:/images/21_m.svg", type: "optionWithImage" } },
        { component: subCreativeVideoAE, properties: { value: Kv.Utilities.RM_CreativeVideo } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom1, optionText: qsTr("RM_Custom1"), source: "qrc:/images/22_c1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom2, optionText: qsTr("RM_Custom2"), source: "qrc:/images/23_c2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom3, optionText: qsTr("RM_Custom3"), source: "qrc:/images/24_c3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CreativeControl, optionText: qsTr("RM_CreativeControl"), source: "qrc:/images/26_creative.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom4, optionText: qsTr("RM_Custom4"), source: "qrc:/images/C4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom5, optionText: qsTr("RM_Custom5"), source: "qrc:/images/C5.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom6, optionText: qsTr("RM_Custom6"), source: "qrc:/images/C6.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom7, optionText: qsTr("RM_Custom7"), source: "qrc:/images/C7.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom8, optionText: qsTr("RM_Custom8"), source: "qrc:/images/C8.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom9, optionText: qsTr("RM_Custom9"), source: "qrc:/images/C9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom10, optionText: qsTr("RM_Custom10"), source: "qrc:/images/C10.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom11, optionText: qsTr("RM_Custom11"), source: "qrc:/images/C11.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_Custom12, optionText: qsTr("RM_Custom12"), source: "qrc:/images/C12.svg", type: "optionWithImage" } }
    ]
    readonly property var creativeControlFilter: [
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Pop, optionText: qsTr("RM_CC_Pop"), source: "qrc:/images/cc_pop.svg", optionSource: "qrc:/images/cc_pop_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Retro, optionText: qsTr("RM_CC_Retro"), source: "qrc:/images/cc_retro.svg", optionSource: "qrc:/images/cc_retro_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_OldDays, optionText: qsTr("RM_CC_OldDays"), source: "qrc:/images/cc_olddays.svg", optionSource: "qrc:/images/cc_olddays_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_HighKey, optionText: qsTr("RM_CC_HighKey"), source: "qrc:/images/cc_highkey.svg", optionSource: "qrc:/images/cc_highkey_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_LowKey, optionText: qsTr("RM_CC_LowKey"), source: "qrc:/images/cc_lowkey.svg", optionSource: "qrc:/images/cc_lowkey_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Sepia, optionText: qsTr("RM_CC_Sepia"), source: "qrc:/images/cc_sepia.svg", optionSource: "qrc:/images/cc_sepia_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Monochrome, optionText: qsTr("RM_CC_Monochrome"), source: "qrc:/images/cc_monochrome.svg", optionSource: "qrc:/images/cc_monochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_DynamicMonochrome, optionText: qsTr("RM_CC_DynamicMonochrome"), source: "qrc:/images/cc_dynamicmonochrome.svg", optionSource: "qrc:/images/cc_dynamicmonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_RoughMonochrome, optionText: qsTr("RM_CC_RoughMonochrome"), source: "qrc:/images/cc_roughmonochrome.svg", optionSource: "qrc:/images/cc_roughmonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_SilkyMonochrome, optionText: qsTr("RM_CC_SilkyMonochrome"), source: "qrc:/images/cc_silkymonochrome.svg", optionSource: "qrc:/images/cc_silkymonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ImpressiveArt, optionText: qsTr("RM_CC_ImpressiveArt"), source: "qrc:/images/cc_impressiveart.svg", optionSource: "qrc:/images/cc_impressiveart_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_HighDynamic, optionText: qsTr("RM_CC_HighDynamic"), source: "qrc:/images/cc_highdynamic.svg", optionSource: "qrc:/images/cc_highdynamic_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_CrossProcess, optionText: qsTr("RM_CC_CrossProcess"), source: "qrc:/images/cc_crossprocess.svg", optionSource: "qrc:/images/cc_crossprocess_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ToyPhoto, optionText: qsTr("RM_CC_ToyPhoto"), source: "qrc:/images/cc_toyphoto.svg", optionSource: "qrc:/images/cc_toyphoto_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ToyPop, optionText: qsTr("RM_CC_ToyPop"), source: "qrc:/images/cc_toypop.svg", optionSource: "qrc:/images/cc_toypop_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_BleachBypass, optionText: qsTr("RM_CC_BleachBypass"), source: "qrc:/images/cc_bleachbypass.svg", optionSource: "qrc:/images/cc_bleachbypass_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Diorama, optionText: qsTr("RM_CC_Diorama"), source: "qrc:/images/cc_diorama.svg", optionSource: "qrc:/images/cc_diorama_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_SoftFocus, optionText: qsTr("RM_CC_SoftFocus"), source: "qrc:/images/cc_softfocus.svg", optionSource: "qrc:/images/cc_softfocus_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Fantasy, optionText: qsTr("RM_CC_Fantasy"), source: "qrc:/images/cc_fantasy.svg", optionSource: "qrc:/images/cc_fantasy_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_CrossFilter, optionText: qsTr("RM_CC_CrossFilter"), source: "qrc:/images/cc_crossfilter.svg", optionSource: "qrc:/images/cc_crossfilter_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_OnePointColor, optionText: qsTr("RM_CC_OnePointColor"), source: "qrc:/images/cc_onepointcolor.svg", optionSource: "qrc:/images/cc_onepointcolor_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Sunshine, optionText: qsTr("RM_CC_Sunshine"), source: "qrc:/images/cc_sunshine.svg", optionSource: "qrc:/images/cc_sunshine_l.svg", type: "optionWithImagetoText" } }
    ]
    readonly property var creativeControlFilterRatin: [
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Pop, optionText: qsTr("RM_CC_Pop"), source: "qrc:/images/cc_pop.svg", optionSource: "qrc:/images/cc_pop_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Retro, optionText: qsTr("RM_CC_Retro"), source: "qrc:/images/cc_retro.svg", optionSource: "qrc:/images/cc_retro_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_OldDays, optionText: qsTr("RM_CC_OldDays"), source: "qrc:/images/cc_olddays.svg", optionSource: "qrc:/images/cc_olddays_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_HighKey, optionText: qsTr("RM_CC_HighKey"), source: "qrc:/images/cc_highkey.svg", optionSource: "qrc:/images/cc_highkey_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_LowKey, optionText: qsTr("RM_CC_LowKey"), source: "qrc:/images/cc_lowkey.svg", optionSource: "qrc:/images/cc_lowkey_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Sepia, optionText: qsTr("RM_CC_Sepia"), source: "qrc:/images/cc_sepia.svg", optionSource: "qrc:/images/cc_sepia_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Monochrome, optionText: qsTr("RM_CC_Monochrome"), source: "qrc:/images/cc_monochrome.svg", optionSource: "qrc:/images/cc_monochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_DynamicMonochrome, optionText: qsTr("RM_CC_DynamicMonochrome"), source: "qrc:/images/cc_dynamicmonochrome.svg", optionSource: "qrc:/images/cc_dynamicmonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_RoughMonochrome, optionText: qsTr("RM_CC_RoughMonochrome"), source: "qrc:/images/cc_roughmonochrome.svg", optionSource: "qrc:/images/cc_roughmonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_SilkyMonochrome, optionText: qsTr("RM_CC_SilkyMonochrome"), source: "qrc:/images/cc_silkymonochrome.svg", optionSource: "qrc:/images/cc_silkymonochrome_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ImpressiveArt, optionText: qsTr("RM_CC_ImpressiveArt"), source: "qrc:/images/cc_impressiveart.svg", optionSource: "qrc:/images/cc_impressiveart_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_HighDynamic, optionText: qsTr("RM_CC_HighDynamic"), source: "qrc:/images/cc_highdynamic.svg", optionSource: "qrc:/images/cc_highdynamic_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_CrossProcess, optionText: qsTr("RM_CC_CrossProcess"), source: "qrc:/images/cc_crossprocess.svg", optionSource: "qrc:/images/cc_crossprocess_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ToyPhoto, optionText: qsTr("RM_CC_ToyPhoto"), source: "qrc:/images/cc_toyphoto.svg", optionSource: "qrc:/images/cc_toyphoto_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_ToyPop, optionText: qsTr("RM_CC_ToyPop"), source: "qrc:/images/cc_toypop.svg", optionSource: "qrc:/images/cc_toypop_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_BleachBypass, optionText: qsTr("RM_CC_BleachBypass"), source: "qrc:/images/cc_bleachbypass.svg", optionSource: "qrc:/images/cc_bleachbypass_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Diorama, optionText: qsTr("RM_CC_Diorama"), source: "qrc:/images/cc_diorama.svg", optionSource: "qrc:/images/cc_diorama_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_SoftFocus, optionText: qsTr("RM_CC_SoftFocus"), source: "qrc:/images/cc_softfocus.svg", optionSource: "qrc:/images/cc_softfocus_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Fantasy, optionText: qsTr("RM_CC_Fantasy"), source: "qrc:/images/cc_fantasy.svg", optionSource: "qrc:/images/cc_fantasy_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_CrossFilter, optionText: qsTr("RM_CC_CrossFilter"), source: "qrc:/images/cc_crossfilter.svg", optionSource: "qrc:/images/cc_crossfilter_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_OnePointColor, optionText: qsTr("RM_CC_OnePointColor"), source: "qrc:/images/cc_onepointcolor.svg", optionSource: "qrc:/images/cc_onepointcolor_l.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonCcComponent, properties: { value: Kv.Utilities.RM_CC_Sunshine, optionText: qsTr("RM_CC_Sunshine"), source: "qrc:/images/cc_sunshine.svg", optionSource: "qrc:/images/cc_sunshine_l.svg", type: "optionWithImagetoText" } }
    ]
    readonly property var creativeVideoAE: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ProgramAE, optionText: getCreativeVideoAE_OptionText_P(), source: "qrc:/images/cv_p.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_AperturePriorityAE, optionText: getCreativeVideoAE_OptionText_A(), source: "qrc:/images/cv_a.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ShutterPriorityAE, optionText: getCreativeVideoAE_OptionText_S(), source: "qrc:/images/cv_s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ManualExposure, optionText: getCreativeVideoAE_OptionText_M(), source: "qrc:/images/cv_m.svg", type: "optionWithImage" } }
    ]
    readonly property var sqMotion: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ProgramAE, optionText: qsTr("SQ-P"), source: "qrc:/images/sqmode_p.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_AperturePriorityAE, optionText: qsTr("SQ-A"), source: "qrc:/images/sqmode_a.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ShutterPriorityAE, optionText: qsTr("SQ-S"), source: "qrc:/images/sqmode_s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_CV_ManualExposure, optionText: qsTr("SQ-M"), source: "qrc:/images/sqmode_m.svg", type: "optionWithImage" } }
    ]
    readonly property var photoExposure: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_PE_ProgramAE, optionText: qsTr("Photo-P"), source: "qrc:/images/pe_p.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_PE_AperturePriorityAE, optionText: qsTr("Photo-A"), source: "qrc:/images/pe_a.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_PE_ShutterPriorityAE, optionText: qsTr("Photo-S"), source: "qrc:/images/pe_s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_PE_ManualExposure, optionText: qsTr("Photo-M"), source: "qrc:/images/pe_m.svg", type: "optionWithImage" } }
    ]
    readonly property var sceneGuideScene: [
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Beautiful, optionText: qsTr("RM_SG_Beautiful"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_SkinBeautiful, optionText: qsTr("RM_SG_SkinBeautiful"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_AgainstSoft, optionText: qsTr("RM_SG_AgainstSoft"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_AgainstHard, optionText: qsTr("RM_SG_AgainstHard"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Heartwarming, optionText: qsTr("RM_SG_Heartwarming"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_ChildrenCute, optionText: qsTr("RM_SG_ChildrenCute"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Landscape, optionText: qsTr("RM_SG_Landscape"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_BlueSkyCool, optionText: qsTr("RM_SG_BlueSkyCool"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_FantasticSunset, optionText: qsTr("RM_SG_FantasticSunset"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_ImpressiveSunset, optionText: qsTr("RM_SG_ImpressiveSunset"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_SparklingWater, optionText: qsTr("RM_SG_SparklingWater"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightBeatiful, optionText: qsTr("RM_SG_NightBeatiful"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightCool, optionText: qsTr("RM_SG_NightCool"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightWarm, optionText: qsTr("RM_SG_NightWarm"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightArtistic, optionText: qsTr("RM_SG_NightArtistic"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Illumination, optionText: qsTr("RM_SG_Illumination"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightHand, optionText: qsTr("RM_SG_NightHand"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_NightBack, optionText: qsTr("RM_SG_NightBack"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Flower, optionText: qsTr("RM_SG_Flower"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Delicious, optionText: qsTr("RM_SG_Delicious"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Sweets, optionText: qsTr("RM_SG_Sweets"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Pet, optionText: qsTr("RM_SG_Pet"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Sports, optionText: qsTr("RM_SG_Sports"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.RM_SG_Monochrome, optionText: qsTr("RM_SG_Monochrome"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } }
    ]
    readonly property var intelligentAutoMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_IA_IntelligentAuto, optionText: qsTr("RM_IA_IntelligentAuto"), source: "qrc:/images/16_ia.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_IA_IntelligentAutoPlus, optionText: qsTr("RM_IA_IntelligentAutoPlus"), source: "qrc:/images/17_ia_plus.svg", type: "optionWithImage" } }
    ]
    readonly property var custom3Set: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set1, optionText: qsTr("RM_C3_Set1"), source: "qrc:/images/27_c3_1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set2, optionText: qsTr("RM_C3_Set2"), source: "qrc:/images/27_c3_2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set3, optionText: qsTr("RM_C3_Set3"), source: "qrc:/images/27_c3_3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set4, optionText: qsTr("RM_C3_Set4"), source: "qrc:/images/27_c3_4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set5, optionText: qsTr("RM_C3_Set5"), source: "qrc:/images/27_c3_5.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set6, optionText: qsTr("RM_C3_Set6"), source: "qrc:/images/27_c3_6.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set7, optionText: qsTr("RM_C3_Set7"), source: "qrc:/images/27_c3_7.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set8, optionText: qsTr("RM_C3_Set8"), source: "qrc:/images/27_c3_8.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set9, optionText: qsTr("RM_C3_Set9"), source: "qrc:/images/27_c3_9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set10, optionText: qsTr("RM_C3_Set10"), source: "qrc:/images/27_c3_10.svg", type: "optionWithImage" } }
    ]
    readonly property var custom4Set: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set1, optionText: qsTr("RM_C3_Set1"), source: "qrc:/images/c4_1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set2, optionText: qsTr("RM_C3_Set2"), source: "qrc:/images/c4_2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set3, optionText: qsTr("RM_C3_Set3"), source: "qrc:/images/c4_3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set4, optionText: qsTr("RM_C3_Set4"), source: "qrc:/images/c4_4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set5, optionText: qsTr("RM_C3_Set5"), source: "qrc:/images/c4_5.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set6, optionText: qsTr("RM_C3_Set6"), source: "qrc:/images/c4_6.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set7, optionText: qsTr("RM_C3_Set7"), source: "qrc:/images/c4_7.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set8, optionText: qsTr("RM_C3_Set8"), source: "qrc:/images/c4_8.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set9, optionText: qsTr("RM_C3_Set9"), source: "qrc:/images/c4_9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set10, optionText: qsTr("RM_C3_Set10"), source: "qrc:/images/c4_10.svg", type: "optionWithImage" } }
    ]
    readonly property var custom5Set: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set1, optionText: qsTr("RM_C3_Set1"), source: "qrc:/images/c5_1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set2, optionText: qsTr("RM_C3_Set2"), source: "qrc:/images/c5_2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set3, optionText: qsTr("RM_C3_Set3"), source: "qrc:/images/c5_3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set4, optionText: qsTr("RM_C3_Set4"), source: "qrc:/images/c5_4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set5, optionText: qsTr("RM_C3_Set5"), source: "qrc:/images/c5_5.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set6, optionText: qsTr("RM_C3_Set6"), source: "qrc:/images/c5_6.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set7, optionText: qsTr("RM_C3_Set7"), source: "qrc:/images/c5_7.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set8, optionText: qsTr("RM_C3_Set8"), source: "qrc:/images/c5_8.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set9, optionText: qsTr("RM_C3_Set9"), source: "qrc:/images/c5_9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.RM_C3_Set10, optionText: qsTr("RM_C3_Set10"), source: "qrc:/images/c5_10.svg", type: "optionWithImage" } }
    ]
    readonly property var shutterSpeed: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Bulb, optionText: qsTr("SS_Bulb"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Time, optionText: qsTr("SS_Time"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_60, optionText: qsTr("SS_Sec_60"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_50, optionText: qsTr("SS_Sec_50"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_40, optionText: qsTr("SS_Sec_40"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_30, optionText: qsTr("SS_Sec_30"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_25, optionText: qsTr("SS_Sec_25"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_20, optionText: qsTr("SS_Sec_20"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_15, optionText: qsTr("SS_Sec_15"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_13, optionText: qsTr("SS_Sec_13"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_10, optionText: qsTr("SS_Sec_10"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_8, optionText: qsTr("SS_Sec_8"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_6, optionText: qsTr("SS_Sec_6"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_5, optionText: qsTr("SS_Sec_5"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_4, optionText: qsTr("SS_Sec_4"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_3_2, optionText: qsTr("SS_Sec_3_2"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_2_5, optionText: qsTr("SS_Sec_2_5"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_2, optionText: qsTr("SS_Sec_2"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_1_6, optionText: qsTr("SS_Sec_1_6"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_1_3, optionText: qsTr("SS_Sec_1_3"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_Sec_1, optionText: qsTr("SS_Sec_1"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_1_3, optionText: qsTr("SS_1_3"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_1_6, optionText: qsTr("SS_1_6"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_2, optionText: qsTr("SS_2"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_2_5, optionText: qsTr("SS_2_5"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_3_2, optionText: qsTr("SS_3_2"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_4, optionText: qsTr("SS_4"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_5, optionText: qsTr("SS_5"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_6, optionText: qsTr("SS_6"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_8, optionText: qsTr("SS_8"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_10, optionText: qsTr("SS_10"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_13, optionText: qsTr("SS_13"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_15, optionText: qsTr("SS_15"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_20, optionText: qsTr("SS_20"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_25, optionText: qsTr("SS_25"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_30, optionText: qsTr("SS_30"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_40, optionText: qsTr("SS_40"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_50, optionText: qsTr("SS_50"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_60, optionText: qsTr("SS_60"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_80, optionText: qsTr("SS_80"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_100, optionText: qsTr("SS_100"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_125, optionText: qsTr("SS_125"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_160, optionText: qsTr("SS_160"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_200, optionText: qsTr("SS_200"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_250, optionText: qsTr("SS_250"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_320, optionText: qsTr("SS_320"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_400, optionText: qsTr("SS_400"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_500, optionText: qsTr("SS_500"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_640, optionText: qsTr("SS_640"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_800, optionText: qsTr("SS_800"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_1000, optionText: qsTr("SS_1000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_1300, optionText: qsTr("SS_1300"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_1600, optionText: qsTr("SS_1600"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_2000, optionText: qsTr("SS_2000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_2500, optionText: qsTr("SS_2500"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_3200, optionText: qsTr("SS_3200"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_4000, optionText: qsTr("SS_4000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_5000, optionText: qsTr("SS_5000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_6400, optionText: qsTr("SS_6400"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_8000, optionText: qsTr("SS_8000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_10000, optionText: qsTr("SS_10000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_13000, optionText: qsTr("SS_13000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_16000, optionText: qsTr("SS_16000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_20000, optionText: qsTr("SS_20000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_25000, optionText: qsTr("SS_25000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_32000, optionText: qsTr("SS_32000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_40000, optionText: qsTr("SS_40000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_50000, optionText: qsTr("SS_50000"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_51200, optionText: qsTr("SS_51200"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SS_64000, optionText: qsTr("SS_64000"), type: "optionWithStyledText" } }
    ]
    readonly property var driveMode: [
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Single, optionText: qsTr("DM_Single"), source: "qrc:/images/dm_single.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Burst, optionText: qsTr("DM_Burst"), source: "qrc:/images/dm_burst.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_4K6K, optionText: qsTr("DM_4K6K"), source: "qrc:/images/dm_6k4k.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Focus, optionText: qsTr("DM_Focus"), source: "qrc:/images/dm_focus.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_SelfTimer, optionText: qsTr("DM_SelfTimer"), source: "qrc:/images/dm_selftimer.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Interval, optionText: qsTr("DM_Interval"), source: "qrc:/images/dm_interval.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Komadori, optionText: qsTr("DM_Komadori"), source: "qrc:/images/dm_komadori.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_HRS, optionText: qsTr("DM_HRS"), source: "qrc:/images/dm_hrs.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_HANDHELD_HRS, optionText: qsTr("DM_HANDHELD_HRS"), source: "qrc:/images/dm_handheld_hrs.svg", type: "optionWithImagetoText" } }
    ]
    readonly property var driveModeSelect: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.DM_Single, optionText: qsTr("DM_Single"), source: "qrc:/images/dm_single.svg", type: "optionWithImage" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Burst, optionText: qsTr("DM_Burst"), source: "qrc:/images/dm_burst.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Bracket, optionText: qsTr("DM_Bracket"), source: "qrc:/images/dm_bracket.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Burst1, optionText: qsTr("DM_Burst1"), source: "qrc:/images/dm_burst1.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Burst2, optionText: qsTr("DM_Burst2"), source: "qrc:/images/dm_burst2.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_HRS, optionText: qsTr("DM_HRS"), source: "qrc:/images/dm_hrs.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_HANDHELD_HRS, optionText: qsTr("DM_HANDHELD_HRS"), source: "qrc:/images/dm_handheld_hrs.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Interval, optionText: qsTr("DM_Interval"), source: "qrc:/images/dm_interval.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Komadori, optionText: qsTr("DM_Komadori"), source: "qrc:/images/dm_komadori.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_4K6K, optionText: qsTr("DM_4K6K"), source: "qrc:/images/dm_6k4k.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_Focus, optionText: qsTr("DM_Focus"), source: "qrc:/images/dm_focus.svg", type: "optionWithImagetoText" } },
        { component: optionWithImagetoTextButtonComponent, properties: { value: Kv.Utilities.DM_SelfTimer, optionText: qsTr("DM_SelfTimer"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImagetoText" } }
    ]
    readonly property var picture4K6K: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_6K_30p_Burst, optionText: qsTr("PQQ_6K_30p_Burst"), source: "qrc:/images/pqq_6k_30p_burst.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_6K_30p_Burst_SS, optionText: qsTr("PQQ_6K_30p_Burst_SS"), source: "qrc:/images/pqq_6k_30p_burst_ss.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_6K_30p_PreBurst, optionText: qsTr("PQQ_6K_30p_PreBurst"), source: "qrc:/images/pqq_6k_30p_preburst.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_60p_Burst, optionText: qsTr("PQQ_4K_60p_Burst"), source: "qrc:/images/pqq_4k_60p_burst.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_60p_Burst_SS, optionText: qsTr("PQQ_4K_60p_Burst_SS"), source: "qrc:/images/pqq_4k_60p_burst_ss.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_60p_PreBurst, optionText: qsTr("PQQ_4K_60p_PreBurst"), source: "qrc:/images/pqq_4k_60p_preburst.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_30p_Burst, optionText: qsTr("PQQ_4K_30p_Burst"), source: "qrc:/images/pqq_4k_30p_burst.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_30p_Burst_SS, optionText: qsTr("PQQ_4K_30p_Burst_SS"), source: "qrc:/images/pqq_4k_30p_burst_ss.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PQQ_4K_30p_PreBurst, optionText: qsTr("PQQ_4K_30p_PreBurst"), source: "qrc:/images/pqq_4k_30p_preburst.svg", type: "optionWithImage" } }
    ]
    readonly property var burstSpeed: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_6K4K, optionText: qsTr("BS_6K4K"), source: "qrc:/images/bs_6k4k.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastSH, optionText: qsTr("BS_EleFastSH"), source: "qrc:/images/bs_elefastsh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast75, optionText: qsTr("BS_EleFast75"), source: "qrc:/images/bs_elefast75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast70, optionText: qsTr("BS_EleFast70"), source: "qrc:/images/bs_elefast70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast60, optionText: qsTr("BS_EleFast60"), source: "qrc:/images/bs_elefast60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast40, optionText: qsTr("BS_EleFast40"), source: "qrc:/images/bs_elefast40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast30, optionText: qsTr("BS_EleFast30"), source: "qrc:/images/bs_elefast30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast20, optionText: qsTr("BS_EleFast20"), source: "qrc:/images/bs_elefast20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPreSH, optionText: qsTr("BS_EleFastPreSH"), source: "qrc:/images/bs_elefastpresh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre75, optionText: qsTr("BS_EleFastPre75"), source: "qrc:/images/bs_elefastpre75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre70, optionText: qsTr("BS_EleFastPre70"), source: "qrc:/images/bs_elefastpre70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre60, optionText: qsTr("BS_EleFastPre60"), source: "qrc:/images/bs_elefastpre60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre40, optionText: qsTr("BS_EleFastPre40"), source: "qrc:/images/bs_elefastpre40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre30, optionText: qsTr("BS_EleFastPre30"), source: "qrc:/images/bs_elefastpre30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre20, optionText: qsTr("BS_EleFastPre20"), source: "qrc:/images/bs_elefastpre20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast3, optionText: qsTr("BS_EleFast3"), source: "qrc:/images/bs_elefast3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast2, optionText: qsTr("BS_EleFast2"), source: "qrc:/images/bs_elefast2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast, optionText: qsTr("BS_EleFast"), source: "qrc:/images/bs_elefast.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre3, optionText: qsTr("BS_EleFastPre3"), source: "qrc:/images/bs_elefastpre3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre2, optionText: qsTr("BS_EleFastPre2"), source: "qrc:/images/bs_elefastpre2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre, optionText: qsTr("BS_EleFastPre"), source: "qrc:/images/bs_elefastpre.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlus, optionText: qsTr("BS_HighSpeedPlus"), source: "qrc:/images/bs_highspeedplus.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlusLiveView, optionText: qsTr("BS_HighSpeedPlusLiveView"), source: "qrc:/images/bs_highspeedplusliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeed, optionText: qsTr("BS_HighSpeed"), source: "qrc:/images/bs_highspeed.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedLiveView, optionText: qsTr("BS_HighSpeedLiveView"), source: "qrc:/images/bs_highspeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_MiddleSpeedLiveView, optionText: qsTr("BS_MiddleSpeedLiveView"), source: "qrc:/images/bs_middlespeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_LowSpeedLiveView, optionText: qsTr("BS_LowSpeedLiveView"), source: "qrc:/images/bs_lowspeedliveview.svg", type: "optionWithImage" } }
    ]
    readonly property var burstSpeed1: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_6K4K, optionText: qsTr("BS_6K4K"), source: "qrc:/images/bs_6k4k.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastSH, optionText: qsTr("BS_EleFastSH"), source: "qrc:/images/bs_elefastsh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast75, optionText: qsTr("BS_EleFast75"), source: "qrc:/images/bs_elefast75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast70, optionText: qsTr("BS_EleFast70"), source: "qrc:/images/bs_elefast70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast60, optionText: qsTr("BS_EleFast60"), source: "qrc:/images/bs_elefast60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast40, optionText: qsTr("BS_EleFast40"), source: "qrc:/images/bs_elefast40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast30, optionText: qsTr("BS_EleFast30"), source: "qrc:/images/bs_elefast30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast20, optionText: qsTr("BS_EleFast20"), source: "qrc:/images/bs_elefast20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPreSH, optionText: qsTr("BS_EleFastPreSH"), source: "qrc:/images/bs_elefastpresh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre75, optionText: qsTr("BS_EleFastPre75"), source: "qrc:/images/bs_elefastpre75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre70, optionText: qsTr("BS_EleFastPre70"), source: "qrc:/images/bs_elefastpre70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre60, optionText: qsTr("BS_EleFastPre60"), source: "qrc:/images/bs_elefastpre60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre40, optionText: qsTr("BS_EleFastPre40"), source: "qrc:/images/bs_elefastpre40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre30, optionText: qsTr("BS_EleFastPre30"), source: "qrc:/images/bs_elefastpre30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre20, optionText: qsTr("BS_EleFastPre20"), source: "qrc:/images/bs_elefastpre20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast3, optionText: qsTr("BS_EleFast3"), source: "qrc:/images/bs_elefast3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast2, optionText: qsTr("BS_EleFast2"), source: "qrc:/images/bs_elefast2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast, optionText: qsTr("BS_EleFast"), source: "qrc:/images/bs_elefast.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre3, optionText: qsTr("BS_EleFastPre3"), source: "qrc:/images/bs_elefastpre3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre2, optionText: qsTr("BS_EleFastPre2"), source: "qrc:/images/bs_elefastpre2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre, optionText: qsTr("BS_EleFastPre"), source: "qrc:/images/bs_elefastpre.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlus, optionText: qsTr("BS_HighSpeedPlus"), source: "qrc:/images/bs_highspeedplus.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlusLiveView, optionText: qsTr("BS_HighSpeedPlusLiveView"), source: "qrc:/images/bs_highspeedplusliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeed, optionText: qsTr("BS_HighSpeed"), source: "qrc:/images/bs_highspeed.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedLiveView, optionText: qsTr("BS_HighSpeedLiveView"), source: "qrc:/images/bs_highspeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_MiddleSpeedLiveView, optionText: qsTr("BS_MiddleSpeedLiveView"), source: "qrc:/images/bs_middlespeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_LowSpeedLiveView, optionText: qsTr("BS_LowSpeedLiveView"), source: "qrc:/images/bs_lowspeedliveview.svg", type: "optionWithImage" } }
    ]
    readonly property var burstSpeed2: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_6K4K, optionText: qsTr("BS_6K4K"), source: "qrc:/images/bs_6k4k.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastSH, optionText: qsTr("BS_EleFastSH"), source: "qrc:/images/bs_elefastsh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast75, optionText: qsTr("BS_EleFast75"), source: "qrc:/images/bs_elefast75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast70, optionText: qsTr("BS_EleFast70"), source: "qrc:/images/bs_elefast70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast60, optionText: qsTr("BS_EleFast60"), source: "qrc:/images/bs_elefast60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast40, optionText: qsTr("BS_EleFast40"), source: "qrc:/images/bs_elefast40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast30, optionText: qsTr("BS_EleFast30"), source: "qrc:/images/bs_elefast30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast20, optionText: qsTr("BS_EleFast20"), source: "qrc:/images/bs_elefast20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPreSH, optionText: qsTr("BS_EleFastPreSH"), source: "qrc:/images/bs_elefastpresh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre75, optionText: qsTr("BS_EleFastPre75"), source: "qrc:/images/bs_elefastpre75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre70, optionText: qsTr("BS_EleFastPre70"), source: "qrc:/images/bs_elefastpre70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre60, optionText: qsTr("BS_EleFastPre60"), source: "qrc:/images/bs_elefastpre60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre40, optionText: qsTr("BS_EleFastPre40"), source: "qrc:/images/bs_elefastpre40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre30, optionText: qsTr("BS_EleFastPre30"), source: "qrc:/images/bs_elefastpre30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre20, optionText: qsTr("BS_EleFastPre20"), source: "qrc:/images/bs_elefastpre20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast3, optionText: qsTr("BS_EleFast3"), source: "qrc:/images/bs_elefast3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast2, optionText: qsTr("BS_EleFast2"), source: "qrc:/images/bs_elefast2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast, optionText: qsTr("BS_EleFast"), source: "qrc:/images/bs_elefast.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre3, optionText: qsTr("BS_EleFastPre3"), source: "qrc:/images/bs_elefastpre3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre2, optionText: qsTr("BS_EleFastPre2"), source: "qrc:/images/bs_elefastpre2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre, optionText: qsTr("BS_EleFastPre"), source: "qrc:/images/bs_elefastpre.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlus, optionText: qsTr("BS_HighSpeedPlus"), source: "qrc:/images/bs_highspeedplus.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlusLiveView, optionText: qsTr("BS_HighSpeedPlusLiveView"), source: "qrc:/images/bs_highspeedplusliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeed, optionText: qsTr("BS_HighSpeed"), source: "qrc:/images/bs_highspeed.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedLiveView, optionText: qsTr("BS_HighSpeedLiveView"), source: "qrc:/images/bs_highspeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_MiddleSpeedLiveView, optionText: qsTr("BS_MiddleSpeedLiveView"), source: "qrc:/images/bs_middlespeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_LowSpeedLiveView, optionText: qsTr("BS_LowSpeedLiveView"), source: "qrc:/images/bs_lowspeedliveview.svg", type: "optionWithImage" } }
    ]
    readonly property var burstSpeedAll: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastSH, optionText: qsTr("BS_EleFastSH"), source: "qrc:/images/bs_elefastsh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast40, optionText: qsTr("BS_EleFast40"), source: "qrc:/images/bs_elefast40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast20, optionText: qsTr("BS_EleFast20"), source: "qrc:/images/bs_elefast20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast60, optionText: qsTr("BS_EleFast60"), source: "qrc:/images/bs_elefast60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast30, optionText: qsTr("BS_EleFast30"), source: "qrc:/images/bs_elefast30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast75, optionText: qsTr("BS_EleFast75"), source: "qrc:/images/bs_elefast75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast70, optionText: qsTr("BS_EleFast70"), source: "qrc:/images/bs_elefast70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPreSH, optionText: qsTr("BS_EleFastPreSH"), source: "qrc:/images/bs_elefastpresh.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre40, optionText: qsTr("BS_EleFastPre40"), source: "qrc:/images/bs_elefastpre40.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre20, optionText: qsTr("BS_EleFastPre20"), source: "qrc:/images/bs_elefastpre20.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre60, optionText: qsTr("BS_EleFastPre60"), source: "qrc:/images/bs_elefastpre60.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre30, optionText: qsTr("BS_EleFastPre30"), source: "qrc:/images/bs_elefastpre30.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre75, optionText: qsTr("BS_EleFastPre75"), source: "qrc:/images/bs_elefastpre75.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre70, optionText: qsTr("BS_EleFastPre70"), source: "qrc:/images/bs_elefastpre70.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlus, optionText: qsTr("BS_HighSpeedPlus"), source: "qrc:/images/bs_highspeedplus.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedPlusLiveView, optionText: qsTr("BS_HighSpeedPlusLiveView"), source: "qrc:/images/bs_highspeedplusliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeed, optionText: qsTr("BS_HighSpeed"), source: "qrc:/images/bs_highspeed.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_HighSpeedLiveView, optionText: qsTr("BS_HighSpeedLiveView"), source: "qrc:/images/bs_highspeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_MiddleSpeedLiveView, optionText: qsTr("BS_MiddleSpeedLiveView"), source: "qrc:/images/bs_middlespeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_LowSpeedLiveView, optionText: qsTr("BS_LowSpeedLiveView"), source: "qrc:/images/bs_lowspeedliveview.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast, optionText: qsTr("BS_EleFast"), source: "qrc:/images/bs_elefast.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast2, optionText: qsTr("BS_EleFast2"), source: "qrc:/images/bs_elefast2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre, optionText: qsTr("BS_EleFastPre"), source: "qrc:/images/bs_elefastpre.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre2, optionText: qsTr("BS_EleFastPre2"), source: "qrc:/images/bs_elefastpre2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_6K4K, optionText: qsTr("BS_6K4K"), source: "qrc:/images/bs_6k4k.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFast3, optionText: qsTr("BS_EleFast3"), source: "qrc:/images/bs_elefast3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.BS_EleFastPre3, optionText: qsTr("BS_EleFastPre3"), source: "qrc:/images/bs_elefastpre3.svg", type: "optionWithImage" } }
    ]
    readonly property var focusSelect: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FS_6K_18M, optionText: qsTr("FS_6K_18M"), source: "qrc:/images/fs_6k_18m.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FS_4K_8M, optionText: qsTr("FS_4K_8M"), source: "qrc:/images/fs_4k_8m.svg", type: "optionWithImage" } }
    ]
    readonly property var selfTimer: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.SFT_10s, optionText: qsTr("SFT_10s"), source: "qrc:/images/st_10s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.SFT_10s_3, optionText: qsTr("SFT_10s_3"), source: "qrc:/images/st_10s_3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.SFT_2s, optionText: qsTr("SFT_2s"), source: "qrc:/images/st_2s.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.SFT_Custom, optionText: qsTr("SFT_Custom"), source: "qrc:/images/st_custom.svg", type: "optionWithImage" } }
    ]
    readonly property var selfTimerCustom: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_10s, optionText: qsTr("SFT_C_10s"), optionImage: "qrc:/images/selftimer_c10.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_9s, optionText: qsTr("SFT_C_9s"), optionImage: "qrc:/images/selftimer_c9.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_8s, optionText: qsTr("SFT_C_8s"), optionImage: "qrc:/images/selftimer_c8.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_7s, optionText: qsTr("SFT_C_7s"), optionImage: "qrc:/images/selftimer_c7.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_6s, optionText: qsTr("SFT_C_6s"), optionImage: "qrc:/images/selftimer_c6.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_5s, optionText: qsTr("SFT_C_5s"), optionImage: "qrc:/images/selftimer_c5.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_4s, optionText: qsTr("SFT_C_4s"), optionImage: "qrc:/images/selftimer_c4.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_3s, optionText: qsTr("SFT_C_3s"), optionImage: "qrc:/images/selftimer_c3.svg", type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.SFT_C_2s, optionText: qsTr("SFT_C_2s"), optionImage: "qrc:/images/selftimer_c2.svg", type: "optionWithStyledText" } }
    ]
    readonly property var whiteBalance: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Auto, optionText: qsTr("WB_Auto"), source: "qrc:/images/189_wb_awb.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Auto_Cool, optionText: qsTr("WB_Auto_Cool"), source: "qrc:/images/189_wb_awbc.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Auto_Warm, optionText: qsTr("WB_Auto_Warm"), source: "qrc:/images/189_wb_awbw.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Daylight, optionText: qsTr("WB_Daylight"), source: "qrc:/images/190_wb_daylight.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Cloud, optionText: qsTr("WB_Cloud"), source: "qrc:/images/191_wb_cloud.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Shade, optionText: qsTr("WB_Shade"), source: "qrc:/images/192_wb_shade.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Tengsten, optionText: qsTr("WB_Tengsten"), source: "qrc:/images/193_wb_incandescent.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Flash, optionText: qsTr("WB_Flash"), source: "qrc:/images/194_wb_flash.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Keep, optionText: qsTr("WB_Keep"), source: "qrc:/images/195_wb_set1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Keep2, optionText: qsTr("WB_Keep2"), source: "qrc:/images/195_wb_set2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Keep3, optionText: qsTr("WB_Keep3"), source: "qrc:/images/195_wb_set3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_Keep4, optionText: qsTr("WB_Keep4"), source: "qrc:/images/195_wb_set4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_K_Set, optionText: qsTr("WB_K_Set"), source: "qrc:/images/196_wb_k1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_K_Set2, optionText: qsTr("WB_K_Set2"), source: "qrc:/images/196_wb_k2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_K_Set3, optionText: qsTr("WB_K_Set3"), source: "qrc:/images/196_wb_k3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WB_K_Set4, optionText: qsTr("WB_K_Set4"), source: "qrc:/images/196_wb_k4.svg", type: "optionWithImage" } }
    ]
    readonly property var iso: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_Auto, optionText: qsTr("ISO_Auto"), source: "qrc:/images/237_iso_auto.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_I_Iso, optionText: qsTr("ISO_I_Iso"), source: "qrc:/images/238_iso_i.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_100, optionText: qsTr("ISO_100"), source: "qrc:/images/iso_100.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_125, optionText: qsTr("ISO_125"), source: "qrc:/images/iso_125.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_160, optionText: qsTr("ISO_160"), source: "qrc:/images/iso_160.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_200, optionText: qsTr("ISO_200"), source: "qrc:/images/iso_200.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_250, optionText: qsTr("ISO_250"), source: "qrc:/images/iso_250.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_320, optionText: qsTr("ISO_320"), source: "qrc:/images/iso_320.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_400, optionText: qsTr("ISO_400"), source: "qrc:/images/iso_400.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_500, optionText: qsTr("ISO_500"), source: "qrc:/images/iso_500.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_640, optionText: qsTr("ISO_640"), source: "qrc:/images/iso_640.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_800, optionText: qsTr("ISO_800"), source: "qrc:/images/iso_800.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_1000, optionText: qsTr("ISO_1000"), source: "qrc:/images/iso_1000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_1250, optionText: qsTr("ISO_1250"), source: "qrc:/images/iso_1250.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_1600, optionText: qsTr("ISO_1600"), source: "qrc:/images/iso_1600.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_2000, optionText: qsTr("ISO_2000"), source: "qrc:/images/iso_2000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_2500, optionText: qsTr("ISO_2500"), source: "qrc:/images/iso_2500.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_3200, optionText: qsTr("ISO_3200"), source: "qrc:/images/iso_3200.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_4000, optionText: qsTr("ISO_4000"), source: "qrc:/images/iso_4000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_5000, optionText: qsTr("ISO_5000"), source: "qrc:/images/iso_5000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_6400, optionText: qsTr("ISO_6400"), source: "qrc:/images/iso_6400.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_8000, optionText: qsTr("ISO_8000"), source: "qrc:/images/iso_8000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_8500, optionText: qsTr("ISO_8500"), source: "qrc:/images/iso_8500.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_10000, optionText: qsTr("ISO_10000"), source: "qrc:/images/iso_10000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_12500, optionText: qsTr("ISO_12500"), source: "qrc:/images/iso_12500.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_12800, optionText: qsTr("ISO_12800"), source: "qrc:/images/iso_12800.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_16000, optionText: qsTr("ISO_16000"), source: "qrc:/images/iso_16000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_20000, optionText: qsTr("ISO_20000"), source: "qrc:/images/iso_20000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_25000, optionText: qsTr("ISO_25000"), source: "qrc:/images/iso_25000.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ISO_25600, optionText: qsTr("ISO_25600"), source: "qrc:/images/iso_25600.svg", type: "optionWithImage" } }
    ]
    readonly property var focusMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FM_AF, optionText: qsTr("FM_AF"), source: "qrc:/images/fm_af.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FM_AF_S, optionText: qsTr("FM_AF_S"), source: "qrc:/images/fm_afs.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FM_AF_F, optionText: qsTr("FM_AF_F"), source: "qrc:/images/fm_aff.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FM_AF_C, optionText: qsTr("FM_AF_C"), source: "qrc:/images/fm_afc.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FM_MF, optionText: qsTr("FM_MF"), source: "qrc:/images/fm_mf.svg", type: "optionWithImage" } }
    ]
    readonly property var autoFocusMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Face, optionText: getAFM_FaceText(), source: getAFM_FaceImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Tracking, optionText: getAFM_TrackingText(), source: getAFM_TrackingImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_225Point, optionText: qsTr("AFM_225Point"), source: "qrc:/images/af_225area.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_FullArea, optionText: getAFM_FullAreaText(), source: getAFM_FullAreaImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_VertHori, optionText: getAFM_VertHoriText(), source: getAFM_VertHoriImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Square, optionText: qsTr("AFM_Square"), source: "qrc:/images/af_square.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Ellipse, optionText: getAFM_EllipseText(), source: getAFM_EllipseImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_1PointAux, optionText: getAFM_1PointAuxText(), source: getAFM_1PointAuxImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomVertical, optionText: qsTr("AFM_CustomVertical"), source: "qrc:/images/af_custom_v.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomHorizon, optionText: qsTr("AFM_CustomHorizon"), source: "qrc:/images/af_custom_h.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomCenter, optionText: qsTr("AFM_CustomCenter"), source: "qrc:/images/af_custom_center.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomC1, optionText: qsTr("AFM_CustomC1"), source: "qrc:/images/af_custom_c1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomC2, optionText: qsTr("AFM_CustomC2"), source: "qrc:/images/af_custom_c2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_CustomC3, optionText: qsTr("AFM_CustomC3"), source: "qrc:/images/af_custom_c3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_1Point, optionText: getAFM_1PointText(), source: getAFM_1PointImg(), type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Pinpoint, optionText: qsTr("AFM_Pinpoint"), source: "qrc:/images/af_pinpoint.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Custom1, optionText: qsTr("AFM_Custom1"), source: "qrc:/images/af_custom1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Custom2, optionText: qsTr("AFM_Custom2"), source: "qrc:/images/af_custom2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.AFM_Custom3, optionText: qsTr("AFM_Custom3"), source: "qrc:/images/af_custom3.svg", type: "optionWithImage" } }
    ]
    readonly property var whiteBalanceKSet: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2550, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2550), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2650, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2650), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2850, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2850), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_2950, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_2950), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_3900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_3900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_4900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_4900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_5900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_5900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_6900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_6900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_7900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_7900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_8900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_8900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9000), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9100, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9100), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9200, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9200), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9300, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9300), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9400, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9400), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9500, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9500), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9600, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9600), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9700, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9700), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9800, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9800), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_9900, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_9900), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WBK_100000, optionText: whiteBalanceKSetTextFormat(Kv.Utilities.WBK_100000), type: "optionWithStyledText" } }
    ]
    readonly property var meteringMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.MM_Pattern, optionText: qsTr("MM_Pattern"), source: "qrc:/images/mm_pattern.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.MM_Center, optionText: qsTr("MM_Center"), source: "qrc:/images/mm_center.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.MM_Spot, optionText: qsTr("MM_Spot"), source: "qrc:/images/mm_spot.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.MM_Highlight, optionText: qsTr("MM_Highlight"), source: "qrc:/images/mm_highlight.svg", type: "optionWithImage" } }
    ]
    readonly property var photoStyle: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Remote_Camera_RZ300, optionText: qsTr("PS_Remote_Camera_RZ300"), source: "qrc:/images/ps_remote_camera_rz300.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Standard, optionText: qsTr("PS_Standard"), source: "qrc:/images/ps_standard.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Vivid, optionText: qsTr("PS_Vivid"), source: "qrc:/images/ps_vivid.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Natural, optionText: qsTr("PS_Natural"), source: "qrc:/images/ps_natural.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_KClassicNeo, optionText: qsTr("PS_KClassicNeo"), source: "qrc:/images/ps_kclassicneo.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Monochrome, optionText: qsTr("PS_Monochrome"), source: "qrc:/images/ps_monochrome.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_KMonochrome, optionText: qsTr("PS_KMonochrome"), source: "qrc:/images/ps_kmonochrome.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_LandScape, optionText: qsTr("PS_LandScape"), source: "qrc:/images/ps_landscape.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Portrait, optionText: qsTr("PS_Portrait"), source: "qrc:/images/ps_portrait.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Custom, optionText: qsTr("PS_Custom"), source: "qrc:/images/ps_custom.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Custom2, optionText: qsTr("PS_Custom2"), source: "qrc:/images/ps_custom2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Custom3, optionText: qsTr("PS_Custom3"), source: "qrc:/images/ps_custom3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Custom4, optionText: qsTr("PS_Custom4"), source: "qrc:/images/ps_custom4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_FilmtoneD, optionText: qsTr("PS_FilmtoneD"), source: "qrc:/images/ps_filmtoned.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_FilmtoneV, optionText: qsTr("PS_FilmtoneV"), source: "qrc:/images/ps_filmtonev.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Near_709, optionText: qsTr("PS_Near_709"), source: "qrc:/images/ps_near_709.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Linear_Gamma, optionText: qsTr("PS_Linear_Gamma"), source: "qrc:/images/ps_linear_gamma.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Q_Log_L, optionText: qsTr("PS_Q_Log_L"), source: "qrc:/images/ps_q_log_l.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_KMonochromeD, optionText: qsTr("PS_KMonochromeD"), source: "qrc:/images/ps_kmonochromed.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_KMonochromeS, optionText: qsTr("PS_KMonochromeS"), source: "qrc:/images/ps_kmonochromes.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Hybrid_Grama, optionText: qsTr("PS_Hybrid_Grama"), source: "qrc:/images/ps_hybrid_grama.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Flat, optionText: qsTr("PS_Flat"), source: "qrc:/images/ps_flat.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle1, optionText: qsTr("PS_PhotoStyle1"), source: "qrc:/images/ps_photostyle1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle2, optionText: qsTr("PS_PhotoStyle2"), source: "qrc:/images/ps_photostyle2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle3, optionText: qsTr("PS_PhotoStyle3"), source: "qrc:/images/ps_photostyle3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle4, optionText: qsTr("PS_PhotoStyle4"), source: "qrc:/images/ps_photostyle4.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle5, optionText: qsTr("PS_PhotoStyle5"), source: "qrc:/images/ps_photostyle5.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle6, optionText: qsTr("PS_PhotoStyle6"), source: "qrc:/images/ps_photostyle6.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle7, optionText: qsTr("PS_PhotoStyle7"), source: "qrc:/images/ps_photostyle7.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle8, optionText: qsTr("PS_PhotoStyle8"), source: "qrc:/images/ps_photostyle8.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle9, optionText: qsTr("PS_PhotoStyle9"), source: "qrc:/images/ps_photostyle9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_PhotoStyle10, optionText: qsTr("PS_PhotoStyle10"), source: "qrc:/images/ps_photostyle10.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_HLG_Standard, optionText: qsTr("PS_HLG_Standard"), source: "qrc:/images/ps_hlg_standard.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_HLG_Monochrome, optionText: qsTr("PS_HLG_Monochrome"), source: "qrc:/images/ps_hlg_monochrome.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Q_Log, optionText: qsTr("PS_Q_Log"), source: "qrc:/images/ps_q_log.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_FilmTone_A2, optionText: qsTr("PS_FilmTone_A2"), source: "qrc:/images/ps_filmtone_a2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_FilmTone_D2, optionText: qsTr("PS_FilmTone_D2"), source: "qrc:/images/ps_filmtone_d2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_FilmTone_V2, optionText: qsTr("PS_FilmTone_V2"), source: "qrc:/images/ps_filmtone_v2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_HLG_For_Q_Series, optionText: qsTr("PS_HLG_For_Q_Series"), source: "qrc:/images/ps_hlg_for_q_series.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_HLG_FullRange, optionText: qsTr("PS_HLG_FullRange"), source: "qrc:/images/ps_hlg_fullrange.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_RealTime_LUT, optionText: qsTr("PS_RealTime_LUT"), source: "qrc:/images/ps_realtime_lut.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Classic_Monochrome, optionText: qsTr("PS_Classic_Monochrome"), source: "qrc:/images/ps_classic_monochrome.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.PS_Film_Log3, optionText: qsTr("PS_Film_Log3"), source: "qrc:/images/ps_film_log3.svg", type: "optionWithImage" } }
    ]
    readonly property var imgInfoQuality: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Interlock, optionText: qsTr("ImgInfoQ_Interlock"), source: utilities.getLanguageType() === Kv.QLocale.Japanese ? "qrc:/images/combined_jp.svg" : "qrc:/images/combined.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Fine, optionText: qsTr("ImgInfoQ_Fine"), source: "qrc:/images/iq_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Std, optionText: qsTr("ImgInfoQ_Std"), source: "qrc:/images/iq_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Fine, optionText: qsTr("ImgInfoQ_Raw_Fine"), source: "qrc:/images/iq_raw_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Std, optionText: qsTr("ImgInfoQ_Raw_Std"), source: "qrc:/images/iq_raw_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Fine, optionText: qsTr("ImgInfoQ_Heif_Fine"), source: "qrc:/images/iq_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Std, optionText: qsTr("ImgInfoQ_Heif_Std"), source: "qrc:/images/iq_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Fine, optionText: qsTr("ImgInfoQ_Raw_Heif_Fine"), source: "qrc:/images/iq_raw_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Std, optionText: qsTr("ImgInfoQ_Raw_Heif_Std"), source: "qrc:/images/iq_raw_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw, optionText: qsTr("ImgInfoQ_Raw"), source: "qrc:/images/iq_raw.svg", type: "optionWithImage" } }
    ]
    readonly property var imgInfoQualityJpeg: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Fine, optionText: qsTr("ImgInfoQ_Fine"), source: "qrc:/images/iq_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Std, optionText: qsTr("ImgInfoQ_Std"), source: "qrc:/images/iq_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Fine, optionText: qsTr("ImgInfoQ_Raw_Fine"), source: "qrc:/images/iq_raw_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Std, optionText: qsTr("ImgInfoQ_Raw_Std"), source: "qrc:/images/iq_raw_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Fine, optionText: qsTr("ImgInfoQ_Heif_Fine"), source: "qrc:/images/iq_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Std, optionText: qsTr("ImgInfoQ_Heif_Std"), source: "qrc:/images/iq_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Fine, optionText: qsTr("ImgInfoQ_Raw_Heif_Fine"), source: "qrc:/images/iq_raw_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Std, optionText: qsTr("ImgInfoQ_Raw_Heif_Std"), source: "qrc:/images/iq_raw_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw, optionText: qsTr("ImgInfoQ_Raw"), source: "qrc:/images/iq_raw.svg", type: "optionWithImage" } }
    ]
    readonly property var imgInfoQualityHeif: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Fine, optionText: qsTr("ImgInfoQ_Fine"), source: "qrc:/images/iq_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Std, optionText: qsTr("ImgInfoQ_Std"), source: "qrc:/images/iq_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Fine, optionText: qsTr("ImgInfoQ_Raw_Fine"), source: "qrc:/images/iq_raw_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Std, optionText: qsTr("ImgInfoQ_Raw_Std"), source: "qrc:/images/iq_raw_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Fine, optionText: qsTr("ImgInfoQ_Heif_Fine"), source: "qrc:/images/iq_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Heif_Std, optionText: qsTr("ImgInfoQ_Heif_Std"), source: "qrc:/images/iq_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Fine, optionText: qsTr("ImgInfoQ_Raw_Heif_Fine"), source: "qrc:/images/iq_raw_heif_fine.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw_Heif_Std, optionText: qsTr("ImgInfoQ_Raw_Heif_Std"), source: "qrc:/images/iq_raw_heif_std.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.ImgInfoQ_Raw, optionText: qsTr("ImgInfoQ_Raw"), source: "qrc:/images/iq_raw.svg", type: "optionWithImage" } }
    ]
    readonly property var recPreviewMode: [
        { component: optionWithImageButtonComponentForPreview, properties: { value: Kv.Utilities.RecPreviw_Expousure, optionText: qsTr("RecPreviw_Expousure"), source: "qrc:/images/rp_exposure.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForPreview, properties: { value: Kv.Utilities.RecPreviw_Exp_SS, optionText: qsTr("RecPreviw_Exp_SS"), source: "qrc:/images/rp_exp_ss.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForPreview, properties: { value: Kv.Utilities.RecPreviw_Off, optionText: qsTr("RecPreviw_Off"), source: "qrc:/images/rp_off.svg", type: "optionWithImage" } }
    ]
    readonly property var imageQuality: [
        { component: optionWithImageButtonComponentForImgQuality, properties: { value: Kv.Utilities.LvImgQ_Fine, optionText: qsTr("LvImgQ_Fine"), source: "qrc:/images/lv_quality_fine.svg", optionOriginalText: qsTr("LvImgQ_Fine"), type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForImgQuality, properties: { value: Kv.Utilities.LvImgQ_Std, optionText: qsTr("LvImgQ_Std"), source: "qrc:/images/lv_quality_std.svg", optionOriginalText: qsTr("LvImgQ_Std"), type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForImgQuality, properties: { value: Kv.Utilities.LvImgQ_Low, optionText: qsTr("LvImgQ_Low"), source: "qrc:/images/lv_quality_low.svg", optionOriginalText: qsTr("LvImgQ_Low"), type: "optionWithImage" } }
    ]
    readonly property var aspectRatio: [
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Error, optionText: qsTr("AR_Error"), source: "qrc:/images/button_placeholder.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Nomal_4_3, optionText: qsTr("AR_Nomal_4_3"), source: "qrc:/images/4_3.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Film_3_2, optionText: qsTr("AR_Film_3_2"), source: "qrc:/images/3_2.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Hdtv_16_9, optionText: qsTr("AR_Hdtv_16_9"), source: "qrc:/images/16_9.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Blog_1_1, optionText: qsTr("AR_Blog_1_1"), source: "qrc:/images/1_1.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_Multi_MULTI, optionText: qsTr("AR_Multi_MULTI"), source: "qrc:/images/aspect_multi.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_65_24, optionText: qsTr("AR_65_24"), source: "qrc:/images/65_24.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponentForAspect, properties: { value: Kv.DeviceAdapter.AR_2_1, optionText: qsTr("AR_Blog_2_1"), source: "qrc:/images/2_1.svg", type: "optionWithImage" } }
    ]
    readonly property var flashDimmer: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.FlshDim_TTL, optionText: qsTr("FlshDim_TTL"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.FlshDim_Manual, optionText: qsTr("FlshDim_Manual"), type: "optionWithStyledText" } }
    ]
    readonly property var flashMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_Auto, optionText: qsTr("FlshM_Auto"), source: "qrc:/images/flash_auto.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_Forced, optionText: qsTr("FlshM_Forced"), source: "qrc:/images/flash_forced.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_ForcedRedEye, optionText: qsTr("FlshM_ForcedRedEye"), source: "qrc:/images/flash_forced_redeye.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_SlowSync, optionText: qsTr("FlshM_SlowSync"), source: "qrc:/images/flash_slowsync.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_SlowRedEye, optionText: qsTr("FlshM_SlowRedEye"), source: "qrc:/images/flash_slow_redeye.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.FlshM_Forbid, optionText: qsTr("FlshM_Forbid"), source: "qrc:/images/flash_forbid.svg", type: "optionWithImage" } }
    ]
    readonly property var flashSync: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.FlshS_Front, optionText: qsTr("FlshS_Front"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.FlshS_Rear, optionText: qsTr("FlshS_Rear"), type: "optionWithStyledText" } }
    ]
    readonly property var exposureLink: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.ExpL_On, optionText: qsTr("ExpL_On"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.ExpL_Off, optionText: qsTr("ExpL_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var wirelessMode: [
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WirM_On, optionText: qsTr("WirM_On"), source: "qrc:/images/wireless_on.svg", type: "optionWithImage" } },
        { component: optionWithImageButtonComponent, properties: { value: Kv.Utilities.WirM_Off, optionText: qsTr("WirM_Off"), source: "qrc:/images/wireless_off.svg", type: "optionWithImage" } }
    ]
    readonly property var wirelessChannel: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirC_Ch1, optionText: qsTr("WirC_Ch1"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirC_Ch2, optionText: qsTr("WirC_Ch2"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirC_Ch3, optionText: qsTr("WirC_Ch3"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirC_Ch4, optionText: qsTr("WirC_Ch4"), type: "optionWithStyledText" } }
    ]
    readonly property var wirelessFP: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirFP_On, optionText: qsTr("WirFP_On"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirFP_Off, optionText: qsTr("WirFP_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var wirelessComPower: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirCP_High, optionText: qsTr("WirCP_High"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirCP_Mid, optionText: qsTr("WirCP_Mid"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.WirCP_Low, optionText: qsTr("WirCP_Low"), type: "optionWithStyledText" } }
    ]
    readonly property var buildInFlashDimmer: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.BIFD_TTL, optionText: qsTr("BIFD_TTL"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.BIFD_Signal, optionText: qsTr("BIFD_Signal"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.BIFD_Manual, optionText: qsTr("BIFD_Manual"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.BIFD_Off, optionText: qsTr("BIFD_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var aGroupDimmer: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_TTL, optionText: qsTr("GFD_TTL"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Auto, optionText: qsTr("GFD_Auto"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Manual, optionText: qsTr("GFD_Manual"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Off, optionText: qsTr("GFD_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var bGroupDimmer: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_TTL, optionText: qsTr("GFD_TTL"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Auto, optionText: qsTr("GFD_Auto"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Manual, optionText: qsTr("GFD_Manual"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Off, optionText: qsTr("GFD_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var cGroupDimmer: [
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_TTL, optionText: qsTr("GFD_TTL"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Auto, optionText: qsTr("GFD_Auto"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Manual, optionText: qsTr("GFD_Manual"), type: "optionWithStyledText" } },
        { component: optionWithStyledTextButtonComponent, properties: { value: Kv.Utilities.GFD_Off, optionText: qsTr("GFD_Off"), type: "optionWithStyledText" } }
    ]
    readonly property var storeLocationType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoLocType_SdCard, optionText: qsTr("StoLocType_SdCard"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoLocType_SdCardPc, optionText: qsTr("StoLocType_SdCardPc"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoLocType_Pc, optionText: qsTr("StoLocType_Pc"), type: "optionWithText" } }
    ]
    readonly property var storeFolderType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderType_Default, optionText: utilities.isMac() ? qsTr("Default Folder(Mac)") : qsTr("Default Folder(Win)"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderType_User, optionText: qsTr("StoFolderType_User"), type: "optionWithText" } }
    ]
    readonly property var storeFolderDate: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderDate_On, optionText: qsTr("StoFolderDate_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderDate_Off, optionText: qsTr("StoFolderDate_Off"), type: "optionWithText" } }
    ]
    readonly property var storeFolderCamera: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderCamera_On, optionText: qsTr("StoFolderCamera_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFolderCamera_Off, optionText: qsTr("StoFolderCamera_Off"), type: "optionWithText" } }
    ]
    readonly property var storeFileNameCamera: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFileNameCamera_On, optionText: qsTr("StoFileNameCamera_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.StoFileNameCamera_Off, optionText: qsTr("StoFileNameCamera_Off"), type: "optionWithText" } }
    ]
    readonly property var rawTransferType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.RawTransType_ON, optionText: qsTr("RawTransType_ON"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.RawTransType_OFF, optionText: qsTr("RawTransType_OFF"), type: "optionWithText" } }
    ]
    readonly property var hlgShootingType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.DeviceAdapter.HlgShootingType_8K, optionText: qsTr("HlgShootingType_8K"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.DeviceAdapter.HlgShootingType_Full, optionText: qsTr("HlgShootingType_Full"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.DeviceAdapter.HlgShootingType_4K, optionText: qsTr("HlgShootingType_4K"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.DeviceAdapter.HlgShootingType_OFF, optionText: qsTr("HlgShootingType_OFF"), type: "optionWithText" } }
    ]
    readonly property var hlgTransferType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.HlgTransType_ON, optionText: qsTr("HlgTransType_ON"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.HlgTransType_OFF, optionText: qsTr("HlgTransType_OFF"), type: "optionWithText" } }
    ]
    readonly property var displayReviewType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.DisRevType_On, optionText: qsTr("DisRevType_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.DisRevType_Off, optionText: qsTr("DisRevType_Off"), type: "optionWithText" } }
    ]
    readonly property var transConfirmDlgType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.ConfirmDlgType_ON, optionText: qsTr("ConfirmDlgType_ON"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.ConfirmDlgType_OFF, optionText: qsTr("ConfirmDlgType_OFF"), type: "optionWithText" } }
    ]
    readonly property var versionCheckType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.VerChkType_On, optionText: qsTr("VerChkType_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.VerChkType_Off, optionText: qsTr("VerChkType_Off"), type: "optionWithText" } }
    ]
    readonly property var folderNameType: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.FolNameType_Default, optionText: qsTr("FolNameType_Default"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.FolNameType_User, optionText: qsTr("FolNameType_User"), type: "optionWithText" } }
    ]
    readonly property var logPermission: [
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.LogPer_On, optionText: qsTr("LogPer_On"), type: "optionWithText" } },
        { component: optionWithTextButtonComponent, properties: { value: Kv.ApplicationSettings.LogPer_Off, optionText: qsTr("LogPer_Off"), type: "optionWithText" } }
    ]
}
