import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvMovieQuality.js" as MQ
import "KvSubFunction.js" as Sub

// The camera's own filter of the movie-quality list: one row per condition
// the camera offers, the number of qualities it leaves, and OK to keep the
// conditions or Cancel to drop them.
Window {
    id: root

    flags: Qt.Dialog | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    color: "#1d1e20"
    width: 250
    height: 36 + conditionColumn.height + 40

    property var componentsProvider: null
    property int resultCount: 0
    property alias okButton: ok
    property alias cancelButton: cancel
    property alias detailPopup: detail

    signal submit()
    signal closed()

    readonly property var conditionTargets: ["movieFrameRate", "moviePixel", "movieCompressMethod", "movieVFR",
                                             "movieHLG"]

    function present(x, y, screenX, screenY) {
        deviceAdapter.adp_KVR_func_api_MovieFilter_Ctrl_Start()
        refresh()
        var area = { x: utilities.availableDesktopX(screenX, screenY), y: utilities.availableDesktopY(screenX, screenY),
                     width: utilities.availableDesktopWidth(screenX, screenY),
                     height: utilities.availableDesktopHeight(screenX, screenY) }
        var p = MQ.place(x, y, width, height, area)
        root.x = p.x
        root.y = p.y
        show()
    }

    function refresh() {
        deviceAdapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List()
        resultCount = deviceAdapter.mov_quality_list_number_of_quality()
        for (var i = 0; i < conditionRepeater.count; ++i) {
            var b = conditionRepeater.itemAt(i)
            if (b)
                b.refresh()
        }
    }

    function accept() {
        if (deviceAdapter.adp_KVR_func_api_MovieFilter_Ctrl_End(Kv.Utilities.MFC_SUBMIT) !== Kv.Utilities.Ternary_True)
            return
        detail.dismiss()
        submit()
        visible = false
    }
    // Hidden, not closed: a close would come back to onClosing as one to answer.
    function reject() {
        deviceAdapter.adp_KVR_func_api_MovieFilter_Ctrl_End(Kv.Utilities.MFC_CANCEL)
        detail.dismiss()
        closed()
        visible = false
    }

    onVisibleChanged: Sub.handFocusBack(root)
    // A window manager's close (these popups have no frame, but its shortcut
    // reaches the one in front) is the photographer's Escape.
    onClosing: function(close) {
        close.accepted = false
        root.reject()
    }

    Component.onCompleted: {
        for (var i = 0; i < conditionTargets.length; ++i) {
            var s = deviceAdapter[conditionTargets[i] + "InnerChanged"]
            if (s)
                s.connect(refresh)
        }
    }

    Item {
        width: parent.width
        height: 36
        // Escape is Cancel; it reaches only an item that holds the keyboard
        // focus, as this one does whenever the window is active and the value
        // list is closed.
        focus: true
        Keys.onEscapePressed: root.reject()
        Text {
            x: 10
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: qsTr("Filter condition")
            color: "#dddddd"
            font.pixelSize: 14
            font.bold: true
            font.family: utilities.getFontFamily()
        }
        Text {
            objectName: "countText"
            anchors.right: parent.right
            anchors.rightMargin: 10
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: MQ.countText(qsTr("Items"), root.resultCount)
            color: "#FFD600"
            font.pixelSize: 13
            font.family: utilities.getFontFamily()
        }
    }

    Column {
        id: conditionColumn
        y: 36
        width: parent.width
        Repeater {
            id: conditionRepeater
            model: [
                { target: "movieFrameRate", label: qsTr("Frame rate") },
                { target: "moviePixel", label: qsTr("Number of pixels") },
                { target: "movieCompressMethod", label: qsTr("Compression method") },
                { target: "movieVFR", label: qsTr("VFR") },
                { target: "movieHLG", label: qsTr("HLG") }
            ]
            KvOptionMovieQualityButton {
                objectName: modelData.target + "Button"
                target: modelData.target
                visible: deviceAdapter[modelData.target + "CapabilityNum"]() > 0
                width: 250
                height: visible ? 35 : 0
                type: "optionWithText"
                labelText: modelData.label
                // label and value share the one line of the row
                option_string_top_margin: (height - optionItem.height) / 2
                popupTitle: modelData.label
                popup: detail
                componentsProvider: root.componentsProvider
            }
        }
    }

    Row {
        y: 36 + conditionColumn.height
        KvRectangleButton {
            id: ok
            objectName: "okButton"
            type: "actionWithText"
            buttonText: qsTr("OK")
            width: 125
            height: 40
            enabled: root.resultCount > 0
            disabled: !enabled
            onClicked: root.accept()
        }
        KvRectangleButton {
            id: cancel
            objectName: "cancelButton"
            type: "actionWithText"
            buttonText: qsTr("Cancel")
            width: 125
            height: 40
            onClicked: root.reject()
        }
    }

    KvMainMQFilterDetailPopup {
        id: detail
    }
}
