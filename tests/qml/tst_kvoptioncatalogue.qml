import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvOptionCatalogue.js" as Catalogue

// The option catalogue: every list with its entries, values and texts, and
// every icon it names exists among the program's pictures.
TestCase {
    name: "KvOptionCatalogue"

    KvOptionComponentsProvider { id: provider }
    Image { id: probe; asynchronous: false }

    function test_lists_data() {
        return [
            { tag: "recordingMode", n: 19, first: Kv.Utilities.RM_IntelligentAuto, last: Kv.Utilities.RM_Custom12 },
            { tag: "creativeControlFilter", n: 22, first: Kv.Utilities.RM_CC_Pop, last: Kv.Utilities.RM_CC_Sunshine },
            { tag: "creativeControlFilterRatin", n: 22, first: Kv.Utilities.RM_CC_Pop, last: Kv.Utilities.RM_CC_Sunshine },
            { tag: "creativeVideoAE", n: 4, first: Kv.Utilities.RM_CV_ProgramAE, last: Kv.Utilities.RM_CV_ManualExposure },
            { tag: "sqMotion", n: 4, first: Kv.Utilities.RM_CV_ProgramAE, last: Kv.Utilities.RM_CV_ManualExposure },
            { tag: "photoExposure", n: 4, first: Kv.Utilities.RM_PE_ProgramAE, last: Kv.Utilities.RM_PE_ManualExposure },
            { tag: "sceneGuideScene", n: 24, first: Kv.Utilities.RM_SG_Beautiful, last: Kv.Utilities.RM_SG_Monochrome },
            { tag: "intelligentAutoMode", n: 2, first: Kv.Utilities.RM_IA_IntelligentAuto, last: Kv.Utilities.RM_IA_IntelligentAutoPlus },
            { tag: "custom3Set", n: 10, first: Kv.Utilities.RM_C3_Set1, last: Kv.Utilities.RM_C3_Set10 },
            { tag: "custom4Set", n: 10, first: Kv.Utilities.RM_C3_Set1, last: Kv.Utilities.RM_C3_Set10 },
            { tag: "custom5Set", n: 10, first: Kv.Utilities.RM_C3_Set1, last: Kv.Utilities.RM_C3_Set10 },
            { tag: "shutterSpeed", n: 70, first: Kv.Utilities.SS_Bulb, last: Kv.Utilities.SS_64000 },
            { tag: "driveMode", n: 9, first: Kv.Utilities.DM_Single, last: Kv.Utilities.DM_HANDHELD_HRS },
            { tag: "driveModeSelect", n: 12, first: Kv.Utilities.DM_Single, last: Kv.Utilities.DM_SelfTimer },
            { tag: "picture4K6K", n: 9, first: Kv.Utilities.PQQ_6K_30p_Burst, last: Kv.Utilities.PQQ_4K_30p_PreBurst },
            { tag: "burstSpeed", n: 27, first: Kv.Utilities.BS_6K4K, last: Kv.Utilities.BS_LowSpeedLiveView },
            { tag: "burstSpeed1", n: 27, first: Kv.Utilities.BS_6K4K, last: Kv.Utilities.BS_LowSpeedLiveView },
            { tag: "burstSpeed2", n: 27, first: Kv.Utilities.BS_6K4K, last: Kv.Utilities.BS_LowSpeedLiveView },
            { tag: "burstSpeedAll", n: 27, first: Kv.Utilities.BS_EleFastSH, last: Kv.Utilities.BS_EleFastPre3 },
            { tag: "focusSelect", n: 2, first: Kv.Utilities.FS_6K_18M, last: Kv.Utilities.FS_4K_8M },
            { tag: "selfTimer", n: 4, first: Kv.Utilities.SFT_10s, last: Kv.Utilities.SFT_Custom },
            { tag: "selfTimerCustom", n: 9, first: Kv.Utilities.SFT_C_10s, last: Kv.Utilities.SFT_C_2s },
            { tag: "whiteBalance", n: 16, first: Kv.Utilities.WB_Auto, last: Kv.Utilities.WB_K_Set4 },
            { tag: "iso", n: 30, first: Kv.Utilities.ISO_Auto, last: Kv.Utilities.ISO_25600 },
            { tag: "focusMode", n: 5, first: Kv.Utilities.FM_AF, last: Kv.Utilities.FM_MF },
            { tag: "autoFocusMode", n: 19, first: Kv.Utilities.AFM_Face, last: Kv.Utilities.AFM_Custom3 },
            { tag: "whiteBalanceKSet", n: 80, first: Kv.Utilities.WBK_2500, last: Kv.Utilities.WBK_100000 },
            { tag: "meteringMode", n: 4, first: Kv.Utilities.MM_Pattern, last: Kv.Utilities.MM_Highlight },
            { tag: "photoStyle", n: 43, first: Kv.Utilities.PS_Remote_Camera_RZ300, last: Kv.Utilities.PS_Film_Log3 },
            { tag: "imgInfoQuality", n: 10, first: Kv.Utilities.ImgInfoQ_Interlock, last: Kv.Utilities.ImgInfoQ_Raw },
            { tag: "imgInfoQualityJpeg", n: 9, first: Kv.Utilities.ImgInfoQ_Fine, last: Kv.Utilities.ImgInfoQ_Raw },
            { tag: "imgInfoQualityHeif", n: 9, first: Kv.Utilities.ImgInfoQ_Fine, last: Kv.Utilities.ImgInfoQ_Raw },
            { tag: "recPreviewMode", n: 3, first: Kv.Utilities.RecPreviw_Expousure, last: Kv.Utilities.RecPreviw_Off },
            { tag: "imageQuality", n: 3, first: Kv.Utilities.LvImgQ_Fine, last: Kv.Utilities.LvImgQ_Low },
            { tag: "aspectRatio", n: 8, first: Kv.DeviceAdapter.AR_Error, last: Kv.DeviceAdapter.AR_2_1 },
            { tag: "flashDimmer", n: 2, first: Kv.Utilities.FlshDim_TTL, last: Kv.Utilities.FlshDim_Manual },
            { tag: "flashMode", n: 6, first: Kv.Utilities.FlshM_Auto, last: Kv.Utilities.FlshM_Forbid },
            { tag: "flashSync", n: 2, first: Kv.Utilities.FlshS_Front, last: Kv.Utilities.FlshS_Rear },
            { tag: "exposureLink", n: 2, first: Kv.Utilities.ExpL_On, last: Kv.Utilities.ExpL_Off },
            { tag: "wirelessMode", n: 2, first: Kv.Utilities.WirM_On, last: Kv.Utilities.WirM_Off },
            { tag: "wirelessChannel", n: 4, first: Kv.Utilities.WirC_Ch1, last: Kv.Utilities.WirC_Ch4 },
            { tag: "wirelessFP", n: 2, first: Kv.Utilities.WirFP_On, last: Kv.Utilities.WirFP_Off },
            { tag: "wirelessComPower", n: 3, first: Kv.Utilities.WirCP_High, last: Kv.Utilities.WirCP_Low },
            { tag: "buildInFlashDimmer", n: 4, first: Kv.Utilities.BIFD_TTL, last: Kv.Utilities.BIFD_Off },
            { tag: "aGroupDimmer", n: 4, first: Kv.Utilities.GFD_TTL, last: Kv.Utilities.GFD_Off },
            { tag: "bGroupDimmer", n: 4, first: Kv.Utilities.GFD_TTL, last: Kv.Utilities.GFD_Off },
            { tag: "cGroupDimmer", n: 4, first: Kv.Utilities.GFD_TTL, last: Kv.Utilities.GFD_Off },
            { tag: "storeLocationType", n: 3, first: Kv.ApplicationSettings.StoLocType_SdCard, last: Kv.ApplicationSettings.StoLocType_Pc },
            { tag: "storeFolderType", n: 2, first: Kv.ApplicationSettings.StoFolderType_Default, last: Kv.ApplicationSettings.StoFolderType_User },
            { tag: "storeFolderDate", n: 2, first: Kv.ApplicationSettings.StoFolderDate_On, last: Kv.ApplicationSettings.StoFolderDate_Off },
            { tag: "storeFolderCamera", n: 2, first: Kv.ApplicationSettings.StoFolderCamera_On, last: Kv.ApplicationSettings.StoFolderCamera_Off },
            { tag: "storeFileNameCamera", n: 2, first: Kv.ApplicationSettings.StoFileNameCamera_On, last: Kv.ApplicationSettings.StoFileNameCamera_Off },
            { tag: "rawTransferType", n: 2, first: Kv.ApplicationSettings.RawTransType_ON, last: Kv.ApplicationSettings.RawTransType_OFF },
            { tag: "hlgShootingType", n: 4, first: Kv.DeviceAdapter.HlgShootingType_8K, last: Kv.DeviceAdapter.HlgShootingType_OFF },
            { tag: "hlgTransferType", n: 2, first: Kv.ApplicationSettings.HlgTransType_ON, last: Kv.ApplicationSettings.HlgTransType_OFF },
            { tag: "displayReviewType", n: 2, first: Kv.ApplicationSettings.DisRevType_On, last: Kv.ApplicationSettings.DisRevType_Off },
            { tag: "transConfirmDlgType", n: 2, first: Kv.ApplicationSettings.ConfirmDlgType_ON, last: Kv.ApplicationSettings.ConfirmDlgType_OFF },
            { tag: "versionCheckType", n: 2, first: Kv.ApplicationSettings.VerChkType_On, last: Kv.ApplicationSettings.VerChkType_Off },
            { tag: "folderNameType", n: 2, first: Kv.ApplicationSettings.FolNameType_Default, last: Kv.ApplicationSettings.FolNameType_User },
            { tag: "logPermission", n: 2, first: Kv.ApplicationSettings.LogPer_On, last: Kv.ApplicationSettings.LogPer_Off }
        ]
    }

    // Every entry has a delegate, a numeric value from the enumeration, a
    // type the buttons know and (but the creative-video sub-button) a text.
    function test_lists(data) {
        var list = provider[data.tag]
        verify(list !== undefined, data.tag)
        compare(list.length, data.n)
        compare(list[0].properties.value, data.first)
        compare(list[list.length - 1].properties.value, data.last)
        var seen = []
        for (var i = 0; i < list.length; ++i) {
            var e = list[i]
            verify(e.component !== undefined && e.component !== null, data.tag + " " + i)
            compare(typeof e.properties.value, "number", data.tag + " " + i)
            verify(seen.indexOf(e.properties.value) < 0, data.tag + " repeats " + e.properties.value)
            seen.push(e.properties.value)
            if (e.component === provider.subCreativeVideoAE)
                continue
            verify(["optionWithImage", "optionWithImagetoText", "optionWithStyledText", "optionWithText"]
                   .indexOf(e.properties.type) >= 0, data.tag + " " + i)
            verify(("" + e.properties.optionText).length > 0, data.tag + " " + i + " has no text")
        }
    }

    function test_telling_rows() {
        compare(provider.recordingMode[5].component, provider.subCreativeVideoAE)
        compare(provider.shutterSpeed[0].properties.optionText, "B")
        compare(provider.iso[0].properties.source, "qrc:/images/237_iso_auto.svg")
        compare(provider.iso[1].properties.optionText, "ISO i-ISO")
        compare(provider.whiteBalanceKSet[0].properties.optionText, "2500K")
        compare(provider.imgInfoQuality[0].properties.optionText, "Combined")
        compare(provider.imgInfoQuality[0].properties.source, "qrc:/images/combined.svg")
        compare(provider.selfTimerCustom[0].properties.optionImage, "qrc:/images/selftimer_c10.svg")
        compare(provider.aspectRatio[7].properties.source, "qrc:/images/2_1.svg")
        compare(provider.driveModeSelect[11].properties.source, "qrc:/images/button_placeholder.svg")
        compare(provider.hlgShootingType[0].properties.optionText, "8K-Res.")
        compare(provider.custom3Set[0].properties.source, "qrc:/images/27_c3_1.svg")
        compare(provider.custom4Set[0].properties.source, "qrc:/images/c4_1.svg")
        compare(provider.creativeVideoAE[0].properties.optionText,
                deviceAdapter.shotModeStatus === Kv.Utilities.Shot_Mode_Status_Unknown ? "Creative Video P" : "Video P")
    }

    function addImage(images, url) {
        if (url !== undefined && ("" + url) !== "" && images.indexOf("" + url) < 0)
            images.push("" + url)
    }

    // The AF looks of every recognition setting.
    function afImages(images) {
        var U = Kv.Utilities
        var modes = ["Face", "1Point", "1PointAux", "Tracking", "FullArea", "VertHori", "Ellipse"]
        var generals = [U.AR_GENERAL_OFF, U.AR_GENERAL_HUMAN, U.AR_GENERAL_HUMAN_ANIMAL, U.AR_GENERAL_FACE_EYE,
                        U.AR_GENERAL_TARGET_HUMAN, U.AR_GENERAL_TARGET_ANIMAL, U.AR_GENERAL_TARGET_CAR,
                        U.AR_GENERAL_TARGET_BIKE, U.AR_GENERAL_TARGET_TRAIN, U.AR_GENERAL_TARGET_PLANE,
                        U.AR_GENERAL_TARGET_BICYCLE]
        var texts = []
        for (var m = 0; m < modes.length; ++m) {
            for (var flags = 0; flags < 16; ++flags) {
                for (var g = 0; g < generals.length; ++g) {
                    for (var part = -1; part < 15; ++part) {
                        var look = Catalogue.afModeLook(modes[m], {
                            afAnimalRecognitionEnable: !!(flags & 1), autoRecognizeAnimalEnable: !!(flags & 2),
                            autoRecognizeAnimal: (flags & 4) ? U.AR_ANIMAL_ON : U.AR_ANIMAL_OFF,
                            automaticRecoEnable: !!(flags & 8), automaticReco: !!(flags & 4),
                            autoRecognizeGeneralEnable: !!(flags & 2), autoRecognizeGeneral: generals[g],
                            autoRecognizeParts: part
                        })
                        addImage(images, look.image)
                        for (var t = 0; t < look.textIds.length; ++t) {
                            if (texts.indexOf(look.textIds[t]) < 0)
                                texts.push(look.textIds[t])
                        }
                    }
                }
            }
        }
        return texts
    }

    function test_af_looks_data() {
        var U = Kv.Utilities
        var off = { afAnimalRecognitionEnable: false, autoRecognizeAnimalEnable: false, autoRecognizeAnimal: U.AR_ANIMAL_OFF,
                    automaticRecoEnable: false, automaticReco: false, autoRecognizeGeneralEnable: false,
                    autoRecognizeGeneral: U.AR_GENERAL_OFF, autoRecognizeParts: -1 }
        function s(changes) {
            var o = {}
            for (var k in off) o[k] = off[k]
            for (var c in changes) o[c] = changes[c]
            return o
        }
        return [
            { tag: "face plain", mode: "Face", s: off, ids: ["AFM_Face"], image: "374_face.svg" },
            { tag: "face auto", mode: "Face", s: s({ afAnimalRecognitionEnable: true }), ids: ["AFM_AutoRe"], image: "auto_recognition.svg" },
            { tag: "face human", mode: "Face", s: s({ afAnimalRecognitionEnable: true, autoRecognizeAnimalEnable: true }),
              ids: ["AFM_AutoRe_Human"], image: "af_area_auto_face.svg" },
            { tag: "face animal", mode: "Face", s: s({ afAnimalRecognitionEnable: true, autoRecognizeAnimalEnable: true,
                                                      autoRecognizeAnimal: U.AR_ANIMAL_ON }),
              ids: ["AFM_AutoRe_HumanAnimal"], image: "auto_recognition.svg" },
            { tag: "1point own", mode: "1Point", s: off, ids: ["AFM_1Point"], image: "378_1point.svg" },
            { tag: "1point without automatic", mode: "1Point",
              s: s({ autoRecognizeGeneralEnable: true, autoRecognizeGeneral: U.AR_GENERAL_HUMAN }),
              ids: ["AFM_1Point_Human"], image: "af_area_1point_aid_face.svg" },
            { tag: "tracking needs automatic", mode: "Tracking",
              s: s({ autoRecognizeGeneralEnable: true, autoRecognizeGeneral: U.AR_GENERAL_HUMAN }),
              ids: ["AFM_Tracking"], image: "375_tracking.svg" },
            { tag: "tracking animal", mode: "Tracking",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_HUMAN_ANIMAL }),
              ids: ["AFM_Tracking_HumanAnimal"], image: "af_tracking_aid_ani.svg" },
            { tag: "full area eye", mode: "FullArea",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_FACE_EYE }),
              ids: ["AFM_FullArea_FaceEye"], image: "af_area_225point_aid_eye.svg" },
            { tag: "car whole", mode: "1Point",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_TARGET_CAR, autoRecognizeParts: U.AR_PARTS_CAR_WHOLE }),
              ids: ["AFM_1Point_Detection", "AFM_Detection_Car_Whole"], image: "af_1point_car_whole.svg" },
            { tag: "car other part", mode: "VertHori",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_TARGET_BIKE, autoRecognizeParts: U.AR_PARTS_PLANE_AIRCRAFT }),
              ids: ["AFM_VertHori_Detection", "AFM_Detection_Motorcycle"], image: "af_vh_bike.svg" },
            { tag: "train mismatch keeps own", mode: "Ellipse",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_TARGET_TRAIN, autoRecognizeParts: U.AR_PARTS_CAR_WHOLE }),
              ids: ["AFM_Ellipse"], image: "eclipse.svg" },
            { tag: "plane", mode: "FullArea",
              s: s({ automaticRecoEnable: true, automaticReco: true, autoRecognizeGeneralEnable: true,
                     autoRecognizeGeneral: U.AR_GENERAL_TARGET_PLANE, autoRecognizeParts: U.AR_PARTS_PLANE_AIRCRAFT }),
              ids: ["AFM_FullArea_Detection", "AFM_Detection_Plane_Aircraft"], image: "af_225_plane_aircraft.svg" }
        ]
    }
    function test_af_looks(data) {
        var look = Catalogue.afModeLook(data.mode, data.s)
        compare(look.textIds, data.ids)
        compare(look.image, "qrc:/images/" + data.image)
    }

    // Every picture the catalogue can show is among the program's pictures,
    // and every AF text has an English text.
    function test_every_image_resolves() {
        var images = []
        for (var n = 0; n < provider.listNames.length; ++n) {
            var list = provider[provider.listNames[n]]
            for (var i = 0; i < list.length; ++i) {
                addImage(images, list[i].properties.source)
                addImage(images, list[i].properties.optionSource)
                addImage(images, list[i].properties.optionImage)
            }
        }
        addImage(images, "qrc:/images/combined_jp.svg")
        var texts = afImages(images)
        verify(images.length > 300, "" + images.length)
        var missing = []
        for (var k = 0; k < images.length; ++k) {
            probe.source = images[k]
            if (probe.status !== Image.Ready)
                missing.push(images[k])
        }
        compare(missing, [])
        var untranslated = []
        for (var t = 0; t < texts.length; ++t) {
            if (qsTranslate("KvOptionComponentsProvider", texts[t]) === texts[t])
                untranslated.push(texts[t])
        }
        compare(untranslated, [])
    }
}
