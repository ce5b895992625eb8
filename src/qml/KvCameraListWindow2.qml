import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvCameraList.js" as CameraList
import "KvSubFunction.js" as Sub

// The connected cameras: which one is selected, their order, which receive
// commands and appear in multi-camera live view, and their tether connect
// mode.
Window {
    id: root

    readonly property int rowHeight: 33
    readonly property int barHeight: 40
    property var records: []
    property bool allCameraChecked: deviceAdapter.btnAllCameraStatus === Kv.Utilities.BtnAllCameraStatus_Checked
    property bool allSendCmdCheck: false
    property bool allLiveViewCheck: false
    property var pendingPowerRow: null
    readonly property int maskBits: 2 | 16
    property int windowMask: 0
    property alias rows: rowRepeater
    property alias allCamerasRow: allRow
    property alias powerWarning: powerWarningBox

    flags: Qt.Window | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
           | Qt.WindowMinimizeButtonHint | Qt.WindowMaximizeButtonHint
    title: qsTr("CAMERA")
    color: "#1d1e20"
    width: 323
    height: 232
    minimumWidth: 323
    minimumHeight: 232

    function camNameOf(r) {
        return r.cameraIdOrder + ": " + r.cameraIdFullName
    }

    function selectedRow() {
        for (var i = 0; i < records.length; ++i)
            if (records[i].checkedState)
                return i
        return -1
    }

    function refreshAllChecks() {
        if (!deviceAdapter.isSupportMultiView())
            return
        allSendCmdCheck = CameraList.allOn(records, "sendCmdCheck")
        allLiveViewCheck = CameraList.allOn(records, "liveViewCheck")
    }

    function showPopup() {
        var list = []
        var selectedSerial = deviceAdapter.camCurrentSelectedSerialNo
        var count = deviceAdapter.camera_list_number_of_camera()
        for (var i = 0; i < count && list.length < Kv.Utilities.CameraID_Max; ++i) {
            if (deviceAdapter.camConnectDeviceStatus(i) !== Kv.Utilities.Ternary_True)
                continue
            var serial = deviceAdapter.camera_list_get_camera_serial_number(i)
            var id = deviceAdapter.camera_list_get_camera_individual_id(i)
            if (id === "")
                id = deviceAdapter.camera_list_get_camera_modelName(i)
            var status = deviceAdapter.camera_list_get_camera_tether_mode_status(i)
            list.push({
                index: i,
                cameraIdOrder: list.length + 1,
                cameraSerialNo: serial,
                cameraIdFullName: id,
                cameraId: id,
                checkedState: serial !== "" && serial === selectedSerial,
                powerOnMode: deviceAdapter.camera_list_get_camera_power_mode(i),
                camTetherModeStatus: status,
                cameraBtnEnable: status === Kv.Utilities.TETHERMODE_Enable,
                sendCmdCheck: deviceAdapter.camera_list_get_camera_sendCmdEnable(i),
                liveViewCheck: deviceAdapter.camera_list_get_camera_liveViewEnable(i)
            })
        }
        if (selectedRowIn(list) < 0) {
            for (var k = 0; k < list.length; ++k) {
                if (list[k].powerOnMode) {
                    list[k].checkedState = true
                    break
                }
            }
        }
        records = list
        var s = selectedRow()
        if (s >= 0 && !allCameraChecked) {
            deviceAdapter.camName = camNameOf(records[s])
            deviceAdapter.camCurrentSelectedSerialNo = records[s].cameraSerialNo
        }
        refreshAllChecks()
    }

    function selectedRowIn(list) {
        for (var i = 0; i < list.length; ++i)
            if (list[i].checkedState)
                return i
        return -1
    }

    function writeBack() {
        for (var i = 0; i < records.length; ++i)
            deviceAdapter.camera_list_set_camera_value(records[i].index, records[i].cameraSerialNo, records[i].powerOnMode)
    }

    function setRecord(i, key, value) {
        var copy = records.slice()
        copy[i] = Object.assign({}, copy[i])
        copy[i][key] = value
        records = copy
    }

    function switchCamera(i) {
        if (CameraList.switchBlocked(deviceAdapter.camConnectStatus, Kv.Utilities))
            return
        var r = records[i]
        deviceAdapter.camName = camNameOf(r)
        var previous = selectedRow()
        if (records.length < 2 || previous === i)
            return
        if (previous >= 0)
            deviceAdapter.camera_list_set_camera_tether_mode_status(
                        deviceAdapter.camera_list_get_camera_uuid(records[previous].index),
                        Kv.Utilities.TETHERMODE_Copy, false)
        var copy = records.slice()
        for (var k = 0; k < copy.length; ++k) {
            copy[k] = Object.assign({}, copy[k])
            copy[k].checkedState = k === i
        }
        records = copy
        deviceAdapter.camCurrentSelectedSerialNo = r.cameraSerialNo
        deviceAdapter.camName = camNameOf(r)
        writeBack()
        var devIndex = deviceAdapter.camera_list_get_camera_dev_index(r.index)
        if (devIndex < 0)
            return
        deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_Connecting
        if (deviceAdapter.adp_KVR_func_api_Select_Device_Start(devIndex) !== Kv.Utilities.Ternary_True)
            deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_Unknown
        refreshAllChecks()
    }

    function switchDone() {
        deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_GetDataBackground
        deviceAdapter.isPowerSavingWaitDialogOpen = false
        Sub.get_sdk_capability(false)
        Sub.get_sdk_value(false)
        Sub.set_sdk_value()
        deviceAdapter.camConnectStatus = Kv.Utilities.CamConnectSts_SuccessBackground
        showPopup()
    }

    function move(i, j) {
        if (i < 0 || j < 0 || i >= records.length || j >= records.length)
            return
        var copy = records.slice()
        var a = Object.assign({}, copy[i])
        var b = Object.assign({}, copy[j])
        var order = a.cameraIdOrder
        var index = a.index
        a.cameraIdOrder = b.cameraIdOrder
        a.index = b.index
        b.cameraIdOrder = order
        b.index = index
        copy[i] = b
        copy[j] = a
        records = copy
        writeBack()
        deviceAdapter.camera_list_update_camera_list()
        deviceAdapter.updateLiveviewSelectCamera()
        if (a.checkedState || b.checkedState)
            deviceAdapter.camName = camNameOf(a.checkedState ? a : b)
    }

    function sendCmdClicked(i) {
        var value = CameraList.nextSendCmd(records[i].checkedState, records[i].sendCmdCheck)
        setRecord(i, "sendCmdCheck", value)
        deviceAdapter.camera_list_set_camera_sendCmdEnable(records[i].index, value)
        refreshAllChecks()
    }

    function liveViewClicked(i) {
        var value = !records[i].liveViewCheck
        setRecord(i, "liveViewCheck", value)
        deviceAdapter.camera_list_set_camera_liveViewEnable(records[i].index, value)
        deviceAdapter.updateLiveviewSelectCamera()
        refreshAllChecks()
    }

    function allSendCmdClicked() {
        var value = !CameraList.allOn(records, "sendCmdCheck")
        var copy = []
        for (var i = 0; i < records.length; ++i) {
            copy.push(Object.assign({}, records[i], { sendCmdCheck: value }))
            deviceAdapter.camera_list_set_camera_sendCmdEnable(records[i].index, value)
        }
        records = copy
        refreshAllChecks()
    }

    function allLiveViewClicked() {
        var value = !CameraList.allOn(records, "liveViewCheck")
        var changed = false
        var copy = []
        for (var i = 0; i < records.length; ++i) {
            if (records[i].liveViewCheck !== value)
                changed = true
            copy.push(Object.assign({}, records[i], { liveViewCheck: value }))
            deviceAdapter.camera_list_set_camera_liveViewEnable(records[i].index, value)
        }
        records = copy
        if (changed)
            deviceAdapter.updateLiveviewSelectCamera()
        refreshAllChecks()
    }

    function allCamerasClicked() {
        if (allCameraChecked) {
            deviceAdapter.setLiveviewMode_Async(false)
            deviceAdapter.btnAllCameraStatus = Kv.Utilities.BtnAllCameraStatus_Unchecked
            var s = selectedRow()
            if (s >= 0) {
                deviceAdapter.camName = camNameOf(records[s])
                deviceAdapter.camCurrentSelectedSerialNo = records[s].cameraSerialNo
            }
        } else {
            deviceAdapter.setLiveviewMode_Async(true)
            deviceAdapter.btnAllCameraStatus = Kv.Utilities.BtnAllCameraStatus_Checked
        }
    }

    function powerClicked(i) {
        var r = records[i]
        if (!r.cameraBtnEnable)
            return
        var devIndex = deviceAdapter.camera_list_get_camera_dev_index(r.index)
        if (!CameraList.needsPowerWarning(deviceAdapter.isBatteryLevelAC(devIndex), r.powerOnMode)) {
            switchPowerMode(i)
            return
        }
        pendingPowerRow = r.cameraSerialNo
        powerWarningBox.open()
    }

    function switchPowerMode(i) {
        var r = records[i]
        var uuid = deviceAdapter.camera_list_get_camera_uuid(r.index)
        var result
        if (r.powerOnMode) {
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_Menu_End_Menu(uuid)
            result = deviceAdapter.adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(uuid, Kv.Utilities.PwTether_OFF)
        } else {
            result = deviceAdapter.adp_KVR_func_api_Power_SavingInfo_Set_Tether_Connect_Mode(uuid, Kv.Utilities.PwTether_ON)
        }
        if (result !== Kv.Utilities.Ternary_False)
            setRecord(i, "powerOnMode", !r.powerOnMode)
        writeBack()
    }

    function rowOfSerial(serial) {
        for (var i = 0; i < records.length; ++i)
            if (records[i].cameraSerialNo === serial)
                return i
        return -1
    }

    function updateClicked() {
        if (deviceAdapter.ptpip_camera_is_connect_by_lan_wifi())
            deviceAdapter.deviceSearch.stopSearch()
        deviceAdapter.camera_list_update_camera_list(true)
        showPopup()
    }

    // Called by the application object.
    function initCameraSetting() { showPopup() }
    function tetherModeButtonUpdate() { showPopup() }
    function popupClose() {
        if (deviceAdapter.isCustomDialogVisible())
            deviceAdapter.closeCustomDialog(Kv.Utilities.PowerSaving_ConfirmationDialog)
    }

    onVisibleChanged: if (visible) showPopup()
    onClosing: function(close) {
        if (root.visibility === Window.Maximized) {
            close.accepted = false
            root.visible = false
        }
    }

    Connections {
        target: deviceAdapter
        function onSwitchCameraNotify(devIndex) { root.switchDone() }
        function onCameraListChanged() {
            root.showPopup()
            if (deviceAdapter.isCustomDialogVisible() && root.pendingPowerRow !== null
                    && root.rowOfSerial(root.pendingPowerRow) < 0)
                deviceAdapter.closeCustomDialog(Kv.Utilities.PowerSaving_ConfirmationDialog)
        }
    }

    Connections {
        target: utilities
        function onPreferenceWindowVisibleChangedNotify(flg) {
            root.windowMask = flg ? (root.windowMask | 2) : (root.windowMask & ~2)
        }
        function onSearchCamWindowVisibleChangedNotify(flg) {
            root.windowMask = flg ? (root.windowMask | 16) : (root.windowMask & ~16)
        }
    }

    Kv.MessageBox {
        id: powerWarningBox
        title: "KAVRO Rozado"
        icon: Kv.StandardIcon.Warning
        standardButtons: Kv.StandardButton.Yes | Kv.StandardButton.No
        defaultButton: Kv.StandardButton.No
        modality: Qt.ApplicationModal
        visible: false
        text: qsTranslate("kavrotether::CustomDialog", "power_mode_change_warning")
        onYes: {
            var i = root.rowOfSerial(root.pendingPowerRow)
            root.pendingPowerRow = null
            if (i >= 0)
                root.switchPowerMode(i)
        }
        onNo: root.pendingPowerRow = null
    }

    Column {
        anchors.fill: parent

        Flickable {
            id: listArea
            width: root.width
            height: root.height - root.barHeight
            contentHeight: rowColumn.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: rowColumn
                width: listArea.width
                spacing: 1
                Repeater {
                    id: rowRepeater
                    model: root.records.length
                    KvCameraListButton2 {
                        required property int index
                        width: rowColumn.width
                        record: root.records[index]
                        canMoveUp: index > 0
                        canMoveDown: index < root.records.length - 1
                        onNameClicked: root.switchCamera(index)
                        onSendCmdClicked: root.sendCmdClicked(index)
                        onLiveViewClicked: root.liveViewClicked(index)
                        onPowerClicked: root.powerClicked(index)
                        onUpClicked: root.move(index, index - 1)
                        onDownClicked: root.move(index, index + 1)
                    }
                }
                KvCameraListButton2 {
                    id: allRow
                    objectName: "allCamerasRow"
                    width: rowColumn.width
                    allCameras: true
                    allChecked: root.allCameraChecked
                    allSendCmdCheck: root.allSendCmdCheck
                    allLiveViewCheck: root.allLiveViewCheck
                    onNameClicked: root.allCamerasClicked()
                    onSendCmdClicked: root.allSendCmdClicked()
                    onLiveViewClicked: root.allLiveViewClicked()
                }
                Repeater {
                    id: fillerRepeater
                    model: CameraList.fillerCount(root.records.length)
                    KvCameraListButton2 {
                        width: rowColumn.width
                        enabled: false
                    }
                }
            }
        }

        Row {
            width: root.width
            height: root.barHeight
            KvRectangleButton {
                id: updateBtn
                objectName: "updateButton"
                width: root.width / 2
                height: parent.height
                type: "actionWithText"
                buttonText: qsTr("Update")
                onClicked: root.updateClicked()
            }
            KvRectangleButton {
                objectName: "closeButton"
                width: root.width - updateBtn.width
                height: parent.height
                type: "actionWithText"
                buttonText: qsTr("Close")
                onClicked: root.close()
            }
        }
    }

    // Another window has the user's attention; this one waits.
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        visible: (root.windowMask & root.maskBits) !== 0
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }
}
