import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml/KvMainFunction.js" as Main

// The main window's read-outs and shooting decisions, as tables.
TestCase {
    name: "KvMainFunction"

    readonly property var u: Kv.Utilities
    readonly property int normal: Kv.DeviceAdapter.STOC_Normal
    readonly property int nocard: Kv.DeviceAdapter.STOC_Nocard

    function test_battery_data() {
        return [
            { tag: "full", level: 100, image: "qrc:/images/7_battery_3.svg", offset: -1 },
            { tag: "half", level: 50, image: "qrc:/images/10_battery_0_gray.svg", offset: 7 },
            { tag: "just above empty", level: 6, image: "qrc:/images/10_battery_0_gray.svg", offset: 13 },
            { tag: "almost full", level: 99, image: "qrc:/images/10_battery_0_gray.svg", offset: 0 },
            { tag: "empty", level: 5, image: "qrc:/images/10_battery_0.svg", offset: -1 },
            { tag: "zero", level: 0, image: "qrc:/images/10_battery_0.svg", offset: -1 },
            { tag: "mains", level: 65530, image: "qrc:/images/11_battery_chaege.svg", offset: -1 },
            { tag: "other", level: 200, image: "", offset: -1 }
        ]
    }
    function test_battery(data) {
        compare(Main.batteryImage(data.level), data.image)
        compare(Main.batteryBarOffset(data.level), data.offset)
    }

    function test_pictureCount_data() {
        return [
            { tag: "number", count: 9999, card: normal, text: "9999" },
            { tag: "over four digits", count: 10000, card: normal, text: "9999+" },
            { tag: "none left", count: 0, card: normal, text: "0" },
            { tag: "unknown", count: 0xFFFFFFFF, card: normal, text: "-----" },
            { tag: "no card", count: 20, card: nocard, text: "-----" }
        ]
    }
    function test_pictureCount(data) {
        compare(Main.pictureCountText(data.count, data.card), data.text)
    }

    function test_recordingTime_data() {
        return [
            { tag: "hours", s: 3725, card: normal, text: "01h02m", full: false },
            { tag: "minutes", s: 65, card: normal, text: "01m05s", full: false },
            { tag: "empty card", s: 0, card: normal, text: "00m00s", full: true },
            { tag: "ten hours", s: 36000, card: normal, text: "10h00m", full: false },
            { tag: "99 hours", s: 99 * 3600 + 59 * 60 + 59, card: normal, text: "99h59m", full: false },
            { tag: "100 hours", s: 100 * 3600 + 61, card: normal, text: "99h59m", full: false },
            { tag: "unknown", s: 0xFFFFFFFF, card: normal, text: "-----", full: false },
            { tag: "no card", s: 0, card: nocard, text: "-----", full: false }
        ]
    }
    function test_recordingTime(data) {
        compare(Main.recordingTimeText(data.s, data.card), data.text)
        compare(Main.cardFull(data.s, data.card), data.full)
    }

    // The camera's name is its own text inside the box's markup: shown as
    // typed, never obeyed.
    function test_cameraErrorText_data() {
        return [
            { tag: "ordinary name", id: "cam1", shown: "cam1" },
            { tag: "markup in the name", id: "<b>x</b><img src='http://127.0.0.1:9/id.png'>",
              shown: "&lt;b&gt;x&lt;/b&gt;&lt;img src=&#39;http://127.0.0.1:9/id.png&#39;&gt;" },
            { tag: "written-out markup in the name", id: "a &lt;b&gt; & c", shown: "a &amp;lt;b&amp;gt; &amp; c" }
        ]
    }
    function test_cameraErrorText(data) {
        compare(Main.cameraErrorId(12), "ERR-12")
        var text = Main.cameraErrorText(function(t) { return "[" + t + "]" }, data.id, "2026-01-02 03:04", 12, "Write")
        compare(text, "<HTML>[Error Info]<br> <br>[Error Camera]: " + data.shown
                + "<br>[Error Date-time]: 2026-01-02 03:04<br>[Error Code]: 12<br>[Error Content]: Write</HTML>")
        compare(qsTranslate("KvMainWindow", "ERR-12"), "Write Error<br />Please check the card")
        compare(qsTranslate("KvMainWindow", "ERR-13"), "ERR-13")
    }

    // a shooting state with the quiet defaults; o overrides
    function state(o) {
        var s = { cameraStatus: u.CamStatus_IP_LiveStreaming, driveMode: u.DM_Single, burstSpeed: u.BS_HighSpeed,
                  picture4K6K: u.PQQ_6K_30p_Burst, recordingMode: u.RM_ProgramAE,
                  shotModeStatus: u.Shot_Mode_Status_Unknown, shutterSpeed: u.SS_Sec_10,
                  burst6K4KRunning: false }
        for (var k in o)
            s[k] = o[k]
        return s
    }

    // press: what a press or release does; click: what a click does
    function test_shutter_data() {
        return [
            { tag: "single", s: {}, press: "", click: "oneShot" },
            { tag: "self timer", s: { driveMode: u.DM_SelfTimer }, press: "", click: "oneShot" },
            { tag: "interval", s: { driveMode: u.DM_Interval }, press: "", click: "oneShot" },
            { tag: "unknown drive", s: { driveMode: u.DM_Unknown }, press: "", click: "oneShot" },
            { tag: "bracket", s: { driveMode: u.DM_Bracket }, press: "", click: "" },
            { tag: "bracket 6K/4K SS", s: { driveMode: u.DM_Bracket, burstSpeed: u.BS_6K4K,
                                            picture4K6K: u.PQQ_4K_60p_Burst_SS }, press: "", click: "burst6K4KSS" },
            { tag: "burst", s: { driveMode: u.DM_Burst }, press: "burst", click: "" },
            { tag: "burst 1", s: { driveMode: u.DM_Burst1 }, press: "burst", click: "" },
            { tag: "burst 2", s: { driveMode: u.DM_Burst2 }, press: "burst", click: "" },
            { tag: "burst 6K/4K held", s: { driveMode: u.DM_Burst, burstSpeed: u.BS_6K4K },
              press: "burst6K4K", click: "" },
            { tag: "burst 6K/4K pre-burst", s: { driveMode: u.DM_Burst2, burstSpeed: u.BS_6K4K,
                                                 picture4K6K: u.PQQ_4K_30p_PreBurst }, press: "", click: "preBurst" },
            { tag: "6K/4K held", s: { driveMode: u.DM_4K6K }, press: "burst6K4K", click: "" },
            { tag: "6K/4K unknown type", s: { driveMode: u.DM_4K6K, picture4K6K: u.PQQ_Unknown },
              press: "burst6K4K", click: "" },
            { tag: "6K/4K SS", s: { driveMode: u.DM_4K6K, picture4K6K: u.PQQ_6K_30p_Burst_SS },
              press: "", click: "burst6K4KSS" },
            { tag: "6K/4K pre-burst", s: { driveMode: u.DM_4K6K, picture4K6K: u.PQQ_6K_30p_PreBurst },
              press: "", click: "preBurst" },
            { tag: "bulb", s: { shutterSpeed: u.SS_Bulb }, press: "", click: "bulb" },
            { tag: "bulb in burst", s: { shutterSpeed: u.SS_Bulb, driveMode: u.DM_Burst }, press: "", click: "bulb" },
            { tag: "time single", s: { shutterSpeed: u.SS_Time }, press: "", click: "oneShot" },
            { tag: "time burst", s: { shutterSpeed: u.SS_Time, driveMode: u.DM_Burst }, press: "", click: "" },
            { tag: "creative video", s: { recordingMode: u.RM_CreativeVideo, driveMode: u.DM_Burst },
              press: "", click: "movie" },
            { tag: "movie shot mode", s: { shotModeStatus: u.Shot_Mode_Status_Movie }, press: "", click: "movie" },
            { tag: "4K recording single", s: { cameraStatus: u.CamStatus_MovRec_4k }, press: "", click: "oneShot" },
            { tag: "4K recording burst", s: { cameraStatus: u.CamStatus_MovRec_4k, driveMode: u.DM_Burst },
              press: "", click: "oneShot" },
            { tag: "4K recording 6K/4K SS idle", s: { cameraStatus: u.CamStatus_MovRec_4k, driveMode: u.DM_4K6K,
                                                      picture4K6K: u.PQQ_4K_30p_Burst_SS },
              press: "", click: "oneShot" },
            { tag: "4K recording 6K/4K SS running", s: { cameraStatus: u.CamStatus_MovRec_4k, driveMode: u.DM_4K6K,
                                                         picture4K6K: u.PQQ_4K_30p_Burst_SS, burst6K4KRunning: true },
              press: "", click: "burst6K4KSS" },
            { tag: "4K recording 6K/4K held", s: { cameraStatus: u.CamStatus_MovRec_4k, driveMode: u.DM_4K6K },
              press: "burst6K4K", click: "" }
        ]
    }
    function test_shutter(data) {
        var s = state(data.s)
        compare(Main.shutterPressAction(s), data.press)
        compare(Main.shutterClickAction(s), data.click)
    }

    function test_movie_data() {
        return [
            { tag: "stopped", recording: false, status: u.CamStatus_IP_LiveStreaming, card: normal,
              streaming: false, starts: true, image: "qrc:/images/12_rec_off.svg", action: "stop" },
            { tag: "recording", recording: true, status: u.CamStatus_MovRec_4k, card: normal,
              streaming: false, starts: false, image: "qrc:/images/13_rec_on.svg", action: "start" },
            { tag: "remote waiting", recording: true, status: u.CamStatus_RemoteRec, card: normal,
              streaming: false, starts: true, image: "qrc:/images/12_rec_off.svg", action: "start" },
            { tag: "remote streaming", recording: true, status: u.CamStatus_RemoteRec, card: normal,
              streaming: true, starts: false, image: "qrc:/images/13_rec_on.svg", action: "start" },
            { tag: "remote without card", recording: true, status: u.CamStatus_RemoteRec, card: nocard,
              streaming: false, starts: false, image: "qrc:/images/13_rec_on.svg", action: "start" },
            { tag: "menu", recording: false, status: u.CamStatus_Menu_Displayed, card: normal,
              streaming: false, starts: true, image: "qrc:/images/12_rec_off.svg", action: "stop" }
        ]
    }
    function test_movie(data) {
        compare(Main.movieClickStarts({ recording: data.recording, status: data.status, cardStatus: data.card,
                                        streaming: data.streaming }), data.starts)
        compare(Main.movieRecordingImage(data.status, data.card, data.streaming), data.image)
        compare(Main.movieStatusAction(data.status), data.action)
    }

    function test_afaeImages_data() {
        return [
            { tag: "AF-S", mode: u.FM_AF_S, held: false, image: "qrc:/images/464_af_ae.svg" },
            { tag: "AF-C held", mode: u.FM_AF_C, held: true, image: "qrc:/images/520_af_ae_push.svg" },
            { tag: "MF", mode: u.FM_MF, held: false, image: "qrc:/images/465_ae.svg" },
            { tag: "MF held", mode: u.FM_MF, held: true, image: "qrc:/images/521_ae_push.svg" },
            { tag: "unknown", mode: u.FM_Unknown, held: false, image: "" }
        ]
    }
    function test_afaeImages(data) {
        var images = Main.afaeImages(data.mode, data.held)
        compare(images ? images.image : "", data.image)
        compare(Main.canHoldAfae(data.mode), data.image !== "")
    }

    function test_sizeSteps_data() {
        return [
            { tag: "shrink", from: 669, to: 163, steps: [519, 369, 219, 163] },
            { tag: "expand", from: 163, to: 669, steps: [313, 463, 613, 669] }
        ]
    }
    function test_sizeSteps(data) {
        var h = data.from, seen = []
        while (h !== data.to && seen.length < 10)
            seen.push(h = Main.nextHeight(h, data.to))
        compare(seen, data.steps)
    }
}
