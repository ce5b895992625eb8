import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv

// Tells the user to connect a camera while the search runs, and that one is
// being read once it answers.
Window {
    id: connectWindow
    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
           | Qt.MSWindowsFixedSizeDialogHint | Qt.WindowSystemMenuHint
    title: "KAVRO Rozado"
    visible: true
    width: picture.implicitWidth
    height: picture.implicitHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    signal searchCompleted(bool background)

    readonly property var search: deviceAdapter.deviceSearch
    readonly property int searchStatus: search ? search.devSearchStatus : Kv.DeviceSearch.DEVSEARCH_STATUS_Unknown
    readonly property int connectStatus: deviceAdapter.camConnectStatus
    property alias message: message

    Image {
        id: picture
        source: "qrc:/images/450_popup.png"
    }

    KvStylishText {
        id: message
        type: text_style_connectionMsg
        width: connectWindow.width
        y: connectWindow.height * 3 / 4 - height / 2
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 15
        text: qsTr("Please connect to device")
    }

    onSearchStatusChanged: {
        if (searchStatus === Kv.DeviceSearch.DEVSEARCH_STATUS_Searching) {
            if (search.addSearchMode)
                return
            message.text = qsTr("Please connect to device")
            message.color = "#C3C3C3"
            visible = true
        } else if (searchStatus === Kv.DeviceSearch.DEVSEARCH_STATUS_Stop) {
            visible = false
            searchCompleted(search.backgroundSearch)
        }
    }

    onConnectStatusChanged: {
        if (connectStatus === Kv.Utilities.CamConnectSts_GetData) {
            message.text = qsTr("connecting ...")
            visible = true
        } else {
            visible = false
        }
    }

    Component.onCompleted: {
        message.color = "#C3C3C3"
        x = Screen.virtualX + (Screen.width - width) / 2
        y = Screen.virtualY + (Screen.height - height) / 2
    }
}
