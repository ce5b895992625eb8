import QtQuick
import "KvMovieQuality.js" as MQ

// One row of the movie-quality list: the quality's picture and its texts
// in the list's columns; checked when it is the camera's current quality.
KvRectangleButton {
    id: root

    property bool capable: true
    property var columns: [true, true, true, true, true, true, true]
    property var texts: ["", "", "", "", "", "", ""]
    property url rowImage: ""

    type: "optionDetailWithRow"
    height: 65

    Row {
        z: 22
        height: parent.height
        Image {
            width: 75
            height: root.height
            fillMode: Image.PreserveAspectFit
            sourceSize: Qt.size(48, 48)
            source: root.rowImage
        }
        Repeater {
            model: 7
            Text {
                visible: root.columns[index]
                width: MQ.columnWidths[index]
                height: root.height
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                // A word too wide for its column ("Available" under VFR)
                // shrinks rather than breaking inside; longer texts break
                // between their words.
                wrapMode: Text.WordWrap
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 10
                text: root.texts[index]
                color: root.checked ? "#000000" : "#dddddd"
                font.pixelSize: 13
                font.family: utilities.getFontFamily()
            }
        }
    }
}
