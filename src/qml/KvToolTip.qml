import QtQuick
import QtQuick.Controls

// The interface's tool tip: shown 500 ms after the pointer came in while
// there is a text, 40 pixels below its set position.
Item {
    id: root
    property string toolTipText: ""
    property bool toolTipVisible: false
    property bool toolTipMouseContains: false
    // Text.PlainText for a text from outside (a camera's name), shown as typed
    property int textFormat: Text.AutoText
    property alias popup: popup

    onToolTipMouseContainsChanged: {
        if (toolTipMouseContains && toolTipText !== "")
            showTimer.restart()
        else {
            showTimer.stop()
            toolTipVisible = false
        }
    }

    Timer {
        id: showTimer
        interval: 500
        onTriggered: root.toolTipVisible = root.toolTipMouseContains && root.toolTipText !== ""
    }

    ToolTip {
        id: popup
        visible: root.toolTipVisible
        y: 40
        text: root.toolTipText
        font.pixelSize: 12
        font.family: utilities.getFontFamily()
        background: Rectangle { color: "#ffffff"; border.color: "#808080" }
        // the style's own text, told the format
        Binding {
            target: popup.contentItem
            property: "textFormat"
            value: root.textFormat
        }
    }
}
