import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvOptionText.js" as OptionText

// The setting-button contract against a connected simulated camera: what
// the button shows for the camera's offer, what its popup lists, that a pick
// reaches the camera, that a refusal comes back, and that a value from the
// camera is never written back.
TestCase {
    id: test
    name: "KvOptionButton"
    when: windowShown
    // the popups and buttons are drawn and clicked
    visible: true
    width: 800
    height: 600

    KvOptionComponentsProvider {
        id: provider
        optionSubButtonPopup: subPopup
    }

    Item {
        id: grid
        x: 10
        y: 10
        width: 400
        height: 200
        Row {
            KvOptionButton {
                id: wb
                width: 107
                height: 77
                type: "optionWithImage"
                target: "whiteBalance"
                popup: listPopup
                popupTitle: "WB"
                componentsProvider: provider
            }
            KvOptionButton {
                id: iso
                width: 107
                height: 77
                type: "optionWithStyledTextReal"
                target: "iso"
                popup: listPopup
                popupTitle: "ISO"
                componentsProvider: provider
            }
            KvOptionButton {
                id: recMode
                width: 107
                height: 77
                type: "optionWithImage"
                target: "recordingMode"
                popup: listPopup
                popupTitle: "Mode"
                componentsProvider: provider
            }
            KvOptionDriveModeButton {
                id: drive
                width: 107
                height: 77
                type: "optionWithImagetoText"
                target: "driveMode"
                generalPopup: listPopup
                selfTimerPopup: selfTimerPopup
                popupTitle: "Drive Mode"
                componentsProvider: provider
            }
        }
    }

    KvOptionButtonPopup { id: listPopup }
    KvOptionButtonPopup { id: subPopup }
    KvOptionButtonSelfTimerPopup {
        id: selfTimerPopup
        componentsProvider: provider
    }

    SignalSpy {
        id: errorSpy
        target: deviceAdapter
        signalName: "settingErrorNotify"
    }

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        // the camera-event worker runs the queued writes, as after the shell's start
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        compare(deviceAdapter.adp_KVR_func_api_WB_GetCapability(), 1)
        compare(deviceAdapter.adp_KVR_func_api_ISO_GetCapability(), 1)
        compare(deviceAdapter.adp_KVR_func_api_CameraMode_GetCapability(), 1)
        verify(deviceAdapter.whiteBalanceCapabilityNum() >= 2)
    }

    function cleanup() {
        listPopup.dismiss()
        subPopup.dismiss()
        selfTimerPopup.dismiss()
    }

    function offered(target, list) {
        var out = []
        for (var i = 0; i < list.length; ++i) {
            if (deviceAdapter[target + "Capability"](list[i].properties.value) === Kv.Utilities.Ternary_True)
                out.push(list[i].properties.value)
        }
        return out
    }
    function notOffered(target, list) {
        for (var i = 0; i < list.length; ++i) {
            if (deviceAdapter[target + "Capability"](list[i].properties.value) !== Kv.Utilities.Ternary_True)
                return list[i].properties.value
        }
        return undefined
    }
    function entryOf(list, v) {
        for (var i = 0; i < list.length; ++i) {
            if (list[i].properties.value === v)
                return list[i]
        }
        return null
    }
    function openPopup(button) {
        mouseClick(button)
        tryCompare(listPopup, "visible", true)
        tryCompare(listPopup.frame, "enabled", true)
    }

    function test_offered_value_is_shown_and_enabled() {
        var v = deviceAdapter.whiteBalance
        wb.optionSelect(v)
        var e = entryOf(provider.whiteBalance, v)
        verify(e !== null)
        verify(wb.enabled)
        verify(!wb.disabled)
        compare("" + wb.source, e.properties.source)
        compare(wb.toolTipText, "<HTML>WB<br>" + e.properties.optionText + "</HTML>")
        verify(e.properties.checked)
    }

    function test_unoffered_value_shows_dash_data() {
        return [
            { tag: "outside the catalogue", v: -1 },
            { tag: "past the end", v: 99 }
        ]
    }
    function test_unoffered_value_shows_dash(data) {
        wb.optionSelect(data.v)
        compare(wb.optionText, "-")
        verify(!wb.enabled)
        verify(wb.disabled)
        compare("" + wb.source, "")
        wb.optionSelect(deviceAdapter.whiteBalance)
        verify(wb.enabled)
    }

    function test_forced_disable() {
        wb.isForcedDisable = true
        wb.optionSelect(deviceAdapter.whiteBalance)
        verify(!wb.enabled)
        verify(!wb.disabled)
        wb.isForcedDisable = false
        wb.optionSelect(deviceAdapter.whiteBalance)
        verify(wb.enabled)
    }

    function test_popup_lists_only_offered_entries_in_catalogue_order() {
        wb.optionSelect(deviceAdapter.whiteBalance)
        openPopup(wb)
        var shown = listPopup.objects.map(function(o) { return o.value })
        compare(shown, offered("whiteBalance", provider.whiteBalance))
        compare(listPopup.popup_target, "whiteBalance")
        compare(listPopup.title, "WB")
        var checked = listPopup.objects.filter(function(o) { return o.checked })
        compare(checked.length, 1)
        compare(checked[0].value, deviceAdapter.whiteBalance)
        mouseClick(listPopup, 2, 2)
        verify(!listPopup.visible)
        compare(listPopup.objects.length, 0)
    }

    function test_pick_writes_the_setting() {
        wb.optionSelect(deviceAdapter.whiteBalance)
        var before = deviceAdapter.whiteBalance
        openPopup(wb)
        var pick = null
        // an entry in the visible part of the list
        var frameTop = listPopup.frame.mapToItem(null, 0, 0).y
        for (var i = 0; i < listPopup.objects.length && pick === null; ++i) {
            var top = listPopup.objects[i].mapToItem(null, 0, 0).y
            if (listPopup.objects[i].value !== before && top > frameTop + 40
                    && top + listPopup.objects[i].height < frameTop + listPopup.frame.height)
                pick = listPopup.objects[i]
        }
        verify(pick !== null, "" + before + " " + listPopup.objects.map(function(o) { return o.value }))
        var v = pick.value
        mouseClick(pick)
        verify(!listPopup.visible)
        compare(wb.value, v)
        tryCompare(deviceAdapter, "whiteBalance", v, 5000)
        // the camera took it: a fresh read of the camera shows it
        compare(deviceAdapter.adp_KVR_func_api_WB_GetCapability(), 1)
        tryCompare(deviceAdapter, "whiteBalance", v, 5000)
        compare(wb.value, v)
    }

    Component {
        id: buttonComponent
        KvOptionButton {
            width: 107
            height: 77
            type: "optionWithImage"
            popup: listPopup
            componentsProvider: provider
        }
    }

    Component {
        id: movieQualityButtonComponent
        KvOptionMovieQualityButton {
            width: 107
            height: 77
        }
    }

    // A button follows its setting on the adapter, which outlives it, by the
    // setting's change signal and its offer's: once destroyed it leaves none
    // of its handlers there.
    function test_destroyed_button_leaves_no_handlers_data() {
        return [
            { tag: "option button", component: buttonComponent, adapter: deviceAdapter, target: "iso",
              properties: {} },
            { tag: "flash option button", component: buttonComponent, adapter: flashAdapter, target: "flashMode",
              properties: { windowType: "flash" } },
            { tag: "movie quality", component: movieQualityButtonComponent, adapter: deviceAdapter,
              target: "recMovie", properties: {} },
            { tag: "movie-quality filter condition", component: movieQualityButtonComponent, adapter: deviceAdapter,
              target: "moviePixel", properties: {} }
        ]
    }
    function test_destroyed_button_leaves_no_handlers(data) {
        var signalNames = [utilities.notifySignalOf(data.adapter, data.target), data.target + "FlgNumChanged"]
        var counts = function() {
            return signalNames.map(function(name) { return signalReceivers.count(data.adapter, name) })
        }
        var before = counts()
        compare(before.indexOf(-1), -1, "the adapter lacks one of " + signalNames)
        var properties = Object.assign({ target: data.target }, data.properties)
        var button = data.component.createObject(grid, properties)
        verify(button)
        // the count sees the button's own handlers
        var following = counts()
        for (var i = 0; i < signalNames.length; ++i)
            verify(following[i] > before[i], signalNames[i] + " has no handler of the button")
        button.destroy()
        // the deferred deletion runs
        wait(0)
        compare(counts(), before)
    }

    // A setting of the selected camera with a catalogue value it does not offer.
    function refusedSetting() {
        var targets = ["whiteBalance", "autoFocusMode", "imgInfoQuality", "photoStyle", "meteringMode", "focusMode"]
        for (var i = 0; i < targets.length; ++i) {
            var v = notOffered(targets[i], provider[targets[i]])
            if (v !== undefined && deviceAdapter[targets[i] + "CapabilityNum"]() >= 2)
                return { target: targets[i], value: v }
        }
        return null
    }

    // The camera refuses a value it does not offer: the back end restores
    // the old value, which comes back to the button and is not written again.
    function test_refusal_restores_the_value() {
        var before = deviceAdapter.iso
        iso.optionSelect(before)
        verify(iso.enabled)
        errorSpy.clear()
        iso.valueChangeFlg = true
        iso.value = 12345
        tryVerify(function() { return errorSpy.count > 0 }, 5000)
        tryCompare(deviceAdapter, "iso", before, 5000)
        tryCompare(iso, "value", before, 5000)
        verify(!iso.valueChangeFlg)
        compare(iso.optionText, OptionText.makeIsoText(before))
        verify(iso.enabled)
    }

    function test_unoffered_value_is_absent_from_the_popup() {
        var refused = refusedSetting()
        verify(refused !== null)
        var button = createTemporaryObject(buttonComponent, grid, { target: refused.target })
        button.optionSelect(deviceAdapter[refused.target])
        openPopup(button)
        var shown = listPopup.objects.map(function(o) { return o.value })
        verify(shown.indexOf(refused.value) < 0)
        compare(shown, offered(refused.target, provider[refused.target]))
        button.optionSelect(refused.value)
        compare(button.optionText, "-")
        verify(!button.enabled)
    }

    function test_value_from_the_camera_is_not_written_back() {
        wb.optionSelect(deviceAdapter.whiteBalance)
        var before = deviceAdapter.whiteBalance
        var values = offered("whiteBalance", provider.whiteBalance)
        var other = values[0] === before ? values[1] : values[0]
        wb.optionSelect(other)
        compare(wb.value, other)
        verify(!wb.valueChangeFlg)
        // a write would be queued at once; nothing arrives
        wait(300)
        compare(deviceAdapter.whiteBalance, before)
        wb.optionSelect(before)
    }

    function test_number_button() {
        var v = deviceAdapter.iso
        iso.optionSelect(v)
        compare(iso.optionText, OptionText.makeIsoText(v))
        verify(iso.enabled)
        mouseClick(iso)
        tryCompare(listPopup, "visible", true)
        var expected = OptionText.offeredNumbers("iso", deviceAdapter.isoCapabilityNum(),
                                                 function(i) { return deviceAdapter.isoCapabilityValue(i) })
        compare(listPopup.objects.map(function(o) { return o.value }), expected)
        compare(listPopup.objects[0].optionText, OptionText.makeIsoText(expected[0]))
    }

    // The recording mode: every offered mode shows its catalogue face with
    // the title and text as tool tip; creative video shows the current
    // creative-video exposure mode.
    function test_recording_mode_faces() {
        var modes = offered("recordingMode", provider.recordingMode)
        verify(modes.length > 0)
        for (var i = 0; i < modes.length; ++i) {
            recMode.optionSelect(modes[i])
            var e = entryOf(provider.recordingMode, modes[i])
            if (modes[i] === Kv.Utilities.RM_CreativeVideo) {
                var cv = entryOf(provider.creativeVideoAE, deviceAdapter.creativeVideoAE)
                if (cv !== null)
                    compare("" + recMode.source, cv.properties.source)
                continue
            }
            compare("" + recMode.source, e.properties.source)
            compare(recMode.toolTipText, "<HTML>Mode<br>" + e.properties.optionText + "</HTML>")
        }
    }

    function test_drive_mode_sub_settings_data() {
        var U = Kv.Utilities
        return [
            { tag: "single", mode: U.DM_Single, sub: "driveMode" },
            { tag: "burst", mode: U.DM_Burst, sub: "burstSpeed", list: "burstSpeedAll" },
            { tag: "burst 1", mode: U.DM_Burst1, sub: "burstSpeed", list: "burstSpeedAll" },
            { tag: "burst 2", mode: U.DM_Burst2, sub: "burstSpeed", list: "burstSpeedAll" },
            { tag: "bracket", mode: U.DM_Bracket, sub: "driveMode" },
            { tag: "interval", mode: U.DM_Interval, sub: "driveMode" },
            { tag: "stop motion", mode: U.DM_Komadori, sub: "driveMode" },
            { tag: "high resolution", mode: U.DM_HRS, sub: "driveMode" },
            { tag: "handheld high resolution", mode: U.DM_HANDHELD_HRS, sub: "driveMode" },
            { tag: "self-timer", mode: U.DM_SelfTimer, sub: "selfTimer", list: "selfTimer" },
            { tag: "6K/4K", mode: U.DM_4K6K, sub: "picture4K6K", list: "picture4K6K" },
            { tag: "post focus", mode: U.DM_Focus, sub: "focusSelect", list: "focusSelect" }
        ]
    }
    function test_drive_mode_sub_settings(data) {
        var s = drive.subSettingOf(data.mode)
        compare(s.target, data.sub)
        compare(s.list, data.list)
        if (data.list !== undefined)
            verify(provider[data.list].length > 0)
    }

    function test_drive_mode_face() {
        var v = deviceAdapter.driveMode
        drive.optionSelect(v)
        var e = entryOf(provider.driveMode, v)
        if (e === null || deviceAdapter.driveModeCapability(v) !== Kv.Utilities.Ternary_True) {
            compare(drive.optionText, "-")
            return
        }
        compare("" + drive.source, e.properties.source)
        verify(drive.toolTipText.indexOf("<HTML>Drive Mode<br>") === 0)
    }

    // The two-level choice: each first-level entry shows its own mode's icon
    // or its own sub-setting's, never another entry's.
    function test_drive_mode_choice_icons() {
        compare(deviceAdapter.adp_KVR_func_api_RecInfo_BurstBracket_GetCapability(), 1)
        compare(deviceAdapter.adp_KVR_func_api_RecInfo_SelfTimer_GetCapability(), 1)
        drive.optionSelect(deviceAdapter.driveMode)
        if (!drive.driveSelect)
            skip("the camera does not offer the drive-mode choice")
        drive.clickSub()
        tryCompare(listPopup, "visible", true)
        var U = Kv.Utilities
        var own = [U.DM_Single, U.DM_Bracket, U.DM_HRS, U.DM_HANDHELD_HRS, U.DM_Interval, U.DM_Komadori]
        for (var i = 0; i < listPopup.objects.length; ++i) {
            var o = listPopup.objects[i]
            if (own.indexOf(o.value) < 0)
                continue
            verify(("" + o.source).indexOf("qrc:/images/dm_") === 0, "" + o.value + " " + o.source)
        }
    }

    // The self-timer popup: the custom entry shows the camera's custom time,
    // and the "Setting" button's nested popup writes a new custom time.
    function test_self_timer_custom_time() {
        compare(deviceAdapter.adp_KVR_func_api_RecInfo_SelfTimer_GetCapability(), 1)
        var U = Kv.Utilities
        var list = provider.selfTimer
        for (var i = 0; i < list.length; ++i) {
            list[i].properties.capable = deviceAdapter.selfTimerCapability(list[i].properties.value) === U.Ternary_True
            list[i].properties.checked = false
        }
        if (!list[3].properties.capable)
            skip("the camera offers no custom self-timer")
        var picked = null
        selfTimerPopup.present(0, 0, "Self-timer", list, "selfTimer", function(entry) { picked = entry })
        verify(selfTimerPopup.customObj !== null)
        var custom = entryOf(provider.selfTimerCustom, deviceAdapter.selfTimerCustom)
        if (custom !== null && deviceAdapter.selfTimerCustomCapability(custom.properties.value) === U.Ternary_True)
            compare("" + selfTimerPopup.customObj.source, custom.properties.optionImage)
        selfTimerPopup.openCustomTimes()
        var offeredTimes = offered("selfTimerCustom", provider.selfTimerCustom)
        verify(offeredTimes.length > 1)
        var other = offeredTimes[0] === deviceAdapter.selfTimerCustom ? offeredTimes[1] : offeredTimes[0]
        var nestedEntry = entryOf(provider.selfTimerCustom, other)
        var before = deviceAdapter.selfTimerCustom
        // the nested popup's pick, as a click on its entry makes it
        var nested = selfTimerPopup.customPopup
        verify(nested.visible)
        compare(nested.popup_target, "selfTimerCustom")
        var button = nested.objects.filter(function(o) { return o.value === other })[0]
        verify(button !== undefined)
        button.clicked(null, button)
        verify(!nested.visible)
        compare("" + selfTimerPopup.customObj.source, nestedEntry.properties.optionImage)
        tryCompare(deviceAdapter, "selfTimerCustom", other, 5000)
        verify(picked === null)
        deviceAdapter.selfTimerCustom = before
        tryCompare(deviceAdapter, "selfTimerCustom", before, 5000)
    }
}
