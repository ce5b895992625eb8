import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvMovieQuality.js" as MQ

// The movie-quality list's decisions as tables, and the quality popup, its
// button and the filter window against a connected simulated camera.
TestCase {
    id: test
    name: "KvMovieQuality"
    when: windowShown
    visible: true
    width: 400
    height: 200

    function test_rowListed_data() {
        var U = Kv.Utilities
        var plain = { detail: true, sqShown: true, recMode: U.RM_P, shotMode: 0, sq: U.MSQ_IMPOSSIBLE,
                      sd: U.MSD_POSSIBLE, cfexpress: U.MCFEXP_IMPOSSIBLE }
        function changed(changes) {
            var q = {}
            for (var k in plain) q[k] = plain[k]
            for (var c in changes) q[c] = changes[c]
            return q
        }
        return [
            { tag: "SD card can take it", q: plain, listed: true },
            { tag: "CFexpress only", q: changed({ sd: U.MSD_IMPOSSIBLE, cfexpress: U.MCFEXP_POSSIBLE }), listed: true },
            { tag: "no card can take it", q: changed({ sd: U.MSD_IMPOSSIBLE, cfexpress: U.MCFEXP_NOTSUPPORT }), listed: false },
            { tag: "S&Q recording mode needs S&Q", q: changed({ recMode: U.RM_SQMotion }), listed: false },
            { tag: "S&Q shot mode needs S&Q", q: changed({ shotMode: U.Shot_Mode_Status_Slow_Quick }), listed: false },
            { tag: "S&Q quality in S&Q mode", q: changed({ recMode: U.RM_SQMotion, sq: U.MSQ_POSSIBLE }), listed: true },
            { tag: "S&Q column hidden", q: changed({ recMode: U.RM_SQMotion, sqShown: false }), listed: true },
            { tag: "built-in list", q: changed({ detail: false, recMode: U.RM_SQMotion }), listed: true }
        ]
    }
    function test_rowListed(data) {
        compare(MQ.rowListed(data.q), data.listed)
    }

    KvMainMQComponentsProvider { id: provider }

    function test_codecText_data() {
        return [
            { tag: "three parts", codes: "1,3,5", proRes: false, text: "420/8bit/ALL-I" },
            { tag: "trailing comma", codes: "0,2,", proRes: false, text: "422/10bit" },
            { tag: "ProRes names its method only", codes: "0,2,9", proRes: true, text: "422 HQ" },
            { tag: "empty", codes: "", proRes: false, text: "" }
        ]
    }
    function test_codecText(data) {
        compare(MQ.codecText(data.codes, data.proRes, function(c) { return provider.textOf("movieCompressMethod", c) }),
                data.text)
    }

    function test_columns_data() {
        return [
            { tag: "built-in list: four columns", detail: false, shown: [], width: 603 - 50 - 65 - 65,
              columns: [true, true, true, true, false, false, false] },
            { tag: "detail, all shown", detail: true, shown: [0, 1, 2, 3, 4, 5, 6], width: 603,
              columns: [true, true, true, true, true, true, true] },
            { tag: "detail, no bit rate or HLG", detail: true, shown: [0, 1, 2, 4, 6], width: 603 - 60 - 65,
              columns: [true, true, true, false, true, false, true] }
        ]
    }
    function test_columns(data) {
        var c = MQ.visibleColumns(data.detail, function(i) { return data.shown.indexOf(i) >= 0 })
        compare(c, data.columns)
        compare(MQ.popupWidth(c), data.width)
    }

    function test_texts_data() {
        return [
            { tag: "ten rows scroll", got: MQ.listHeight(10), want: 8 * 65 },
            { tag: "three rows", got: MQ.listHeight(3), want: 3 * 65 },
            { tag: "count", got: MQ.countText("Results: **", 12), want: "Results: 12" },
            { tag: "count zero", got: MQ.countText("Results: **", 0), want: "Results: 0" },
            { tag: "any is a dash", got: MQ.fixedText(65535, 65535, function(v) { return "x" }), want: "-" },
            { tag: "summary of shown columns", got: MQ.summary(["a", "b", "c"], [true, false, true]), want: "a,c" },
            { tag: "pixel text", got: provider.textOf("moviePixel", Kv.Utilities.MP_FHD_16_9_1920_1080), want: "1920x1080" },
            { tag: "HLG HDMI only", got: provider.textOf("movieHLGFixed", Kv.Utilities.MHLG_HDMI_ONLY_POSSIBLE),
              want: "Available only HDMI" }
        ]
    }
    function test_texts(data) {
        compare(data.got, data.want)
    }

    function test_place_data() {
        var a = { x: 0, y: 0, width: 1000, height: 800 }
        return [
            { tag: "centred", x: 500, y: 400, w: 200, h: 100, at: { x: 400, y: 350 } },
            { tag: "kept inside at the top left", x: 10, y: 10, w: 200, h: 100, at: { x: 0, y: 0 } },
            { tag: "kept inside at the bottom right", x: 990, y: 790, w: 200, h: 100, at: { x: 800, y: 700 } },
            { tag: "too big: centred on the area", x: 10, y: 10, w: 1200, h: 100, at: { x: -100, y: 350 } }
        ].map(function(d) { d.area = a; return d })
    }
    function test_place(data) {
        compare(MQ.place(data.x, data.y, data.w, data.h, data.area), data.at)
    }

    // ---- against the simulated camera ----
    KvMainMovieQualityPopup {
        id: popup
        componentsProvider: provider
    }
    KvOptionMovieQualityButton {
        id: qualityButton
        width: 107
        height: 77
        target: "recMovie"
        popupTitle: "Quality"
        popup: popup
        componentsProvider: provider
    }

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
        compare(deviceAdapter.adp_KVR_func_api_Mov_Config_GetCapability(), 1)
    }
    function cleanup() {
        popup.dismiss()
    }

    function test_popup_lists_the_cameras_qualities() {
        popup.present(300, 300, 0, 0, "Quality", deviceAdapter.recMovie, null)
        compare(popup.visible, true)
        compare(popup.detail, true)
        compare(popup.refineShown, true)
        var n = deviceAdapter.mov_quality_list_number_of_quality()
        verify(n > 0)
        compare(popup.rows.length, n)
        compare(popup.list.count, n)
        compare(popup.width, 603)
        var checked = 0
        for (var i = 0; i < n; ++i) {
            compare(popup.rows[i].texts[0], provider.textOf("moviePixel", deviceAdapter.mov_quality_list_data_pixels(i)))
            if (popup.rows[i].value === deviceAdapter.recMovie)
                ++checked
        }
        compare(checked, 1)
    }

    function test_button_shows_and_writes_quality() {
        compare(deviceAdapter.adp_KVR_func_api_Mov_Config_Get_Quality_Detail_List(), 1)
        qualityButton.refresh()
        compare(qualityButton.enabled, true)
        verify(qualityButton.optionText !== "-")
        qualityButton.clickSub()
        compare(popup.visible, true)
        var other = popup.rows[0].value === deviceAdapter.recMovie ? popup.rows[1] : popup.rows[0]
        popup.onSelected(other)
        compare(popup.visible, false)
        tryCompare(deviceAdapter, "recMovie", other.value, 5000)
        tryCompare(qualityButton, "value", other.value)
    }

    // Every quality the camera lists has its picture among the program's
    // images, under every recording format it offers (the picture's name
    // follows the format): unfiltered (the quality button's too) and under
    // each value of each filter condition, every value keeping at least one
    // quality.
    Image { id: picture }
    function pictureStatus(url) {
        picture.source = url
        return picture.status
    }
    function test_listed_qualities_have_pictures_data() {
        return [
            { tag: "unfiltered", target: "" },
            { tag: "frame rate", target: "movieFrameRate" },
            { tag: "pixels", target: "moviePixel" },
            { tag: "compression", target: "movieCompressMethod" },
            { tag: "VFR", target: "movieVFR" },
            { tag: "HLG", target: "movieHLG" }
        ]
    }
    function offeredFormats() {
        var offered = []
        for (var f = 0; f < Kv.Utilities.MPF_Max; ++f)
            if (deviceAdapter.motionPictureFormatCapability(f) === Kv.Utilities.Ternary_True)
                offered.push(f)
        return offered
    }
    function test_listed_qualities_have_pictures(data) {
        var formats = offeredFormats()
        var before = deviceAdapter.motionPictureFormat
        verify(formats.length > 0)
        for (var f = 0; f < formats.length; ++f) {
            deviceAdapter.motionPictureFormat = formats[f]
            tryCompare(deviceAdapter, "motionPictureFormat", formats[f])
            listedQualitiesHavePictures(data)
        }
        deviceAdapter.motionPictureFormat = before
        tryCompare(deviceAdapter, "motionPictureFormat", before)
    }
    function listedQualitiesHavePictures(data) {
        popup.present(300, 300, 0, 0, "Quality", deviceAdapter.recMovie, null)
        compare(popup.detail, true)
        var values = [undefined]
        if (data.target !== "") {
            var n = deviceAdapter[data.target + "CapabilityNum"]()
            verify(n > 1)
            values = []
            for (var i = 0; i < n; ++i)
                values.push(deviceAdapter[qualityButton.conditions[data.target].read](i))
        } else {
            qualityButton.refresh()
            compare(pictureStatus(qualityButton.source), Image.Ready, qualityButton.source)
        }
        for (var v = 0; v < values.length; ++v) {
            if (values[v] !== undefined) {
                compare(deviceAdapter.adp_KVR_func_api_MovieFilter_Ctrl_Start(), Kv.Utilities.Ternary_True)
                deviceAdapter[data.target] = values[v]
                compare(deviceAdapter[data.target], values[v])
                popup.reload()
            }
            verify(popup.rows.length > 0, data.target + " " + values[v] + " keeps no quality")
            for (var r = 0; r < popup.rows.length; ++r)
                compare(pictureStatus(popup.rows[r].image), Image.Ready, popup.rows[r].image)
            if (values[v] !== undefined)
                deviceAdapter.adp_KVR_func_api_MovieFilter_Ctrl_End(Kv.Utilities.MFC_CANCEL)
        }
    }

    function test_filter_window_counts_and_cancels() {
        popup.present(300, 300, 0, 0, "Quality", deviceAdapter.recMovie, null)
        popup.openFilter()
        var filter = popup.filterWindow
        verify(filter)
        compare(filter.visible, true)
        compare(filter.resultCount, deviceAdapter.mov_quality_list_number_of_quality())
        compare(filter.okButton.enabled, filter.resultCount > 0)
        filter.reject()
        compare(filter.visible, false)
    }
}
