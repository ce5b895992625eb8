import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvMovieQuality.js" as MQ
import "KvSubFunction.js" as Sub

// The movie-quality button of the main window (target recMovie: the
// quality's picture, the list popup) and the condition buttons of the
// filter window (the condition's value text, the value list). A value the
// user chooses is written to the setting; one shown by a refresh is not.
KvRectangleButton {
    id: root

    property string target: "recMovie"
    property string popupTitle: ""
    property var popup: null
    property var componentsProvider: null
    property bool isDetail: true
    property bool capable: true

    readonly property bool qualityButton: target === "recMovie"
    readonly property var conditions: ({
        movieFrameRate: { read: "mov_quality_filter_frame_rate_value", list: "movieFrameRate" },
        moviePixel: { read: "mov_quality_filter_pixel_value", list: "moviePixel" },
        movieCompressMethod: { read: "mov_quality_filter_compression_method_value", list: "movieCompressMethod" },
        movieVFR: { read: "mov_quality_filter_vfr_value", list: "movieVFR" },
        movieHLG: { read: "mov_quality_filter_hlg_value", list: "movieHLG" }
    })

    type: qualityButton ? "optionWithImage" : "optionWithText"

    function textOf(list, v) {
        return componentsProvider ? componentsProvider.textOf(list, v) : ""
    }

    // ---- the filter conditions ----
    // The camera's filter values of this condition with their texts.
    function filterEntries() {
        var c = conditions[target]
        var out = []
        if (!c)
            return out
        var n = deviceAdapter[target + "CapabilityNum"]()
        for (var i = 0; i < n; ++i) {
            var v = deviceAdapter[c.read](i)
            var text
            if (target === "movieFrameRate")
                text = v === 0xFFFFFFFF ? textOf("movieFrameRate", v) : deviceAdapter.mov_quality_filter_frame_rate_string(i)
            else if (target === "movieCompressMethod")
                text = v === Kv.Utilities.MCPM_ALL ? textOf("movieCompressMethod", v)
                       : MQ.codecText(deviceAdapter.mov_quality_filter_compression_method_string(i),
                                      deviceAdapter.motionPictureFormat === Kv.Utilities.MPF_ProRes,
                                      function(x) { return textOf("movieCompressMethod", x) })
            else
                text = textOf(c.list, v)
            out.push({ value: v, text: text })
        }
        return out
    }

    function refreshCondition() {
        var current = deviceAdapter[target]
        var entries = filterEntries()
        optionText = ""
        for (var i = 0; i < entries.length; ++i) {
            if (entries[i].value === current)
                optionText = entries[i].text
        }
        disabled = deviceAdapter[target + "CapabilityNum"]() < 0
        enabled = !disabled
    }

    // ---- the quality button ----
    function qualityOf(v) {
        var n = deviceAdapter.mov_quality_list_number_of_quality()
        for (var i = 0; i < n; ++i) {
            if (deviceAdapter.mov_quality_list_data_video_quality(i) === v)
                return i
        }
        return -1
    }

    function optionSelect(v) {
        if (!qualityButton) {
            refreshCondition()
            return
        }
        value = v
        var i = qualityOf(v)
        if (i < 0) {
            source = ""
            optionText = "-"
            toolTipText = ""
            disabled = true
            enabled = false
            return
        }
        var px = deviceAdapter.mov_quality_list_data_pixels(i)
        var fps = deviceAdapter.mov_quality_list_data_frame_rate(i)
        var codes = deviceAdapter.mov_quality_list_data_compression_method(i)
        var br = deviceAdapter.mov_quality_list_data_bit_rate(i)
        var codec = MQ.codecText(codes, deviceAdapter.motionPictureFormat === Kv.Utilities.MPF_ProRes,
                                 function(c) { return textOf("movieCompressMethod", c) })
        var parts = [textOf("moviePixel", px), fps]
        if (Sub.rawPixels().indexOf(px) < 0)
            parts.push(codec, br)
        source = Sub.getRecModeImage(deviceAdapter.motionPictureFormat, px, br, codes, fps)
        optionText = parts.join(" ")
        toolTipText = "<HTML>" + popupTitle + "<br>" + parts.join(" ") + "</HTML>"
        var on = deviceAdapter.recMovieCapabilityNum() >= 2 || isDetail
        disabled = !on
        enabled = on
    }

    function refresh() {
        optionSelect(deviceAdapter[target])
    }

    Connections {
        target: deviceAdapter
        ignoreUnknownSignals: true
        function onCameraStatusChanged() {
            var s = deviceAdapter.cameraStatus
            if (root.qualityButton && root.popup && root.popup.visible
                    && (s === Kv.Utilities.CamStatus_MovRec_Others || s === Kv.Utilities.CamStatus_Playing
                        || s === Kv.Utilities.CamStatus_Processing))
                root.popup.dismiss()
        }
    }

    // the setting the button follows, left again when it is destroyed
    property string connectedTarget: ""
    Component.onCompleted: {
        connectedTarget = target
        Sub.followSetting(deviceAdapter, connectedTarget, refresh, refresh, true)
        refresh()
    }
    Component.onDestruction: Sub.followSetting(deviceAdapter, connectedTarget, refresh, refresh, false)

    // Opens or closes the list of this button.
    function clickSub() {
        if (!popup)
            return
        if (popup.visible) {
            popup.dismiss()
            return
        }
        if (qualityButton) {
            var w = root.Window.window
            var cx = w ? w.x + w.width / 2 : 0
            var cy = w ? w.y + w.height / 2 : 0
            popup.present(cx, cy, w ? w.x : 0, w ? w.y : 0, popupTitle, value, function(row) {
                if (logCol)
                    logCol.log(logLevel, logScrTagID, target + " selected", "" + row.value)
                deviceAdapter.recMovie = row.value
                // a refused write has put the camera's own quality back
                if (deviceAdapter.recMovie !== row.value) {
                    refresh()
                    popup.dismiss()
                    return
                }
                value = row.value
                source = row.image
                toolTipText = "<HTML>" + popupTitle + "<br>" + row.summary + "</HTML>"
                popup.dismiss()
            })
        } else {
            var entries = filterEntries()
            var current = deviceAdapter[target]
            popup.present(root, popupTitle, entries, current, function(v) {
                deviceAdapter[target] = v
                popup.dismiss()
            })
        }
    }
    onClicked: clickSub()
}
