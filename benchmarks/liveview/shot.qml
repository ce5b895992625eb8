import QtQuick
import QtMultimedia

// The live-view canvas as the program shows it: a VideoOutput whose sink the
// VideoAdapter feeds.
Window {
    width: 1280
    height: 960
    visible: true
    color: "black"

    VideoOutput {
        objectName: "output"
        anchors.fill: parent
    }
}
