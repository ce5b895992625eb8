import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "Drawn.js" as Drawn

// The live-view window against connected simulated cameras: showing it
// starts live view, hiding it pauses; in multi view the window alone starts
// and stops, and a click that hits no other camera changes nothing.
TestCase {
    id: test
    name: "KvLiveViewWindow"
    when: windowShown

    property var window: null
    property var savedLiveViewEnable: []
    readonly property var v: Kv.VideoImageInfo

    SignalSpy {
        id: statusSpy
        target: videoImageInfo
        signalName: "videoImageStatusChanged"
    }
    SignalSpy {
        id: switchSpy
        target: deviceAdapter
        signalName: "switchCameraNotify"
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
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        // every camera takes part in multi view, as the camera list leaves them by default
        savedLiveViewEnable = []
        for (var i = 0; i < deviceAdapter.camera_list_number_of_camera(); ++i) {
            savedLiveViewEnable.push(deviceAdapter.camera_list_get_camera_liveViewEnable(i))
            deviceAdapter.camera_list_set_camera_liveViewEnable(i, true)
        }
        var c = Qt.createComponent("qrc:/qml/KvLiveViewWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null, { visible: false })
        verify(window)
    }

    function cleanupTestCase() {
        if (window) {
            window.visible = false
            setMultiView(false)
            window.destroy()
        }
        deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Stop, 5000)
        for (var i = 0; i < savedLiveViewEnable.length; ++i)
            deviceAdapter.camera_list_set_camera_liveViewEnable(i, savedLiveViewEnable[i])
    }

    // a row that failed leaves no popup over the next one's buttons
    function cleanup() {
        if (window)
            window.closePopups()
    }

    // The switch is refused for a while after a recording ends; the request
    // is repeated until the mode is taken. The window must know the mode too:
    // still in single view, it would stop and pause the multi view it shows.
    function setMultiView(on) {
        tryVerify(function() {
            if (deviceAdapter.isMultiviewMode === on)
                return true
            deviceAdapter.setLiveviewMode_Async(on)
            wait(300)
            return deviceAdapter.isMultiviewMode === on
        }, 10000)
        tryCompare(window, "isMultiView", on, 5000)
    }

    function test_a_single_view_shows_and_hides() {
        setMultiView(false)
        window.show()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        verify(deviceAdapter.videoSource.getVideoOutVisibleStatus())
        compare(deviceAdapter.videoSource.videoSink, window.videoOutput.videoSink)
        window.visible = false
        // hiding pauses on the black picture rather than leaving the camera running
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Pause, 5000)
        verify(!deviceAdapter.videoSource.getVideoOutVisibleStatus())
        compare(deviceAdapter.videoSource.videoSink, null)
    }

    function test_b_multi_view_hiding_while_paused_sends_no_stop() {
        setMultiView(true)
        window.show()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        deviceAdapter.setLiveviewPause()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Pause, 5000)
        statusSpy.clear()
        window.visible = false
        // past the status refresh that follows the hiding
        wait(100)
        compare(statusSpy.count, 0)
        compare(videoImageInfo.videoImageStatus, v.VIS_Pause)
        // and showing it while it runs starts nothing again
        deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Start()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        statusSpy.clear()
        window.show()
        wait(100)
        compare(statusSpy.count, 0)
        compare(videoImageInfo.videoImageStatus, v.VIS_Start)
        window.visible = false
    }

    // Canvas points of the shown page: one between the tiles and one on the
    // selected camera's tile.
    function canvasPoints() {
        var current = deviceAdapter.camera_list_get_camera_current_dev_index()
        var found = { margin: null, current: null }
        var w = window.videoOutput.sourceRect.width
        var h = window.videoOutput.sourceRect.height
        for (var y = 0; y < h && (!found.margin || !found.current); y += 8) {
            for (var x = 0; x < w; x += 8) {
                var hit = videoImageInfo.getCameraDevIndex(x, y)
                if (hit < 0 && !found.margin)
                    found.margin = { x: x, y: y }
                if (hit === current && !found.current)
                    found.current = { x: x, y: y }
            }
        }
        return found
    }

    function test_c_click_on_margin_or_current_camera_changes_nothing() {
        setMultiView(true)
        window.show()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        // the first frames of the new layout may still be on their way
        var points = null
        tryVerify(function() {
            var w = window.videoOutput.sourceRect.width
            var h = window.videoOutput.sourceRect.height
            points = canvasPoints()
            return points.margin !== null && points.current !== null && w === window.videoOutput.sourceRect.width
                    && h === window.videoOutput.sourceRect.height
        }, 5000, "a margin between the tiles and the selected camera's tile")
        var painted = window.picture
        var before = deviceAdapter.camera_list_get_camera_current_dev_index()
        var status = deviceAdapter.camConnectStatus
        switchSpy.clear()
        var targets = [points.margin, points.current]
        for (var i = 0; i < targets.length; ++i) {
            var px = (targets[i].x + 2) * painted.width / window.videoOutput.sourceRect.width
            var py = (targets[i].y + 2) * painted.height / window.videoOutput.sourceRect.height
            mouseClick(painted, px, py)
        }
        wait(50)
        compare(switchSpy.count, 0)
        compare(deviceAdapter.camConnectStatus, status)
        compare(deviceAdapter.camera_list_get_camera_current_dev_index(), before)
        window.visible = false
    }

    // Each mirrored setting follows the settings object and writes back.
    function test_d_settings_mirrored_both_ways_data() {
        return [
            { tag: "switch", name: "lvGridIndicator", value: true },
            { tag: "number", name: "gridHorNum", value: 7 },
            { tag: "colour", name: "gLineColor", value: "#123456" },
            { tag: "rotation", name: "lvRotation", value: 270 }
        ]
    }
    function test_d_settings_mirrored_both_ways(data) {
        var before = applicationSettings[data.name]
        window[data.name] = data.value
        compare(applicationSettings[data.name], data.value)
        applicationSettings[data.name] = before
        compare(window[data.name], before)
    }

    // The preferences and search windows mask the window while open.
    function test_e_other_windows_mask_data() {
        return [
            { tag: "preferences", relay: "preferenceWindowVisibleChanged" },
            { tag: "search", relay: "searchCamWindowVisibleChanged" }
        ]
    }
    function test_e_other_windows_mask(data) {
        compare(window.maskPanel.visible, false)
        utilities[data.relay](true)
        compare(window.maskPanel.visible, true)
        utilities[data.relay](false)
        compare(window.maskPanel.visible, false)
    }

    // The grid and guide-line popups cover their own switches and much of the
    // masked panel: a press beside them closes them, and so does Escape in
    // their window (the overlay popup's too, which a press beside keeps open),
    // and the panel they covered answers again.
    function test_f_setting_popups_close_on_a_press_beside_data() {
        var grid = { toggle: "gridButton", setting: "gridSettingButton", popup: "gridPopup" }
        var guide = { toggle: "guidelineButton", setting: "guidelineSettingButton", popup: "guideLinePopup" }
        var overlay = { toggle: "overlayButton", setting: "overlaySettingButton", popup: "overlayPopup" }
        return [
            Object.assign({ tag: "grid", escape: false }, grid),
            Object.assign({ tag: "guide line", escape: false }, guide),
            Object.assign({ tag: "grid, Escape", escape: true }, grid),
            Object.assign({ tag: "guide line, Escape", escape: true }, guide),
            Object.assign({ tag: "overlay, Escape", escape: true }, overlay)
        ]
    }
    function test_f_setting_popups_close_on_a_press_beside(data) {
        setMultiView(false)
        window.show()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        var panel = window.controlItem
        // clicks need the window at its own size, and the panel back from
        // the multi view of the tests before
        window.width = 1103
        window.height = 669
        tryCompare(window.contentItem, "width", 1103)
        tryVerify(function() { return !panel.blocked })
        var toggle = panel[data.toggle]
        if (!toggle.checked)
            Drawn.click(test, window, toggle)
        verify(toggle.checked)
        var popup = window[data.popup]
        Drawn.click(test, window, findChild(panel, data.setting))
        tryCompare(popup, "visible", true)
        verify(panel.panelMask.visible)
        if (data.escape) {
            // the key goes to the window the user works in, not to the popup
            window.requestActivate()
            tryVerify(function() { return window.active })
            keyClick(Qt.Key_Escape)
        } else {
            // the corner of the picture, away from the popup and the panel
            mouseClick(window.contentItem, 5, 5)
        }
        tryCompare(popup, "visible", false)
        compare(panel.panelMask.visible, false)
        var rotation = window.lvRotation
        Drawn.click(test, window, panel.rotationRightButton)
        compare(window.lvRotation, (rotation + 90) % 360)
        window.lvRotation = rotation
        Drawn.click(test, window, toggle)
        verify(!toggle.checked)
        window.visible = false
    }

    // The panel's quality button shows the quality the camera was sent last,
    // also when the program chose it: multi view lowers it, single view
    // brings the earlier one back.
    function test_g_quality_button_follows_the_view_switch() {
        setMultiView(false)
        window.show()
        tryCompare(videoImageInfo, "videoImageStatus", v.VIS_Start, 5000)
        var button = window.controlItem.imageQualityButton
        tryVerify(function() { return button.visible })
        var std = Kv.Utilities.LvImgQ_Std
        deviceAdapter.imageQuality = std
        tryCompare(deviceAdapter, "imageQuality", std, 5000)
        setMultiView(true)
        tryCompare(deviceAdapter, "imageQuality", Kv.Utilities.LvImgQ_Low, 5000)
        setMultiView(false)
        tryCompare(deviceAdapter, "imageQuality", std, 5000)
        tryCompare(button, "value", std, 5000)
        compare(button.source, "qrc:/images/lv_quality_std.svg")
        window.visible = false
    }
}
