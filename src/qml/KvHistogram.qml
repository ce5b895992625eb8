import QtQuick
import Kv 1.0 as Kv
import "KvOverlay.js" as Overlay

// The live-view histogram: the provider draws it, this item only asks for a
// fresh picture while live view runs. An error leaves it black until it is
// hidden and shown again.
Rectangle {
    id: root
    width: 192
    height: 130
    color: "#1e1e1e"
    border.width: 1
    border.color: "#2b2b2b"

    readonly property string blackSource: "image://histgramCapture/black"
    property int counter: 0
    property alias source: picture.source
    property alias timer: pollTimer

    Image {
        id: picture
        anchors.fill: parent
        anchors.margins: 1
        fillMode: Image.PreserveAspectFit
        cache: false
        source: root.blackSource
    }

    Timer {
        id: pollTimer
        interval: 10
        repeat: true
        onTriggered: root.tick()
    }

    function tick() {
        var step = Overlay.histogramTick(Kv.VideoImageInfo, videoImageInfo.videoImageStatus,
                                         videoImageInfo.videoImageError)
        pollTimer.interval = step.interval
        if (step.action === "refresh") {
            ++counter
            picture.source = "image://histgramCapture/" + counter
        } else if (step.action === "stop") {
            pollTimer.stop()
            picture.source = blackSource
        }
    }

    function startPolling() {
        pollTimer.interval = 10
        pollTimer.restart()
    }
    onVisibleChanged: startPolling()
    // created already shown (the switch was on at start), it polls at once
    Component.onCompleted: if (visible) startPolling()
}
