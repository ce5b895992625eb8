import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvShell.js" as Shell

// The application object: starts the SDK, owns every top-level window (each
// created once, then only shown and hidden), follows the connection and
// runs the closing sequences.
Item {
    id: mainObject

    // The back end the sequences drive; tests put recording stand-ins here.
    property var sdkDevice: deviceAdapter
    property var sdkFlash: flashAdapter
    property var versionSource: versionData

    property alias connectWindow: connectWin
    property var mainWindow: null
    property var liveViewWindow: null
    property var cameraListWindow: null
    property var flashWindow: null
    property var previewWindow: null
    property var preferenceWindow: null
    property var searchCameraListWindow: null
    property bool disconnectFlg: false
    property alias versionUpDialog: versionDialog
    // The connection's error box; tests put a stand-in here, as a real box
    // runs modally.
    property var errorDialog: errorBox
    // The notice of a storage folder the settings name but pictures cannot
    // go to; a stand-in in tests, as above.
    property var folderNotice: folderBox

    // The stop steps and the SDK's finish run once per run, whichever
    // sequence gets there first.
    property bool backEndStopped: false
    property bool sdkFinished: false
    property var pendingComponents: []
    // A document still loading when this object goes must not call back into it.
    property var deferredHandlers: []
    // The windows are built asynchronously: a search or a connection can end
    // before its window exists. What the window should show is kept here and
    // applied when it is created, never the state of when it was asked for.
    property bool windowsShown: false
    property bool searchWindowWanted: false

    KvConnectWindow {
        id: connectWin
    }

    KvVersionUpDialog {
        id: versionDialog
        onVersionUpExec: mainObject.versionUpExec()
        onOffered: mainObject.showNotice({ kind: "offer", text: "", format: Qt.AutoText, session: -1 })
        onVisibleChanged: {
            if (!visible)
                Qt.callLater(mainObject.showNextNotice)
        }
    }

    // The boxes below and the offer of a newer version are shown one at a
    // time: a box is modal, so the offer shown over it (it stays on top of
    // every window) takes no answer and hides the box that does; a box shown
    // over the offer is hidden by it. Each waits here, in the order asked,
    // until the one on the screen is answered: { kind: "error", "folder" or
    // "offer", text, format, session }. A camera that keeps failing repeats
    // the same few texts, so one equal to the notice on the screen or to one
    // waiting is not asked again, which also keeps this list short.
    property var waitingNotices: []
    property var shownNotice: null
    readonly property int maxWaitingNotices: 32
    // The connection whose windows are up, -1 while none is. A connection
    // error that comes meanwhile is of it and goes when it ends; one that
    // comes from an attempt that did not connect is that attempt's report,
    // and stays like the other notices (-1).
    property int connectSession: -1
    property int lastConnectSession: 0
    readonly property bool boxShown: errorDialog.visible || folderNotice.visible
    onBoxShownChanged: {
        if (!boxShown)
            Qt.callLater(showNextNotice)
    }
    function noticeShown() {
        return boxShown || versionDialog.visible
    }
    function noticeBox(kind) {
        return kind === "offer" ? versionDialog : kind === "folder" ? folderNotice : errorDialog
    }
    function sameNotice(a, b) {
        return a.kind === b.kind && a.text === b.text && a.format === b.format && a.session === b.session
    }
    function showNotice(notice) {
        var onScreen = shownNotice !== null && noticeBox(shownNotice.kind).visible
        if ((onScreen && sameNotice(shownNotice, notice))
                || waitingNotices.some(function(n) { return sameNotice(n, notice) }))
            return
        if (waitingNotices.length >= maxWaitingNotices) {
            console.warn("KvMainObject: " + waitingNotices.length + " notices wait already, one more is not shown")
            return
        }
        waitingNotices.push(notice)
        showNextNotice()
    }
    function showNextNotice() {
        while (!noticeShown() && waitingNotices.length > 0) {
            var notice = waitingNotices.shift()
            shownNotice = notice
            // An offer that has lapsed while it waited shows nothing: the
            // next notice comes at once.
            if (notice.kind === "offer") {
                versionDialog.setUp()
                continue
            }
            var box = noticeBox(notice.kind)
            box.text = notice.text
            // a camera's name or a folder as given, never as markup
            box.textFormat = notice.format
            // A real box returns from here once it is answered; the next
            // notice follows its hiding.
            box.visible = true
            return
        }
    }
    // The box of the connection goes, and its errors still waiting are not
    // shown after it: they tell of cameras that are no longer connected.
    function endConnectSession() {
        var ended = connectSession
        connectSession = -1
        if (ended < 0)
            return
        waitingNotices = waitingNotices.filter(function(n) { return n.session !== ended })
        if (shownNotice !== null && shownNotice.session === ended)
            errorDialog.visible = false
    }

    Kv.MessageBox {
        id: errorBox
        modality: Qt.ApplicationModal
        icon: Kv.StandardIcon.Critical
        title: "KAVRO Rozado"
        standardButtons: Kv.StandardButton.Close
        visible: false
    }

    Kv.MessageBox {
        id: folderBox
        modality: Qt.ApplicationModal
        icon: Kv.StandardIcon.Warning
        title: "KAVRO Rozado"
        standardButtons: Kv.StandardButton.Ok
        visible: false
    }

    function startSearch() {
        deviceAdapter.deviceSearch.startSearch(false)
    }

    function init_sdk() {
        if (Shell.initSdk(sdkDevice, sdkFlash, utilities.isMac()))
            return true
        showError(qsTr("Internal error."), Qt.AutoText)
        return false
    }

    function stopBackEnd() {
        if (backEndStopped)
            return
        backEndStopped = true
        Shell.stopBackEnd(sdkDevice, sdkFlash)
    }

    function finishSdk() {
        if (sdkFinished)
            return
        sdkFinished = true
        sdkDevice.adp_KVR_func_api_Finish()
    }

    function searchCompleted(background) {
        if (background)
            return
        if (searchCameraListWindow)
            searchCameraListWindow.visible = true
        else
            searchWindowWanted = true
    }

    function camConnectStatusChange() {
        switch (deviceAdapter.camConnectStatus) {
        case Kv.Utilities.CamConnectSts_Success:
            hideSearchWindow()
            initWindows(true)
            break
        case Kv.Utilities.CamConnectSts_SuccessBackground:
            hideSearchWindow()
            break
        case Kv.Utilities.CamConnectSts_Error:
            hideSearchWindow()
            disconnectCompleted()
            break
        }
    }

    function hideSearchWindow() {
        searchWindowWanted = false
        if (searchCameraListWindow)
            searchCameraListWindow.visible = false
    }

    function camerasConnectedChange() {
        if (!deviceAdapter.isCamerasConnected)
            disconnectCompleted()
    }

    function disconnectCompleted() {
        disconnectFlg = true
        var popups = [preferenceWindow, mainWindow, liveViewWindow, cameraListWindow]
        for (var i = 0; i < popups.length; ++i)
            invoke(popups[i], "popupClose")
        if (mainWindow) {
            closeMainView()
            mainWindow.visible = false
        }
        // The windows are put away: a later close, after a new connection or
        // from the search window, has to stop and finish everything again.
        disconnectFlg = false
        endConnectSession()
        var search = sdkDevice.deviceSearch
        if (!search.startSearch(false)) {
            search.stopSearch()
            search.startSearch(false)
        }
    }

    function savedVisible(which) {
        return applicationSettings.winStateVisibleForWindow(which)
    }

    // name -> [member, document]
    function windowDocuments() {
        return [
            ["mainWindow", "KvMainWindow.qml"],
            ["liveViewWindow", "KvLiveViewWindow.qml"],
            ["cameraListWindow", deviceAdapter.isSupportMultiView() ? "KvCameraListWindow2.qml" : "KvCameraListWindow.qml"],
            ["flashWindow", "KvFlashWindow.qml"],
            ["previewWindow", "KvPreviewWindow.qml"],
            ["preferenceWindow", "KvPreferenceWindow.qml"],
            ["searchCameraListWindow", "KvSearchCameraListWindow.qml"]
        ]
    }

    function setUpWindow(member, arg) {
        switch (member) {
        case "mainWindow": initMainWindow(arg); break
        case "liveViewWindow": initLiveViewWindow(arg); break
        case "cameraListWindow": initCameraListWindow(arg); break
        case "flashWindow": initFlashWindow(arg); break
        case "preferenceWindow": initPreferenceWindow(arg); break
        case "searchCameraListWindow": initSearchCameraListWindow(arg); break
        }
    }

    function instantiate(member, component) {
        var w = component.createObject(mainObject, { visible: false })
        if (!w) {
            console.warn("KvMainObject: " + member + " could not be created: " + component.errorString())
            return null
        }
        mainObject[member] = w
        if (member === "cameraListWindow")
            invoke(w, "initCameraSetting")
        if (member === "searchCameraListWindow")
            wire(w, "closing", closeSearchCameraListWindow)
        return w
    }

    function initWindows(arg) {
        windowsShown = arg
        if (arg && connectSession < 0)
            connectSession = ++lastConnectSession
        var created = []
        var documents = windowDocuments()
        for (var i = 0; i < documents.length; ++i) {
            var member = documents[i][0]
            if (mainObject[member] || pendingComponents.indexOf(member) >= 0)
                continue
            var component = Qt.createComponent(documents[i][1], Component.Asynchronous)
            if (component.status === Component.Ready) {
                if (instantiate(member, component))
                    created.push(member)
            } else if (component.status === Component.Loading) {
                deferCreation(member, component)
            } else {
                // A window of a later version: the program runs without it.
                console.warn("KvMainObject: no " + documents[i][1] + ": " + component.errorString())
            }
        }

        if (mainWindow && created.indexOf("mainWindow") < 0)
            mainWindow.visible = arg
        if (liveViewWindow && created.indexOf("liveViewWindow") < 0)
            liveViewWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_Live) : false
        if (cameraListWindow && created.indexOf("cameraListWindow") < 0) {
            cameraListWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_CamList) : false
            if (arg)
                invoke(cameraListWindow, "initCameraSetting")
        }
        if (flashWindow && created.indexOf("flashWindow") < 0)
            flashWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_Flash) : false

        var order = ["mainWindow", "liveViewWindow", "cameraListWindow", "flashWindow", "preferenceWindow",
                     "searchCameraListWindow"]
        for (var j = 0; j < order.length; ++j) {
            if (created.indexOf(order[j]) >= 0)
                setUpWindow(order[j], arg)
        }

        invoke(mainWindow, "initSetupTetherMode")
        invoke(liveViewWindow, "initSetupTetherMode")
        deviceAdapter.ptpip_enhance_security_active_password_dialog()
    }

    function deferCreation(member, component) {
        pendingComponents.push(member)
        var handler = function() {
            if (component.status === Component.Loading)
                return
            component.statusChanged.disconnect(handler)
            deferredHandlers.splice(deferredHandlers.indexOf(handler), 1)
            pendingComponents.splice(pendingComponents.indexOf(member), 1)
            if (component.status !== Component.Ready) {
                console.warn("KvMainObject: " + member + ": " + component.errorString())
                return
            }
            if (instantiate(member, component) && member !== "previewWindow")
                setUpWindow(member, windowsShown)
        }
        handler.component = component
        deferredHandlers.push(handler)
        component.statusChanged.connect(handler)
    }

    function toggle(w) {
        if (!w)
            return
        if (w.visibility === Window.Minimized)
            w.visibility = Window.Windowed
        w.visible = !w.visible
    }

    function stdViewer() {
        return applicationSettings.imageViewerType === Kv.ApplicationSettings.ImageViewerType_Std
    }

    // Windows are built apart from the shell: a signal or function a window
    // does not offer is logged and skipped instead of ending the sequence.
    function wire(w, signalName, handler) {
        if (w[signalName] && w[signalName].connect)
            w[signalName].connect(handler)
        else
            console.warn("KvMainObject: the window has no signal " + signalName)
    }

    function invoke(w, name, arg) {
        if (!w)
            return
        if (typeof w[name] === "function")
            w[name](arg)
        else
            console.warn("KvMainObject: the window has no function " + name)
    }

    function initMainWindow(arg) {
        var w = mainWindow
        wire(w, "toggleLiveView", function() { toggle(liveViewWindow) })
        wire(w, "toggleCameraList", function() { toggle(cameraListWindow) })
        wire(w, "toggleFlashView", function() { toggle(flashWindow) })
        wire(w, "togglePreviewView", function() {
            if (stdViewer() && previewWindow)
                previewWindow.visible = !previewWindow.visible
        })
        wire(w, "togglePreferenceView", function() {
            if (preferenceWindow)
                preferenceWindow.visible = !preferenceWindow.visible
        })
        wire(w, "changePreviewTypePopup", function() {
            if (stdViewer() && previewWindow && !previewWindow.visible)
                previewWindow.flags = (previewWindow.flags & ~Qt.Window) | Qt.Popup
        })
        wire(w, "changePreviewTypeWindow", function() {
            if (stdViewer() && previewWindow)
                previewWindow.flags = (previewWindow.flags & ~Qt.Popup) | Qt.Window
        })
        var forwarded = ["recStart", "recStop", "recBulbStart", "recBulbStop", "afaeStart", "afaeStop"]
        forwarded.forEach(function(name) {
            wire(w, name, function() { invoke(liveViewWindow, name) })
        })
        wire(w, "liveViewStart", function() {
            invoke(liveViewWindow, "liveViewUpdate", true)
        })
        wire(w, "liveViewStop", function() {
            invoke(liveViewWindow, "liveViewUpdate", false)
        })
        wire(w, "tetherModeUpdate", function() {
            invoke(cameraListWindow, "tetherModeButtonUpdate")
        })
        wire(w, "closing", mainWindowClosing)
        invoke(w, "cameraValueGetComplete")
        w.compact = applicationSettings.windowSize === Kv.ApplicationSettings.WindowShrinked
        if (arg)
            w.visible = true
    }

    function initLiveViewWindow(arg) {
        invoke(liveViewWindow, "cameraValueGetComplete")
        liveViewWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_Live) : false
    }

    function initCameraListWindow(arg) {
        cameraListWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_CamList) : false
    }

    function initFlashWindow(arg) {
        invoke(flashWindow, "cameraValueGetComplete")
        flashWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_Flash) : false
    }

    function initPreferenceWindow(arg) {
        preferenceWindow.visible = arg ? savedVisible(Kv.ApplicationSettings.WinList_Preference) : false
    }

    function initSearchCameraListWindow(arg) {
        searchCameraListWindow.visible = arg || searchWindowWanted
        searchWindowWanted = false
    }

    function closingWindows(disconnect) {
        return {
            disconnect: disconnect,
            settings: applicationSettings,
            logCollector: logCollector,
            liveView: liveViewWindow,
            cameraList: cameraListWindow,
            preview: previewWindow,
            preference: preferenceWindow,
            flashWindow: flashWindow,
            versionDialog: versionDialog,
            searchWindow: searchCameraListWindow,
            stop: stopBackEnd,
            finish: finishSdk,
            quit: quitApp
        }
    }

    function mainWindowClosing() {
        Shell.mainWindowClosing(closingWindows(disconnectFlg))
        disconnectFlg = false
    }

    function closeMainView() {
        Shell.mainWindowClosing(closingWindows(true))
    }

    function finishAndQuit() {
        connectWin.searchCompleted.disconnect(searchCompleted)
        if (!disconnectFlg)
            stopBackEnd()
        finishSdk()
        quitApp()
    }

    function closeConnectWindow(close) {
        if (Shell.connectCloseRefused(mainWindow !== null && mainWindow.visible, deviceAdapter.camConnectStatus)) {
            if (close)
                close.accepted = false
            return
        }
        if (searchCameraListWindow) {
            // This sequence finishes the SDK itself.
            searchCameraListWindow.closing.disconnect(closeSearchCameraListWindow)
            searchCameraListWindow.close()
        }
        finishAndQuit()
    }

    function closeSearchCameraListWindow(close) {
        if (mainWindow && mainWindow.visible) {
            if (close)
                close.accepted = false
            searchCameraListWindow.visible = false
            return
        }
        finishAndQuit()
    }

    // However the windows stand, the stop steps come before the SDK is
    // finished: the main window's own closing sequence runs only when it is
    // visible.
    function versionUpExec() {
        // An address the program will not open (not a web page) or no
        // browser to open it: the photographer is told and the program
        // keeps running, nothing is closed for a page that never came.
        if (!versionSource.openURL()) {
            showError(qsTr("version_page_not_opened"), Qt.PlainText)
            return
        }
        stopBackEnd()
        if (searchCameraListWindow && searchCameraListWindow.visible) {
            searchCameraListWindow.closing.disconnect(closeSearchCameraListWindow)
            searchCameraListWindow.close()
        }
        var windows = [liveViewWindow, cameraListWindow, previewWindow, preferenceWindow, flashWindow, mainWindow]
        for (var i = 0; i < windows.length; ++i)
            Shell.closeIfVisible(windows[i])
        // The main window's closing sequence may have finished the SDK.
        if (!sdkFinished)
            sdkDevice.adp_KVR_func_api_CloseSession()
        finishSdk()
        quitApp()
    }

    function notifyConnectErrorMessage(mode, cameraName, errCode) {
        var texts = {
            msg1: qsTr("Connect error_msg1"),
            msg2: qsTr("Connect error_msg2"),
            msg3: qsTr("Connect error_msg3"),
            msg4: qsTr("Connect error_msg4"),
            msg4_1: qsTr("Connect error_msg4_1"),
            msg4_2: qsTr("Connect error_msg4_2"),
            msg4_3: qsTr("Connect error_msg4_3")
        }
        showNotice({ kind: "error", text: Shell.connectErrorText(texts, mode, cameraName, errCode),
                     format: Qt.PlainText, session: connectSession })
    }

    function showError(text, format) {
        showNotice({ kind: "error", text: text, format: format, session: -1 })
    }

    function storeFolderUnusable(folder) {
        showNotice({ kind: "folder", text: qsTr("storage_folder_replaced").arg(folder), format: Qt.PlainText,
                     session: -1 })
    }

    // Tests replace it so that the run goes on.
    property var quitHandler: function() { Qt.quit() }
    function quitApp() {
        quitHandler()
    }

    Component.onCompleted: {
        connectWin.searchCompleted.connect(searchCompleted)
        connectWin.closing.connect(closeConnectWindow)
        deviceAdapter.isCamerasConnectedChanged.connect(camerasConnectedChange)
        deviceAdapter.camConnectStatusChanged.connect(camConnectStatusChange)
        deviceAdapter.notifyConnectErrorMessage.connect(notifyConnectErrorMessage)
        applicationSettings.storeFolderUnusable.connect(storeFolderUnusable)
        // Reading the folder type checks the folder the settings name, so a
        // folder that cannot be used is told at start, not at the first
        // picture.
        void applicationSettings.storeFolderType
        init_sdk()
        initWindows(false)
    }

    Component.onDestruction: {
        deferredHandlers.forEach(function(h) { h.component.statusChanged.disconnect(h) })
        deferredHandlers = []
        deviceAdapter.isCamerasConnectedChanged.disconnect(camerasConnectedChange)
        deviceAdapter.camConnectStatusChanged.disconnect(camConnectStatusChange)
        deviceAdapter.notifyConnectErrorMessage.disconnect(notifyConnectErrorMessage)
        applicationSettings.storeFolderUnusable.disconnect(storeFolderUnusable)
    }
}
