import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvCameraList.js" as CameraList
import "Drawn.js" as Drawn

// The camera list's rules as tables, and the window against the connected
// simulated cameras: filler rows, the selected camera's send-command check,
// the all-cameras checks, a switch refused while connecting and a camera's
// name shown as it calls itself.
TestCase {
    id: test
    name: "KvCameraListWindow2"
    when: windowShown

    function test_fillerCount_data() {
        return [
            { tag: "none", cameras: 0, fillers: 5 },
            { tag: "three", cameras: 3, fillers: 2 },
            { tag: "five", cameras: 5, fillers: 0 },
            { tag: "seven", cameras: 7, fillers: 0 }
        ]
    }
    function test_fillerCount(data) {
        compare(CameraList.fillerCount(data.cameras), data.fillers)
    }

    function test_nextSendCmd_data() {
        return [
            { tag: "selected on stays on", selected: true, current: true, next: true },
            { tag: "selected off turns on", selected: true, current: false, next: true },
            { tag: "other on turns off", selected: false, current: true, next: false },
            { tag: "other off turns on", selected: false, current: false, next: true }
        ]
    }
    function test_nextSendCmd(data) {
        compare(CameraList.nextSendCmd(data.selected, data.current), data.next)
    }

    function test_allOn_data() {
        return [
            { tag: "empty", records: [], key: "liveViewCheck", on: false },
            { tag: "selected counts for commands",
              records: [{ checkedState: true, sendCmdCheck: false }, { checkedState: false, sendCmdCheck: true }],
              key: "sendCmdCheck", on: true },
            { tag: "selected does not count for live view",
              records: [{ checkedState: true, liveViewCheck: false }, { checkedState: false, liveViewCheck: true }],
              key: "liveViewCheck", on: false },
            { tag: "one off", records: [{ liveViewCheck: true }, { liveViewCheck: false }], key: "liveViewCheck", on: false }
        ]
    }
    function test_allOn(data) {
        compare(CameraList.allOn(data.records, data.key), data.on)
    }

    function test_switchBlocked_data() {
        var u = Kv.Utilities
        return [
            { tag: "connecting", status: u.CamConnectSts_Connecting, blocked: true },
            { tag: "reading", status: u.CamConnectSts_GetData, blocked: true },
            { tag: "reading in background", status: u.CamConnectSts_GetDataBackground, blocked: true },
            { tag: "connected", status: u.CamConnectSts_Success, blocked: false },
            { tag: "connected in background", status: u.CamConnectSts_SuccessBackground, blocked: false }
        ]
    }
    function test_switchBlocked(data) {
        compare(CameraList.switchBlocked(data.status, Kv.Utilities), data.blocked)
    }

    function test_needsPowerWarning_data() {
        return [
            { tag: "mains", mains: true, flag: true, warn: false },
            { tag: "battery with mode on", mains: false, flag: true, warn: true },
            { tag: "battery with mode off", mains: false, flag: false, warn: false }
        ]
    }
    function test_needsPowerWarning(data) {
        compare(CameraList.needsPowerWarning(data.mains, data.flag), data.warn)
    }

    property var window: null

    function initTestCase() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        var c = Qt.createComponent("qrc:/qml/KvCameraListWindow2.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null)
        verify(window)
        window.show()
        tryCompare(window, "visible", true)
    }
    function cleanupTestCase() {
        if (window)
            window.destroy()
    }

    function test_rows_and_selection() {
        verify(window.records.length > 0)
        var s = window.selectedRow()
        verify(s >= 0)
        compare(deviceAdapter.camCurrentSelectedSerialNo, window.records[s].cameraSerialNo)
        compare(deviceAdapter.camName, window.records[s].cameraIdOrder + ": " + window.records[s].cameraIdFullName)
        compare(window.rows.count, window.records.length)
    }

    function test_selected_send_command_stays_on() {
        var s = window.selectedRow()
        window.sendCmdClicked(s)
        window.sendCmdClicked(s)
        compare(window.records[s].sendCmdCheck, true)
        compare(deviceAdapter.camera_list_get_camera_sendCmdEnable(window.records[s].index), true)
    }

    function test_all_live_view_toggles_every_camera() {
        var before = window.allLiveViewCheck
        window.allLiveViewClicked()
        compare(window.allLiveViewCheck, !before)
        for (var i = 0; i < window.records.length; ++i)
            compare(deviceAdapter.camera_list_get_camera_liveViewEnable(window.records[i].index), !before)
        window.allLiveViewClicked()
        compare(window.allLiveViewCheck, before)
    }

    // "All Cameras" clicked in the window: a setting then reaches every
    // camera once, and turning it off gives the selected camera back its
    // name and serial.
    function test_all_cameras_drive_every_camera() {
        if (window.records.length < 2)
            skip("one camera has nothing to follow it")
        var row = findChild(window.contentItem, "allCamerasRow")
        verify(row)
        mouseClick(row, 30 + 35 + 20, row.height / 2)
        compare(deviceAdapter.btnAllCameraStatus, Kv.Utilities.BtnAllCameraStatus_Checked)
        verify(window.allCameraChecked)

        var cameras = simulator.connectedCameras()
        compare(cameras.length, window.records.length)
        // the camera-event worker runs the queued writes, as after the shell's start
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)

        var first = deviceAdapter.iso === 400 ? 800 : 400
        var writes = [first, first === 400 ? 800 : 400]
        simulator.clearCallLogs()
        // Each write waits until every camera has it, so the second one also
        // shows that the first one ended: no camera got it twice.
        for (var w = 0; w < writes.length; ++w) {
            deviceAdapter.iso = writes[w]
            tryVerify(function() {
                return cameras.every(function(i) { return simulator.callCount(i, "ISO_SetParam") > w })
            }, 10000)
        }
        for (var i = 0; i < cameras.length; ++i)
            compare(simulator.callCount(cameras[i], "ISO_SetParam"), writes.length, "camera " + cameras[i])

        var s = window.selectedRow()
        deviceAdapter.camName = ""
        mouseClick(row, 30 + 35 + 20, row.height / 2)
        compare(deviceAdapter.btnAllCameraStatus, Kv.Utilities.BtnAllCameraStatus_Unchecked)
        verify(!window.allCameraChecked)
        compare(deviceAdapter.camName, window.records[s].cameraIdOrder + ": " + window.records[s].cameraIdFullName)
        compare(deviceAdapter.camCurrentSelectedSerialNo, window.records[s].cameraSerialNo)
    }

    function rowNamed(id) {
        for (var i = 0; i < window.records.length; ++i)
            if (window.records[i].cameraId === id)
                return i
        return -1
    }

    // A camera plugged in while the others are connected joins the list
    // under the name it gives itself, shown as it is: markup in it draws no
    // formatting and loads nothing, from the network or from a file.
    function test_name_shows_as_typed_data() {
        return [
            { tag: "ordinary", id: "Studio A" },
            { tag: "markup with a remote picture", id: "<b>x</b><img src='http://127.0.0.1:9/id.png'>" },
            { tag: "markup with a local picture", id: "<i>y</i><img src='file:///nonexistent/id.png'>" },
            { tag: "written-out markup", id: "a &lt;b&gt; c" }
        ]
    }
    // The camera a row plugged in, pulled out again until the list has
    // let it go.
    property int plugged: -1
    property string pluggedId: ""
    function cleanup() {
        if (plugged < 0)
            return
        simulator.unplug(plugged)
        plugged = -1
        tryVerify(function() { return rowNamed(pluggedId) < 0 }, 10000)
    }

    function test_name_shows_as_typed(data) {
        // the worker that hears of a camera pulled out
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
        plugged = simulator.plugUsbCamera(data.id)
        pluggedId = data.id
        networkRequests.clear()
        compare(deviceAdapter.adp_KVR_func_api_Search_Camera_List(false), Kv.Utilities.Ternary_True)
        tryVerify(function() { return rowNamed(data.id) >= 0 }, 10000)
        var name = findChild(window.rows.itemAt(rowNamed(data.id)), "cameraName")
        verify(name)
        waitForRendering(window.contentItem)
        compare(name.text, data.id)
        compare(networkRequests.urls(), [])
        verify(Drawn.drawnAsTyped(name), "\"" + data.id + "\" is drawn " + Drawn.linesWidth(name) + " px wide")
    }

    function test_switch_while_connecting_is_ignored() {
        if (window.records.length < 2)
            skip("one camera offers nothing to switch to")
        var s = window.selectedRow()
        var other = s === 0 ? 1 : 0
        var status = deviceAdapter.camConnectStatus
        deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_Connecting
        window.switchCamera(other)
        compare(window.selectedRow(), s)
        deviceAdapter.camConnectStatus = status
    }
}
