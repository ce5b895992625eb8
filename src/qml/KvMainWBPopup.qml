import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvOptionText.js" as OptionText
import "KvSubFunction.js" as Sub

// The white-balance adjustment: a small frameless window with the colour
// field (A-B across, G-M up and down), a pointer and OK, Reset and Cancel.
Window {
    id: root
    flags: Qt.Window | Qt.FramelessWindowHint
    modality: Qt.ApplicationModal
    // A window manager's close (these popups have no frame, but its shortcut
    // reaches the one in front) is the photographer's Escape.
    onClosing: function(close) {
        close.accepted = false
        root.cancel()
    }
    // hidden until presented, though its parent window shows
    visible: false
    color: "#07090d"
    width: content.width
    height: content.height
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    signal onOKClicked()
    signal onCancelClicked()
    signal onResetClicked()
    signal onChangeValue()

    property int valAB: 10
    property int valGM: 10
    property int preValAB: 0
    property int preValGM: 0
    property int minAB: 0
    property int maxAB: 20
    property int minGM: 0
    property int maxGM: 20
    property int minRangeAB: 1
    property int maxRangeAB: 19
    property int minRangeGM: 1
    property int maxRangeGM: 19
    readonly property int wb_mode_normal: 0
    readonly property int wb_mode_ia_plus: 1
    property int wb_mode: wb_mode_normal
    property alias field: field
    property alias pointer: pointer
    property alias valueText: valueLabel.text
    property alias okButton: okButton
    property alias resetButton: resetButton
    property alias cancelButton: cancelButton
    property int rowHeight: 36

    Column {
        id: content
        width: 36 + field.width + 36
        // Escape is Cancel; it reaches only an item that holds the keyboard
        // focus, as this one does whenever the window is active.
        focus: true
        Keys.onEscapePressed: root.cancel()
        KvStylishText {
            type: text_style_wbTuningTitle
            width: parent.width
            height: 36
            leftPadding: 12
            rightPadding: 12
            color: "#ffffff"
            text: qsTr("WB Adjust")
        }
        KvStylishText {
            id: gLabel
            type: text_style_wbTuningLabel
            width: parent.width
            height: root.wb_mode === root.wb_mode_normal ? 36 : 0
            visible: height > 0
            color: "#808080"
            text: qsTr("G")
        }
        Row {
            KvStylishText {
                type: text_style_wbTuningLabel
                width: 36
                height: field.height
                color: "#808080"
                text: qsTr("A")
            }
            Image {
                id: field
                source: root.wb_mode === root.wb_mode_normal ? "qrc:/images/397_wb_color.png"
                                                             : "qrc:/images/504_wb_color_s.png"
                Rectangle {
                    x: pointer.x + pointer.width / 2 - 1
                    width: 2
                    height: field.height
                    color: "black"
                }
                Rectangle {
                    y: pointer.y + pointer.height / 2 - 1
                    width: field.width
                    height: 2
                    color: "black"
                }
                Image {
                    id: pointer
                    width: 14
                    height: 14
                    sourceSize: Qt.size(14, 14)
                    source: "qrc:/images/454_plus_l.svg"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: function(mouse) {
                        root.valAB = OptionText.wbClickAB(mouse.x, field.width)
                        if (root.wb_mode === root.wb_mode_normal)
                            root.valGM = OptionText.wbClickGM(mouse.y, field.height)
                        root.placePointer()
                        root.onChangeValue()
                    }
                }
            }
            KvStylishText {
                type: text_style_wbTuningLabel
                width: 36
                height: field.height
                color: "#808080"
                text: qsTr("B")
            }
        }
        KvStylishText {
            type: text_style_wbTuningLabel
            width: parent.width
            height: root.wb_mode === root.wb_mode_normal ? 36 : 0
            visible: height > 0
            color: "#808080"
            text: qsTr("M")
        }
        KvStylishText {
            id: valueLabel
            type: text_style_wbTuningText
            width: parent.width
            height: root.wb_mode === root.wb_mode_normal ? 36 : 0
            visible: height > 0
            textFormat: Text.RichText
            color: "#ffffff"
            text: root.valueWBAdjustTextFormat()
        }
        Row {
            spacing: 2
            KvRectangleButton {
                id: okButton
                width: (content.width - 4) / 3
                height: 40
                buttonText: qsTr("Ok")
                onClicked: {
                    root.preValAB = root.valAB
                    root.preValGM = root.valGM
                    root.onOKClicked()
                    root.dismiss()
                }
            }
            KvRectangleButton {
                id: resetButton
                width: (content.width - 4) / 3
                height: 40
                buttonText: qsTr("Reset")
                onClicked: {
                    root.valAB = 10
                    root.valGM = 10
                    root.placePointer()
                    root.onResetClicked()
                }
            }
            KvRectangleButton {
                id: cancelButton
                width: (content.width - 4) / 3
                height: 40
                buttonText: qsTr("Cancel")
                onClicked: root.cancel()
            }
        }
    }

    function placePointer() {
        var x = OptionText.wbPointerX(valAB, field.width)
        if (x !== undefined)
            pointer.x = x
        var y = OptionText.wbPointerY(wb_mode === wb_mode_ia_plus ? Math.round(maxGM / 2) : valGM, field.height)
        if (y !== undefined)
            pointer.y = y
    }

    function valueWBAdjustTextFormat() {
        return OptionText.wbAdjustText(valAB, valGM, wb_mode === wb_mode_ia_plus)
    }

    function recordingModeSetting() {
        if (deviceAdapter.recordingMode === Kv.Utilities.RM_IntelligentAuto
                && deviceAdapter.intelligentAutoMode === Kv.Utilities.RM_IA_IntelligentAutoPlus) {
            wb_mode = wb_mode_ia_plus
            valAB = deviceAdapter.wbAdjustABSep
        } else {
            wb_mode = wb_mode_normal
            valAB = deviceAdapter.wbAdjustAB
        }
        placePointer()
    }

    function cancel() {
        valAB = preValAB
        valGM = preValGM
        placePointer()
        onCancelClicked()
        dismiss()
    }

    function dismiss() {
        visible = false
    }

    function present(x, y, vX, vY, onOk, onCancel, onReset) {
        if (x !== undefined && y !== undefined && vX !== undefined && vY !== undefined) {
            var ax = utilities.availableDesktopX(vX, vY), ay = utilities.availableDesktopY(vX, vY)
            var aw = utilities.availableDesktopWidth(vX, vY), ah = utilities.availableDesktopHeight(vX, vY)
            root.x = Math.max(ax, Math.min(x - width / 2, ax + aw - width))
            root.y = Math.max(ay, Math.min(y - height / 2, ay + ah - height))
        } else {
            root.x = (Screen.desktopAvailableWidth - width) / 2
            root.y = (Screen.desktopAvailableHeight - height) / 2
        }
        visible = true
    }

    onVisibleChanged: {
        if (visible) {
            preValAB = valAB
            preValGM = valGM
            placePointer()
        }
        Sub.handFocusBack(root)
    }
}
