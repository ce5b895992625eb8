import QtQuick
import Kv 1.0 as Kv

// One row of the search window: a found camera, the column header or the
// "All Cameras" row, chosen by viewMode.
Rectangle {
    id: root

    property string viewMode: "standard"
    property var item: null
    property int rowIndex: 0
    property bool allChecked: false

    readonly property bool standard: viewMode === "standard" && item !== null
    readonly property bool lan: standard && item.connectMode === Kv.SearchCameraListItemObject.CONNECT_LAN
    readonly property color textColor: "#dddddd"
    readonly property string family: utilities.getFontFamily()

    signal checkClicked()

    // Only a network camera speaking TLS can be told apart by whether it was
    // authorised before; for the others the mark would mean nothing.
    function statusTip() {
        if (!lan || !item.enableTls)
            return ""
        return item.authorize ? qsTr("authorized") : qsTr("unauthorized")
    }

    function connectImage() {
        if (!standard)
            return ""
        if (!lan)
            return "qrc:/images/search_cam_usb.svg"
        return item.enableTls ? "qrc:/images/search_cam_encrypt.svg" : "qrc:/images/search_cam_unencrypted.svg"
    }

    function connectTip() {
        if (!standard)
            return ""
        if (!lan)
            return qsTr("usb")
        return item.enableTls ? qsTr("encrypt") : qsTr("unencrypted")
    }

    function deviceName() {
        if (!standard)
            return ""
        return item.devFrlyName !== "" ? item.devFrlyName : item.devModelName
    }

    height: 33
    color: viewMode === "header" ? "#2a2c2f" : "#1d1e20"

    Row {
        anchors.fill: parent

        Item {
            id: bootCell
            objectName: "bootCell"
            width: 65
            height: root.height
            Text {
                visible: root.viewMode === "header"
                anchors.centerIn: parent
                text: qsTr("Conn.")
                color: root.textColor
                font.family: root.family
                font.pixelSize: 12
            }
            Image {
                visible: root.viewMode !== "header"
                anchors.centerIn: parent
                width: 24
                height: 24
                sourceSize: Qt.size(24, 24)
                source: (root.viewMode === "allCameras" ? root.allChecked : (root.standard && root.item.enable))
                        ? "qrc:/images/camera_cmd_check_on.svg" : "qrc:/images/camera_cmd_check_off.svg"
            }
            MouseArea {
                anchors.fill: parent
                enabled: root.viewMode !== "header"
                onClicked: root.checkClicked()
            }
        }

        Item {
            width: 50
            height: root.height
            Text {
                visible: root.viewMode === "header"
                anchors.centerIn: parent
                text: qsTr("Status")
                color: root.textColor
                font.family: root.family
                font.pixelSize: 12
            }
            Image {
                visible: root.standard
                anchors.centerIn: parent
                width: 24
                height: 24
                sourceSize: Qt.size(24, 24)
                source: root.standard && root.item.authorize ? "qrc:/images/search_cam_authorize.svg"
                                                             : "qrc:/images/search_cam_unauthorized.svg"
            }
            MouseArea {
                id: statusArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
            KvToolTip {
                toolTipText: root.statusTip()
                toolTipMouseContains: statusArea.containsMouse
            }
        }

        Text {
            width: 30
            height: root.height
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignRight
            text: root.standard ? (root.rowIndex + 1) + ":" : ""
            color: root.textColor
            font.family: root.family
            font.pixelSize: 14
        }

        Text {
            objectName: "deviceName"
            width: 160
            height: root.height
            leftPadding: 6
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            // the camera's own name, shown as it gives it
            textFormat: Text.PlainText
            text: root.viewMode === "header" ? qsTr("Camera") : root.viewMode === "allCameras" ? qsTr("All Cameras")
                                                                                               : root.deviceName()
            color: root.textColor
            font.family: root.family
            font.pixelSize: root.viewMode === "header" ? 12 : 14
        }

        Item {
            width: 50
            height: root.height
            Text {
                visible: root.viewMode === "header"
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                lineHeight: 0.9
                text: qsTr("Conn. Type")
                color: root.textColor
                font.family: root.family
                font.pixelSize: 12
            }
            Image {
                visible: root.standard
                anchors.centerIn: parent
                width: 24
                height: 24
                sourceSize: Qt.size(24, 24)
                source: root.connectImage()
            }
            MouseArea {
                id: connectArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
            KvToolTip {
                toolTipText: root.connectTip()
                toolTipMouseContains: connectArea.containsMouse
            }
        }

        Text {
            width: 140
            height: root.height
            leftPadding: 6
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            textFormat: Text.PlainText
            text: root.viewMode === "header" ? qsTr("IP Address") : root.lan ? root.item.ip : ""
            color: root.textColor
            font.family: root.family
            font.pixelSize: root.viewMode === "header" ? 12 : 14
        }
    }
}
