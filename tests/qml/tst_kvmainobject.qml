import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"

// The application object and the windows it starts with: a failing SDK start,
// the version update's stop steps, the server's notice shown as text, and
// the splash's version digits.
TestCase {
    id: test
    name: "KvMainObject"
    when: windowShown

    property var log: []

    function recorder(prefix, names, answer) {
        var o = {}
        names.forEach(function(n) {
            o[n] = function() {
                log.push(prefix + n)
                return answer ? answer(prefix + n) : Kv.Utilities.Ternary_True
            }
        })
        return o
    }

    function createMainObject(answer) {
        log = []
        var device = recorder("", ["adp_KVR_func_api_Init", "adp_KVR_func_api_Set_SendCommand_RetryType_Config",
            "adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config", "adp_KVR_func_api_DbgLog_Config",
            "adp_KVR_func_api_Reg_NotifyCallback", "adp_KVR_func_api_Set_Awake_Msg",
            "adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config",
            "adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config", "adp_KVR_func_api_ptpip_Set_Pc_Name",
            "adp_KVR_func_api_ptpip_Set_Ip_Addr", "stopCallbackThread", "adp_KVR_func_api_CloseSession",
            "adp_KVR_func_api_Finish"], answer)
        device.deviceSearch = recorder("search.", ["stopSearch", "startSearch"])
        var component = Qt.createComponent("qrc:/qml/KvMainObject.qml")
        compare(component.status, Component.Ready, component.errorString())
        return made = createTemporaryObject(component, test, {
            sdkDevice: device,
            sdkFlash: recorder("flash.", ["adp_KVR_func_api_Reg_NotifyCallback", "stopCallbackThread"], answer),
            versionSource: recorder("version.", ["openURL"]),
            errorDialog: errorStandIn,
            folderNotice: folderStandIn,
            quitHandler: function() { log.push("quit") }
        })
    }

    QtObject {
        id: errorStandIn
        property string text
        property int textFormat: Qt.AutoText
        property bool visible: false
    }

    QtObject {
        id: folderStandIn
        property string text
        property int textFormat: Qt.AutoText
        property bool visible: false
    }

    // the picture folder a test changed: [type, path]
    property var savedFolder: null

    // the last application object made; the notices it holds back must not
    // reach the stand-ins once the next test has them
    property var made: null

    function cleanup() {
        if (made)
            made.waitingNotices = []
        errorStandIn.text = ""
        errorStandIn.textFormat = Qt.AutoText
        errorStandIn.visible = false
        folderStandIn.text = ""
        folderStandIn.textFormat = Qt.AutoText
        folderStandIn.visible = false
        versionData.update_versionUpCheck = false
        if (savedFolder !== null) {
            applicationSettings.storeFolderType = savedFolder[0]
            applicationSettings.storeFolderUrl = savedFolder[1]
            savedFolder = null
        }
    }

    // A folder in the settings that pictures cannot go to is told at start,
    // before any picture goes to the default folder instead.
    function test_unusableFolderIsToldAtStart_data() {
        var S = Kv.ApplicationSettings
        return [
            { tag: "relative", type: S.StoFolderType_User, folder: "pictures", told: true },
            { tag: "link leading nowhere", type: S.StoFolderType_User, folder: testFolder + "/unplugged", told: true },
            { tag: "markup", type: S.StoFolderType_User, folder: "<b>pictures</b>", told: true },
            { tag: "usable", type: S.StoFolderType_User, folder: testFolder, told: false },
            { tag: "relative, default folder", type: S.StoFolderType_Default, folder: "pictures", told: false }
        ]
    }
    function test_unusableFolderIsToldAtStart(data) {
        savedFolder = [applicationSettings.storeFolderType, applicationSettings.storeFolderUrl]
        applicationSettings.storeFolderType = Kv.ApplicationSettings.StoFolderType_Default
        applicationSettings.storeFolderUrl = data.folder
        applicationSettings.storeFolderType = data.type
        var o = createMainObject()
        verify(o)
        wait(20)
        compare(folderStandIn.visible, data.told)
        compare(folderStandIn.text, data.told ? "The import folder in the settings file cannot be used:\n" + data.folder
                                                + "\nPictures are imported into the Pictures folder until it can be used "
                                                + "again at a later start, or until you choose an import folder in "
                                                + "Setting." : "")
        // the folder as it was typed, never as markup
        compare(folderStandIn.textFormat, data.told ? Qt.PlainText : Qt.AutoText)
    }

    function test_failingStartShowsTheErrorBox_data() {
        return [
            { tag: "init", failing: "adp_KVR_func_api_Init", error: true },
            { tag: "flash callback", failing: "flash.adp_KVR_func_api_Reg_NotifyCallback", error: true },
            { tag: "pc name", failing: "adp_KVR_func_api_ptpip_Set_Pc_Name", error: true },
            { tag: "all succeed", failing: "", error: false }
        ]
    }

    // The windows exist either way: a missing window document leaves its
    // member empty, the connect window is up.
    function test_failingStartShowsTheErrorBox(data) {
        var o = createMainObject(function(name) {
            return name === data.failing ? Kv.Utilities.Ternary_False : Kv.Utilities.Ternary_True
        })
        verify(o)
        compare(errorStandIn.visible, data.error)
        compare(errorStandIn.text, data.error ? "An internal error occurred." : "")
        compare(o.init_sdk(), !data.error)
        verify(o.connectWindow)
        compare(o.disconnectFlg, false)
        compare(log.indexOf("adp_KVR_func_api_Finish"), -1)
    }

    // With no window open the update still stops the search and both
    // callback threads before the SDK is finished; a page that does not
    // open is told and stops nothing.
    function test_versionUpdateStopsBeforeFinishing_data() {
        return [
            { tag: "page opened", opened: true, log: ["version.openURL", "search.stopSearch", "stopCallbackThread",
                  "flash.stopCallbackThread", "adp_KVR_func_api_CloseSession", "adp_KVR_func_api_CloseSession",
                  "adp_KVR_func_api_Finish", "quit"] },
            { tag: "address refused", opened: false, log: ["version.openURL"] }
        ]
    }
    function test_versionUpdateStopsBeforeFinishing(data) {
        var o = createMainObject()
        o.versionSource = recorder("version.", ["openURL"], function() { return data.opened })
        errorStandIn.visible = false
        log = []
        o.versionUpExec()
        compare(log, data.log)
        compare(errorStandIn.visible, !data.opened)
        if (!data.opened)
            return
        // Closing the connect window afterwards does not finish the SDK again.
        log = []
        o.closeConnectWindow(null)
        compare(log, ["quit"])
    }

    // A lost camera puts the windows away without stopping anything; the
    // next close, once a camera is back or from the search window, still
    // stops the search, both threads and the sessions before the SDK goes.
    function test_closingAfterADisconnectStopsEverything_data() {
        return [
            { tag: "main window after a new connection", reconnect: true },
            { tag: "search window while searching", reconnect: false }
        ]
    }
    function test_closingAfterADisconnectStopsEverything(data) {
        var o = createMainObject()
        tryVerify(function() { return o.mainWindow && o.searchCameraListWindow }, 10000)
        o.initWindows(true)
        o.disconnectCompleted()
        verify(!o.mainWindow.visible)
        verify(log.indexOf("search.startSearch") >= 0)
        log = []
        if (data.reconnect) {
            o.initWindows(true)
            verify(o.mainWindow.visible)
            o.mainWindow.close()
        } else {
            o.searchCameraListWindow.visible = true
            o.searchCameraListWindow.close()
        }
        compare(log, ["search.stopSearch", "stopCallbackThread", "flash.stopCallbackThread",
                      "adp_KVR_func_api_CloseSession", "adp_KVR_func_api_Finish", "quit"])
    }

    // The camera's name is shown as typed, whatever markup it holds.
    function test_connectionErrorMessage_data() {
        return [
            { tag: "ordinary name", name: "DC-S1" },
            { tag: "markup in the name", name: "<b>x</b><img src='http://127.0.0.1:9/id.png'>" }
        ]
    }
    function test_connectionErrorMessage(data) {
        var o = createMainObject()
        o.notifyConnectErrorMessage(0, data.name, 26)
        verify(errorStandIn.visible)
        compare(errorStandIn.text, "Failed to connect to the camera.\r\n\r\nCamera : " + data.name
                + "\r\nError code : 0x0000001A\r\n")
        compare(errorStandIn.textFormat, Qt.PlainText)
    }

    function test_versionNoticeIsText() {
        var o = createMainObject()
        var dialog = o.versionUpDialog
        verify(!dialog.visible)
        versionData.now_appName = "KAVRO Rozado 2.12"
        versionData.update_notice = "<b>Fixes</b><img src='http://x.example/a.png'>\\nMore"
        versionData.update_versionUpCheck = true
        versionData.update_xmlFileReadCompleted = true
        tryCompare(dialog, "visible", true)
        compare(dialog.noticeText.text,
                "<HTML>&lt;b&gt;Fixes&lt;/b&gt;&lt;img src=&#39;http://x.example/a.png&#39;&gt;<br>More</HTML>")
        compare(dialog.title, "KAVRO Rozado 2.12")
        dialog.noButton.clicked()
        verify(!dialog.visible)
        versionData.update_versionUpCheck = false
    }

    // The notices of the start, the offer of a newer version and the
    // connection errors come one after the other: a box is modal and the
    // offer stays on top. Each is told once, and the errors of a session
    // that has ended are not told after it.
    function test_noticesComeOneAtATime_data() {
        var folder = function(o) { o.storeFolderUnusable("/media/unplugged/Shots") }
        var offer = function(o) {
            versionData.update_versionUpCheck = true
            versionData.update_xmlFileReadCompleted = false
            versionData.update_xmlFileReadCompleted = true
        }
        var error = function(name) { return function(o) { o.notifyConnectErrorMessage(0, name, 26) } }
        var connect = function(o) { o.initWindows(true) }
        var end = function(o) { o.disconnectCompleted() }
        var pageNotOpened = function(o) {
            o.versionSource = recorder("version.", ["openURL"], function() { return false })
            o.versionUpExec()
        }
        var failures = [offer]
        for (var i = 0; i < 10; ++i)
            failures.push(error(["DC-S1", "DC-S5", "DC-G9"][i % 3]))
        // Forty cameras fail behind the offer: the first 32 are told.
        var many = [offer], told = ["offer"]
        for (var c = 10; c < 50; ++c) {
            many.push(error("Studio " + c))
            if (c < 42)
                told.push("Studio " + c)
        }
        return [{ tag: "refused folder, then a newer version", asked: [folder, offer], shown: ["folder", "offer"] },
                { tag: "newer version, then a connection error", asked: [offer, error("DC-S1")],
                  shown: ["offer", "DC-S1"] },
                { tag: "ten failures of three cameras behind the offer", asked: failures,
                  shown: ["offer", "DC-S1", "DC-S5", "DC-G9"] },
                { tag: "the error on the screen again", asked: [error("DC-S1"), error("DC-S1")], shown: ["DC-S1"] },
                { tag: "session ended with its box up", asked: [connect, error("DC-S1"), error("DC-S5"), folder,
                  end, error("DC-G9")], shown: ["folder", "DC-G9"] },
                { tag: "session ended behind the folder notice", asked: [folder, connect, error("DC-S1"), end],
                  shown: ["folder"] },
                { tag: "session ended with the update page's error up", asked: [pageNotOpened, connect,
                  error("DC-S1"), end], shown: ["update page"] },
                { tag: "attempt that did not connect", asked: [error("DC-S1"), error("DC-S5"), end],
                  shown: ["DC-S1", "DC-S5"] },
                { tag: "more failures than can wait", asked: many, shown: told }]
    }
    function test_noticesComeOneAtATime(data) {
        var o = createMainObject()
        data.asked.forEach(function(ask) { ask(o) })
        var boxes = [o.versionUpDialog, folderStandIn, errorStandIn]
        data.shown.forEach(function(name) {
            var box = name === "offer" ? boxes[0] : name === "folder" ? boxes[1] : boxes[2]
            tryCompare(box, "visible", true)
            compare(boxes.filter(function(b) { return b.visible }).length, 1, "shown over the notice on the screen")
            if (box === errorStandIn)
                verify(box.text.indexOf(name) > 0, box.text)
            // the offer answered with its No, a box with its button
            if (box === o.versionUpDialog)
                box.noButton.clicked()
            else
                box.visible = false
        })
        wait(20)
        compare(boxes.filter(function(b) { return b.visible }).length, 0, "still told: " + errorStandIn.text)
    }

    Component {
        id: splashComponent
        KvSplashWindow {}
    }

    function test_splashShowsTheVersionDigits() {
        var splash = createTemporaryObject(splashComponent, test)
        verify(splash.visible)
        compare(splash.width, 480)
        compare(splash.versionRow.x, 80)
        compare(splash.versionRow.y, splash.height / 2 + 20)
        var sources = []
        for (var i = 0; i < splash.versionRow.children.length; ++i) {
            var c = splash.versionRow.children[i]
            if (c.source !== undefined)
                sources.push(String(c.source))
        }
        compare(sources, ["qrc:/images/449_splash_ver.svg", "qrc:/images/449_splash_2.svg",
                          "qrc:/images/449_splash_dot.svg", "qrc:/images/449_splash_1.svg",
                          "qrc:/images/449_splash_2.svg", ""])
    }

    // The main window's power-saving wait keeps its flag in the back end.
    function test_powerSavingWaitFlagIsWritable() {
        compare(deviceAdapter.isPowerSavingWaitDialogOpen, false)
        deviceAdapter.isPowerSavingWaitDialogOpen = true
        compare(deviceAdapter.isPowerSavingWaitDialogOpen, true)
        deviceAdapter.isPowerSavingWaitDialogOpen = false
    }

    // The windows are built asynchronously; a search or a connection that
    // ends first must still leave its window on the screen once it exists.
    function test_earlyAnswersReachWindowsBuiltLater() {
        var main = createMainObject()
        main.searchCompleted(false)
        tryVerify(function() { return main.searchCameraListWindow && main.searchCameraListWindow.visible }, 10000)
        main.initWindows(true)
        tryVerify(function() { return main.mainWindow && main.mainWindow.visible }, 10000)
        main.hideSearchWindow()
        main.initWindows(false)
        verify(!main.mainWindow.visible)
    }
}
