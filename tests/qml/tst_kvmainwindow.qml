import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvMainFunction.js" as Main
import "qrc:/qml/KvSubFunction.js" as Sub
import "Drawn.js" as Drawn

// The main window against a connected simulated camera: its buttons follow
// the camera's offer, a change reaches the camera, and the shutter, AF/AE
// and movie buttons drive it.
TestCase {
    id: test
    name: "KvMainWindow"
    when: windowShown

    readonly property var u: Kv.Utilities

    KvMainWindow {
        id: win
    }
    // the same catalogue the window's buttons use
    KvOptionComponentsProvider {
        id: provider
    }

    SignalSpy {
        id: afaeStartSpy
        target: win
        signalName: "afaeStart"
    }
    SignalSpy {
        id: afaeStopSpy
        target: win
        signalName: "afaeStop"
    }

    SignalSpy {
        id: previewPopupSpy
        target: win
        signalName: "changePreviewTypePopup"
    }
    SignalSpy {
        id: previewWindowSpy
        target: win
        signalName: "changePreviewTypeWindow"
    }

    SignalSpy {
        id: forwardedSpy
        target: win
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
        // what the camera offers, read as the shell does after connecting
        verify(Sub.get_sdk_capability(null))
        win.cameraValueGetComplete()
    }

    function cleanup() {
        // the camera's filter session ends with the filter window's Cancel only
        var filter = win.movieQualityPopup.filterWindow
        if (filter && filter.visible)
            filter.reject()
        win.popupClose()
    }

    // The window at full height, where every button is drawn.
    function showExpanded() {
        win.show()
        tryCompare(win.contentItem, "height", win.height)
        if (win.compact) {
            win.toggleSize()
            tryCompare(win, "height", 669, 2000)
        }
    }

    function test_buttons_follow_the_offer_data() {
        return [
            { tag: "white balance", button: "whiteBalanceButton", target: "whiteBalance" },
            { tag: "iso", button: "isoButton", target: "iso" },
            { tag: "aperture", button: "apertureButton", target: "aperture" },
            { tag: "shutter speed", button: "shutterSpeedButton", target: "shutterSpeed" },
            { tag: "picture size", button: "pictureSizeButton", target: "pictureSize" },
            { tag: "picture quality", button: "pictureQualityButton", target: "imgInfoQuality" },
            { tag: "focus mode", button: "focusModeButton", target: "focusMode" },
            { tag: "AF mode", button: "afModeButton", target: "autoFocusMode" },
            { tag: "photo style", button: "photoStyleButton", target: "photoStyle" },
            { tag: "metering", button: "meteringButton", target: "meteringMode" },
            { tag: "colour temperature", button: "colorTemperatureButton", target: "whiteBalanceKSet" }
        ]
    }
    function test_buttons_follow_the_offer(data) {
        var button = win[data.button]
        compare(button.target, data.target)
        verify(deviceAdapter[data.target + "CapabilityNum"]() >= 2)
        compare(button.value, deviceAdapter[data.target])
        verify(button.enabled)
        button.isForcedDisable = true
        button.optionSelect(deviceAdapter[data.target])
        verify(!button.enabled)
        button.isForcedDisable = false
        button.optionSelect(deviceAdapter[data.target])
        verify(button.enabled)
    }

    function test_change_reaches_the_camera() {
        var button = win.whiteBalanceButton
        var before = deviceAdapter.whiteBalance
        var v = -1
        for (var i = 0; i < provider.whiteBalance.length && v === -1; ++i) {
            var candidate = provider.whiteBalance[i].properties.value
            if (candidate !== before && deviceAdapter.whiteBalanceCapability(candidate) === u.Ternary_True)
                v = candidate
        }
        verify(v !== -1)
        button.valueChangeFlg = true
        button.value = v
        tryCompare(deviceAdapter, "whiteBalance", v, 5000)
        // a fresh read of the camera shows it, and the button with it
        compare(deviceAdapter.adp_KVR_func_api_WB_GetCapability(), 1)
        tryCompare(deviceAdapter, "whiteBalance", v, 5000)
        tryCompare(button, "value", v, 5000)
    }

    // A list opens with the camera's current value in view, wherever it
    // lies in the list, and inside the window.
    function test_lists_open_on_the_current_value_data() {
        return [{ tag: "white balance", button: "whiteBalanceButton" },
                { tag: "drive mode", button: "driveModeButton" }]
    }
    function test_lists_open_on_the_current_value(data) {
        var shown = win.visible
        showExpanded()
        var button = win[data.button]
        Drawn.click(test, win, button)
        var popup = button.driveModePopup ? button.driveModePopup : button.popup
        tryCompare(popup, "visible", true)
        Drawn.checkedInView(test, popup)
        verify(Drawn.inside(win, popup.frame))
        win.visible = shown
    }

    // Escape closes every popup the window's buttons open, as a press beside
    // it or its Cancel does: a list over the window, a window of its own, a
    // list over such a window. The popups it was opened over stay, and the
    // next Escape closes the next of them: the focus goes back to the window
    // a closed popup was opened over without a click. Each row opens its
    // popups with clicks and gives them outermost first, each with the window
    // the key goes to.
    property var modesBefore: []
    function test_popups_close_on_escape_data() {
        var inMain = function(popup) { return [popup, win] }
        var own = function(popup) { return [popup, popup] }
        var click = function(window, item) { Drawn.click(test, window, item) }
        // what the user clicks in a window of its own has the window's focus
        // first, as the click gives it
        var clickIn = function(window, item) {
            window.requestActivate()
            tryVerify(function() { return keyboard.focusWindow() === window && window.activeFocusItem !== null })
            click(window, item)
        }
        var photoStyle = function() { click(win, win.photoStyleButton) }
        var movieQuality = function() { click(win, win.movieQualityButton) }
        var filter = function() {
            movieQuality()
            tryVerify(function() { return win.movieQualityPopup.refineButton.visible })
            clickIn(win.movieQualityPopup, win.movieQualityPopup.refineButton)
        }
        return [
            { tag: "number list", open: function() { click(win, win.isoButton) },
              popups: function() { return [inMain(win.generalPopup)] } },
            { tag: "value list", open: function() { click(win, win.whiteBalanceButton) },
              popups: function() { return [inMain(win.generalPopup)] } },
            { tag: "shooting mode", open: function() { click(win, win.recordingModeButton) },
              popups: function() { return [inMain(win.recordingModeButton.popup)] } },
            { tag: "drive mode", open: function() { click(win, win.driveModeButton) },
              popups: function() { return [inMain(win.driveModeButton.driveModePopup)] } },
            { tag: "self-timer", open: function() {
                click(win, win.driveModeButton)
                var first = win.driveModeButton.driveModePopup
                tryCompare(first.frame, "height", first.frame.finalHeight)
                var entry = first.objects.filter(function(o) { return o.value === u.DM_SelfTimer })[0]
                // scrolled to, where the list is longer than its frame
                first.list.contentY = Math.min(entry.y, first.list.contentHeight - first.list.height)
                click(win, entry)
            }, popups: function() { return [inMain(win.driveModeButton.selfTimerPopup)] } },
            { tag: "creative control", open: function() {
                // the mode dial turned at the camera
                var cameras = simulator.connectedCameras()
                modesBefore = cameras.map(function(c) { return [c, simulator.turnDial(c, "recordingMode", 4)] })
                tryCompare(win.recordingModeButton, "popup", win.ccPopup, 5000)
                click(win, win.recordingModeButton)
            }, popups: function() { return [own(win.ccPopup)] },
              after: function() {
                modesBefore.forEach(function(m) { simulator.turnDial(m[0], "recordingMode", m[1]) })
                tryVerify(function() { return win.recordingModeButton.popup !== win.ccPopup }, 5000)
            } },
            { tag: "white-balance tuning", open: function() { click(win, win.wbAdjustButton) },
              popups: function() { return [own(win.wbPopup)] } },
            { tag: "photo style", open: photoStyle, popups: function() { return [own(win.photoStylePopup)] } },
            { tag: "photo style's list", open: function() {
                photoStyle()
                clickIn(win.photoStylePopup, win.photoStylePopup.styleButton)
            }, popups: function() {
                return [own(win.photoStylePopup), [win.photoStylePopup.optionPopup, win.photoStylePopup]]
            } },
            { tag: "movie quality", open: movieQuality, popups: function() { return [own(win.movieQualityPopup)] } },
            { tag: "movie-quality filter", open: filter, popups: function() {
                return [own(win.movieQualityPopup), own(win.movieQualityPopup.filterWindow)]
            } },
            { tag: "movie-quality filter's list", open: function() {
                filter()
                var window = win.movieQualityPopup.filterWindow
                clickIn(window, findChild(window.contentItem, "moviePixelButton"))
            }, popups: function() {
                var window = win.movieQualityPopup.filterWindow
                return [own(win.movieQualityPopup), own(window), [window.detailPopup, window]]
            } }
        ]
    }
    function test_popups_close_on_escape(data) {
        var shown = win.visible
        showExpanded()
        data.open()
        var popups = data.popups()
        for (var i = 0; i < popups.length; ++i)
            tryCompare(popups[i][0], "visible", true)
        for (var j = popups.length - 1; j >= 0; --j) {
            // The key goes to the window the user works in, not to the popup.
            var window = popups[j][1]
            if (j === popups.length - 1)
                window.requestActivate()
            tryVerify(function() { return keyboard.focusWindow() === window && window.activeFocusItem !== null },
                      5000, "the focus is in " + window)
            keyClick(Qt.Key_Escape)
            tryCompare(popups[j][0], "visible", false)
            for (var k = 0; k < j; ++k)
                verify(popups[k][0].visible, "Escape closed " + popups[k][0] + " too")
        }
        tryVerify(function() { return keyboard.focusWindow() === win && win.activeFocusItem !== null }, 5000,
                  "the focus is back in the main window")
        if (data.after)
            data.after()
        win.visible = shown
    }

    // A popup that is a window of its own (but the movie-quality list, which
    // a press beside it closes) is modal: the system's close of the window is
    // refused while it is open. The program's own close closes whichever
    // popup is open, and then the window.
    function test_popups_close_with_the_window_data() {
        return test_popups_close_on_escape_data()
    }
    function test_popups_close_with_the_window(data) {
        var shown = win.visible
        showExpanded()
        data.open()
        var popups = data.popups()
        for (var i = 0; i < popups.length; ++i)
            tryCompare(popups[i][0], "visible", true)
        var own = popups.filter(function(p) { return p[0] === p[1] && p[0] !== win.movieQualityPopup })
        var modal = own.length > 0 ? own[own.length - 1][0] : null
        compare(keyboard.modalWindow(), modal)
        if (modal) {
            keyboard.closeFromSystem(win)
            verify(win.visible, "the system closed the window behind " + modal)
            for (var k = 0; k < popups.length; ++k)
                verify(popups[k][0].visible, popups[k][0] + " closed with the system's close")
        }
        win.close()
        verify(!win.visible, "the window's close was ignored")
        for (var j = 0; j < popups.length; ++j)
            verify(!popups[j][0].visible, popups[j][0] + " stayed open")
        if (data.after)
            data.after()
        win.visible = shown
    }

    // The popup windows have no frame, but a window manager's close shortcut
    // reaches the one in front: it answers the popup as Escape does, so the
    // camera is not left as the popup last set it.
    function test_system_close_of_a_popup_window_is_escape_data() {
        var rows = test_popups_close_on_escape_data()
        // a camera got `more` calls of that name than it had
        var made = function(name, more) {
            var cameras = simulator.connectedCameras()
            var before = cameras.map(function(c) { return simulator.callCount(c, name) })
            return function() {
                return cameras.some(function(c, i) { return simulator.callCount(c, name) >= before[i] + more })
            }
        }
        var answers = {
            "white-balance tuning": function() {
                var before = win.wbPopup.valAB
                win.wbPopup.valAB = before === 10 ? 11 : 10
                win.wbPopup.onChangeValue()
                tryCompare(deviceAdapter, "wbAdjustAB", win.wbPopup.valAB, 5000)
                return function() { return deviceAdapter.wbAdjustAB === before }
            },
            // the restore and the backup's delete; the open's backup may come yet
            "photo style": function() { return made("Rec_Ctrl_Backup_Req", 2) },
            "movie-quality filter": function() { return made("MovieFilter_Ctrl_End", 1) }
        }
        return rows.filter(function(r) { return answers[r.tag] !== undefined })
                   .map(function(r) { r.answered = answers[r.tag]; return r })
    }
    function test_system_close_of_a_popup_window_is_escape(data) {
        var shown = win.visible
        showExpanded()
        data.open()
        var popups = data.popups()
        var popup = popups[popups.length - 1][0]
        // shown, not only asked to show: its state at the show is what it reverts to
        tryVerify(function() { return keyboard.focusWindow() === popup }, 5000)
        var answered = data.answered()
        keyboard.closeFromSystem(popup)
        tryVerify(answered, 5000, "the camera is left as " + popup + " last set it")
        verify(!popup.visible)
        win.closePopups()
        if (data.after)
            data.after()
        win.visible = shown
    }

    // The slider and the movie-quality button are documents of their own:
    // a pick on them must still reach the camera, the list open and close.
    function test_exposure_slider_writes_the_camera() {
        var slider = win.exposureSlider
        compare(slider.target, "exposureVal")
        compare(slider.modelNum, u.Expo_Max)
        if (deviceAdapter.exposureRangeMax <= deviceAdapter.exposureRangeMin)
            skip("the simulated camera offers no exposure compensation")
        var before = deviceAdapter.exposureVal
        var v = before === deviceAdapter.exposureRangeMin ? before + 1 : before - 1
        slider.sliderValueChanged(v)
        tryCompare(deviceAdapter, "exposureVal", v, 5000)
        slider.sliderValueChanged(before)
        tryCompare(deviceAdapter, "exposureVal", before, 5000)
    }
    function test_movie_quality_button_opens_its_popup() {
        var button = win.movieQualityButton
        compare(button.target, "recMovie")
        compare(button.popup, win.movieQualityPopup)
        compare(button.componentsProvider, win.mqComponentsProvider)
        button.clickSub()
        tryVerify(function() { return win.movieQualityPopup.visible }, 2000)
        button.clickSub()
        tryVerify(function() { return !win.movieQualityPopup.visible }, 2000)
    }

    // What the transfer controller asks of the window reaches the shell.
    function test_transfer_requests_reach_the_window_data() {
        return [
            { tag: "live view stop", request: "liveViewStop", forwarded: "liveViewStop" },
            { tag: "live view start", request: "liveViewStart", forwarded: "liveViewStart" },
            { tag: "copy flag cleared", request: "copyFlagCleared", forwarded: "tetherModeUpdate" }
        ]
    }
    function test_transfer_requests_reach_the_window(data) {
        forwardedSpy.signalName = data.forwarded
        forwardedSpy.clear()
        win.transferController[data.request]()
        compare(forwardedSpy.count, 1)
    }

    function test_read_outs() {
        win.cameraValueGetComplete()
        compare(win.pictureCountText, Main.pictureCountText(deviceAdapter.imageFreeSpace, deviceAdapter.statusOfCards))
        compare(win.recordingTimeText, Main.recordingTimeText(deviceAdapter.secondFreeSpace, deviceAdapter.statusOfCards))
        compare("" + win.batteryImage, Main.batteryImage(deviceAdapter.batteryLevel))
    }

    // Both holds go through the camera: the flag only moves on success.
    function test_afae_and_single_shot() {
        if (!Main.canHoldAfae(deviceAdapter.focusMode))
            skip("the simulated camera has no AF/MF focus mode")
        if (deviceAdapter.driveMode !== u.DM_Single || deviceAdapter.shutterSpeed === u.SS_Bulb)
            skip("the simulated camera is not in single drive")
        afaeStartSpy.clear()
        afaeStopSpy.clear()
        win.afaeLock()
        verify(win.afaeStartFlg)
        compare(afaeStartSpy.count, 1)
        // a shot releases the half-press
        win.shutterClicked()
        verify(!win.afaeStartFlg)
        compare(afaeStopSpy.count, 1)
    }

    function test_movie_start_and_stop() {
        if (deviceAdapter.motionPictureFormat === u.MPF_AVCHD)
            skip("the simulated camera records AVCHD")
        verify(!win.movieRecStartFlg)
        win.movieRec()
        verify(win.movieRecStartFlg)
        // a start from here arms the collection of the movies it will announce
        verify(win.transferController.isWaiting())
        tryVerify(function() { return Main.isRecordingStatus(deviceAdapter.cameraStatus) }, 5000)
        win.movieRec()
        verify(!win.movieRecStartFlg)
        tryVerify(function() { return !Main.isRecordingStatus(deviceAdapter.cameraStatus) }, 5000)
        // the camera's later status reports settle the button too
        tryVerify(function() { return "" + win.movieButton.source === "qrc:/images/12_rec_off.svg" }, 5000)
        // The button is also redrawn from the cards' status, which can come
        // in before the camera's own report of the stop: the flag follows
        // that report, so wait for it rather than for the button.
        tryVerify(function() { return !win.movieRecStartFlg }, 5000)
    }

    // A recording started elsewhere (the live-view window, another camera
    // list) reaches the window through the camera's status alone.
    function test_recording_seen_from_the_camera() {
        if (deviceAdapter.motionPictureFormat === u.MPF_AVCHD)
            skip("the simulated camera records AVCHD")
        verify(!win.movieRecStartFlg)
        compare(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Start(), u.Ternary_True)
        tryVerify(function() { return win.movieRecStartFlg }, 5000)
        compare("" + win.movieButton.source, "qrc:/images/13_rec_on.svg")
        verify(win.driveModeButton.isForcedDisable)
        verify(win.recordingModeButton.isForcedDisable)
        compare(deviceAdapter.adp_KVR_func_api_MoveRec_Ctrl_Stop(), u.Ternary_True)
        tryVerify(function() { return !win.movieRecStartFlg }, 5000)
        tryVerify(function() { return "" + win.movieButton.source === "qrc:/images/12_rec_off.svg" }, 5000)
        verify(!win.driveModeButton.isForcedDisable)
        verify(!win.recordingModeButton.isForcedDisable)
    }

    // A held burst starts on the press and ends on the release, both on the
    // camera; the drive-mode button follows the mode to its burst speeds.
    function test_held_burst() {
        var before = deviceAdapter.driveMode
        if (deviceAdapter.driveModeCapability(u.DM_Burst) !== u.Ternary_True)
            skip("the simulated camera offers no burst")
        deviceAdapter.driveMode = u.DM_Burst
        tryCompare(deviceAdapter, "driveMode", u.DM_Burst, 5000)
        // a write from here is not echoed back as a change: refresh as the
        // camera's report would
        win.driveModeSetting()
        compare(win.driveModeButton.target, "burstSpeed")
        if (deviceAdapter.burstSpeed === u.BS_6K4K)
            skip("the simulated camera bursts in 6K/4K")
        previewPopupSpy.clear()
        previewWindowSpy.clear()
        win.shutterPressed(true)
        verify(win.burstRecStartFlg)
        compare(previewPopupSpy.count, 1)
        // a click between press and release sends nothing in burst drive
        win.shutterClicked()
        win.shutterPressed(false)
        verify(!win.burstRecStartFlg)
        compare(previewWindowSpy.count, 1)
        deviceAdapter.driveMode = before
        tryCompare(deviceAdapter, "driveMode", before, 5000)
        win.driveModeSetting()
        compare(win.driveModeButton.target, "driveMode")
    }

    function test_size_animation() {
        var wasCompact = win.compact
        var from = win.height
        win.toggleSize()
        verify(win.sizeTimer.running)
        verify(win.sizeButton.disabled)
        // a second click while it runs does nothing
        win.toggleSize()
        compare(win.compact, !wasCompact)
        tryCompare(win, "height", wasCompact ? 669 : 163, 2000)
        verify(!win.sizeButton.disabled)
        compare(applicationSettings.windowSize, wasCompact ? Kv.ApplicationSettings.WindowExpanded
                                                           : Kv.ApplicationSettings.WindowShrinked)
        win.toggleSize()
        tryCompare(win, "height", from, 2000)
        compare(win.compact, wasCompact)
    }

    function test_mask_follows_its_bits() {
        win.searchCamWindowVisibleSetting(true)
        verify(win.maskPanel.visible)
        win.preferenceWindowVisibleSetting(true)
        win.searchCamWindowVisibleSetting(false)
        verify(win.maskPanel.visible)
        win.preferenceWindowVisibleSetting(false)
        verify(!win.maskPanel.visible)
    }
}
