import QtQuick
import QtTest
import Kv 1.0 as Kv

TestCase {
    name: "Utilities"

    // The keys QML writes, through every type that carries them.
    function test_keys_data() {
        return [
            { tag: "Utilities PS_Standard", key: Kv.Utilities.PS_Standard, value: 0 },
            { tag: "Utilities WB_Tengsten", key: Kv.Utilities.WB_Tengsten, value: 5 },
            { tag: "Utilities MP_ALL", key: Kv.Utilities.MP_ALL, value: 65535 },
            { tag: "Utilities CamConnectSts_Error", key: Kv.Utilities.CamConnectSts_Error, value: 3 },
            { tag: "DeviceAdapter PS_Max", key: Kv.DeviceAdapter.PS_Max, value: 54 },
            { tag: "DeviceAdapter BtnAllCameraStatus_Checked", key: Kv.DeviceAdapter.BtnAllCameraStatus_Checked, value: 1 },
            { tag: "DeviceAdapter SFQ_CINEMA", key: Kv.DeviceAdapter.SFQ_CINEMA, value: 2 },
            { tag: "DeviceAdapter Ternary_True", key: Kv.DeviceAdapter.Ternary_True, value: 1 },
            { tag: "FlashAdapter FlshManual_Full", key: Kv.FlashAdapter.FlshManual_Full, value: 21 },
            { tag: "FlashAdapter GFT_TargetC", key: Kv.FlashAdapter.GFT_TargetC, value: 3 },
            { tag: "FlashAdapter FlshAdj_Unknown", key: Kv.FlashAdapter.FlshAdj_Unknown, value: -1 },
            { tag: "FlashAdapter Ternary_Unknown", key: Kv.FlashAdapter.Ternary_Unknown, value: -1 }
        ]
    }

    function test_keys(data) {
        compare(data.key, data.value)
    }

    // The lookups QML calls itself, fed with keys read through the types.
    function test_lookups_data() {
        return [
            { tag: "shutter 1 s", code: utilities.enumSsToVal(Kv.Utilities.SS_Sec_1), value: 0x800003E8 },
            { tag: "exposure -1/3", code: utilities.enumExposureToVal(Kv.DeviceAdapter.Expo_M1_3), value: 0x8001 },
            { tag: "flash adjust -3", code: utilities.enumFlashAdjToVal(Kv.FlashAdapter.FlshAdj_M3), value: 0x8009 },
            { tag: "flash manual 1/64", code: utilities.enumFlashManualToVal(Kv.FlashAdapter.FlshManual_64), value: 64 },
            { tag: "kelvin 10000", code: utilities.enumWbKSetToVal(Kv.Utilities.WBK_100000), value: 10000 },
            { tag: "recording mode iA", code: utilities.enumRecordingModeToVal(Kv.DeviceAdapter.RM_IntelligentAuto), value: 7 },
            { tag: "unknown key", code: utilities.enumExposureToVal(Kv.Utilities.Expo_Unknown), value: 0 },
            { tag: "max key", code: utilities.enumFlashAdjToVal(Kv.FlashAdapter.FlshAdj_Max), value: 0 },
            // A number far beyond every key is still a value of the enumeration.
            { tag: "far out of range", code: utilities.enumFlashSyncToVal(1000000), value: 0 },
            { tag: "C4K aspect", code: utilities.getAspectRatioFromMoviePixel(Kv.Utilities.MP_C4K_17_9_4096_2160), value: Kv.Utilities.AR_17_9 },
            { tag: "no aspect", code: utilities.getAspectRatioFromMoviePixel(Kv.Utilities.MP_ALL), value: Kv.Utilities.AR_Unknown }
        ]
    }

    function test_lookups(data) {
        compare(data.code, data.value)
    }

    SignalSpy {
        id: visibleSpy
        target: utilities
        signalName: "preferenceWindowVisibleChangedNotify"
    }

    function test_services() {
        verify(!utilities.validateFolderName("a:b"))
        verify(utilities.validateFolderName("Shoot 1"))
        compare(utilities.get_APPLICATION_VERSION_NAME_STRING(), "2.12")
        compare(utilities.selectCameraSetting("ALL", Kv.Utilities.CameraSettingFile_Save), Kv.Utilities.CST_Unknown)
        utilities.preferenceWindowVisibleChanged(true)
        compare(visibleSpy.count, 1)
        compare(visibleSpy.signalArguments[0][0], true)
    }

    // Calls the windows make with plain numbers and texts.
    function test_callsWithPlainValues() {
        // The live-view window switches the white-balance pen on and off.
        utilities.setMouseCursor(1)
        utilities.setMouseCursor(0)
        compare(utilities.getEncryptedData("abcd", 0), "64636261")
        compare(utilities.getEncryptedData("abcd", 0x10203040), "24534271")
        // Keys are numbers to a script: compared, and handed back unchanged.
        var key = utilities.getEncryptionKeyFromString("0011AABBCCDD", 8)
        compare(typeof key, "number")
        compare(key, 0xAABBCCDD)
        verify(utilities.getEncryptionKeyFromString("not hex", 8) === 0)
        compare(utilities.getEncryptedData("abcd", key), utilities.getEncryptedData("abcd", 0xAABBCCDD))
        verify(utilities.desktopWidth(0, 0) > 0)
        verify(!utilities.isScaling())
        compare(typeof utilities.getLanguageType(), "number")
        compare(utilities.enumGroupFlashTarToVal(Kv.FlashAdapter.GFT_External), 4)
        compare(utilities.enumUsbModeToVal(Kv.Utilities.UsbMode_Super), 3)
        compare(utilities.movieCompressionMethodToStrBits(0x1110), 1)
    }
}
