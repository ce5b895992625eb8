import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvFlashText.js" as FlashText
import "Drawn.js" as Drawn

// The flash window's texts as tables, and the window against a connected
// simulated camera: a change reaches the flash settings, the wireless bar
// grows and shrinks the window, the mask swallows the window.
TestCase {
    id: test
    name: "KvFlashWindow"
    when: windowShown

    function test_adjustTexts_data() {
        return [
            { tag: "zero", code: 0, button: "0 EV", slider: "0 EV" },
            { tag: "plus one third", code: 1, button: "1/3 EV", slider: "+<sup>1</sup>&frasl;<sub>3</sub> EV" },
            { tag: "plus two thirds", code: 2, button: "2/3 EV", slider: "+<sup>2</sup>&frasl;<sub>3</sub> EV" },
            { tag: "plus one", code: 3, button: "1 EV", slider: "+1 EV" },
            { tag: "minus one and a third", code: 0x8004, button: "-1 1/3 EV",
              slider: "-1 <sup>1</sup>&frasl;<sub>3</sub> EV" },
            { tag: "minus three", code: 0x8009, button: "-3 EV", slider: "-3 EV" },
            { tag: "minus zero", code: 0x8000, button: "0 EV", slider: "0 EV" }
        ]
    }
    function test_adjustTexts(data) {
        compare(FlashText.adjustButtonText(data.code), data.button)
        compare(FlashText.adjustSliderText(data.code), data.slider)
    }

    function test_manualTexts_data() {
        return [
            { tag: "1/128", code: 1280, button: "1/128", slider: "<sup>1</sup>&frasl;<sub>128</sub>" },
            { tag: "1/1.3", code: 13, button: "1/1.3", slider: "<sup>1</sup>&frasl;<sub>1.3</sub>" },
            { tag: "full", code: 0, button: "1/1", slider: "<sup>1</sup>&frasl;<sub>1</sub>" }
        ]
    }
    function test_manualTexts(data) {
        compare(FlashText.manualButtonText(data.code), data.button)
        compare(FlashText.manualSliderText(data.code), data.slider)
    }

    property var window: null

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        compare(flashAdapter.adp_KVR_func_api_Strobe_GetCapability(), Kv.Utilities.Ternary_True)
        compare(flashAdapter.adp_KVR_func_api_Strobe2_GetCapability(), Kv.Utilities.Ternary_True)
        var c = Qt.createComponent("qrc:/qml/KvFlashWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null)
        verify(window)
        window.show()
        tryCompare(window, "visible", true)
    }
    function cleanupTestCase() {
        if (window)
            window.destroy()
    }

    function itemOf(target, test) {
        var stack = [window.contentItem]
        while (stack.length > 0) {
            var it = stack.pop()
            if (it.target === target && test(it))
                return it
            for (var i = 0; i < it.children.length; ++i)
                stack.push(it.children[i])
        }
        return null
    }

    function test_slider_writes_flash_setting() {
        var adjust = itemOf("flashAdjust", function(it) { return it.modelNum !== undefined })
        verify(adjust)
        var next = flashAdapter.flashAdjust === Kv.FlashAdapter.FlshAdj_1 ? Kv.FlashAdapter.FlshAdj_M1
                                                                        : Kv.FlashAdapter.FlshAdj_1
        adjust.choose(next)
        compare(flashAdapter.flashAdjust, next)
        compare(adjust.curIndex, next)
    }

    function test_wireless_bar_animates() {
        if (flashAdapter.wirelessModeCapabilityNum() < 2)
            skip("the simulated camera offers no wireless choice")
        if (flashAdapter.wirelessMode !== Kv.Utilities.WirM_Off) {
            flashAdapter.wirelessMode = Kv.Utilities.WirM_Off
            tryCompare(window, "height", window.compactHeight)
        }
        compare(window.compact, true)
        compare(window.height, 271)
        var heights = []
        var record = function() { heights.push(window.height) }
        window.heightChanged.connect(record)
        mouseClick(window.wirelessBar)
        compare(flashAdapter.wirelessMode, Kv.Utilities.WirM_On)
        compare(window.wirelessBar.enabled, false)
        tryCompare(window, "height", 696, 2000)
        tryCompare(window.wirelessBar, "enabled", true)
        window.heightChanged.disconnect(record)
        compare(heights, [421, 571, 696])
        compare(window.minimumHeight, 696)
        mouseClick(window.wirelessBar)
        tryCompare(window, "height", 271, 2000)
        compare(window.maximumHeight, 271)
        compare(window.compact, true)
    }

    // Titles written on two lines keep both: "Auto Exposure" alone reads
    // as if automatic exposure were off.
    function test_two_line_titles_stay_whole_data() {
        return [{ tag: "exposure link", target: "exposureLink" },
                { tag: "communication light", target: "wirelessComPower" }]
    }
    function test_two_line_titles_stay_whole(data) {
        setWireless(true)
        var button = itemOf(data.target, function(it) { return it.labelItem !== undefined })
        verify(button)
        verify(button.labelText.indexOf("<br") > 0)
        compare(button.labelItem.truncated, false)
        compare(button.labelItem.lineCount, 2)
        // the value sits under the title
        verify(button.optionItem.y >= button.labelItem.y + button.labelItem.contentHeight)
        verify(button.optionItem.y + button.optionItem.height <= button.height)
    }

    function setWireless(on) {
        var mode = on ? Kv.Utilities.WirM_On : Kv.Utilities.WirM_Off
        if (flashAdapter.wirelessMode !== mode)
            flashAdapter.wirelessMode = mode
        tryCompare(window, "height", on ? window.fullHeight : window.compactHeight, 2000)
    }

    // Every group's adjust and manual buttons, clicked where they are drawn:
    // the popup, once its slider is laid out, lies inside the window, Cancel
    // leaves the setting and OK writes it.
    function test_group_slider_popup_ok_and_cancel_data() {
        var rows = []
        var groups = ["buildInFlash", "aGroupFlash", "bGroupFlash", "cGroupFlash"]
        for (var i = 0; i < groups.length; ++i) {
            rows.push({ tag: groups[i] + "Adjust", target: groups[i] + "Adjust",
                        values: [Kv.FlashAdapter.FlshAdj_2, Kv.FlashAdapter.FlshAdj_M2] })
            rows.push({ tag: groups[i] + "Manual", target: groups[i] + "Manual",
                        values: [Kv.FlashAdapter.FlshManual_Full, Kv.FlashAdapter.FlshManual_64] })
        }
        return rows
    }
    function test_group_slider_popup_ok_and_cancel(data) {
        if (flashAdapter.wirelessModeCapabilityNum() < 2 || flashAdapter[data.target + "CapabilityNum"]() === 0)
            skip("the simulated camera has no group flash")
        setWireless(true)
        var popup = window.sliderPopup
        var button = window.buttonOf(data.target)
        verify(button)
        var before = flashAdapter[data.target]
        var other = before === data.values[0] ? data.values[1] : data.values[0]
        var open = function() {
            Drawn.click(test, window, button)
            verify(popup.visible)
            verify(popup.slider)
            // the frame grows once the slider is laid out
            tryCompare(popup.frame, "height", popup.slider.height + 40 + 2 * popup.border)
            verify(Drawn.inside(window, popup.frame))
            popup.slider.choose(other)
        }
        open()
        Drawn.click(test, window, popup.cancelButton)
        compare(popup.visible, false)
        compare(flashAdapter[data.target], before)
        open()
        Drawn.click(test, window, popup.okButton)
        compare(popup.visible, false)
        compare(flashAdapter[data.target], other)
        compare(button.optionText, window.groupValueText(data.target, other))
    }

    function test_mask_closes_popups() {
        var button = window.buttonOf("aGroupFlashAdjust")
        window.openSlider(button, "aGroupFlashAdjust")
        verify(window.sliderPopup.visible)
        utilities.preferenceWindowVisibleChanged(true)
        compare(window.maskPanel.visible, true)
        compare(window.sliderPopup.visible, false)
        utilities.searchCamWindowVisibleChanged(true)
        utilities.preferenceWindowVisibleChanged(false)
        compare(window.maskPanel.visible, true)
        utilities.searchCamWindowVisibleChanged(false)
        compare(window.maskPanel.visible, false)
    }
}
