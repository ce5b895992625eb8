import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml/KvShell.js" as Shell

// The shell's sequences and texts: the SDK start against the real back end
// and against stand-ins that fail, the order of the closing sequences, and
// the texts the shell builds.
TestCase {
    id: test
    name: "KvShell"

    readonly property var startSteps: [
        "adp_KVR_func_api_Init",
        "adp_KVR_func_api_Set_SendCommand_RetryType_Config",
        "adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config",
        "adp_KVR_func_api_DbgLog_Config",
        "adp_KVR_func_api_Reg_NotifyCallback",
        "flash.adp_KVR_func_api_Reg_NotifyCallback",
        "adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(5000)",
        "adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(10000,10000)",
        "adp_KVR_func_api_ptpip_Set_Pc_Name(11,KAVROTether)",
        "adp_KVR_func_api_ptpip_Set_Ip_Addr"
    ]

    // Records each call as "name(args)" (no brackets without arguments),
    // answers from `answer` (a function of the name) or forwards to `real`.
    function recorder(log, prefix, names, answer, real) {
        var o = {}
        names.forEach(function(n) {
            o[n] = function() {
                var args = Array.prototype.slice.call(arguments).filter(function(a) { return a !== null })
                log.push(prefix + n + (args.length ? "(" + args.join(",") + ")" : ""))
                if (real)
                    return real[n].apply(real, arguments)
                return answer ? answer(prefix + n) : Kv.Utilities.Ternary_True
            }
        })
        return o
    }

    readonly property var deviceNames: ["adp_KVR_func_api_Init", "adp_KVR_func_api_Set_SendCommand_RetryType_Config",
        "adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config", "adp_KVR_func_api_DbgLog_Config",
        "adp_KVR_func_api_Reg_NotifyCallback", "adp_KVR_func_api_Set_Awake_Msg",
        "adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config",
        "adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config", "adp_KVR_func_api_ptpip_Set_Pc_Name",
        "adp_KVR_func_api_ptpip_Set_Ip_Addr", "stopCallbackThread", "adp_KVR_func_api_CloseSession",
        "adp_KVR_func_api_Finish"]

    function fakeDevice(log, answer) {
        var d = recorder(log, "", deviceNames, answer)
        d.deviceSearch = recorder(log, "search.", ["stopSearch"])
        return d
    }

    function fakeFlash(log, answer) {
        return recorder(log, "flash.", ["adp_KVR_func_api_Reg_NotifyCallback", "stopCallbackThread"], answer)
    }

    function test_startAgainstSimulatedCameras() {
        var log = []
        var device = recorder(log, "", deviceNames, null, deviceAdapter)
        var flash = recorder(log, "flash.", ["adp_KVR_func_api_Reg_NotifyCallback"], null, flashAdapter)
        verify(Shell.initSdk(device, flash, false))
        compare(log, startSteps)
    }

    function test_startStopsAtFailure_data() {
        var rows = []
        for (var i = 0; i < startSteps.length - 1; ++i)
            rows.push({ tag: startSteps[i], failing: i })
        return rows
    }

    // Nothing after a failing step runs, the address included.
    function test_startStopsAtFailure(data) {
        var log = []
        var failName = startSteps[data.failing].replace(/\(.*$/, "")
        var answer = function(name) {
            return name === failName ? Kv.Utilities.Ternary_False : Kv.Utilities.Ternary_True
        }
        verify(!Shell.initSdk(fakeDevice(log, answer), fakeFlash(log, answer), false))
        compare(log, startSteps.slice(0, data.failing + 1))
    }

    function test_startOnMacSetsTheAwakeMessage() {
        var log = []
        verify(Shell.initSdk(fakeDevice(log), fakeFlash(log), true))
        compare(log[6], "adp_KVR_func_api_Set_Awake_Msg(KAVROTether busy.)")
        compare(log.length, startSteps.length + 1)
    }

    function test_addressResultDoesNotCount() {
        var log = []
        var answer = function(name) {
            return name === "adp_KVR_func_api_ptpip_Set_Ip_Addr" ? Kv.Utilities.Ternary_False : Kv.Utilities.Ternary_True
        }
        verify(Shell.initSdk(fakeDevice(log, answer), fakeFlash(log, answer), false))
    }

    function fakeWindow(log, name, visible) {
        return {
            visible: visible,
            close: function() { log.push(name + ".close"); this.visible = false },
            liveviewForceClose: function() { log.push(name + ".forceClose") }
        }
    }

    function closingSetup(log, disconnect, logOn, visible) {
        var device = fakeDevice(log)
        var flash = fakeFlash(log)
        return {
            disconnect: disconnect,
            settings: {
                logPermission: logOn ? Kv.ApplicationSettings.LogPer_On : Kv.ApplicationSettings.LogPer_Off,
                setWinStateVisibleForWindow: function(w, v) { log.push("save" + w + "=" + v) }
            },
            logCollector: {
                onRequestFinished: { connect: function() { log.push("log.connect") } },
                sendLog: function(t) { log.push("log.send" + t) }
            },
            liveView: fakeWindow(log, "live", visible),
            cameraList: fakeWindow(log, "camList", visible),
            preview: null,
            preference: fakeWindow(log, "preference", false),
            flashWindow: fakeWindow(log, "flashWin", visible),
            versionDialog: fakeWindow(log, "version", false),
            searchWindow: fakeWindow(log, "search", visible),
            stop: function() { Shell.stopBackEnd(device, flash) },
            finish: function() { device.adp_KVR_func_api_Finish() },
            quit: function() { log.push("quit") }
        }
    }

    function test_closingSequence_data() {
        var saves = ["save1=true", "save2=true", "save3=true", "save5=false", "save4=false"]
        var stops = ["search.stopSearch", "stopCallbackThread", "flash.stopCallbackThread",
                     "adp_KVR_func_api_CloseSession"]
        var closes = ["live.close", "camList.close", "flashWin.close", "search.close"]
        return [
            { tag: "closed by the user", disconnect: false, logOn: false,
              expected: ["live.forceClose"].concat(stops, saves, closes, ["adp_KVR_func_api_Finish", "quit"]) },
            { tag: "closed with the log hand-over", disconnect: false, logOn: true,
              expected: ["live.forceClose"].concat(stops, saves, closes,
                        ["adp_KVR_func_api_Finish", "log.connect", "log.send1"]) },
            { tag: "disconnect keeps the SDK and hides the live view", disconnect: true, logOn: false,
              expected: ["live.forceClose"].concat(saves, ["camList.close", "flashWin.close", "search.close"]) }
        ]
    }

    function test_closingSequence(data) {
        var log = []
        var s = closingSetup(log, data.disconnect, data.logOn, true)
        Shell.mainWindowClosing(s)
        compare(log, data.expected)
        verify(!s.liveView.visible)
    }

    function test_connectCloseRefused_data() {
        return [
            { tag: "main window open", main: true, status: Kv.Utilities.CamConnectSts_Unknown, refused: true },
            { tag: "reading data", main: false, status: Kv.Utilities.CamConnectSts_GetData, refused: true },
            { tag: "reading in the background", main: false, status: Kv.Utilities.CamConnectSts_GetDataBackground,
              refused: true },
            { tag: "searching", main: false, status: Kv.Utilities.CamConnectSts_Unknown, refused: false },
            { tag: "after an error", main: false, status: Kv.Utilities.CamConnectSts_Error, refused: false }
        ]
    }

    function test_connectCloseRefused(data) {
        compare(Shell.connectCloseRefused(data.main, data.status), data.refused)
    }

    function test_splashCharImage_data() {
        var img = function(n) { return n === "" ? "" : "qrc:/images/449_splash_" + n + ".svg" }
        return [
            { tag: "2.12", version: "2.12", expected: [img("2"), img("dot"), img("1"), img("2"), ""] },
            { tag: "five long", version: "10.345", expected: [img("1"), img("0"), img("dot"), img("3"), img("4")] },
            { tag: "other characters", version: "2b-1", expected: [img("2"), "", "", img("1"), ""] },
            { tag: "empty", version: "", expected: ["", "", "", "", ""] }
        ]
    }

    function test_splashCharImage(data) {
        var got = []
        for (var i = 0; i < 5; ++i)
            got.push(Shell.splashCharImage(data.version, i))
        compare(got, data.expected)
    }

    function test_noticeHtml_data() {
        return [
            { tag: "line breaks", notice: "first\\nsecond", expected: "<HTML>first<br>second</HTML>" },
            { tag: "markup is shown, not obeyed", notice: "<a href='x'>go</a>&",
              expected: "<HTML>&lt;a href=&#39;x&#39;&gt;go&lt;/a&gt;&amp;</HTML>" },
            { tag: "a real line end stays text", notice: "a\nb", expected: "<HTML>a\nb</HTML>" },
            { tag: "empty", notice: "", expected: "<HTML></HTML>" },
            { tag: "a long notice is cut", notice: "x".repeat(Shell.noticeLength) + "y",
              expected: "<HTML>" + "x".repeat(Shell.noticeLength) + "\u2026</HTML>" },
            { tag: "a cut keeps a character whole", notice: "x".repeat(Shell.noticeLength - 1) + "\u{1F4F7}",
              expected: "<HTML>" + "x".repeat(Shell.noticeLength - 1) + "\u2026</HTML>" }
        ]
    }

    function test_noticeHtml(data) {
        compare(Shell.noticeHtml(data.notice), data.expected)
    }

    function test_importanceImage_data() {
        return [
            { tag: "high", value: Kv.VersionData.VersionImportance_High, expected: "qrc:/images/496_level_high.png" },
            { tag: "middle", value: Kv.VersionData.VersionImportance_Middle,
              expected: "qrc:/images/497_level_middle.png" },
            { tag: "low", value: Kv.VersionData.VersionImportance_Low, expected: "qrc:/images/498_level_low.png" },
            { tag: "undefined", value: Kv.VersionData.VersionImportance_Undef, expected: "" }
        ]
    }

    function test_importanceImage(data) {
        compare(Shell.importanceImage(data.value), data.expected)
    }

    function test_connectErrorText_data() {
        var texts = { msg1: "M1", msg2: "Camera", msg3: "Error code", msg4: "M4", msg4_1: "A", msg4_2: "B",
                      msg4_3: "C" }
        return [
            { tag: "26", texts: texts, mode: 0, name: "S1", code: 26,
              expected: "M1\r\n\r\nCamera : S1\r\nError code : 0x0000001A\r\n" },
            { tag: "clock hint", texts: texts, mode: 1, name: "S1", code: 0x2019,
              expected: "M1\r\n\r\nCamera : S1\r\nError code : 0x00002019\r\n\r\nM4\r\nA\r\nB\r\nC" },
            { tag: "negative code as unsigned", texts: texts, mode: 0, name: "", code: -1,
              expected: "M1\r\n\r\nCamera : \r\nError code : 0xFFFFFFFF\r\n" }
        ]
    }

    function test_connectErrorText(data) {
        compare(Shell.connectErrorText(data.texts, data.mode, data.name, data.code), data.expected)
    }
}
