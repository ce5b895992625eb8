import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml/KvLiveView.js" as LV

// The live-view window's rules as tables: the level read-outs by posture,
// the clocks, where a click lands in the camera's coordinates and which
// mask covers the window.
TestCase {
    name: "KvLiveView"

    readonly property var u: Kv.Utilities

    function test_level_roll_data() {
        return [
            { tag: "posture 0", roll: 450, posture: u.LvInfoPosture_0, expected: -45 },
            { tag: "posture 90", roll: 450, posture: u.LvInfoPosture_90, expected: 45 },
            { tag: "posture 180, negated roll negative", roll: 450, posture: u.LvInfoPosture_180, expected: 135 },
            { tag: "posture 180, negated roll positive", roll: -450, posture: u.LvInfoPosture_180, expected: -135 },
            { tag: "posture 180, level", roll: 0, posture: u.LvInfoPosture_180, expected: -180 },
            { tag: "posture 270", roll: -450, posture: u.LvInfoPosture_270, expected: -45 },
            { tag: "unknown posture counts as upright", roll: 123, posture: u.LvInfoPosture_Unknown, expected: -12 },
            // integer parts: toward zero, never one degree further
            { tag: "negative truncated toward zero", roll: 15, posture: u.LvInfoPosture_0, expected: -1 },
            { tag: "positive truncated toward zero", roll: -19, posture: u.LvInfoPosture_0, expected: 1 },
            { tag: "posture 270 truncated toward zero", roll: -895, posture: u.LvInfoPosture_270, expected: 0 }
        ]
    }
    function test_level_roll(data) {
        compare(LV.levelRoll(data.roll, data.posture), data.expected)
    }

    function test_level_pitch_data() {
        return [
            { tag: "above the limit", pitch: 250, expected: 10 },
            { tag: "just above", pitch: 101, expected: 10 },
            { tag: "at the limit", pitch: 100, expected: 10 },
            { tag: "below the limit", pitch: -250, expected: -10 },
            { tag: "negative truncated toward zero", pitch: -99, expected: -9 },
            { tag: "positive truncated", pitch: 57, expected: 5 },
            { tag: "level", pitch: 0, expected: 0 }
        ]
    }
    function test_level_pitch(data) {
        compare(LV.levelPitch(data.pitch), data.expected)
    }

    function test_rotation_data() {
        return [
            { tag: "posture 90", posture: u.LvInfoPosture_90, angle: 90, sideways: true },
            { tag: "posture 180", posture: u.LvInfoPosture_180, angle: 180, sideways: false },
            { tag: "posture 270 turns back a quarter", posture: u.LvInfoPosture_270, angle: -90, sideways: true },
            { tag: "posture 0", posture: u.LvInfoPosture_0, angle: 0, sideways: false },
            { tag: "unknown", posture: 99, angle: 0, sideways: false }
        ]
    }
    function test_rotation(data) {
        var a = LV.autoAngle(data.posture)
        compare(a, data.angle)
        compare(LV.isSideways(a), data.sideways)
        compare(LV.outputAngle(true, a, 270), a)
        compare(LV.outputAngle(false, a, 270), 270)
    }

    function test_movie_time_data() {
        return [
            { tag: "zero", seconds: 0, expected: "0s" },
            { tag: "negative shows zero", seconds: -5, expected: "0s" },
            { tag: "59 s", seconds: 59, expected: "59s" },
            { tag: "a minute", seconds: 60, expected: "1m00s" },
            { tag: "1m05s", seconds: 65, expected: "1m05s" },
            { tag: "just under an hour", seconds: 3599, expected: "59m59s" },
            { tag: "1h00m07s", seconds: 3607, expected: "1h00m07s" },
            { tag: "many hours", seconds: 36000 + 610, expected: "10h10m10s" }
        ]
    }
    function test_movie_time(data) {
        compare(LV.movieTimeText(data.seconds), data.expected)
    }

    function test_bulb_clock_data() {
        return [
            { tag: "start", start: 100, now: 100, expected: "0" },
            { tag: "part of a second", start: 100, now: 101.9, expected: "1" },
            { tag: "at the limit", start: 0, now: 1800, expected: "1800" },
            { tag: "beyond the limit", start: 0, now: 1801, expected: "" },
            { tag: "clock turned back", start: 100, now: 50, expected: "0" }
        ]
    }
    function test_bulb_clock(data) {
        compare(LV.bulbText(data.start, data.now), data.expected)
    }

    function test_thousandths_data() {
        return [
            { tag: "left edge", position: 0, size: 640, expected: 0 },
            { tag: "centre", position: 320, size: 640, expected: 500 },
            { tag: "last pixel", position: 639.9, size: 640, expected: 999 },
            { tag: "right edge itself", position: 640, size: 640, expected: 999 },
            { tag: "beyond the right edge", position: 700, size: 640, expected: 999 },
            { tag: "before the left edge", position: -3, size: 640, expected: 0 },
            { tag: "empty picture", position: 10, size: 0, expected: 0 }
        ]
    }
    function test_thousandths(data) {
        compare(LV.thousandths(data.position, data.size), data.expected)
    }

    function test_camera_pick_data() {
        return [
            { tag: "another camera", hit: 3, current: 1, changes: true },
            { tag: "margin between tiles", hit: -1, current: 1, changes: false },
            { tag: "the current camera", hit: 1, current: 1, changes: false },
            { tag: "first camera", hit: 0, current: 2, changes: true }
        ]
    }
    function test_camera_pick(data) {
        compare(LV.pickChangesCamera(data.hit, data.current), data.changes)
    }

    function test_canvas_pixel() {
        // a 1920-pixel canvas painted 960 wide
        compare(LV.canvasPixel(480, 960, 1920), 960)
        compare(LV.canvasPixel(959.9, 960, 1920), 1919)
        compare(LV.canvasPixel(10, 0, 1920), -1)
    }

    function test_painted_and_selection_geometry() {
        compare(LV.paintedSize(800, 600, 1, 1), { width: 800, height: 600 })
        compare(LV.paintedSize(800, 600, 0.5, 0.25), { width: 400, height: 150 })
        compare(LV.paintedSize(0, 600, 1, 1), { width: 1, height: 1 })
        // the second tile of a two-column row, one pixel larger on each side
        compare(LV.selectionBorder(800, 600, 10, 20, 0.5, 0, 0.5, 0.5),
                { x: 409, y: 19, width: 402, height: 302 })
    }

    function test_selection_border_visible_data() {
        return [
            { tag: "multi view, panel, two cameras", multi: true, panel: true, cameras: 2, shown: true },
            { tag: "single view", multi: false, panel: true, cameras: 2, shown: false },
            { tag: "live view only", multi: true, panel: false, cameras: 2, shown: false },
            { tag: "one camera", multi: true, panel: true, cameras: 1, shown: false }
        ]
    }
    function test_selection_border_visible(data) {
        compare(LV.selectionBorderVisible(data.multi, data.panel, data.cameras), data.shown)
    }

    function test_multi_view_command_data() {
        var v = Kv.VideoImageInfo
        return [
            { tag: "hide while running", visible: false, status: v.VIS_Start, expected: "stop" },
            { tag: "hide while paused", visible: false, status: v.VIS_Pause, expected: "" },
            { tag: "hide while stopped", visible: false, status: v.VIS_Stop, expected: "stop" },
            { tag: "show while running", visible: true, status: v.VIS_Start, expected: "" },
            { tag: "show while paused", visible: true, status: v.VIS_Pause, expected: "start" },
            { tag: "show while stopped", visible: true, status: v.VIS_Stop, expected: "start" }
        ]
    }
    function test_multi_view_command(data) {
        compare(LV.multiViewCommand(data.visible, data.status), data.expected)
    }

    function test_no_command_case_data() {
        return [
            { tag: "network streaming", status: u.CamStatus_IP_LiveStreaming, display: true, expected: true },
            { tag: "streaming while recording", status: u.CamStatus_LiveStreamingRemoteRec, display: true,
              expected: true },
            { tag: "power-saving display off", status: u.CamStatus_Standby, display: false, expected: true },
            { tag: "standby", status: u.CamStatus_Standby, display: true, expected: false },
            { tag: "remote recording", status: u.CamStatus_RemoteRec, display: true, expected: false }
        ]
    }
    function test_no_command_case(data) {
        compare(LV.isNoCommandCase(data.status, data.display), data.expected)
    }

    function test_status_kind_data() {
        return [
            { tag: "playing", status: u.CamStatus_Playing, kind: LV.StatusBusy },
            { tag: "processing", status: u.CamStatus_Processing, kind: LV.StatusBusy },
            { tag: "other movie", status: u.CamStatus_MovRec_Others, kind: LV.StatusBusy },
            { tag: "4K movie", status: u.CamStatus_MovRec_4k, kind: LV.StatusRecording },
            { tag: "raw over HDMI", status: u.CamStatus_RemoteRecRawHDMI, kind: LV.StatusRecording },
            { tag: "streaming", status: u.CamStatus_IP_LiveStreaming, kind: LV.StatusStreaming },
            { tag: "menu", status: u.CamStatus_Menu_Displayed, kind: LV.StatusOther },
            { tag: "standby", status: u.CamStatus_Standby, kind: LV.StatusOther }
        ]
    }
    function test_status_kind(data) {
        compare(LV.statusKind(data.status), data.kind)
    }

    function test_mask_decision_data() {
        return [
            { tag: "none", mode: 0, multi: false, shown: false, whole: true, text: "" },
            { tag: "streaming, single", mode: LV.MaskStreaming, multi: false, shown: true, whole: true,
              text: "streaming" },
            { tag: "camera, single", mode: LV.MaskCamera, multi: false, shown: true, whole: true, text: "camera" },
            { tag: "camera, multi: control area only", mode: LV.MaskCamera, multi: true, shown: true,
              whole: false, text: "" },
            { tag: "streaming wins over camera", mode: LV.MaskStreaming | LV.MaskCamera, multi: false,
              shown: true, whole: true, text: "streaming" },
            { tag: "preferences", mode: LV.MaskPreference, multi: false, shown: true, whole: true, text: "" },
            { tag: "search and menu", mode: LV.MaskSearch | LV.MaskMenu, multi: true, shown: true, whole: true,
              text: "" }
        ]
    }
    function test_mask_decision(data) {
        compare(LV.maskDecision(data.mode, data.multi), { shown: data.shown, whole: data.whole, text: data.text })
    }

    function test_mask_bits() {
        var m = LV.withMaskBit(0, LV.MaskCamera, true)
        m = LV.withMaskBit(m, LV.MaskSearch, true)
        compare(m, 17)
        compare(LV.withMaskBit(m, LV.MaskCamera, false), LV.MaskSearch)
        // clearing a bit that is not set leaves the others
        compare(LV.withMaskBit(m, LV.MaskStreaming, false), 17)
    }
}
