import QtQuick
import Kv 1.0 as Kv
import "KvOverlay.js" as Overlay

// The live-view composite display over the whole picture: the guidance before
// the first shot, the black-frame countdown, the running count and time while
// shooting and a spinner while the camera combines. The window hides the
// panel's items while `lvcShowLvControlItem` is false.
Item {
    id: root

    property var lvWindow: null
    property bool lvcShowLvControlItem: true
    // which message or reading is on show (Overlay.compositeView's kinds)
    property string kind: "off"
    // the status's five-second message has been shown once
    property bool messageShown: false
    property int spinnerFrame: 0
    property string topText: ""
    property alias time: time

    readonly property int shootingStatus: deviceAdapter.lvShootingStatus
    readonly property bool noiseReduction: deviceAdapter.cameraStatus === Kv.Utilities.CamStatus_Noise_Reduction

    visible: kind !== "off" && !(lvWindow && lvWindow.isMultiView)

    KvOptionComponentsProvider {
        id: provider
    }

    function shutterText() {
        return Overlay.shutterText(provider.shutterSpeed, deviceAdapter.shutterSpeed)
    }

    function lines(id) {
        return String(id).split("<br />").join("\n")
    }

    function refreshTop() {
        if (kind === "standby")
            topText = Overlay.standbyText(shutterText())
        else if (kind === "shooting")
            topText = Overlay.shootingText(deviceAdapter.lv_composite_shooting_information_remaining_time(),
                                           shutterText(),
                                           deviceAdapter.lv_composite_shooting_information_number_completed_shots(),
                                           deviceAdapter.lv_composite_shooting_information_elapsed_shoot_time())
        else
            topText = ""
    }

    // Follows the shooting status and the camera's black-frame state.
    function update() {
        var view = Overlay.compositeView(Kv.Utilities, shootingStatus, noiseReduction, messageShown)
        kind = view.kind
        lvcShowLvControlItem = view.controls
        refreshTop()
        if (kind === "off") {
            time.stop()
            return
        }
        time.interval = view.interval
        time.restart()
    }

    // The window starts over on every show: a message not seen yet is shown.
    function initComposite() {
        messageShown = false
        time.interval = 999
        update()
    }

    onShootingStatusChanged: {
        messageShown = false
        update()
    }
    onNoiseReductionChanged: update()
    // the grid and the panel follow the back end's flag as well
    onLvcShowLvControlItemChanged: deviceAdapter.lvcShowLvControlItem = lvcShowLvControlItem
    Component.onCompleted: initComposite()

    Timer {
        id: time
        interval: 999
        repeat: true
        onTriggered: {
            if (root.kind === "prepare" || root.kind === "standbyMessage") {
                root.messageShown = true
                root.update()
            } else if (root.kind === "noiseReduction") {
                deviceAdapter.adp_KVR_func_api_Get_NoiseReduction_RemainingTime()
            } else if (root.kind === "combining") {
                root.spinnerFrame = (root.spinnerFrame + 1) % Overlay.spinnerFrames
            } else {
                root.refreshTop()
            }
        }
    }

    // the guidance before the black frame: a box in the centre
    Rectangle {
        visible: root.kind === "prepare"
        anchors.centerIn: parent
        width: prepareText.implicitWidth + 40
        height: prepareText.implicitHeight + 30
        radius: 6
        color: "#cc000000"
        Text {
            id: prepareText
            anchors.centerIn: parent
            horizontalAlignment: Text.AlignHCenter
            color: "#ffffff"
            font.pixelSize: 16
            text: root.lines(qsTr("Message-1"))
        }
    }

    // messages that cover the whole picture
    Rectangle {
        anchors.fill: parent
        visible: root.kind === "noiseReduction" || root.kind === "standbyMessage" || root.kind === "combining"
        color: "#b3000000"
        Column {
            anchors.centerIn: parent
            spacing: 12
            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: root.kind === "combining"
                width: 48
                height: 48
                sourceSize: Qt.size(48, 48)
                source: root.kind === "combining" ? Overlay.spinnerSource(root.spinnerFrame) : ""
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                horizontalAlignment: Text.AlignHCenter
                color: "#ffffff"
                font.pixelSize: 18
                text: root.kind === "noiseReduction" ? root.lines(qsTr("Message-2-1"))
                    : root.kind === "standbyMessage" ? root.lines(qsTr("Message-2-2"))
                    : root.lines(qsTr("Message-4"))
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: root.kind === "noiseReduction"
                color: "#ffffff"
                font.pixelSize: 28
                text: deviceAdapter.nrRemainingTime
            }
        }
    }

    // the shutter speed, shots and time at the top
    Rectangle {
        visible: root.topText !== ""
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        width: topLabel.implicitWidth + 24
        height: topLabel.implicitHeight + 8
        radius: 4
        color: "#99000000"
        Text {
            id: topLabel
            anchors.centerIn: parent
            color: "#ffffff"
            font.pixelSize: 18
            text: root.topText
        }
    }
}
