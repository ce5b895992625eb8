// placeholder
import QtQuick

Item {
    width: 212

    property bool afAreaChecked: false
    property bool afAreaEnabled: false
    property bool oneShotAfEnabled: false
    property bool mfZoomChecked: false
    property var afFrame: null
    property var lvWindow: null

    signal guidelineSetting()
    signal gridSetting()
    signal overlaySetting()
    signal guidelinePopupClose()
    signal gridPopupClose()
    signal overlayPopupClose()
    signal af_dispframeClicked()
    signal afFramePointScopeEnd()

    function wb_Position_set() {}
    function setMFText() {}
    function setMFZoom(checked) {}
    function setMFScale() {}
    function aspectRatioSetting() {}
    function recPreviewSetting() {}
    function whiteBalanceSetting() {}
    function controlItemSetting(mode) {}
    function updatePhotoFrameXY() {}
    function maskPanelOpen() {}
    function maskPanelClose() {}
    function initSetupTetherMode() {}
    function cameraValueGetComplete() {}
    function updateBtnEnable() {}
}
