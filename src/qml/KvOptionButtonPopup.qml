import QtQuick
import QtQuick.Controls
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvOptionText.js" as OptionText

// The list popup of the setting buttons: a dimmed overlay over the window and
// a list that opens from its middle. It creates one entry button per offered
// catalogue entry, reports a pick through the caller's callback and destroys
// its entries when dismissed.
Item {
    id: root
    anchors.fill: parent
    visible: false
    z: 1000

    property real overHeight: 0
    property real baseMaximumHeight: 380
    property real maximumPopupHeight: baseMaximumHeight - overHeight
    property int titile_height: 36
    property string popup_target: ""
    property bool isClicking: false
    property var objects: []
    property real overlayOpacity: 0.5
    // the picture-quality filter and the special targets of the main list
    property bool mainList: true
    property real sel_y: -1
    property real sel_height: 0
    property alias frame: frame
    property alias list: flick
    property alias title: titleText.text

    signal presented()

    // Escape does what a press beside the list does; the list holds the
    // keyboard focus while open so that the key reaches it.
    property Item focusBefore: null
    Keys.onEscapePressed: root.dismiss()
    onVisibleChanged: focusBefore = Sub.holdKeyboardFocus(root, visible ? Window.activeFocusItem : focusBefore)

    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: root.overlayOpacity
        MouseArea {
            anchors.fill: parent
            // takes the hover too, so the buttons below drop their tool tips
            hoverEnabled: true
            onClicked: root.dismiss()
        }
    }

    Rectangle {
        id: frame
        color: "black"
        border.width: 2
        border.color: "#c6c6c6"
        clip: true
        property real finalY: 0
        property real finalHeight: 0

        Rectangle {
            id: titleBar
            x: 2
            y: 2
            width: frame.width - 4
            height: titleText.text !== "" && root.objects.length > 0 ? root.titile_height : 0
            visible: height > 0
            color: "#07090d"
            KvStylishText {
                id: titleText
                type: text_style_buttonTitle
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                elide: Text.ElideRight
            }
        }

        Flickable {
            id: flick
            x: 2
            y: 2 + titleBar.height
            width: frame.width - 4
            height: Math.max(0, frame.height - 4 - titleBar.height)
            clip: true
            contentWidth: column.width
            contentHeight: column.height
            boundsBehavior: Flickable.StopAtBounds
            Column {
                id: column
                spacing: 0
            }
            KvScrollBar.vertical: KvScrollBar {
                visible: flick.contentHeight > flick.height
                policy: ScrollBar.AsNeeded
            }
        }
    }

    Timer {
        id: openTimer
        property int step: 0
        property real startY: 0
        property real startHeight: 0
        interval: step === 0 ? 10 : 20
        repeat: true
        onTriggered: {
            step++
            if (step * 20 >= 100) {
                stop()
                frame.y = frame.finalY
                frame.height = frame.finalHeight
                for (var i = 0; i < root.objects.length; ++i)
                    root.objects[i].toolTipText = root.objects[i].optionText
                frame.enabled = true
            } else {
                frame.y = startY + Math.floor(20 * (frame.finalY - startY) / 100) * step
                frame.height = startHeight + Math.floor(20 * (frame.finalHeight - startHeight) / 100) * step
            }
            root.scrollToChecked()
        }
    }

    // The current value is centred as far as the list goes, wherever it
    // lies: centring only values past the first page, and sending the
    // others to the list's middle, hid values near the top of long lists.
    function scrollToChecked() {
        var visibleHeight = flick.height
        var content = column.height
        if (sel_y >= 0) {
            var centred = sel_y + sel_height / 2 - visibleHeight / 2
            flick.contentY = Math.max(0, Math.min(centred, content - visibleHeight))
        } else if (content > maximumPopupHeight) {
            flick.contentY = Math.max(0, (content - visibleHeight) / 2)
        } else {
            flick.contentY = 0
        }
    }

    function clear() {
        openTimer.stop()
        for (var i = 0; i < objects.length; ++i) {
            if (objects[i])
                objects[i].destroy()
        }
        objects = []
        sel_y = -1
    }

    function skipForQuality(target, value) {
        if (!mainList || target !== "imgInfoQuality" || !deviceAdapter.imgInfoHeifModeAvailable())
            return false
        var U = Kv.Utilities
        var heif = [U.ImgInfoQ_Heif_Fine, U.ImgInfoQ_Heif_Std, U.ImgInfoQ_Raw_Heif_Fine, U.ImgInfoQ_Raw_Heif_Std]
        var jpeg = [U.ImgInfoQ_Fine, U.ImgInfoQ_Std, U.ImgInfoQ_Raw_Fine, U.ImgInfoQ_Raw_Std]
        if (deviceAdapter.imgInfoJpegHeifMode === U.ImgInfoJHM_JPEG)
            return heif.indexOf(value) >= 0
        return jpeg.indexOf(value) >= 0
    }

    // Places and opens the frame around the created entries.
    function open(x, y, label, scrollAllowance) {
        titleText.text = label === undefined ? "" : label
        var contentW = 0, contentH = 0
        for (var i = 0; i < objects.length; ++i) {
            contentW = Math.max(contentW, objects[i].width)
            contentH += objects[i].height
        }
        // one width for every entry: one that grew for its longer name
        // leaves no narrower ones beside it
        for (var j = 0; j < objects.length; ++j)
            objects[j].width = contentW
        var titleH = titleText.text !== "" && objects.length > 0 ? titile_height : 0
        var scrolls = contentH > maximumPopupHeight
        var visibleH = Math.min(contentH, maximumPopupHeight)
        var frameW = contentW + 4 + (scrolls ? 15 : 0)
        var place = OptionText.popupPlacement(x, y, root.width, root.height, frameW, visibleH, titleH, scrolls,
                                              scrollAllowance)
        overHeight = place.overHeight
        visibleH = Math.min(contentH, maximumPopupHeight)
        frame.width = frameW
        frame.x = place.x
        frame.finalY = place.y
        frame.finalHeight = visibleH + 4 + titleH
        openTimer.startY = place.y + frame.finalHeight / 2 - (4 + titleH) / 2
        openTimer.startHeight = 4 + titleH
        frame.y = openTimer.startY
        frame.height = openTimer.startHeight
        openTimer.step = 0
        visible = true
        openTimer.start()
        presented()
    }

    // components: catalogue entries { component, properties } marked capable.
    function present(x, y, label, components, target, onSelected) {
        clear()
        overHeight = 0
        baseMaximumHeight = (mainList && target === "recordingMode") ? 457 : 380
        popup_target = target
        if (mainList)
            frame.enabled = false
        var top = 0
        for (var i = 0; components && i < components.length; ++i) {
            var entry = components[i]
            if (!entry.properties.capable || skipForQuality(target, entry.properties.value))
                continue
            var obj = entry.component.createObject(column, entry.properties)
            if (obj === null) {
                console.warn("KvOptionButtonPopup: " + entry.component.errorString())
                continue
            }
            if (target === "focusSelect")
                obj.width = 127
            if (obj.checked) {
                sel_y = top
                sel_height = obj.height
            }
            top += obj.height
            obj.clicked.connect(makeHandler(entry, onSelected))
            objects.push(obj)
        }
        objects = objects
        open(x, y, label, true)
    }

    function makeHandler(entry, onSelected) {
        return function() {
            root.isClicking = true
            try {
                onSelected(entry, true)
            } finally {
                root.isClicking = false
            }
        }
    }

    property Component realEntry: Component {
        KvRectangleButton {
            property bool capable: true
            width: 107
            height: 36
        }
    }

    // A popup of plain numbers.
    function presentReal(x, y, label, values, target, value, onSelected) {
        clear()
        overHeight = 0
        baseMaximumHeight = 380
        popup_target = target
        var top = 0
        for (var i = 0; i < values.length; ++i) {
            var v = values[i]
            var obj = realEntry.createObject(column, {
                type: (target === "pscISO" || target === "pscGain") ? "optionWithStyledTextPs" : "optionWithStyledText",
                value: v,
                optionText: OptionText.numberText(target, v),
                checked: v === value
            })
            if (obj === null) {
                console.warn("KvOptionButtonPopup: " + realEntry.errorString())
                continue
            }
            if (obj.checked) {
                sel_y = top
                sel_height = obj.height
            }
            top += obj.height
            obj.clicked.connect(makeRealHandler(obj, onSelected))
            objects.push(obj)
        }
        objects = objects
        frame.enabled = true
        open(x, y, label, false)
    }

    function makeRealHandler(obj, onSelected) {
        return function() {
            root.isClicking = true
            try {
                onSelected(obj)
            } finally {
                root.isClicking = false
            }
        }
    }

    function dismiss() {
        visible = false
        clear()
    }

    // Keeps the creative-video entries: their own popup may be open.
    function dismissRecordingMode() {
        visible = false
        openTimer.stop()
        var kept = []
        for (var i = 0; i < objects.length; ++i) {
            if (objects[i] && objects[i].target === "creativeVideoAE") {
                objects[i].parent = root.parent
                objects[i].visible = false
                kept.push(objects[i])
            } else if (objects[i]) {
                objects[i].destroy()
            }
        }
        objects = []
        sel_y = -1
    }
}
