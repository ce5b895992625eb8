import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv

// The cameras a search found; the user ticks the ones to connect and starts.
Window {
    id: root

    readonly property int rowHeight: 33
    readonly property int informationHeight: 66
    readonly property int barHeight: 40
    property var entries: []
    property bool allEnabled: false
    property bool anyEnabled: false
    property alias updateButton: updateBtn
    property alias startButton: startBtn
    property alias rows: rowRepeater

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    title: qsTr("CAMERA")
    color: "#1d1e20"
    width: 600
    height: 300
    minimumWidth: 600
    minimumHeight: 300

    function refreshChecks() {
        var any = false
        var all = entries.length > 0
        for (var i = 0; i < entries.length; ++i) {
            if (entries[i].enable)
                any = true
            else
                all = false
        }
        anyEnabled = any
        allEnabled = all
    }

    function rebuild() {
        var list = deviceAdapter.searchList
        var copy = []
        for (var i = 0; i < list.length; ++i)
            copy.push(list[i])
        entries = copy
        refreshChecks()
    }

    function toggleEntry(i) {
        entries[i].enable = !entries[i].enable
        refreshChecks()
    }

    function toggleAll() {
        var on = !allEnabled
        for (var i = 0; i < entries.length; ++i)
            entries[i].enable = on
        refreshChecks()
    }

    function updateClicked() {
        var search = deviceAdapter.deviceSearch
        if (search.addSearchMode) {
            deviceAdapter.camera_list_update_camera_list(true)
            return
        }
        root.visible = false
        search.stopSearch()
        search.startSearch(false)
    }

    function startClicked() {
        if (deviceAdapter.deviceSearch.addSearchMode) {
            deviceAdapter.searchAddedDevice()
            root.visible = false
            return
        }
        deviceAdapter.connectEnableDevice()
    }

    onVisibleChanged: utilities.searchCamWindowVisibleChanged(visible)
    Component.onCompleted: rebuild()

    Connections {
        target: deviceAdapter
        function onSearchListChanged() { root.rebuild() }
    }

    Column {
        anchors.fill: parent

        KvSearchCameraListItem {
            width: root.width
            viewMode: "header"
        }

        Flickable {
            id: listArea
            width: root.width
            height: Math.max(0, root.height - 2 * root.rowHeight - root.informationHeight - root.barHeight)
            contentHeight: rowColumn.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: rowColumn
                width: listArea.width
                spacing: 1
                Repeater {
                    id: rowRepeater
                    model: root.entries.length
                    KvSearchCameraListItem {
                        required property int index
                        width: rowColumn.width
                        item: root.entries[index]
                        rowIndex: index
                        onCheckClicked: root.toggleEntry(index)
                    }
                }
            }
        }

        KvSearchCameraListItem {
            objectName: "allCamerasRow"
            width: root.width
            viewMode: "allCameras"
            allChecked: root.allEnabled
            onCheckClicked: root.toggleAll()
        }

        Item {
            width: root.width
            height: root.informationHeight
            Text {
                anchors.fill: parent
                anchors.margins: 10
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                text: qsTr("SearchCameraInformation")
                color: "#dddddd"
                font.family: utilities.getFontFamily()
                font.pixelSize: 13
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
                id: startBtn
                objectName: "startButton"
                width: root.width - updateBtn.width
                height: parent.height
                type: "actionWithText"
                buttonText: qsTr("Start")
                toolTipText: qsTr("StartMessage")
                disabled: !root.anyEnabled
                onClicked: if (!disabled) root.startClicked()
            }
        }
    }
}
