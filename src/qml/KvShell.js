.pragma library
.import Kv 1.0 as Kv

// The application shell's sequences and texts, apart from the windows so
// that their order and their output can be checked with stand-in objects.

// Every step runs only while all before it succeeded; the network address
// is set last and its answer does not count.
function initSdk(device, flash, isMac) {
    var steps = [
        function() { return device.adp_KVR_func_api_Init() },
        function() { return device.adp_KVR_func_api_Set_SendCommand_RetryType_Config() },
        function() { return device.adp_KVR_func_api_Set_SendCommand_TimeOutVal_Config() },
        function() { return device.adp_KVR_func_api_DbgLog_Config() },
        function() { return device.adp_KVR_func_api_Reg_NotifyCallback() },
        function() { return flash.adp_KVR_func_api_Reg_NotifyCallback() }
    ]
    if (isMac)
        steps.push(function() { return device.adp_KVR_func_api_Set_Awake_Msg("KAVROTether busy.") })
    steps.push(function() { return device.adp_KVR_func_api_ptpip_Set_SendCommand_TimeOutVal_Config(5000) })
    steps.push(function() { return device.adp_KVR_func_api_ptpip_Set_SearchDev_TimeOutVal_Config(10000, 10000) })
    var pcName = "KAVROTether"
    steps.push(function() { return device.adp_KVR_func_api_ptpip_Set_Pc_Name(pcName.length, pcName) })

    var ok = true
    for (var i = 0; i < steps.length && ok; ++i)
        ok = Number(steps[i]()) === Kv.Utilities.Ternary_True
    if (ok)
        device.adp_KVR_func_api_ptpip_Set_Ip_Addr(null)
    return ok
}

// Nothing may call into the SDK once it is finished: the search and both
// callback threads stop, and every session closes, first.
function stopBackEnd(device, flash) {
    device.deviceSearch.stopSearch()
    device.stopCallbackThread()
    flash.stopCallbackThread()
    device.adp_KVR_func_api_CloseSession()
}

function closeIfVisible(w) {
    if (w && w.visible)
        w.close()
}

// The closing sequence of the main window. `s` holds the back-end objects
// (settings, logCollector), the windows (liveView,
// cameraList, preview, preference, flashWindow, versionDialog, searchWindow,
// each null when it does not exist), `disconnect` (the sequence only puts
// the windows away for the next connection), `stop` (runs the stop steps),
// `finish` (finishes the SDK) and `quit`.
function mainWindowClosing(s) {
    if (s.liveView)
        s.liveView.liveviewForceClose()
    if (!s.disconnect)
        s.stop()
    var saved = [
        [Kv.ApplicationSettings.WinList_Flash, s.flashWindow],
        [Kv.ApplicationSettings.WinList_Live, s.liveView],
        [Kv.ApplicationSettings.WinList_CamList, s.cameraList],
        [Kv.ApplicationSettings.WinList_Preference, s.preference],
        [Kv.ApplicationSettings.WinList_Preview, s.preview]
    ]
    for (var i = 0; i < saved.length; ++i)
        s.settings.setWinStateVisibleForWindow(saved[i][0], saved[i][1] ? saved[i][1].visible : false)

    // Between connections the live view stays a live window, only hidden.
    if (s.liveView && s.liveView.visible) {
        if (s.disconnect)
            s.liveView.visible = false
        else
            s.liveView.close()
    }
    var rest = [s.cameraList, s.preview, s.preference, s.flashWindow, s.versionDialog, s.searchWindow]
    for (var j = 0; j < rest.length; ++j)
        closeIfVisible(rest[j])

    if (s.disconnect)
        return
    s.finish()
    if (s.settings.logPermission === Kv.ApplicationSettings.LogPer_On) {
        s.logCollector.onRequestFinished.connect(s.quit)
        s.logCollector.sendLog(Kv.TagDef.RecSend_Auto)
    } else {
        s.quit()
    }
}

// The connect window cannot end the program while a camera is in use or its
// data is being read.
function connectCloseRefused(mainWindowVisible, connectStatus) {
    return mainWindowVisible || connectStatus === Kv.Utilities.CamConnectSts_GetData
            || connectStatus === Kv.Utilities.CamConnectSts_GetDataBackground
}

// The splash's picture for one character of the version: digits and the
// point have one, anything else (and past the end) none.
function splashCharImage(version, index) {
    var c = index < version.length ? version.charAt(index) : ""
    if (c >= "0" && c <= "9" && c.length === 1)
        return "qrc:/images/449_splash_" + c + ".svg"
    if (c === ".")
        return "qrc:/images/449_splash_dot.svg"
    return ""
}

function importanceImage(importance) {
    switch (importance) {
    case Kv.VersionData.VersionImportance_High:
        return "qrc:/images/496_level_high.png"
    case Kv.VersionData.VersionImportance_Middle:
        return "qrc:/images/497_level_middle.png"
    case Kv.VersionData.VersionImportance_Low:
        return "qrc:/images/498_level_low.png"
    }
    return ""
}

function escapeHtml(text) {
    return String(text).replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
            .replace(/"/g, "&quot;").replace(/'/g, "&#39;")
}

// The longest notice shown; a longer one is cut, the rest is on the page.
var noticeLength = 4000

// The notice comes from a server: it is shown as text, whatever markup it
// holds; only its written "\n" line breaks become breaks. A notice past
// noticeLength characters is cut there (a character is never split) and
// ends with an ellipsis: laying out a notice of megabytes would hold the
// window for seconds and hundreds of megabytes.
function noticeHtml(notice) {
    var text = notice === undefined || notice === null ? "" : String(notice)
    if (text.length > noticeLength) {
        var end = noticeLength
        var last = text.charCodeAt(end - 1)
        if (last >= 0xD800 && last <= 0xDBFF)
            --end
        text = text.slice(0, end) + "\u2026"
    }
    return "<HTML>" + escapeHtml(text).split("\\n").join("<br>") + "</HTML>"
}

function hex8(code) {
    return ("00000000" + (code >>> 0).toString(16).toUpperCase()).slice(-8)
}

// texts: msg1, msg2, msg3, msg4, msg4_1, msg4_2, msg4_3 (translated).
// Mode 1 is a refused network connection, where wrong clocks are the usual
// cause.
function connectErrorText(texts, mode, cameraName, errCode) {
    var nl = "\r\n"
    var t = texts.msg1 + nl + nl + texts.msg2 + " : " + cameraName + nl + texts.msg3 + " : 0x" + hex8(errCode) + nl
    if (mode === 1)
        t += nl + [texts.msg4, texts.msg4_1, texts.msg4_2, texts.msg4_3].join(nl)
    return t
}
