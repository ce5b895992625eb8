import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvPhotoStyle.js" as PS
import "Drawn.js" as Drawn

// The photo-style popup: its decisions as data (rows per style, padding,
// slider limits, the camera calls, the scroll after a rebuild), then the
// window against a connected simulated camera.
Item {
    id: scene
    width: 600
    height: 800

    TestCase {
        name: "KvPhotoStyleLogic"

        function targets(rows) {
            return rows.map(function(r) { return PS.targetOf(r) })
        }

        function test_rowLists_data() {
            return [
                { tag: "standard style", array: "psStandard", count: 15, first: "pscContrast", last: "pscGain",
                  at: 11, atTarget: "pscKneeMode" },
                { tag: "log style", array: "psQLog", count: 15, first: "pscContrast", last: "pscGain",
                  at: 6, atTarget: "pscFilter" },
                { tag: "user style: dual ISO after the knee, LUT rows last", array: "psPhotoStyle10", count: 21,
                  first: "pscBasePhotoStyle", last: "pscDensity2", at: 13, atTarget: "pscDualISO" },
                { tag: "real-time LUT: base, LUT and density first", array: "psRealTimeLUT", count: 18,
                  first: "pscBasePhotoStyle2", last: "pscGain", at: 2, atTarget: "pscDensity" },
                { tag: "remote camera: sliders and knee only", array: "psRemoteCamera", count: 9,
                  first: "pscContrast", last: "pscKneeMode", at: 6, atTarget: "pscSharpness" },
                { tag: "no such array", array: "psNothing", count: 0 }
            ]
        }
        function test_rowLists(data) {
            var rows = PS.rowListOf(data.array)
            compare(rows.length, data.count)
            if (data.count === 0)
                return
            var t = targets(rows)
            compare(t[0], data.first)
            compare(t[t.length - 1], data.last)
            compare(t[data.at], data.atTarget)
            // one row per target, and every target asks the camera by a key it has
            for (var i = 0; i < t.length; ++i) {
                compare(t.indexOf(t[i]), i, t[i] + " twice")
                verify(Kv.Utilities[PS.componentKeys[t[i]]] >= 0, t[i])
            }
        }

        function test_rowKinds_data() {
            return [
                { tag: "adjustment slider", array: "psStandard", target: "pscContrast", kind: PS.Slider },
                { tag: "choice", array: "psStandard", target: "pscWB", kind: PS.Choice },
                { tag: "density is a positive slider", array: "psPhotoStyle1", target: "pscDensity2",
                  kind: PS.SliderPositive },
                { tag: "remote knee is a choice", array: "psRemoteCamera", target: "pscKneeMode", kind: PS.Choice }
            ]
        }
        function test_rowKinds(data) {
            var rows = PS.rowListOf(data.array)
            compare(rows[targets(rows).indexOf(data.target)].kind, data.kind)
        }

        function test_targetForValue_data() {
            return [
                { tag: "standard", value: Kv.Utilities.PS_Standard, array: "psStandard" },
                { tag: "hybrid log gamma", value: Kv.Utilities.PS_Hybrid_Grama, array: "psHybridLogGamma" },
                { tag: "near 709", value: Kv.Utilities.PS_Near_709, array: "psNear709" },
                { tag: "user style 10", value: Kv.Utilities.PS_PhotoStyle10, array: "psPhotoStyle10" },
                { tag: "unknown", value: Kv.Utilities.PS_Unknown, array: "" },
                { tag: "past the last style", value: Kv.Utilities.PS_Max, array: "" }
            ]
        }
        function test_targetForValue(data) {
            compare(PS.targetForValue(data.value), data.array)
        }

        // Every style the button offers has rows: a missing array would show
        // an empty popup for it.
        function test_everyListedStyleHasRows() {
            compare(PS.styleKeys.length, 43)
            for (var i = 0; i < PS.styleKeys.length; ++i) {
                var array = PS.targetForValue(Kv.Utilities[PS.styleKeys[i]])
                verify(array !== "", PS.styleKeys[i])
                verify(PS.rowListOf(array).length > 0, array)
            }
            compare(PS.baseStyleKeys().length, 33)
            compare(PS.baseStyle2Keys().length, 33)
            compare(PS.baseStyle2Keys()[32], "PS_Film_Log3")
        }

        function test_shownRowsAndPadding_data() {
            var U = Kv.Utilities
            return [
                { tag: "all listed", array: "psStandard", listed: null, shown: 15, blanks: 0 },
                { tag: "two listed: four blank rows", array: "psStandard", listed: [U.PSC_Contrast, U.PSC_WB],
                  shown: 2, blanks: 4 },
                { tag: "none listed: six blank rows", array: "psStandard", listed: [], shown: 0, blanks: 6 },
                { tag: "listed component the style lacks", array: "psRemoteCamera",
                  listed: [U.PSC_Contrast, U.PSC_LUT, U.PSC_KneeMode], shown: 2, blanks: 4 },
                { tag: "exactly six", array: "psRealTimeLUT",
                  listed: [U.PSC_BasePhotoStyle2, U.PSC_LUT, U.PSC_Density, U.PSC_Contrast, U.PSC_Shadow, U.PSC_Gain],
                  shown: 6, blanks: 0 }
            ]
        }
        function test_shownRowsAndPadding(data) {
            var capable = function(c) {
                return data.listed === null || data.listed.indexOf(c) >= 0 ? Kv.Utilities.Ternary_True
                                                                           : Kv.Utilities.Ternary_False
            }
            var rows = PS.shownRows(PS.rowListOf(data.array), capable)
            compare(rows.length, data.shown)
            compare(PS.blankCount(rows.length), data.blanks)
            // the order of the style is kept
            var all = targets(PS.rowListOf(data.array))
            var shown = targets(rows)
            for (var i = 1; i < shown.length; ++i)
                verify(all.indexOf(shown[i - 1]) < all.indexOf(shown[i]))
        }

        function test_rowLook_data() {
            return [
                { tag: "density with a second LUT", target: "pscDensity", array: "psPhotoStyle1", lut2: true,
                  density2: true, text: "PSC_Density1", source: "qrc:/images/ps_lut1_concentration.svg" },
                { tag: "density without a second LUT", target: "pscDensity", array: "psPhotoStyle1", lut2: false,
                  density2: false, text: "PSC_Density", source: "qrc:/images/ps_lut_concentration.svg" },
                { tag: "real-time LUT keeps its density", target: "pscDensity", array: "psRealTimeLUT", lut2: true,
                  density2: true, text: "PSC_Density", source: "qrc:/images/ps_lut_concentration.svg" },
                { tag: "LUT with a second LUT", target: "pscLUT", array: "psPhotoStyle2", lut2: true,
                  density2: false, text: "PSC_LUT1", source: "qrc:/images/ps_lut1.svg" },
                { tag: "real-time LUT keeps its LUT", target: "pscLUT", array: "psRealTimeLUT", lut2: true,
                  density2: true, text: "PSC_LUT", source: "qrc:/images/ps_lut.svg" },
                { tag: "colour noise", target: "pscColorNoise", array: "psStandard", lut2: false, density2: false,
                  text: "PSC_Grain_Color", source: "qrc:/images/ps_granular_color.svg" },
                { tag: "unknown target", target: "pscNothing", array: "psStandard", lut2: false, density2: false,
                  text: "", source: "" }
            ]
        }
        function test_rowLook(data) {
            var look = PS.rowLook(data.target, data.array, data.lut2, data.density2)
            compare(look.text, data.text)
            compare(look.source, data.source)
        }

        function test_sliderLimits_data() {
            return [
                { tag: "signed range", min: -5, max: 5, step: 1, lo: -5, hi: 5, stepOut: 1, ticks: 11 },
                { tag: "positive range", min: 0, max: 5, step: 1, lo: 0, hi: 5, stepOut: 1, ticks: 6 },
                { tag: "single value", min: 2, max: 2, step: 1, lo: 2, hi: 2, stepOut: 1, ticks: 1 },
                { tag: "range turned round", min: 5, max: -5, step: 1, lo: 5, hi: 5, stepOut: 1, ticks: 1 },
                { tag: "no step", min: -2, max: 2, step: 0, lo: -2, hi: 2, stepOut: 1, ticks: 5 }
            ]
        }
        function test_sliderLimits(data) {
            var l = PS.sliderLimits(data.min, data.max, data.step)
            compare(l.minVal, data.lo)
            compare(l.maxVal, data.hi)
            compare(l.stepVal, data.stepOut)
            compare(l.modelNum, data.ticks)
        }

        function test_optionButtonType_data() {
            return [
                { tag: "base style", target: "pscBasePhotoStyle", type: "optionWithImageAndText" },
                { tag: "LUT base style", target: "pscBasePhotoStyle2", type: "optionWithImageAndText" },
                { tag: "ISO", target: "pscISO", type: "optionWithStyledTextRealPs" },
                { tag: "gain", target: "pscGain", type: "optionWithStyledTextRealPs" },
                { tag: "filter", target: "pscFilter", type: "optionWithStyledTextPs" }
            ]
        }
        function test_optionButtonType(data) {
            compare(PS.optionButtonType(data.target), data.type)
        }

        // The backup's calls, in order: Cancel restores before it deletes.
        function test_callOrder_data() {
            return [
                { tag: "open", step: "open", calls: ["Backup_PhotoStyle"] },
                { tag: "ok", step: "ok", calls: ["Del_Backup"] },
                { tag: "cancel", step: "cancel", calls: ["Restore_PhotoStyle", "Del_Backup"] },
                { tag: "force close", step: "forceClose", calls: ["Del_Backup"] }
            ]
        }
        function test_callOrder(data) {
            var made = []
            var fake = {}
            var names = ["Backup_PhotoStyle", "Restore_PhotoStyle", "Del_Backup"]
            names.forEach(function(n) {
                fake["adp_KVR_func_api_Rec_Ctrl_" + n + "_Req"] = function() { made.push(n) }
            })
            PS.runCalls(fake, data.step)
            compare(made, data.calls)
        }

        // rows of 77 and a spacing of 1: 6 rows fill the view exactly
        function test_scrollAfterRebuild_data() {
            var h = function(n) { return PS.contentHeight(n) }
            return [
                { tag: "same style keeps its place", shown: 3, saved: 200, style: 3, oldH: h(15), newH: h(15),
                  y: 200, savedOut: 200 },
                { tag: "same style, content shorter", shown: 3, saved: 200, style: 3, oldH: h(15), newH: h(14),
                  y: 122, savedOut: 122 },
                { tag: "shorter by more than the place", shown: 3, saved: 50, style: 3, oldH: h(15), newH: h(12),
                  y: 0, savedOut: 0 },
                { tag: "content longer: place kept", shown: 3, saved: 200, style: 3, oldH: h(12), newH: h(15),
                  y: 200, savedOut: 200 },
                { tag: "another style starts at the top", shown: 3, saved: 200, style: 4, oldH: h(15), newH: h(15),
                  y: 0, savedOut: 0 },
                { tag: "first rebuild", shown: Kv.Utilities.PS_Unknown, saved: 0, style: 0, oldH: 0, newH: h(15),
                  y: 0, savedOut: 0 },
                { tag: "place beyond the end", shown: 3, saved: 800, style: 3, oldH: h(15), newH: h(15),
                  y: h(15) - PS.viewHeight, savedOut: 800 }
            ]
        }
        function test_scrollAfterRebuild(data) {
            var r = PS.scrollAfterRebuild({ shownStyle: data.shown, savedY: data.saved }, data.style, data.oldH,
                                          data.newH)
            compare(r.contentY, data.y)
            compare(r.savedY, data.savedOut)
            compare(r.shownStyle, data.style)
        }
    }

    Component {
        id: popupComponent
        KvMainPhotoStylePopup {}
    }

    // the main window's photo-style button, as it opens the popup
    KvOptionButton {
        id: mainButton
        width: 107
        height: 77
        type: "optionWithImagePopup"
        target: "photoStyle"
        isDetail: true
        popupTitle: "Photo Style"
        popupX: 300
        popupY: 300
        virtualX: popupX
        virtualY: popupY
        componentsProvider: mainCatalogue
    }
    KvOptionComponentsProvider {
        id: mainCatalogue
    }

    SignalSpy {
        id: contrastSpy
        target: deviceAdapter
        signalName: "pscContrastChanged"
    }
    SignalSpy {
        id: shadowSpy
        target: deviceAdapter
        signalName: "pscShadowChanged"
    }

    TestCase {
        id: live
        name: "KvMainPhotoStylePopup"
        when: windowShown

        property var popup: null

        function initTestCase() {
            if (!deviceAdapter.isCamerasConnected) {
                compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
                verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
                tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
                tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
                compare(deviceAdapter.connectEnableDevice(), 1)
            }
            verify(deviceAdapter.isCamerasConnected)
            compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
            compare(deviceAdapter.adp_KVR_func_api_PhotoStyle_GetCapability(), 1)
            compare(deviceAdapter.adp_KVR_func_api_PhotoStyle2_GetCapability(), 1)
            verify(deviceAdapter.photoStyle !== Kv.Utilities.PS_Unknown)
            popup = popupComponent.createObject(scene)
            verify(popup)
        }
        function cleanupTestCase() {
            popup.destroy()
        }

        function cleanup() {
            if (popup.visible)
                popup.cancel()
            contrastSpy.clear()
            shadowSpy.clear()
        }
        function seen(spy, v) {
            for (var i = 0; i < spy.count; ++i) {
                if (spy.signalArguments[i][0] === v)
                    return true
            }
            return false
        }

        function realRows() {
            return popup.objects.filter(function(o) { return o.target !== undefined })
        }
        function sliderRows() {
            return popup.objects.filter(function(o) { return o.slider !== undefined })
        }
        function rowOf(target) {
            var rows = realRows()
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].target === target)
                    return rows[i]
            }
            return null
        }
        // A value of a slider setting other than the current one, inside the camera's limits.
        function otherValue(target, offset) {
            var min = deviceAdapter[target + "Min"](), max = deviceAdapter[target + "Max"]()
            var v = deviceAdapter[target] + offset
            if (v > max)
                v = deviceAdapter[target] - offset
            verify(v >= min && v <= max, target + " has room to move")
            return v
        }
        function freshRead() {
            compare(deviceAdapter.adp_KVR_func_api_PhotoStyle_GetCapability(), 1)
            compare(deviceAdapter.adp_KVR_func_api_PhotoStyle2_GetCapability(), 1)
        }

        function test_open_builds_the_listed_rows_padded_to_six() {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            verify(popup.visible)
            compare(popup.target, PS.targetForValue(deviceAdapter.photoStyle))
            var rows = realRows()
            verify(rows.length > 0)
            compare(popup.objects.length, Math.max(6, rows.length))
            for (var i = 0; i < rows.length; ++i)
                compare(deviceAdapter.photoStyleCompCapability(rows[i].value), Kv.Utilities.Ternary_True,
                        rows[i].target)
            // the sliders take the camera's limits and value
            var contrast = rowOf("pscContrast")
            verify(contrast)
            compare(contrast.slider.minVal, deviceAdapter.pscContrastMin())
            compare(contrast.slider.maxVal, deviceAdapter.pscContrastMax())
            compare(contrast.slider.curIndex, deviceAdapter.pscContrast - deviceAdapter.pscContrastMin())
            compare(contrast.lblTitle.text, "Contrast")
            // a choice row's button shows and offers its own setting
            var choices = rows.filter(function(r) { return r.btnOption !== undefined })
            verify(choices.length > 0)
            for (var j = 0; j < choices.length; ++j) {
                var b = choices[j].btnOption
                compare(b.target, choices[j].target)
                verify(b.optionText !== "-" && !b.disabled, choices[j].target + " shows " + b.optionText)
            }
            // the header shows the style
            compare(popup.styleButton.value, deviceAdapter.photoStyle)
        }

        // Cancel right after writes the worker has not run yet: the restore
        // runs behind them, so the camera ends with its values from the open.
        function test_cancel_after_queued_writes_restores_the_camera() {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            var contrast = deviceAdapter.pscContrast
            var sharpness = deviceAdapter.pscSharpness
            var shadow = deviceAdapter.pscShadow
            var c1 = otherValue("pscContrast", 1), c2 = otherValue("pscContrast", 2)
            var sh1 = otherValue("pscShadow", 1)
            deviceAdapter.pscContrast = c1
            deviceAdapter.pscSharpness = otherValue("pscSharpness", 1)
            deviceAdapter.pscContrast = c2
            deviceAdapter.pscShadow = sh1
            popup.cancel()
            verify(!popup.visible)
            // the last write reached the camera; the values come back only
            // through the restore queued behind it
            tryVerify(function() { return seen(shadowSpy, sh1) }, 5000, "the queued writes ran")
            verify(seen(contrastSpy, c2))
            tryCompare(deviceAdapter, "pscContrast", contrast, 5000)
            tryCompare(deviceAdapter, "pscSharpness", sharpness, 5000)
            tryCompare(deviceAdapter, "pscShadow", shadow, 5000)
            freshRead()
            compare(deviceAdapter.pscContrast, contrast)
            compare(deviceAdapter.pscSharpness, sharpness)
            compare(deviceAdapter.pscShadow, shadow)
        }

        function test_ok_keeps_the_written_values() {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            var contrast = deviceAdapter.pscContrast
            var c1 = otherValue("pscContrast", 1)
            deviceAdapter.pscContrast = c1
            popup.ok()
            verify(!popup.visible)
            tryVerify(function() { return seen(contrastSpy, c1) }, 5000)
            freshRead()
            compare(deviceAdapter.pscContrast, c1)
            // put the camera back for the tests after this one
            deviceAdapter.pscContrast = contrast
            tryCompare(deviceAdapter, "pscContrast", contrast, 5000)
            freshRead()
            compare(deviceAdapter.pscContrast, contrast)
        }

        // A choice row and the style button open their lists inside the
        // popup, with what the camera offers; the rows stop scrolling under it.
        function test_lists_open_with_the_offer_data() {
            return [
                { tag: "knee row", row: "pscKneeMode", count: "pscKneeModeCapabilityNum" },
                { tag: "filter row", row: "pscFilter", count: "pscFilterCapabilityNum" },
                { tag: "white balance row", row: "pscWB", count: "" },
                { tag: "white balance row at the bottom", row: "pscWB", count: "", bottom: true },
                { tag: "style button", row: "", count: "photoStyleCapabilityNum" }
            ]
        }
        function test_lists_open_with_the_offer(data) {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            var button = popup.styleButton
            if (data.row !== "") {
                var row = rowOf(data.row)
                verify(row, data.row)
                tryVerify(function() { return row.y > 0 })
                popup.view.contentY = data.bottom ? Math.max(0, row.y + row.height - popup.view.height)
                                                  : Math.min(row.y, popup.view.contentHeight - popup.view.height)
                button = row.btnOption
            }
            mouseClick(button)
            tryCompare(popup.optionPopup, "visible", true)
            if (data.count !== "")
                compare(popup.optionPopup.objects.length, deviceAdapter[data.count]())
            verify(!popup.view.interactive)
            // opened: inside the popup's window, with the current value in view
            var list = popup.optionPopup
            Drawn.checkedInView(live, list)
            var top = list.frame.mapToItem(popup.contentItem, 0, 0).y
            var bottom = top + list.frame.height
            verify(top >= 2 && bottom <= popup.height - 2,
                   "the list runs from " + top + " to " + bottom + " in a window " + popup.height + " high")
            popup.optionPopup.dismiss()
            verify(popup.view.interactive)
        }

        // Every open builds fresh rows; the value connections of the rows of
        // an earlier open are gone with them.
        function test_reopen_leaves_no_connection_behind() {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            var sliders = sliderRows().length
            verify(sliders > 0)
            compare(popup.connections.length, sliders)
            popup.ok()
            compare(popup.connections.length, 0)
            for (var i = 0; i < 3; ++i) {
                popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
                if (i < 2)
                    popup.forceClose()
            }
            compare(popup.connections.length, sliders)
            // a rebuild on the same style replaces the rows and their connections
            deviceAdapter.pscISOChanged(deviceAdapter.pscISO)
            compare(popup.connections.length, sliders)
            var before = popup.sliderUpdates
            deviceAdapter.pscContrastChanged(deviceAdapter.pscContrast)
            compare(popup.sliderUpdates - before, 1)
            popup.ok()
            before = popup.sliderUpdates
            deviceAdapter.pscContrastChanged(deviceAdapter.pscContrast)
            compare(popup.sliderUpdates, before)
        }

        function test_scroll_kept_for_the_same_style() {
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            if (popup.view.contentHeight <= popup.view.height + 100)
                skip("the camera lists too few rows to scroll")
            popup.view.contentY = 100
            compare(popup.savedContentY, 100)
            compare(popup.provider.updatePopup, 100)
            deviceAdapter.pscISOChanged(deviceAdapter.pscISO)
            compare(popup.view.contentY, 100)
            // Ok forgets the place: the next open starts at the top
            popup.ok()
            popup.present(undefined, undefined, undefined, undefined, "", deviceAdapter.photoStyle)
            compare(popup.view.contentY, 0)
        }

        // Another style from the header rebuilds the rows from the top;
        // Cancel brings the camera's style back.
        function test_style_change_starts_at_the_top_and_cancel_restores_it() {
            var original = deviceAdapter.photoStyle
            var other = PS.styleKeys.map(function(k) { return Kv.Utilities[k] }).filter(function(v) {
                return v !== original && deviceAdapter.photoStyleCapability(v) === Kv.Utilities.Ternary_True
            })
            if (other.length === 0)
                skip("the camera offers one style only")
            popup.present(undefined, undefined, undefined, undefined, "", original)
            var scrolls = popup.view.contentHeight > popup.view.height
            if (scrolls)
                popup.view.contentY = 50
            deviceAdapter.photoStyle = other[0]
            tryCompare(popup, "value", other[0], 5000)
            compare(popup.target, PS.targetForValue(other[0]))
            compare(popup.view.contentY, 0)
            compare(popup.savedContentY, 0)
            compare(popup.styleButton.value, other[0])
            popup.cancel()
            tryCompare(deviceAdapter, "photoStyle", original, 5000)
            freshRead()
            compare(deviceAdapter.photoStyle, original)
        }

        function test_main_window_button_opens_the_popup() {
            mainButton.popup = popup
            mainButton.optionSelect(deviceAdapter.photoStyle)
            mouseClick(mainButton)
            verify(popup.visible)
            compare(popup.popupTitle, "Photo Style")
            compare(popup.value, deviceAdapter.photoStyle)
            verify(popup.objects.length >= 6)
        }

        // Centred on the point given, kept inside the screen's available area.
        function test_placement() {
            var ax = utilities.availableDesktopX(0, 0), ay = utilities.availableDesktopY(0, 0)
            var aw = utilities.availableDesktopWidth(0, 0), ah = utilities.availableDesktopHeight(0, 0)
            if (aw < popup.width || ah < popup.height)
                skip("the screen is smaller than the popup")
            popup.present(ax + aw / 2, ay + ah / 2, 0, 0, "Photo Style", deviceAdapter.photoStyle)
            compare(popup.x, Math.round(ax + aw / 2 - popup.width / 2))
            popup.forceClose()
            popup.present(ax + aw - 1, ay + ah - 1, 0, 0, "Photo Style", deviceAdapter.photoStyle)
            compare(popup.x, ax + aw - popup.width)
            compare(popup.y, ay + ah - popup.height)
        }
    }
}
