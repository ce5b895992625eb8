import QtQuick
import "KvSubFunction.js" as Sub

// The value list of one filter condition, over the filter window: one row
// per value the camera offers, the current one checked; a pick is handed
// back and the list closes.
Item {
    id: root

    anchors.fill: parent
    visible: false
    z: 100

    property string title: ""
    property var entries: []
    property var current: undefined
    property var onPicked: null
    property alias list: listView
    readonly property int rowHeight: 35
    readonly property int titleHeight: title !== "" ? 36 : 0

    // Escape does what a press beside the list does; the list holds the
    // keyboard focus while open so that the key reaches it.
    property Item focusBefore: null
    Keys.onEscapePressed: root.dismiss()
    onVisibleChanged: focusBefore = Sub.holdKeyboardFocus(root, visible ? Window.activeFocusItem : focusBefore)

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        MouseArea {
            anchors.fill: parent
            onClicked: root.dismiss()
        }
    }

    Rectangle {
        id: frame
        width: 250
        color: "#1d1e20"
        border.color: "#c6c6c6"
        border.width: 1
        height: root.titleHeight + listView.height
        transformOrigin: Item.Top
        MouseArea { anchors.fill: parent }
        Text {
            visible: root.title !== ""
            width: parent.width
            height: root.titleHeight
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: root.title
            color: "#dddddd"
            font.pixelSize: 14
            font.family: utilities.getFontFamily()
        }
        ListView {
            id: listView
            y: root.titleHeight
            width: parent.width
            clip: true
            model: root.entries
            boundsBehavior: Flickable.StopAtBounds
            KvScrollBar.vertical: KvScrollBar { visible: listView.contentHeight > listView.height }
            delegate: KvRectangleButton {
                width: listView.width
                height: root.rowHeight
                type: "optionWithText"
                optionText: modelData.text
                value: modelData.value
                checked: modelData.value === root.current
                onClicked: {
                    if (root.onPicked)
                        root.onPicked(modelData.value)
                }
            }
        }
        NumberAnimation on scale { id: grow; from: 0.9; to: 1; duration: 100; running: false }
    }

    Timer {
        id: openTimer
        interval: 20
        onTriggered: grow.start()
    }

    // Lists the entries below (or, when there is no room, above) `source`,
    // never sticking out of the window at the top.
    function present(source, label, list, value, picked) {
        title = label
        entries = list
        current = value
        onPicked = picked
        var p = source.mapToItem(root, 0, source.height)
        var full = list.length * rowHeight
        var room = root.height - titleHeight
        listView.height = Math.min(full, room)
        frame.x = Math.max(0, Math.min(p.x, root.width - frame.width))
        frame.y = Math.max(0, Math.min(p.y, root.height - frame.height))
        visible = true
        openTimer.start()
    }

    function dismiss() {
        visible = false
        entries = []
        onPicked = null
    }
}
