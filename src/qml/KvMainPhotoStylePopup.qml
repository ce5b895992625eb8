import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvPhotoStyle.js" as PS
import "KvMovieQuality.js" as MQ
import "KvSubFunction.js" as Sub

// The photo style and its adjustments in one window. Opening it has the
// camera keep a backup of its photo-style settings: Ok drops the backup,
// Cancel puts the camera back to it and then drops it. The rows are built
// for the current style from the catalogue, only those the camera lists,
// and padded with blank rows so that the view is never partly empty.
Window {
    id: root

    onVisibleChanged: Sub.handFocusBack(root)
    // A window manager's close (these popups have no frame, but its shortcut
    // reaches the one in front) is the photographer's Escape.
    onClosing: function(close) {
        close.accepted = false
        root.cancel()
    }
    flags: Qt.Window | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    // hidden until presented, though its parent window shows
    visible: false
    color: "black"
    width: PS.rowWidth + 4
    height: 2 + headerHeight + styleButtonHeight + PS.viewHeight + 2 + buttonsHeight + 2
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    readonly property int headerHeight: 36
    readonly property int styleButtonHeight: 50
    readonly property int buttonsHeight: 40

    // The main window gives the popups it creates a stacking order; a window
    // has none of its own and takes it only so that the creation succeeds.
    property real z: 0

    signal onOKClicked()
    signal onCancelClicked()

    property string popupTitle: qsTr("Photo Style")
    property string popup_target: "photoStyle"
    property int value: Kv.Utilities.PS_Unknown
    property string target: ""
    property real savedContentY: 0
    property real savedContentHeight: 0
    property int currentSelectedPhotoStyle: Kv.Utilities.PS_Unknown
    property bool isLoadObject: false
    property var objects: []
    // the value-change connections of the slider rows, removed with them
    property var connections: []
    // how many camera values have reached a slider row (for the tests)
    property int sliderUpdates: 0

    property alias provider: psProvider
    property alias optionPopup: listPopup
    property alias styleButton: headerButton
    property alias rows: column
    property alias view: flick
    property alias okButton: ok
    property alias cancelButton: cancel

    KvMainPSComponentsProvider {
        id: psProvider
        optionPopup: listPopup
    }

    function present(x, y, vX, vY, title, targetValue) {
        PS.runCalls(deviceAdapter, "open")
        if (title !== undefined && title !== "")
            popupTitle = title
        if (targetValue !== undefined)
            value = targetValue
        photoStyleSetting()
        var area
        if (x !== undefined && y !== undefined && vX !== undefined && vY !== undefined) {
            area = { x: utilities.availableDesktopX(vX, vY), y: utilities.availableDesktopY(vX, vY),
                     width: utilities.availableDesktopWidth(vX, vY),
                     height: utilities.availableDesktopHeight(vX, vY) }
        } else {
            var s = root.screen
            area = { x: s ? s.virtualX : 0, y: s ? s.virtualY : 0, width: s ? s.width : width,
                     height: s ? s.height : height }
            x = area.x + area.width / 2
            y = area.y + area.height / 2
        }
        var p = MQ.place(x, y, width, height, area)
        root.x = p.x
        root.y = p.y
        show()
        requestActivate()
    }

    function ok() {
        PS.runCalls(deviceAdapter, "ok")
        savedContentY = 0
        root.onOKClicked()
        dismiss()
    }
    function cancel() {
        PS.runCalls(deviceAdapter, "cancel")
        savedContentY = 0
        root.onCancelClicked()
        dismiss()
    }
    function forceClose() {
        if (!visible)
            return
        PS.runCalls(deviceAdapter, "forceClose")
        dismiss()
    }
    function dismiss() {
        listPopup.dismiss()
        hide()
        clearObjects()
    }

    function clearObjects() {
        for (var i = 0; i < connections.length; ++i)
            connections[i].signal.disconnect(connections[i].slot)
        connections = []
        for (var j = 0; j < objects.length; ++j) {
            if (objects[j]) {
                // out of the column at once; the object itself goes later
                objects[j].visible = false
                objects[j].destroy()
            }
        }
        objects = []
    }

    function photoStyleSetting() {
        var style = deviceAdapter.photoStyle
        if (style === Kv.Utilities.PS_Unknown)
            return
        headerButton.optionSelect(style)
        value = style
        target = PS.targetForValue(style)
        var oldHeight = PS.contentHeight(objects.length)
        isLoadObject = true
        loadObjects()
        var next = PS.scrollAfterRebuild({ shownStyle: currentSelectedPhotoStyle, savedY: savedContentY }, style,
                                         oldHeight, PS.contentHeight(objects.length))
        flick.contentY = next.contentY
        savedContentY = next.savedY
        currentSelectedPhotoStyle = next.shownStyle
        isLoadObject = false
    }

    function connectSlider(signalName, slider) {
        var s = deviceAdapter[signalName]
        if (!s || typeof s.connect !== "function")
            return
        var slot = function(v) {
            root.sliderUpdates++
            slider.curValSetting(v)
        }
        s.connect(slot)
        connections.push({ signal: s, slot: slot })
    }

    function loadObjects() {
        savedContentHeight = PS.contentHeight(objects.length)
        clearObjects()
        var entries = psProvider[target] || []
        var shown = PS.shownRows(entries, function(c) { return deviceAdapter.photoStyleCompCapability(c) })
        var lut2 = deviceAdapter.pscLUT2Available()
        var density2 = deviceAdapter.pscDensity2Available()
        var made = []
        for (var i = 0; i < shown.length; ++i) {
            var entry = shown[i]
            var t = entry.properties.target
            var obj = entry.component.createObject(column, entry.properties)
            if (!obj) {
                console.warn("KvMainPhotoStylePopup: " + entry.component.errorString())
                continue
            }
            var look = PS.rowLook(t, target, lut2, density2)
            obj.text = psProvider.rowTitle(look.text)
            obj.source = look.source
            var current = deviceAdapter[t]
            if (entry.kind === PS.Choice) {
                var b = obj.btnOption
                b.popupTitle = obj.text
                psProvider.savePopupY = b.popupY
                b.optionSelect(current)
            } else {
                var limits = PS.sliderLimits(deviceAdapter[t + "Min"](), deviceAdapter[t + "Max"](),
                                             deviceAdapter[t + "Step"]())
                var sl = obj.slider
                sl.minVal = limits.minVal
                sl.maxVal = limits.maxVal
                sl.stepVal = limits.stepVal
                sl.optionText = obj.text
                sl.curValSetting(current)
                connectSlider(t + "Changed", sl)
            }
            made.push(obj)
        }
        for (var k = PS.blankCount(made.length); k > 0; --k) {
            var blank = psProvider.blankComponent.createObject(column)
            if (blank)
                made.push(blank)
        }
        objects = made
    }

    // The rows follow the style, its offer and the values that change it.
    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function rebuild() {
            if (root.visible)
                root.photoStyleSetting()
        }
        function onPhotoStyleCapabilityChanged() { rebuild() }
        function onPhotoStyleCompFlgNumChanged() { rebuild() }
        function onPscPhotoModeChanged() { rebuild() }
        function onPscISOChanged() { rebuild() }
        function onPscDualISOChanged() { rebuild() }
        function onPscGainChanged() { rebuild() }
        function onPscDensityChanged() { rebuild() }
        function onPscDensity2Changed() { rebuild() }
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        color: "black"
        border.width: 2
        border.color: "#c6c6c6"
        // Escape is Cancel; it reaches only an item that holds the keyboard
        // focus, as this one does whenever the window is active and no list
        // of its rows is open.
        focus: true
        Keys.onEscapePressed: root.cancel()

        Rectangle {
            id: header
            x: 2
            y: 2
            width: PS.rowWidth
            height: root.headerHeight
            color: "#07090d"
            KvStylishText {
                type: text_style_buttonTitle
                anchors.fill: parent
                anchors.leftMargin: 12
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: root.popupTitle
            }
        }
        KvOptionButton {
            id: headerButton
            objectName: "styleButton"
            x: 2
            y: 2 + root.headerHeight
            width: PS.rowWidth
            height: root.styleButtonHeight
            type: "optionWithImageAndText"
            target: "photoStyle"
            isDetail: true
            popupTitle: root.popupTitle
            popup: listPopup
            componentsProvider: psProvider
            value: Kv.Utilities.PS_Unknown
            popupX: x + (width - 360) / 2
            popupY: y + height
        }

        Flickable {
            id: flick
            x: 2
            y: 2 + root.headerHeight + root.styleButtonHeight
            width: PS.rowWidth
            height: PS.viewHeight
            clip: true
            contentWidth: width
            // the column lays its rows out later; the count is known now
            contentHeight: PS.contentHeight(root.objects.length)
            boundsBehavior: Flickable.StopAtBounds
            // an open option list freezes the rows under it
            interactive: !listPopup.visible
            onContentYChanged: {
                psProvider.updatePopup = contentY
                if (!root.isLoadObject)
                    root.savedContentY = contentY
            }
            Column {
                id: column
                spacing: PS.rowSpacing
            }
            KvScrollBar.vertical: KvScrollBar { visible: flick.contentHeight > flick.height }
        }

        Row {
            x: 2
            y: flick.y + flick.height + 2
            spacing: 2
            KvRectangleButton {
                id: ok
                width: (PS.rowWidth - 2) / 2
                height: root.buttonsHeight
                buttonText: qsTr("Ok")
                onClicked: root.ok()
            }
            KvRectangleButton {
                id: cancel
                width: (PS.rowWidth - 2) / 2
                height: root.buttonsHeight
                buttonText: qsTr("Cancel")
                onClicked: root.cancel()
            }
        }

        KvOptionButtonPopup {
            id: listPopup
            // inside the border: a list opened from the last rows would
            // otherwise lie over the window's bottom edge
            anchors.margins: frame.border.width
            mainList: false
        }
    }

    Component.onCompleted: photoStyleSetting()
}
