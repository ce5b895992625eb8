import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "Drawn.js" as Drawn

// The search window against a simulated search: one row per camera found
// under the name it gives itself, shown as it is, the "All Cameras" and
// Start states follow the ticks, and Start connects.
TestCase {
    id: test
    name: "KvSearchCameraListWindow"
    when: windowShown

    property var window: null
    property var visibility: []

    function recordVisibility(flg) { visibility = visibility.concat([flg]) }

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected)
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
        if (deviceAdapter.searchList.length === 0) {
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
        }
        utilities.searchCamWindowVisibleChangedNotify.connect(recordVisibility)
        var c = Qt.createComponent("qrc:/qml/KvSearchCameraListWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null)
        verify(window)
        window.show()
        tryCompare(window, "visible", true)
    }
    function cleanupTestCase() {
        utilities.searchCamWindowVisibleChangedNotify.disconnect(recordVisibility)
        if (window)
            window.destroy()
    }

    function allCamerasRow() {
        var stack = [window.contentItem]
        while (stack.length > 0) {
            var it = stack.pop()
            if (it.objectName === "allCamerasRow")
                return it
            for (var i = 0; i < it.children.length; ++i)
                stack.push(it.children[i])
        }
        return null
    }

    // A camera plugged in before the search (id: the name it gives itself)
    // shows under that name as typed: markup in it draws no formatting and
    // loads nothing, from the network or from a file.
    function test_a_rows_follow_the_search_data() {
        return [
            { tag: "the scenario's cameras", id: "" },
            { tag: "markup with a remote picture", id: "<b>x</b><img src='http://127.0.0.1:9/id.png'>" },
            { tag: "markup with a local picture", id: "<i>y</i><img src='file:///nonexistent/id.png'>" }
        ]
    }
    function found(id) {
        return deviceAdapter.searchList.some(function(item) { return item.devFrlyName === id })
    }
    // The camera a row plugged in, pulled out again and searched for until
    // the search no longer finds it.
    property int plugged: -1
    property string pluggedId: ""
    function cleanup() {
        if (plugged < 0)
            return
        simulator.unplug(plugged)
        plugged = -1
        verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
        tryVerify(function() { return !found(pluggedId) }, 10000)
        tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
    }

    function test_a_rows_follow_the_search(data) {
        networkRequests.clear()
        if (data.id !== "") {
            plugged = simulator.plugUsbCamera(data.id)
            pluggedId = data.id
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return found(data.id) }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            tryCompare(window.rows, "count", deviceAdapter.searchList.length)
        }
        waitForRendering(window.contentItem)
        compare(networkRequests.urls(), [])
        var list = deviceAdapter.searchList
        compare(window.rows.count, list.length)
        var named = 0
        for (var i = 0; i < list.length; ++i) {
            var row = window.rows.itemAt(i)
            compare(row.item, list[i])
            compare(row.deviceName(), list[i].devFrlyName !== "" ? list[i].devFrlyName : list[i].devModelName)
            var name = findChild(row, "deviceName")
            compare(name.text, row.deviceName())
            verify(Drawn.drawnAsTyped(name), "\"" + name.text + "\" is drawn " + Drawn.linesWidth(name) + " px wide")
            if (row.deviceName() === data.id)
                ++named
            if (list[i].connectMode === Kv.SearchCameraListItemObject.CONNECT_USB) {
                compare(row.connectImage(), "qrc:/images/search_cam_usb.svg")
                compare(row.connectTip(), "USB connection")
                compare(row.statusTip(), "")
            }
        }
        compare(named, data.id !== "" ? 1 : 0)
        // The window system reports visibility after the call returns.
        tryVerify(function() { return visibility.indexOf(true) >= 0 })
    }

    function test_b_checks_drive_all_cameras_and_start_data() {
        return [
            { tag: "all off", pattern: "none", all: false, start: false },
            { tag: "all on", pattern: "all", all: true, start: true },
            { tag: "first only", pattern: "first", all: false, start: true }
        ]
    }
    function test_b_checks_drive_all_cameras_and_start(data) {
        var list = deviceAdapter.searchList
        if (data.pattern === "first" && list.length < 2)
            skip("one camera cannot show a partial choice")
        var row = allCamerasRow()
        verify(row)
        // Reach the wanted pattern through the clicks the user would make.
        if (window.allEnabled)
            row.checkClicked()
        compare(window.allEnabled, false)
        if (data.pattern !== "none")
            row.checkClicked()
        if (data.pattern === "first")
            for (var i = 1; i < list.length; ++i)
                window.rows.itemAt(i).checkClicked()
        compare(window.allEnabled, data.all)
        compare(row.allChecked, data.all)
        compare(window.anyEnabled, data.start)
        compare(window.startButton.disabled, !data.start)
        compare(list[0].enable, data.pattern !== "none")
    }

    function searchAgain() {
        verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
        tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
        tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
        tryCompare(window.rows, "count", deviceAdapter.searchList.length)
    }

    // Earlier test files of this process may have connected the cameras:
    // the user's way back is a full disconnection and a new search, which
    // must connect again as the first time did.
    function test_c_start_connects_the_ticked_cameras() {
        if (deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_CloseSession("All"), Kv.Utilities.Ternary_True)
            deviceAdapter.disconnectAllNotify()
            verify(!deviceAdapter.isCamerasConnected)
            searchAgain()
        }
        if (!window.allEnabled)
            allCamerasRow().checkClicked()
        mouseClick(window.startButton)
        tryCompare(deviceAdapter, "camConnectStatus", Kv.Utilities.CamConnectSts_Success, 20000)
        verify(deviceAdapter.isCamerasConnected)
    }

    function test_d_hiding_is_reported() {
        visibility = []
        window.visible = false
        tryVerify(function() { return visibility.length === 1 && visibility[0] === false })
        window.visible = true
        tryVerify(function() { return visibility.length === 2 && visibility[1] === true })
    }
}
