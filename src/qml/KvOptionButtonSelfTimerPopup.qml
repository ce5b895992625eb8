import QtQuick
import Kv 1.0 as Kv

// The self-timer list popup: when the list holds the custom entry, a
// "Setting" button at its end opens a nested popup with the custom times.
KvOptionButtonPopup {
    id: root
    mainList: false

    property var componentsProvider: null
    property var customObj: null
    property alias customPopup: nested
    signal changeCustomTime(var entry)

    KvOptionButtonPopup {
        id: nested
        mainList: false
        z: 10
    }

    KvRectangleButton {
        id: customSetting
        parent: null
        visible: false
        width: 107
        height: 77
        type: "optionWithStyledText"
        optionText: qsTranslate("KvPreferenceWindow", "Preference")
        toolTipText: optionText
        property string target: "selfTimerCustom"
        property string popupTitle: qsTranslate("KvOptionComponentsProvider", "SFT_Custom")
        value: deviceAdapter.selfTimerCustom
        onClicked: root.openCustomTimes()
    }

    function customEntries() {
        return componentsProvider ? componentsProvider["selfTimerCustom"] : []
    }

    function currentCustomImage() {
        var list = customEntries()
        for (var i = 0; i < list.length; ++i) {
            var p = list[i].properties
            if (p.value === deviceAdapter.selfTimerCustom && deviceAdapter.selfTimerCustomCapability(p.value)
                    === Kv.Utilities.Ternary_True) {
                p.checked = true
                return p.optionImage
            }
        }
        // a custom time the camera does not offer keeps the entry's own icon
        return ""
    }

    onPresented: {
        customObj = null
        for (var i = 0; i < objects.length; ++i) {
            if (objects[i].value === Kv.Utilities.SFT_Custom)
                customObj = objects[i]
        }
        if (customObj === null)
            return
        var image = currentCustomImage()
        if (image !== "")
            customObj.source = image
        customSetting.parent = list.contentItem.children[0]
        customSetting.visible = true
        frame.finalHeight += customSetting.height
    }

    function openCustomTimes() {
        var list = customEntries()
        for (var i = 0; i < list.length; ++i) {
            var p = list[i].properties
            var offered = deviceAdapter.selfTimerCustomCapability(p.value) === Kv.Utilities.Ternary_True
            p.capable = offered
            p.enabled = offered
            p.checked = offered && p.value === deviceAdapter.selfTimerCustom
        }
        var pos = customSetting.mapToItem(root, customSetting.width, 0)
        nested.present(frame.x + frame.width, pos.y, customSetting.popupTitle, list, "selfTimerCustom",
                       function(entry) {
                           deviceAdapter.selfTimerCustom = entry.properties.value
                           if (root.customObj) {
                               root.customObj.source = entry.properties.optionImage
                               if (root.customObj.checked)
                                   root.changeCustomTime(root.customObj)
                           }
                           nested.dismiss()
                       })
    }

    function dismiss() {
        nested.dismiss()
        customSetting.visible = false
        customSetting.parent = null
        visible = false
        clear()
    }
}
