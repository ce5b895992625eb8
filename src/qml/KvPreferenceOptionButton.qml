import QtQuick
import Kv 1.0 as Kv
import "KvPreference.js" as Pref

// One row of the preferences window. A preference row picks its value from
// the option catalogue; a per-camera row first lists the cameras the action
// suits (none: nothing happens, one: straight on with it) and reports the
// chosen camera to the window through cameraChosen.
KvRectangleButton {
    id: root

    property string target: ""
    property var popup: null
    property var componentsProvider: null
    property var rootParent: null
    property bool isShowPopup: true
    property string currentCamera: ""
    property var currentSerialNo: ""
    // the window's camera records (see KvPreference.js) and the list's entries
    property var cameraRecords: function() { return [] }
    property var dynamicComponentsProvider: []
    // all cameras are driven (the camera list's all-cameras switch)
    property bool allCamerasChecked: deviceAdapter.btnAllCameraStatus === Kv.Utilities.BtnAllCameraStatus_Checked
    // the title of the value list
    property string popupTitle: labelText

    signal startFirmwareUpdate()
    signal cameraChosen(var entry)
    signal valueChosen(var value)

    type: "optionWithText"
    // the value on the label's line, at the right
    option_string_top_margin: Math.round((height - optionItem.implicitHeight) / 2)
    value: target !== "" && deviceAdapter[target] !== undefined ? deviceAdapter[target] : -1

    readonly property bool perCamera: Pref.isPerCameraTarget(target)

    function catalogue() {
        return componentsProvider ? componentsProvider[target] : undefined
    }

    // Shows the catalogue text of a value (the per-camera actions show none).
    function optionSelect(v) {
        value = v
        var list = catalogue()
        if (!list)
            return
        optionText = ""
        for (var i = 0; i < list.length; ++i) {
            if (list[i].properties.value === v) {
                optionText = "" + list[i].properties.optionText
                return
            }
        }
    }

    function placement() {
        var p = root.mapToItem(popup, 0, root.height)
        return { x: p.x + root.width - 158, y: p.y }
    }

    // The cameras of the list as popup entries, marked as KvPreference.js says.
    function cameraComponents(entries) {
        var out = []
        for (var i = 0; i < entries.length; ++i) {
            var e = entries[i]
            out.push({ component: componentsProvider.optionWithTextButtonComponent,
                       // the camera's name, as it gives it, in its tool tip too
                       properties: { value: e.value, value2: e.value2, optionText: e.text, type: "optionWithText",
                                     toolTipTextFormat: Text.PlainText, capable: true, enabled: true,
                                     checked: Pref.entryChecked(target, e, allCamerasChecked, currentCamera, value) },
                       entry: e })
        }
        return out
    }

    function showPopup() {
        if (!isShowPopup || !popup || !componentsProvider)
            return
        if (!perCamera) {
            var list = catalogue()
            if (!list)
                return
            // the preference lists are the program's own, never the camera's offer
            for (var i = 0; i < list.length; ++i) {
                list[i].properties.capable = true
                list[i].properties.enabled = true
                list[i].properties.checked = list[i].properties.value === value
            }
            var pos = placement()
            popup.present(pos.x, pos.y, popupTitle, list, target, function(entry) {
                popup.dismiss()
                if (logCol)
                    logCol.log(logLevel, logScrTagID, logFile + " picked", "" + entry.properties.optionText)
                optionSelect(entry.properties.value)
                valueChosen(entry.properties.value)
            })
            return
        }
        var entries = Pref.cameraEntries(target, cameraRecords(), Kv.Utilities.CameraID_ALL,
                                         qsTr("      All Cameras"))
        var decision = Pref.listDecision(entries)
        if (decision === "none")
            return
        if (decision === "direct") {
            cameraChosen(Pref.onlyCamera(entries))
            return
        }
        dynamicComponentsProvider = cameraComponents(entries)
        var p = placement()
        popup.present(p.x, p.y, "", dynamicComponentsProvider, target, function(item) {
            popup.dismiss()
            if (logCol)
                logCol.log(logLevel, logScrTagID, target + " selected", "" + item.properties.optionText)
            cameraChosen(item.entry)
        })
    }

    // The value list of a per-camera row for one camera (or all of them):
    // `list` are catalogue entries already marked capable and checked.
    function showSecondPopup(list, forTarget, serial, index) {
        if (!popup)
            return
        currentSerialNo = serial
        var pos = placement()
        popup.present(pos.x, pos.y, popupTitle, list, forTarget, function(entry) {
            popup.dismiss()
            if (logCol)
                logCol.log(logLevel, logScrTagID, logFile + " picked", "" + entry.properties.optionText)
            valueChosen(entry.properties.value)
        })
    }

    onClicked: showPopup()
}
