import QtQuick
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvOptionText.js" as OptionText

// The drive-mode button. On a camera that lets the drive mode be chosen it
// offers a two-level choice: the drive mode first, then its sub-setting
// (burst speed, self-timer, 6K/4K mode, post focus) in a second popup.
KvOptionButton {
    id: root

    property var generalPopup: null
    property var selfTimerPopup: null
    property var driveModePopup: null
    property string subTarget: ""
    property var subComponent: null
    property bool driveSelect: false
    property int newDriveMode: -1

    popup: target === "selfTimer" ? selfTimerPopup : generalPopup

    onValueChanged: {
        driveSelect = deviceAdapter.driveModeCapabilityNum() !== 0
        if (!driveSelect) {
            newDriveMode = -1
            popup = Qt.binding(function() { return target === "selfTimer" ? selfTimerPopup : generalPopup })
        }
    }

    function writeValue(v) {
        if (driveSelect && subTarget !== "")
            deviceAdapter[subTarget] = v
        else if (target === "burstSpeed1" || target === "burstSpeed2")
            deviceAdapter.burstSpeed = v
        else
            deviceAdapter[target] = v
    }

    readonly property var plainModes: [Kv.Utilities.DM_Single, Kv.Utilities.DM_Bracket, Kv.Utilities.DM_Interval,
                                       Kv.Utilities.DM_Komadori, Kv.Utilities.DM_HRS, Kv.Utilities.DM_HANDHELD_HRS]

    function driveTooltip(entry, title, twoLevel) {
        var mode = newDriveMode >= 0 ? newDriveMode : deviceAdapter.driveMode
        var alone = plainModes.indexOf(mode) >= 0
                || (twoLevel && (mode === Kv.Utilities.DM_4K6K || mode === Kv.Utilities.DM_Focus))
        var text = entryText(entry)
        return "<HTML>" + qsTr("Drive Mode") + "<br>" + (alone ? text : title + " " + text) + "</HTML>"
    }

    function updateDisplay(entry, title, twoLevel) {
        valueChangeFlg = true
        value = entry.properties.value
        disabled = false
        copyLook(entry)
        toolTipText = driveTooltip(entry, title, twoLevel)
    }

    function setMode(mode) {
        if (typeof deviceAdapter.setDriveMode === "function")
            deviceAdapter.setDriveMode(mode)
        else
            deviceAdapter.driveMode = mode
        newDriveMode = mode
    }

    // the icon of a drive mode's current sub-value
    function subImage(listName, current) {
        var list = componentsProvider ? componentsProvider[listName] : undefined
        for (var i = 0; list && i < list.length; ++i) {
            if (list[i].properties.value === current)
                return list[i].properties.source
        }
        return undefined
    }

    function subSettingOf(mode) {
        var U = Kv.Utilities
        if (mode === U.DM_Burst || mode === U.DM_Burst1 || mode === U.DM_Burst2)
            return { target: "burstSpeed", list: "burstSpeedAll", title: qsTr("Burst"),
                     read: "adp_KVR_func_api_RecInfo_BurstBracket_GetCapability" }
        if (mode === U.DM_SelfTimer)
            return { target: "selfTimer", list: "selfTimer", title: qsTr("SelfTimer"),
                     read: "adp_KVR_func_api_RecInfo_SelfTimer_GetCapability" }
        if (mode === U.DM_4K6K)
            return { target: "picture4K6K", list: "picture4K6K", title: qsTr("4K6K") }
        if (mode === U.DM_Focus)
            return { target: "focusSelect", list: "focusSelect", title: qsTr("Focus") }
        return { target: "driveMode" }
    }

    function clickSub() {
        if (!optionOpen)
            return
        if (!driveSelect) {
            clickSingleLevel()
            return
        }
        var U = Kv.Utilities
        var list = componentsProvider ? componentsProvider["driveModeSelect"] : undefined
        var first = driveModePopup ? driveModePopup : generalPopup
        if (!list || !first)
            return
        popupTitle = qsTr("Drive Mode")
        for (var i = 0; i < list.length; ++i) {
            var p = list[i].properties
            var offered = deviceAdapter.driveModeCapability(p.value) === U.Ternary_True
            if (p.value === U.DM_Interval)
                offered = offered && deviceAdapter.intervalMode === U.INTM_Interval
            if (p.value === U.DM_Komadori)
                offered = offered && deviceAdapter.intervalMode === U.INTM_Komadori
            p.capable = offered
            p.enabled = offered
            p.checked = offered && p.value === deviceAdapter.driveMode
            var image = undefined
            if (p.value === U.DM_Burst || p.value === U.DM_Burst1 || p.value === U.DM_Burst2)
                image = subImage("burstSpeedAll", deviceAdapter.burstSpeed)
            else if (p.value === U.DM_SelfTimer)
                image = deviceAdapter.selfTimer === U.SFT_Custom ? customImage() : subImage("selfTimer", deviceAdapter.selfTimer)
            else if (p.value === U.DM_4K6K)
                image = subImage("picture4K6K", deviceAdapter.picture4K6K)
            else if (p.value === U.DM_Focus)
                image = subImage("focusSelect", deviceAdapter.focusSelect)
            if (image !== undefined && image !== "")
                p.source = image
        }
        var pos = popupPosition()
        first.present(pos.x, pos.y, popupTitle, list, "driveMode", function(entry) {
            first.dismiss()
            var mode = entry.properties.value
            var sub = subSettingOf(mode)
            subTarget = sub.target
            if (sub.target === "driveMode") {
                setMode(mode)
                updateDisplay(entry, qsTr("Drive Mode"), true)
                return
            }
            if (sub.read && typeof deviceAdapter[sub.read] === "function")
                deviceAdapter[sub.read]()
            var subList = componentsProvider[sub.list]
            var any = false
            for (var j = 0; j < subList.length; ++j) {
                var q = subList[j].properties
                var ok = deviceAdapter[sub.target + "Capability"](q.value) === U.Ternary_True
                q.capable = ok
                q.enabled = ok
                q.checked = ok && q.value === deviceAdapter[sub.target]
                any = any || ok
            }
            if (!any)
                return
            var second = sub.target === "selfTimer" && selfTimerPopup ? selfTimerPopup : generalPopup
            var at = gridPosition()
            second.present(at.x, at.y, sub.title, subList, sub.target, function(subEntry) {
                setMode(mode)
                updateDisplay(subEntry, sub.title, true)
                second.dismiss()
            })
        })
    }

    function clickSingleLevel() {
        var list = catalogue()
        if (!list || !popup)
            return
        markCatalogue(list)
        var pos = gridPosition()
        popup.present(pos.x, pos.y, popupTitle, list, target, function(entry) {
            updateDisplay(entry, popupTitle, false)
            popup.dismiss()
        })
    }

    function customImage() {
        var list = componentsProvider ? componentsProvider["selfTimerCustom"] : undefined
        for (var i = 0; list && i < list.length; ++i) {
            if (list[i].properties.value === deviceAdapter.selfTimerCustom)
                return list[i].properties.optionImage
        }
        return undefined
    }

    // The catalogue rule with the drive-mode tool tip; a custom self-timer
    // shows the custom time's icon and follows its offer.
    function optionSelect(v, isClicked) {
        dismissBeforeSelect(!!isClicked, false)
        var U = Kv.Utilities
        if (target === "selfTimer" && v === U.SFT_Custom) {
            var list = componentsProvider ? componentsProvider["selfTimerCustom"] : []
            var n = deviceAdapter.selfTimerCustomCapabilityNum()
            var kind = null
            for (var i = 0; i < list.length; ++i) {
                if (list[i].properties.value === deviceAdapter.selfTimerCustom) {
                    var offered = deviceAdapter.selfTimerCustomCapability(list[i].properties.value) === U.Ternary_True
                    kind = n >= 2 && !offered ? null : OptionText.buttonKind(n, offered, isDetail, target)
                    if (kind && kind.shown) {
                        source = list[i].properties.optionImage
                        toolTipText = driveTooltip(list[i], popupTitle, false)
                        setKind(kind.enabled)
                    }
                    break
                }
            }
            if (!kind || !kind.shown)
                showDash("")
        } else {
            catalogueRule(v)
            var entries = catalogue() || []
            for (var j = 0; j < entries.length; ++j) {
                if (entries[j].properties.value === v && optionText !== "-") {
                    toolTipText = driveTooltip(entries[j], popupTitle, false)
                    break
                }
            }
        }
        valueChangeFlg = false
        value = v
    }

    Connections {
        target: root.selfTimerPopup
        ignoreUnknownSignals: true
        function onChangeCustomTime(entry) {
            root.source = entry.source
        }
    }
}
