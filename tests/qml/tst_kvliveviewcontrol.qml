import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvLiveViewControl.js" as Logic

// The live-view control panel: its rules as tables, and the panel itself
// against a connected simulated camera (magnifier steps held down, the
// camera menu coming and going, the aspect-ratio button).
Item {
    id: scene
    width: 400
    height: 700

    // The live-view window as far as the panel reads and writes it.
    Item {
        id: lvWindow
        property bool wbSetMode: false
        property bool lvLevelIndicator: false
        property bool lvGridIndicator: false
        property bool lvGLineIndicator: false
        property bool lvHistogramIndicator: false
        property int lvRotation: 0
        property bool lvRotationMode: false
        property bool overlayVisible: false
        property int overlayRotation: 0
    }
    // The AF frame: its display mode and the assist calls it received.
    Item {
        id: afFrame
        property int mode: 0
        property var calls: []
        function mfStart() { calls.push("mfStart") }
        function mfEnd() { calls.push("mfEnd") }
        function mfAdjust() { calls.push("mfAdjust") }
        function pinpointAfStart() { calls.push("pinpointAfStart") }
        function pinpointAfEnd() { calls.push("pinpointAfEnd") }
        function pScopeStart() { calls.push("pScopeStart") }
        function pScopeEnd() { calls.push("pScopeEnd") }
        function lvMagStart() { calls.push("lvMagStart") }
        function lvMagEnd() { calls.push("lvMagEnd") }
        function afmfStart() { calls.push("afmfStart") }
        function afmfEnd() { calls.push("afmfEnd") }
    }

    KvLiveViewControlItem {
        id: panel
        height: 669
        lvWindow: lvWindow
        afFrame: afFrame
    }

    TestCase {
        name: "KvLiveViewControlLogic"

        function test_rotation_data() {
            return [
                { tag: "right from 0", angle: 0, right: 90, left: 270 },
                { tag: "right from 90", angle: 90, right: 180, left: 0 },
                { tag: "right from 180", angle: 180, right: 270, left: 90 },
                { tag: "right from 270 wraps to 0", angle: 270, right: 0, left: 180 }
            ]
        }
        function test_rotation(data) {
            compare(Logic.rotateRight(data.angle), data.right)
            compare(Logic.rotateLeft(data.angle), data.left)
        }

        function test_scale_text_data() {
            return [
                { tag: "one", v: 10, text: "x1.0" },
                { tag: "tenths", v: 25, text: "x2.5" },
                { tag: "below one", v: 5, text: "x0.5" },
                { tag: "two digits", v: 100, text: "x10.0" }
            ]
        }
        function test_scale_text(data) {
            compare(Logic.scaleText(data.v), data.text)
        }

        function test_mf_adjust_enabling_data() {
            var U = Kv.Utilities
            return [
                { tag: "manual focus, no AF/AE", focus: U.FM_MF, af: U.AFM_Unknown, afae: false, on: true },
                { tag: "AF-S, 1 point, AF/AE", focus: U.FM_AF_S, af: U.AFM_1Point, afae: true, on: true },
                { tag: "AF-C, full area (last in the list), AF/AE", focus: U.FM_AF_C, af: U.AFM_FullArea, afae: true,
                  on: true },
                { tag: "AF-F, custom 3, AF/AE", focus: U.FM_AF_F, af: U.AFM_Custom3, afae: true, on: true },
                { tag: "AF, 1 point, no AF/AE", focus: U.FM_AF, af: U.AFM_1Point, afae: false, on: false },
                { tag: "AF, unknown AF mode, AF/AE", focus: U.FM_AF, af: U.AFM_Unknown, afae: true, on: false },
                { tag: "unknown focus mode, AF/AE", focus: U.FM_Unknown, af: U.AFM_1Point, afae: true, on: false }
            ]
        }
        function test_mf_adjust_enabling(data) {
            compare(Logic.mfAdjustEnabled(data.focus, data.af, data.afae), data.on)
        }

        function test_magnifier_data() {
            var m = Logic.afmode
            return [
                { tag: "pinpoint", mode: m.pinpoint, prop: "af_magnify", on: "pinpointAfStart", off: "" },
                { tag: "pinpoint zoomed", mode: m.pinpointp, prop: "af_magnify", on: "", off: "pinpointAfEnd" },
                { tag: "live-view magnify", mode: m.lvmag_z, prop: "lvMag_magnify", on: "", off: "lvMagEnd" },
                { tag: "manual focus", mode: m.mf, prop: "mf_magnify", on: "mfStart", off: "" },
                { tag: "MF assist", mode: m.mfz, prop: "mf_magnify", on: "", off: "mfEnd" },
                { tag: "point scope", mode: m.pscope, prop: "mf_magnify", on: "pScopeStart", off: "" },
                { tag: "point scope zoomed", mode: m.pscope_p, prop: "mf_magnify", on: "", off: "pScopeEnd" },
                { tag: "one point", mode: 1, prop: "mf_magnify", on: "", off: "" }
            ]
        }
        function test_magnifier(data) {
            compare(Logic.magnifyProperty(data.mode), data.prop)
            compare(Logic.mfZoomAction(data.mode, true, false), data.on)
            compare(Logic.mfZoomAction(data.mode, false, false), data.off)
        }

        function test_magnifier_state_data() {
            var m = Logic.afmode
            return [
                { tag: "disabled panel only remembers", s: { blocked: true, wanted: true, mode: m.mfz }, remember: true },
                { tag: "MF assist as asked", s: { wanted: true, mode: m.mfz }, enabled: true, checked: true },
                { tag: "plain MF stays unchecked", s: { wanted: true, mode: m.mf }, enabled: true, checked: false },
                { tag: "AF/AE makes it usable", s: { wanted: true, mode: 1, afaeRunning: true }, enabled: true,
                  checked: true },
                { tag: "live-view magnify in movie", s: { wanted: false, mode: 1, lvMagMovie: true }, enabled: true,
                  checked: false },
                { tag: "one point without AF/AE", s: { wanted: true, mode: 1 }, enabled: false, checked: false }
            ]
        }
        function test_magnifier_state(data) {
            var r = Logic.mfZoomState(data.s)
            compare(r.remember, !!data.remember)
            if (data.remember)
                return
            compare(r.enabled, data.enabled)
            compare(r.checked, data.checked)
        }

        function test_panel_state_data() {
            var P = Logic.Panel
            return [
                { tag: "menu in single view", s: { menuShown: true }, mode: P.Menu, checked: true, enabled: true,
                  mask: false },
                { tag: "menu in multi view", s: { menuShown: true, multi: true }, mode: P.Multi, checked: false,
                  enabled: false, mask: true },
                { tag: "streaming", s: { streaming: true }, mode: P.Streaming, checked: false, enabled: false,
                  mask: true },
                { tag: "all cameras", s: { allCamerasChecked: true }, mode: P.Enable, checked: false, enabled: false,
                  mask: false },
                { tag: "usable", s: {}, mode: P.Enable, checked: false, enabled: true, mask: false }
            ]
        }
        function test_panel_state(data) {
            var st = Logic.panelState(data.s)
            compare(st.mode, data.mode)
            compare(st.menuChecked, data.checked)
            compare(st.menuEnabled, data.enabled)
            compare(st.menuMask, data.mask)
            // the states are taken on the way in only
            compare(Logic.saveBefore(Logic.Panel.Enable, data.mode), data.mode !== Logic.Panel.Enable)
            verify(!Logic.saveBefore(Logic.Panel.Menu, data.mode))
        }

        function test_restore_rules_data() {
            return [
                { tag: "automatic starts from 0", saved: { rotationMode: true, rotation: 90, overlayRotation: 90 },
                  mode: true, angle: 0, overlay: 90 },
                { tag: "a full turn is 0", saved: { rotationMode: false, rotation: 360, overlayRotation: 0 },
                  mode: false, angle: 0, overlay: 0 },
                { tag: "overlay above 180 turns back", saved: { rotationMode: false, rotation: 270,
                  overlayRotation: 270 }, mode: false, angle: 270, overlay: -90 },
                { tag: "overlay at 180 stays", saved: { rotationMode: false, rotation: 180, overlayRotation: 180 },
                  mode: false, angle: 180, overlay: 180 }
            ]
        }
        function test_restore_rules(data) {
            var r = Logic.restoredRotation(data.saved)
            compare(r.mode, data.mode)
            compare(r.angle, data.angle)
            compare(r.overlayRotation, data.overlay)
            verify(Logic.restoredOverlay({ overlayChecked: true }, false))
            verify(!Logic.restoredOverlay({ overlayChecked: true }, true))
        }

        function test_layout() {
            var p = { rows: 7, buttonHeight: 26, menuShown: false, afAreaShown: false, freeHeight: 154, width: 200,
                      aspect: 2 }
            var plain = Logic.columnsLayout(p)
            compare(plain.groupHeight, 7 * 27)
            compare(plain.histogramWidth, 200)
            compare(plain.histogramHeight, 100)
            p.menuShown = true
            p.afAreaShown = true
            var grown = Logic.columnsLayout(p)
            compare(grown.groupHeight, 9 * 27)
            compare(grown.histogramHeight, 100)
            p.freeHeight = 104
            var tight = Logic.columnsLayout(p)
            compare(tight.histogramHeight, 50)
            compare(tight.histogramWidth, 100)
        }
    }

    TestCase {
        id: live
        name: "KvLiveViewControlItem"
        when: windowShown

        property int magnifyAtStart: 0
        property var magnifyChanges: []

        Connections {
            target: deviceAdapter
            function onMf_magnifyChanged(v) { live.magnifyChanges.push(v) }
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
            compare(deviceAdapter.adp_KVR_func_api_ImageInfo_GetCapability(), Kv.Utilities.Ternary_True)
            compare(deviceAdapter.adp_KVR_func_api_RecInfo_AF_Frame_GetCapability(), Kv.Utilities.Ternary_True)
            magnifyAtStart = deviceAdapter.mf_magnify
            panel.cameraValueGetComplete()
        }
        function cleanupTestCase() {
            magnifyTo(magnifyAtStart)
            afFrame.mode = 0
            panel.setMFZoom(false)
        }
        function cleanup() {
            panel.mfZoomTimer.stop()
        }

        function button(name) {
            var b = findChild(panel, name)
            verify(b !== null, name)
            return b
        }
        // The camera's magnification follows a step of the same size, so a
        // few steps bring it anywhere in its range.
        function magnifyTo(v) {
            for (var i = 0; i < 3 && deviceAdapter.mf_magnify !== v; ++i)
                deviceAdapter.mf_magnify = v
            return deviceAdapter.mf_magnify === v
        }

        // The simulated camera's magnification reads 10 to 100 tenths (1x to
        // 10x): a step past either end is not taken, and a held button stops
        // at the first step not taken.
        function test_held_step_stops_at_refusal_data() {
            return [
                { tag: "+1 runs to the end", start: 98, step: 1, steps: 3, end: 100 },
                { tag: "+10 refused at once", start: 98, step: 10, steps: 1, end: 100 },
                { tag: "-50 refused at once", start: 40, step: -50, steps: 1, end: 10 }
            ]
        }
        function test_held_step_stops_at_refusal(data) {
            afFrame.mode = Logic.afmode.mfz
            panel.setMFZoom(true)
            verify(panel.mfZoomChecked)
            verify(magnifyTo(data.start))
            magnifyChanges = []
            var b = button("mfZoomStep" + data.step)
            mousePress(b)
            tryCompare(panel.mfZoomTimer, "running", false, 3000)
            // still held: no further step may follow
            wait(3 * Logic.repeatInterval)
            mouseRelease(b)
            compare(magnifyChanges.length, data.steps)
            compare(deviceAdapter.mf_magnify, data.end)
            compare(button("mfScaleText").text, Logic.scaleText(data.end))
        }

        function test_magnifier_click_asks_the_af_frame() {
            afFrame.mode = Logic.afmode.mf
            panel.setMFZoom(false)
            verify(panel.mfZoomButton.enabled)
            afFrame.calls = []
            mouseClick(panel.mfZoomButton)
            compare(afFrame.calls, ["mfStart"])
            verify(!panel.overlayButton.enabled)
            afFrame.mode = Logic.afmode.mfz
            mouseClick(panel.mfZoomButton)
            compare(afFrame.calls, ["mfStart", "mfEnd"])
            verify(panel.overlayButton.enabled)
        }

        // What the user had set before the camera showed its menu.
        function test_menu_round_trip_restores_data() {
            return [
                { tag: "manual rotation", level: true, grid: true, guide: false, hist: true, overlay: true,
                  clicks: ["rotationLeft"], rotation: 270, auto: false, overlayRotation: -90 },
                { tag: "automatic rotation", level: false, grid: false, guide: true, hist: false, overlay: false,
                  clicks: ["rotationRight", "rotationAuto"], rotation: 0, auto: true, overlayRotation: 0 }
            ]
        }
        function setSwitch(name, on) {
            var b = button(name)
            if (b.checked !== on)
                mouseClick(b)
            compare(b.checked, on)
        }
        function test_menu_round_trip_restores(data) {
            verify(deviceAdapter.recCtrlMenuEnable)
            afFrame.mode = 1
            panel.setMFZoom(false)
            lvWindow.lvRotation = 0
            lvWindow.lvRotationMode = false
            lvWindow.overlayRotation = 0
            for (var i = 0; i < data.clicks.length; ++i)
                mouseClick(button(data.clicks[i]))
            setSwitch("levelButton", data.level)
            setSwitch("gridButton", data.grid)
            setSwitch("guidelineButton", data.guide)
            setSwitch("histogramButton", data.hist)
            setSwitch("overlayButton", data.overlay)
            compare(lvWindow.lvRotation, data.rotation)
            compare(lvWindow.lvRotationMode, data.auto)
            compare(lvWindow.overlayRotation, data.overlayRotation)

            mouseClick(panel.menuButton)
            tryCompare(deviceAdapter, "cameraStatus", Kv.Utilities.CamStatus_Menu_Displayed, 5000)
            tryCompare(panel.menuButton, "checked", true)
            verify(panel.menuButton.enabled)
            var names = ["wbButton", "levelButton", "gridButton", "guidelineButton", "histogramButton", "overlayButton"]
            for (var j = 0; j < names.length; ++j) {
                verify(!button(names[j]).checked, names[j])
                verify(!button(names[j]).enabled, names[j])
            }
            compare(lvWindow.lvLevelIndicator, false)
            compare(lvWindow.lvGridIndicator, false)
            compare(lvWindow.lvGLineIndicator, false)
            compare(lvWindow.lvHistogramIndicator, false)
            compare(lvWindow.overlayVisible, false)
            compare(lvWindow.lvRotation, 0)
            compare(lvWindow.lvRotationMode, false)
            verify(!button("rotationRow").enabled)
            verify(!panel.aspectRatioButton.enabled)

            mouseClick(panel.menuButton)
            tryVerify(function() {
                return deviceAdapter.cameraStatus !== Kv.Utilities.CamStatus_Menu_Displayed
            }, 5000)
            tryCompare(panel.menuButton, "checked", false)
            verify(button("wbButton").enabled)
            compare(button("levelButton").checked, data.level)
            compare(button("gridButton").checked, data.grid)
            compare(button("guidelineButton").checked, data.guide)
            compare(button("histogramButton").checked, data.hist)
            compare(button("overlayButton").checked, data.overlay)
            compare(lvWindow.lvLevelIndicator, data.level)
            compare(lvWindow.lvGridIndicator, data.grid)
            compare(lvWindow.lvGLineIndicator, data.guide)
            compare(lvWindow.lvHistogramIndicator, data.hist)
            compare(lvWindow.overlayVisible, data.overlay)
            compare(lvWindow.lvRotation, data.rotation)
            compare(lvWindow.lvRotationMode, data.auto)
            compare(lvWindow.overlayRotation, data.overlayRotation)
            verify(button("rotationRow").enabled)
            verify(panel.aspectRatioButton.enabled)
            compare(panel.histogramArea.visible, data.hist)
        }

        // The camera reports the multi aspect as its state while it offers
        // other aspects to pick: the button names it instead of "-".
        function test_aspect_ratio_shows_multi() {
            verify(deviceAdapter.aspectRatioCapabilityNum() >= 2)
            verify(deviceAdapter.aspectRatioCapability(Kv.DeviceAdapter.AR_Multi_MULTI) !== Kv.Utilities.Ternary_True)
            var b = panel.aspectRatioButton
            b.optionSelect(Kv.DeviceAdapter.AR_Multi_MULTI)
            compare(b.optionText, "MULTI")
            compare("" + b.source, "qrc:/images/aspect_multi.svg")
            verify(b.enabled)
            panel.aspectRatioSetting()
            compare(b.value, deviceAdapter.aspectRatio)
            verify(b.optionText !== "MULTI")
        }
    }
}
