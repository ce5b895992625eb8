import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvSubFunction.js" as Sub
import "Drawn.js" as Drawn

// Every window in every language of the program, against the connected
// simulated cameras and as a user opens it: each text is drawn at 10 px or
// more and whole, the titles of one kind share one size, and no button's
// picture is cut at the button's edge.
TestCase {
    name: "Labels"
    when: windowShown

    property var window: null
    property int savedWirelessMode: -1

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
        verify(Sub.get_sdk_capability(null))
        savedWirelessMode = flashAdapter.wirelessMode
    }
    function cleanup() {
        if (flashAdapter.wirelessMode !== savedWirelessMode)
            flashAdapter.wirelessMode = savedWirelessMode
        if (window) {
            window.visible = false
            window.destroy()
            window = null
        }
    }
    function cleanupTestCase() {
        verify(language.use("en"))
        deviceAdapter.adp_KVR_func_api_Ctrl_LiveView_Stop()
        tryCompare(videoImageInfo, "videoImageStatus", Kv.VideoImageInfo.VIS_Stop, 5000)
    }

    // Each window with all it can show: the main window at full height with
    // the camera's movie quality, the flash window with its wireless rows,
    // the live-view window with its panel's live-view quality, the camera's
    // movie-quality list, every creative-control filter with the camera's
    // chosen.
    readonly property var windows: ({
        main: { document: "KvMainWindow.qml",
                open: function(w) { w.recMovieQualityDetaiSetting(); w.cameraValueGetComplete() },
                ready: function(w) { return !w.compact } },
        preferences: { document: "KvPreferenceWindow.qml", open: function(w) {},
                       ready: function(w) { return w.rowsLayout.y + w.rowsLayout.height === w.height } },
        flash: { document: "KvFlashWindow.qml",
                 open: function(w) {
                     if (flashAdapter.wirelessMode !== Kv.Utilities.WirM_On)
                         flashAdapter.wirelessMode = Kv.Utilities.WirM_On
                 },
                 ready: function(w) { return w.height === w.fullHeight } },
        liveview: { document: "KvLiveViewWindow.qml", open: function(w) { w.controlItem.cameraValueGetComplete() },
                    ready: function(w) {
                        return videoImageInfo.videoImageStatus === Kv.VideoImageInfo.VIS_Start
                                && w.controlItem.imageQualityButton.visible
                    } },
        cameralist: { document: "KvCameraListWindow2.qml", open: function(w) {}, ready: function(w) { return true } },
        moviequality: { document: "KvMainMovieQualityPopup.qml",
                        open: function(w) {
                            w.componentsProvider = provider
                            w.present(300, 300, 0, 0, "", deviceAdapter.recMovie, null)
                        },
                        ready: function(w) { return w.detail && w.rows.length > 0 && w.list.height > 0 } },
        creativecontrol: { document: "KvCCPopup.qml",
                           open: function(w) {
                               var target = utilities.getLanguageType() === Kv.QLocale.Japanese
                                       ? "creativeControlFilter" : "creativeControlFilterRatin"
                               var list = options[target]
                               for (var i = 0; i < list.length; ++i) {
                                   list[i].properties.capable = true
                                   list[i].properties.checked = list[i].properties.value === deviceAdapter[target]
                               }
                               w.present(0, 0, "", list, target, null)
                           },
                           ready: function(w) { return w.objects.length > 0 && w.headerText !== "" } }
    })
    KvMainMQComponentsProvider { id: provider }
    KvOptionComponentsProvider { id: options }

    function test_readable_data() {
        var rows = []
        var languages = ["en", "ja", "de", "es", "fr", "it", "ru", "zh"]
        for (var w in windows) {
            for (var i = 0; i < languages.length; ++i)
                rows.push({ tag: w + " " + languages[i], window: w, language: languages[i] })
        }
        return rows
    }
    function test_readable(data) {
        verify(language.use(data.language))
        var c = Qt.createComponent("qrc:/qml/" + windows[data.window].document)
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null, { visible: false })
        verify(window)
        window.show()
        windows[data.window].open(window)
        tryVerify(function() { return windows[data.window].ready(window) }, 5000)
        waitForRendering(window.contentItem)
        compare(Drawn.unreadable(window), [])
    }
}
