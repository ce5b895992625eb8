import QtQuick
import Kv 1.0 as Kv

// One row of the camera list: a connected camera, the "All Cameras" row or
// an empty filler (record null).
Rectangle {
    id: root

    property var record: null
    property bool allCameras: false
    property bool allChecked: false
    property bool allSendCmdCheck: false
    property bool allLiveViewCheck: false
    property bool canMoveUp: false
    property bool canMoveDown: false

    readonly property bool filled: record !== null
    readonly property bool selected: filled && record.checkedState
    readonly property bool recording: filled && (record.camTetherModeStatus & Kv.Utilities.TETHERMODE_Rec) !== 0
    readonly property color textColor: allCameras || (filled && record.powerOnMode) ? "#dddddd" : "#646464"

    signal nameClicked()
    signal sendCmdClicked()
    signal liveViewClicked()
    signal powerClicked()
    signal upClicked()
    signal downClicked()

    height: 33
    color: "#1d1e20"
    border.width: selected ? 2 : 0
    border.color: "#ffbf1f"

    Row {
        anchors.fill: parent
        anchors.margins: root.border.width

        Item {
            width: 30
            height: parent.height
            Image {
                visible: root.filled || root.allCameras
                anchors.centerIn: parent
                width: 22
                height: 22
                sourceSize: Qt.size(22, 22)
                source: (root.allCameras ? root.allSendCmdCheck : root.filled && (root.record.sendCmdCheck || root.selected))
                        ? "qrc:/images/camera_cmd_check_on.svg" : "qrc:/images/camera_cmd_check_off.svg"
            }
            MouseArea {
                anchors.fill: parent
                enabled: root.filled || root.allCameras
                onClicked: root.sendCmdClicked()
            }
        }

        Item {
            width: 35
            height: parent.height
            Image {
                visible: root.filled || root.allCameras
                anchors.centerIn: parent
                width: 24
                height: 24
                sourceSize: Qt.size(24, 24)
                source: (root.allCameras ? root.allLiveViewCheck : root.filled && root.record.liveViewCheck)
                        ? "qrc:/images/camera_multi_visibility_on.svg" : "qrc:/images/camera_multi_visibility_off.svg"
            }
            MouseArea {
                anchors.fill: parent
                enabled: root.filled || root.allCameras
                onClicked: root.liveViewClicked()
            }
        }

        Item {
            id: nameArea
            width: root.width - 30 - 35 - (root.allCameras ? 0 : 25 + 30 + 30 + 20) - 2 * root.border.width
            height: parent.height
            Row {
                anchors.fill: parent
                Image {
                    visible: root.allCameras
                    anchors.verticalCenter: parent.verticalCenter
                    width: 22
                    height: 22
                    sourceSize: Qt.size(22, 22)
                    source: root.allChecked ? "qrc:/images/camera_checked.svg" : "qrc:/images/camera_unchecked.svg"
                }
                Text {
                    visible: !root.allCameras
                    width: 25
                    height: parent.height
                    verticalAlignment: Text.AlignVCenter
                    horizontalAlignment: Text.AlignRight
                    text: root.filled ? root.record.cameraIdOrder + ":" : ""
                    color: root.textColor
                    font.family: "Tahoma"
                    font.pixelSize: 14
                }
                Text {
                    objectName: "cameraName"
                    width: nameArea.width - (root.allCameras ? 22 : 25)
                    height: parent.height
                    leftPadding: 6
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    // the camera's own name, shown as it gives it
                    textFormat: Text.PlainText
                    text: root.allCameras ? qsTr("All Cameras") : root.filled ? root.record.cameraId : ""
                    color: root.textColor
                    font.family: "Tahoma"
                    font.pixelSize: 14
                }
            }
            MouseArea {
                anchors.fill: parent
                enabled: root.allCameras || (root.filled && root.record.cameraId !== "")
                onClicked: root.nameClicked()
            }
        }

        Item {
            visible: !root.allCameras
            width: 30
            height: parent.height
            Image {
                visible: root.filled
                anchors.centerIn: parent
                width: 22
                height: 22
                sourceSize: Qt.size(22, 22)
                source: root.filled && root.record.cameraBtnEnable && root.record.powerOnMode
                        ? "qrc:/images/camera_on.svg" : "qrc:/images/camera_off.svg"
            }
            MouseArea {
                anchors.fill: parent
                enabled: root.filled && root.record.cameraBtnEnable
                onClicked: root.powerClicked()
            }
        }

        Item {
            visible: !root.allCameras
            width: 30
            height: parent.height
            Image {
                visible: root.recording
                anchors.centerIn: parent
                width: 22
                height: 22
                sourceSize: Qt.size(22, 22)
                source: "qrc:/images/camera_status_rec.svg"
            }
        }

        Column {
            visible: !root.allCameras
            width: 20
            height: parent.height
            Repeater {
                model: [{ up: true }, { up: false }]
                Image {
                    required property var modelData
                    readonly property bool possible: modelData.up ? root.canMoveUp : root.canMoveDown
                    visible: root.filled
                    width: 20
                    height: parent.height / 2
                    fillMode: Image.PreserveAspectFit
                    sourceSize: Qt.size(20, 16)
                    source: modelData.up ? "qrc:/images/camera_allow_up.svg" : "qrc:/images/camera_allow_down.svg"
                    opacity: !possible ? 0.5 : arrowArea.pressed ? 0.7 : 1.0
                    MouseArea {
                        id: arrowArea
                        anchors.fill: parent
                        enabled: parent.possible
                        onClicked: parent.modelData.up ? root.upClicked() : root.downClicked()
                    }
                }
            }
        }
    }
}
