import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvMovieQuality.js" as MQ
import "KvSubFunction.js" as Sub

// The camera's movie qualities as a list of rows, narrowed by the camera's
// own filter (the "Refine" window); a click hands the row to the button
// that opened it.
Window {
    id: root

    flags: Qt.Tool | Qt.FramelessWindowHint
    modality: Qt.NonModal
    color: "#1d1e20"
    width: MQ.popupWidth(columns)
    height: 50 + 50 + MQ.listHeight(rows.length)

    property var componentsProvider: null
    property string popupTitle: ""
    property var currentValue: -1
    property var onSelected: null
    property bool detail: false
    property bool refineShown: false
    property var columns: [true, true, true, true, true, true, true]
    property var rows: []
    property string popup_target: "recMovie"
    property alias list: listView
    property alias refineButton: refine
    property var filterWindow: null

    onVisibleChanged: {
        utilities.movieQualityWindowVisibleChanged(visible)
        Sub.handFocusBack(root)
    }

    function present(x, y, screenX, screenY, title, value, selected) {
        deviceAdapter.adp_KVR_func_api_Mov_Config_GetCapability()
        popupTitle = title
        currentValue = value
        onSelected = selected
        detail = deviceAdapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_Display() === Kv.Utilities.Ternary_True
        if (detail)
            deviceAdapter.adp_KVR_func_api_Mov_Filter_GetCapability()
        reload()
        var area = { x: utilities.availableDesktopX(screenX, screenY), y: utilities.availableDesktopY(screenX, screenY),
                     width: utilities.availableDesktopWidth(screenX, screenY),
                     height: utilities.availableDesktopHeight(screenX, screenY) }
        var p = MQ.place(x, y, width, height, area)
        root.x = p.x
        root.y = p.y
        openFraction = 0
        show()
        requestActivate()
        openTimer.start()
    }

    // the shared popups' opening: the list grows in after a short delay
    property real openFraction: 1
    Timer {
        id: openTimer
        interval: 20
        onTriggered: growAnimation.start()
    }
    NumberAnimation {
        id: growAnimation
        target: root
        property: "openFraction"
        to: 1
        duration: 100
    }

    function filterCounts() {
        return [deviceAdapter.movieFrameRateCapabilityNum(), deviceAdapter.moviePixelCapabilityNum(),
                deviceAdapter.movieCompressMethodCapabilityNum(), deviceAdapter.movieVFRCapabilityNum(),
                deviceAdapter.movieHLGCapabilityNum()]
    }

    // Reads the list again and builds the rows.
    function reload() {
        if (detail) {
            deviceAdapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List()
            refineShown = filterCounts().some(function(n) { return n > 0 })
            columns = MQ.visibleColumns(true, function(i) {
                return deviceAdapter.movieDetailDisplay(i) === Kv.Utilities.Ternary_True
            })
        } else {
            deviceAdapter.adp_KVR_Mov_Config_Get_Quality_Detail_List_From_Built_In_Data()
            refineShown = false
            columns = MQ.visibleColumns(false, null)
        }
        var out = []
        var n = deviceAdapter.mov_quality_list_number_of_quality()
        var proRes = deviceAdapter.motionPictureFormat === Kv.Utilities.MPF_ProRes
        for (var i = 0; i < n; ++i) {
            var q = { detail: detail, sqShown: columns[6], recMode: deviceAdapter.recordingMode,
                      shotMode: deviceAdapter.shotModeStatus, sq: deviceAdapter.mov_quality_list_data_sq(i),
                      sd: deviceAdapter.mov_quality_list_data_sd(i),
                      cfexpress: deviceAdapter.mov_quality_list_data_cfexpress(i) }
            if (!MQ.rowListed(q))
                continue
            out.push(rowOf(i, proRes))
        }
        rows = out
    }

    function textOf(list, v) {
        return componentsProvider ? componentsProvider.textOf(list, v) : ""
    }

    function rowOf(i, proRes) {
        var px = deviceAdapter.mov_quality_list_data_pixels(i)
        var fps = deviceAdapter.mov_quality_list_data_frame_rate(i)
        var codes = deviceAdapter.mov_quality_list_data_compression_method(i)
        var br = deviceAdapter.mov_quality_list_data_bit_rate(i)
        var texts = [
            textOf("moviePixel", px), fps,
            MQ.codecText(codes, proRes, function(c) { return textOf("movieCompressMethod", c) }), br,
            MQ.fixedText(deviceAdapter.mov_quality_list_data_vfr(i), Kv.Utilities.MVFR_ALL,
                         function(v) { return textOf("movieVFRFixed", v) }),
            MQ.fixedText(deviceAdapter.mov_quality_list_data_hlg(i), Kv.Utilities.MHLG_ALL,
                         function(v) { return textOf("movieHLGFixed", v) }),
            textOf("movieSQ", deviceAdapter.mov_quality_list_data_sq(i))
        ]
        var value = deviceAdapter.mov_quality_list_data_video_quality(i)
        return { value: value, texts: texts, summary: MQ.summary(texts, columns),
                 image: Sub.getRecModeImage(deviceAdapter.motionPictureFormat, px, br, codes, fps),
                 pixel: px, fps: fps, codec: texts[2], bitRate: br }
    }

    function dismiss() {
        openTimer.stop()
        growAnimation.stop()
        openFraction = 1
        // the camera's filter session ends with the filter window's Cancel
        if (filterWindow && filterWindow.visible)
            filterWindow.reject()
        close()
    }

    function openFilter() {
        if (!filterWindow) {
            var c = Qt.createComponent("KvMainMovieQualityFilterPopup.qml")
            if (c.status !== Component.Ready) {
                console.warn("KvMainMovieQualityPopup: " + c.errorString())
                return
            }
            filterWindow = c.createObject(null, { componentsProvider: componentsProvider, transientParent: root })
            filterWindow.submit.connect(reload)
        }
        filterWindow.present(root.x + root.width / 2, root.y + root.height / 2, root.x, root.y)
    }

    // a closed filter window may still change the camera's list
    Connections {
        target: deviceAdapter
        function onRecMovieFlgNumChanged() {
            if (root.visible && (!root.filterWindow || !root.filterWindow.visible))
                root.reload()
        }
    }

    Item {
        id: header
        width: parent.width
        height: 50
        // Escape closes the list as a press beside it does; it reaches only
        // an item that holds the keyboard focus, as this one does whenever
        // the window is active.
        focus: true
        Keys.onEscapePressed: root.dismiss()
        Text {
            x: 14
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Video quality")
            color: "#dddddd"
            font.pixelSize: 15
            font.bold: true
            font.family: utilities.getFontFamily()
        }
        KvRectangleButton {
            id: refine
            objectName: "refineButton"
            visible: root.refineShown
            anchors.right: parent.right
            width: 100
            height: parent.height
            type: "actionWithText"
            buttonText: qsTr("Refine")
            onClicked: root.openFilter()
        }
    }

    Row {
        id: columnHeader
        y: 50
        height: 50
        Item { width: 75; height: 50 }
        Repeater {
            model: [qsTr("Number of pixels"), qsTr("fps"), qsTr("Compression method"), qsTr("Bitrate"), qsTr("VFR"),
                    qsTr("HLG"), qsTr("SQ")]
            Text {
                visible: root.columns[index]
                width: MQ.columnWidths[index]
                height: 50
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 10
                text: modelData
                color: "#808080"
                font.pixelSize: 13
                font.family: utilities.getFontFamily()
            }
        }
    }

    ListView {
        id: listView
        y: 100
        width: parent.width
        height: MQ.listHeight(root.rows.length) * root.openFraction
        clip: true
        model: root.rows
        boundsBehavior: Flickable.StopAtBounds
        KvScrollBar.vertical: KvScrollBar { visible: root.rows.length > MQ.maxRows }
        delegate: KvMovieQualityButton {
            width: listView.width
            value: modelData.value
            texts: modelData.texts
            columns: root.columns
            rowImage: modelData.image
            optionText: ""
            checked: modelData.value === root.currentValue
            onClicked: {
                if (root.onSelected)
                    root.onSelected(modelData)
            }
        }
    }
}
