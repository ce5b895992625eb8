// placeholder
import QtQuick

Item {
    property int mode: 0
    property int mfzoom_mode: -1
    property bool afAreaDisplay: false
    property bool dragging: false
    property var controlItem: null
    property var lvWindow: null

    signal dispAfOff()
    signal pinpoint_af_zoom_started()
    signal mf_zoom_started()

    function afoff() {}
    function autoFocusModeSetting() {}
    function afaeStart() {}
    function afaeStop() {}
    function showFrame() {}
    function hideFrame() {}
    function initFrame() {}
    function mfStart() {}
    function mfEnd() {}
    function mfAdjust() {}
    function pinpointAfStart() {}
    function pinpointAfEnd() {}
    function pScopeStart() {}
    function pScopeEnd() {}
    function lvMagStart() {}
    function lvMagEnd() {}
    function afmfStart() {}
    function afmfEnd() {}
    function magnify_pos_set(x, y) {}
    function changeMode(mode) {}
    function clickAt(x, y) {}
}
