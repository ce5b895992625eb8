import QtQuick
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvOptionText.js" as OptionText

// The dimmer button of one flash group row: it shows the group's firing
// mode from the catalogue and writes every change of its value to the flash
// settings (writing the current value again does nothing).
KvRectangleButton {
    id: root

    property string target: ""
    property string popupTitle: ""
    property var popup: null
    property var componentsProvider: null
    property bool isDetail: false
    property bool isForcedDisable: false
    property bool keepPopupOpen: false

    type: "optionWithStyledText"
    value: target !== "" && flashAdapter[target] !== undefined ? flashAdapter[target] : -1
    onValueChanged: {
        if (target !== "" && flashAdapter[target] !== value)
            flashAdapter[target] = value
    }

    function catalogue() {
        return componentsProvider ? componentsProvider[target] : undefined
    }
    function entryText(entry) {
        var t = entry.properties.optionText
        return t === undefined ? "" : "" + t
    }
    function showEntry(entry) {
        var p = entry.properties
        if (p.type === "optionWithImage") {
            source = p.source === undefined ? "" : p.source
            optionText = entryText(entry)
        } else {
            optionText = entryText(entry)
        }
        toolTipText = Sub.createPopupHTMLText(popupTitle, entryText(entry), true)
    }
    function setKind(on) {
        disabled = !on
        enabled = on && !isForcedDisable
    }

    function busyStatus() {
        var s = deviceAdapter.cameraStatus
        return s === Kv.Utilities.CamStatus_MovRec_Others || s === Kv.Utilities.CamStatus_Playing
                || s === Kv.Utilities.CamStatus_Processing || s === Kv.Utilities.CamStatus_Menu_Displayed
    }

    function optionSelect(v, isClicked) {
        if (popup && popup.visible && !(keepPopupOpen && !isClicked)
                && (popup.popup_target === target || busyStatus()))
            popup.dismiss()
        value = v
        var list = catalogue() || []
        for (var i = 0; i < list.length; ++i) {
            list[i].properties.capable = false
            list[i].properties.checked = false
        }
        source = ""
        optionText = ""
        toolTipText = ""
        var n = flashAdapter[target + "CapabilityNum"]()
        var entry = null
        for (var j = 0; j < list.length; ++j) {
            if (list[j].properties.value === v) {
                entry = list[j]
                break
            }
        }
        var capable = entry !== null && flashAdapter[target + "Capability"](v) === Kv.Utilities.Ternary_True
        if (entry !== null && capable) {
            showEntry(entry)
            setKind(n >= 2 || isDetail)
        } else {
            optionText = "-"
            if (!(n < 2 && entry !== null))
                toolTipText = "<html>" + popupTitle + "</HTML>"
            setKind(false)
        }
    }

    function onSelectedPopupButton(entry) {
        if (logCol)
            logCol.log(logLevel, logScrTagID, target + " selected", entryText(entry))
        showEntry(entry)
        value = entry.properties.value
        if (popup)
            popup.dismiss()
    }

    function forceClosePopup() {
        if (popup && popup.visible && popup.popup_target === target)
            popup.dismiss()
    }
}
