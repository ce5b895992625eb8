import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvFlashText.js" as FlashText

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

    function test_slider_writes_flash_setting() {
        var adjust = null
        var stack = [window.contentItem]
        while (stack.length > 0 && !adjust) {
            var it = stack.pop()
            if (it.target === "flashAdjust" && it.modelNum !== undefined)
                adjust = it
            for (var i = 0; i < it.children.length; ++i)
                stack.push(it.children[i])
        }
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

    function test_group_slider_popup_ok_and_cancel() {
        if (flashAdapter.aGroupFlashAdjustCapabilityNum() === 0)
            skip("the simulated camera has no group flash")
        var popup = window.sliderPopup
        var button = window.buttonOf("aGroupFlashAdjust")
        verify(button)
        var before = flashAdapter.aGroupFlashAdjust
        var other = before === Kv.FlashAdapter.FlshAdj_2 ? Kv.FlashAdapter.FlshAdj_M2 : Kv.FlashAdapter.FlshAdj_2
        window.openSlider(button, "aGroupFlashAdjust")
        verify(popup.visible)
        compare(popup.btnId, 102)
        popup.slider.choose(other)
        popup.cancel()
        compare(flashAdapter.aGroupFlashAdjust, before)
        window.openSlider(button, "aGroupFlashAdjust")
        popup.slider.choose(other)
        popup.ok()
        compare(popup.visible, false)
        compare(flashAdapter.aGroupFlashAdjust, other)
        compare(button.optionText, FlashText.adjustButtonText(Number(utilities.enumFlashAdjToVal(other))))
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
