import QtQuick
import QtQuick.Window
import "KvOptionText.js" as OptionText
import "KvSubFunction.js" as Sub

// The creative-control filters: a small frameless window with the offered
// filters in five columns, the chosen filter's name above and Set and Cancel
// below.
Window {
    id: root

    onVisibleChanged: Sub.handFocusBack(root)
    // A window manager's close (these popups have no frame, but its shortcut
    // reaches the one in front) is the photographer's Escape.
    onClosing: function(close) {
        close.accepted = false
        root.dismiss()
    }
    flags: Qt.Window | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    // hidden until presented, though its parent window shows
    visible: false
    color: "#07090d"
    property var objects: []
    property var entries: []
    property var selectedFunction: null
    property string popup_target: ""
    property real contentWidth: 0
    property real contentHeight: 0
    property alias headerText: header.text
    // the scroll bar lies beside the filters, not over the last column's names
    readonly property real barWidth: contentHeight > 200 ? bar.width : 0
    width: contentWidth + barWidth + 10
    height: Math.min(contentHeight, 200) + 72

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        // Escape is Cancel; it reaches only an item that holds the keyboard
        // focus, as this one does whenever the window is active.
        focus: true
        Keys.onEscapePressed: root.dismiss()
        MouseArea {
            anchors.fill: parent
            onClicked: root.dismiss()
        }
    }

    KvStylishText {
        id: header
        type: text_style_normal
        width: parent.width
        height: 36
        horizontalAlignment: Text.AlignHCenter
        color: "#ffffff"
    }

    Flickable {
        id: flick
        y: 36
        x: 5
        width: root.contentWidth + root.barWidth
        height: Math.min(root.contentHeight, 200)
        clip: true
        contentWidth: grid.width
        contentHeight: grid.height
        boundsBehavior: Flickable.StopAtBounds
        Grid {
            id: grid
            columns: 5
            spacing: 0
        }
        KvScrollBar.vertical: KvScrollBar { id: bar; visible: flick.contentHeight > flick.height }
    }

    Row {
        y: root.height - 36
        KvRectangleButton {
            width: root.width / 2 - 3
            height: 36
            buttonText: qsTr("OK")
            onClicked: root.accept()
        }
        KvRectangleButton {
            width: root.width / 2
            height: 36
            buttonText: qsTr("Cancel")
            onClicked: root.dismiss()
        }
    }

    function swapImages(obj) {
        var s = obj.source
        obj.source = obj.optionSource
        obj.optionSource = s
    }

    function present(x, y, label, components, target, onSelected) {
        clear()
        popup_target = target
        selectedFunction = onSelected
        var w = 0, h = 0
        for (var i = 0; components && i < components.length; ++i) {
            var entry = components[i]
            if (!entry.properties.capable)
                continue
            var obj = entry.component.createObject(grid, entry.properties)
            if (obj === null)
                continue
            swapImages(obj)
            obj.toolTipText = obj.optionText
            if (obj.checked)
                header.text = obj.optionText
            obj.clicked.connect(makeHandler(obj))
            w = Math.max(w, obj.width)
            h = Math.max(h, obj.height)
            objects.push(obj)
            entries.push(entry)
        }
        objects = objects
        // one width for every filter: one that grew for its longer name
        // leaves no narrower ones beside it
        for (var j = 0; j < objects.length; ++j)
            objects[j].width = w
        contentWidth = w * 5
        contentHeight = h * OptionText.ccRows(objects.length)
        root.x = (Screen.desktopAvailableWidth - width) / 2
        root.y = (Screen.desktopAvailableHeight - height) / 2
        visible = true
    }

    function makeHandler(obj) {
        return function() {
            header.text = obj.optionText
            for (var i = 0; i < objects.length; ++i)
                objects[i].checked = objects[i] === obj
        }
    }

    function accept() {
        for (var i = 0; i < objects.length; ++i) {
            if (objects[i].optionText === header.text) {
                swapImages(objects[i])
                if (selectedFunction)
                    selectedFunction(entries[i])
                return
            }
        }
    }

    function cancel() {
    }

    function clear() {
        for (var i = 0; i < objects.length; ++i)
            objects[i].destroy()
        objects = []
        entries = []
        header.text = ""
    }

    function dismiss() {
        visible = false
        clear()
    }
}
