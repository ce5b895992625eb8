import QtQuick
import QtTest

// A setting button knows its setting only by name: it reads the value and
// the camera's offer through deviceAdapter[target], [target +
// "Capability"], [target + "CapabilityNum"] and [target + "CapabilityValue"]
// (sliders: "Min", "Max", "Step"). Against a connected simulated camera.
TestCase {
    name: "SettingButtonsByName"

    function initTestCase() {
        compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
        verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
        tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
        tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
        compare(deviceAdapter.connectEnableDevice(), 1)
        verify(deviceAdapter.isCamerasConnected)
    }

    function test_flagSettings_data() {
        return [
            { tag: "whiteBalance", read: "adp_KVR_func_api_WB_GetCapability", slots: 19 },
            { tag: "meteringMode", read: "adp_KVR_func_api_RecInfo_Metering_GetCapability", slots: 4 },
            { tag: "driveMode", read: "adp_KVR_func_api_CameraMode_GetCapability", slots: 12 },
            { tag: "imgInfoQuality", read: "adp_KVR_func_api_ImageInfo_GetCapability", slots: 10 },
            { tag: "focusMode", read: "adp_KVR_func_api_AF_Config_GetCapability", slots: 5 }
        ]
    }

    function test_flagSettings(data) {
        compare(deviceAdapter[data.read](), 1)
        verify(deviceAdapter[data.tag + "CapabilityNum"]() >= 2)
        var current = deviceAdapter[data.tag]
        compare(deviceAdapter[data.tag + "Capability"](current), 1)
        compare(deviceAdapter[data.tag + "Capability"](-1), 0)
        compare(deviceAdapter[data.tag + "Capability"](data.slots), 0)
    }

    function test_valueLists() {
        compare(deviceAdapter.adp_KVR_func_api_ISO_GetCapability(), 1)
        var n = deviceAdapter["isoCapabilityNum"]()
        verify(n >= 2)
        // Walked from 0 to the first 0 or repeat, as the ISO button does.
        var seen = []
        for (var i = 0; i < 512; ++i) {
            var v = deviceAdapter["isoCapabilityValue"](i)
            if (v === 0 || seen.indexOf(v) >= 0)
                break
            seen.push(v)
        }
        compare(seen.length, n)
        compare(deviceAdapter["isoCapabilityValue"](512), -1)
        compare(deviceAdapter.adp_KVR_func_api_Aperture_GetCapability(), 1)
        var apertures = deviceAdapter["apertureCapabilityNum"]()
        verify(apertures >= 2)
        compare(deviceAdapter["apertureCapabilityValue"](apertures), -1)
        compare(deviceAdapter["apertureCapability"](deviceAdapter["apertureCapabilityValue"](0)), 1)
    }

    function test_slider() {
        compare(deviceAdapter.adp_KVR_func_api_PhotoStyle_GetCapability(), 1)
        var min = deviceAdapter["pscContrast" + "Min"]()
        var max = deviceAdapter["pscContrast" + "Max"]()
        verify(min < max)
        verify(deviceAdapter["pscContrast" + "Step"]() >= 1)
        verify(deviceAdapter.pscContrast >= min && deviceAdapter.pscContrast <= max)
    }
}
