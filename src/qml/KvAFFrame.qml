import QtQuick
import Kv 1.0 as Kv
import "qrc:/qml/KvSubFunction.js" as Sub
import "qrc:/qml/KvAFFrame.js" as AF

// The camera's focus frames over the painted live-view picture. The window
// places and sizes this item on the picture; everything here is drawn in
// its own coordinates. The mode (KvAFFrame.js) decides which elements show;
// the camera's AF information decides where and in which colour.
Item {
    id: root

    property int mode: AF.afmode_init
    property int mfzoom_mode: AF.mfzoom_unknown
    property bool afAreaDisplay: false
    property bool dragging: dragArea.dragging
    property var controlItem: null
    property var lvWindow: null

    signal dispAfOff
    signal pinpoint_af_zoom_started
    signal mf_zoom_started

    readonly property var u: Kv.Utilities
    // Shown at all (the window hides the frames in multi view and while
    // the camera menu is up).
    property bool frameShown: true
    // A mode asked for while point scope held the display; taken up again
    // when point scope ends.
    property int pendingMode: -1
    // AF/AE started from the program: AF-off leaves it to the shutter.
    property bool afaeFromApp: false

    // Grid geometry, chosen again on picture, teleconverter and count changes.
    property int aspect: AF.aspect_unknown
    property int sensorType: AF.sensorType_MFTS
    property int lensType: AF.lensType_UNKNOWN
    property int pdafTableType: AF.pdafTable_normal
    property bool pdafOn: false
    property var areaGrid: AF.areaGrid(false, AF.sensorType_Full, AF.aspect_unknown)
    property var pdafGrid: ({ columns: 0, rows: 0, refWidth: 640, refHeight: 480, distanceX: 0, distanceY: 0,
                              frameWidth: 0, frameHeight: 0 })
    property var cellLooks: []
    property var pdafLooks: []
    property var selected: []

    // What the information handlers set.
    property int onePointLook: AF.look_none
    property bool onePointUser: false
    property rect onePointRect: Qt.rect(0, 0, 0, 0)
    property var faces: []
    property int chaseLook: AF.look_none
    property rect chaseRect: Qt.rect(0, 0, 0, 0)
    property int pinpointLook: AF.look_none
    property rect pinpointRect: Qt.rect(0, 0, 0, 0)
    property rect dragRect: Qt.rect(0, 0, 0, 0)
    property rect zoomedRect: Qt.rect(0, 0, 0, 0)
    property var zoneMask: []
    property color userColor: Sub.afFrameColorOf(deviceAdapter.afFrameColor)

    readonly property var modeRecord: AF.afmode[AF.isValidMode(mode) ? mode : AF.afmode_init]
    function shows(element) {
        return frameShown && modeRecord[element]
    }

    visible: frameShown

    // ---- contract ----

    function showFrame() {
        frameShown = true
        redraw()
    }

    function hideFrame() {
        frameShown = false
    }

    function initFrame() {
        afInfoFrameNumSetting()
        redraw()
    }

    function changeMode(newMode) {
        if (!AF.isValidMode(newMode))
            return
        if (newMode === AF.afmode_mf && dragging)
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_END_REQ()
        if (!AF.isMfMode(newMode) && !AF.isPointScopeMode(newMode) && deviceAdapter.afPointScopeEnable
                && deviceAdapter.sFrame_info) {
            pendingMode = newMode
        } else if (newMode !== mode) {
            resetElements()
            mode = newMode
        }
        dispAfOff()
        redraw()
    }

    // The display mode the camera's focus and AF settings ask for.
    function autoFocusModeSetting() {
        var panel = controlItem
        var choice = AF.chooseMode({
            focusMode: deviceAdapter.focusMode,
            autoFocusMode: deviceAdapter.autoFocusMode,
            afState: deviceAdapter.afState,
            afaeState: deviceAdapter.afaeState,
            magnifierOn: panel ? !!panel.mfZoomChecked : false,
            mfzoomMode: mfzoom_mode,
            lvMagEnable: deviceAdapter.lvMagEnable,
            exposureMovie: deviceAdapter.recordingMode === u.RM_CreativeVideo,
            assistType: deviceAdapter.assistType,
            assistMode: deviceAdapter.mfa_mode,
            afAreaDisplay: afAreaDisplay,
            squareFrames: deviceAdapter.afFramesMax === u.AFFMax_315,
            zoneOutline: pdafOn,
            driveMode: deviceAdapter.driveMode
        })
        var oneShot = choice.oneShotAfEnabled || deviceAdapter.focusMode !== u.FM_MF
        if (panel && panel.blocked) {
            // A panel held off (camera menu, streaming, multi view) keeps its
            // buttons off: a camera picked in multi view would otherwise
            // bring them back. The choice waits for the panel's restore.
            if (panel.saved) {
                if (choice.afAreaDisabled)
                    panel.saved.afAreaChecked = false
                panel.saved.afAreaEnabled = !choice.afAreaDisabled
                panel.saved.oneShotEnabled = oneShot
            }
        } else if (panel) {
            if (choice.afAreaDisabled) {
                panel.afAreaChecked = false
                panel.afAreaEnabled = false
            } else {
                panel.afAreaEnabled = true
            }
            panel.oneShotAfEnabled = oneShot
        }
        if (choice.readGridAgain)
            afInfoFrameNumSetting()
        changeMode(choice.mode)
        if (panel && !AF.isPointScopeMode(mode)) {
            panel.setMFText()
            // A magnified view that still runs keeps its button.
            if (!usesMagnifier(mode))
                panel.setMFZoom(false)
        }
    }

    function usesMagnifier(m) {
        return [AF.afmode_mfz, AF.afmode_mfp, AF.afmode_pinpointz, AF.afmode_pinpointp, AF.afmode_lvmag_z,
                AF.afmode_lvmag_p].indexOf(m) >= 0
    }

    // AF/AE held by the shutter button of the program.
    function afaeStart() {
        afaeFromApp = true
        var next = afaeFocusing(mode, true)
        if (next !== mode)
            changeMode(next)
    }

    function afaeStop() {
        afaeFromApp = false
        var next = afaeFocusing(mode, false)
        if (next !== mode)
            changeMode(next)
    }

    // The 225-area and custom modes with their focusing variants.
    function afaeFocusing(m, on) {
        var pairs = [[AF.afmode_point225s, AF.afmode_point225s_af], [AF.afmode_custom, AF.afmode_custom_af],
                     [AF.afmode_customs, AF.afmode_customs_af], [AF.afmode_customf, AF.afmode_customf_af],
                     [AF.afmode_customsf, AF.afmode_customsf_af], [AF.afmode_customo, AF.afmode_customo_af],
                     [AF.afmode_customof, AF.afmode_customof_af]]
        for (var i = 0; i < pairs.length; ++i) {
            if (pairs[i][on ? 0 : 1] === m)
                return pairs[i][on ? 1 : 0]
        }
        if (!AF.isGridMode(m) || AF.isFaceMode(m))
            return m
        return on ? AF.focusingMode(m) : AF.restingMode(m)
    }

    // The window's AF-off button.
    function afoff() {
        if (afaeFromApp)
            return
        if (AF.afOffModes.indexOf(mode) >= 0) {
            sendAfOff()
            clearGrid()
            changeMode(AF.restingMode(mode))
        } else if (mode === AF.afmode_pinpoint) {
            sendAfOff()
        }
    }

    function sendAfOff() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE_AF_OFF()
        if (deviceAdapter.afaeState === u.AfAeDispStatus_Show)
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE2_AFAE_OFF()
    }

    // AF state: both hidden returns each focusing mode to rest, either shown
    // goes the other way (the window shows its AF-off button itself).
    function afStateSetting() {
        var hide = deviceAdapter.afState === u.AfAeDispStatus_Hide && deviceAdapter.afaeState === u.AfAeDispStatus_Hide
        var show = deviceAdapter.afState === u.AfAeDispStatus_Show || deviceAdapter.afaeState === u.AfAeDispStatus_Show
        var next = mode
        if (hide)
            next = AF.restingMode(mode)
        else if (show)
            next = AF.focusingMode(mode)
        if (next !== mode)
            changeMode(next)
        else if (hide && mode === AF.afmode_point225 && deviceAdapter.meteringMode === u.MM_Spot)
            af_info_point225_Changed()
    }

    // ---- magnifier and assist ----

    function mfStart() {
        // Nothing magnified yet: the assist opens on the middle of the picture.
        if (deviceAdapter.mfFrame_pos_X === 0 && deviceAdapter.mfFrame_pos_Y === 0) {
            deviceAdapter.mfFrame_pos_X = 500
            deviceAdapter.mfFrame_pos_Y = 500
        }
        var assist = mfzoom_mode === AF.mfzoom_pinp ? u.RcMfaMode_Pinp : u.RcMfaMode_Zoom
        if (deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_START_REQ(assist) === u.Ternary_True)
            mf_zoom_started()
    }

    function mfEnd() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_END_REQ()
    }

    function mfAdjust() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_ZOOMSTART_REQ()
    }

    function pinpointAfStart() {
        // The zoom opens where the pinpoint frame is.
        deviceAdapter.afFrame_pos_pin_X = deviceAdapter.af_pinpoin_frame_pos_X()
        deviceAdapter.afFrame_pos_pin_Y = deviceAdapter.af_pinpoin_frame_pos_Y()
        if (deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PINPOINT_ZOOMSTART() === u.Ternary_True)
            pinpoint_af_zoom_started()
    }

    function pinpointAfEnd() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_AF_STOP()
    }

    function pScopeStart() {
        if (deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_START() !== u.Ternary_True)
            return
        pendingMode = mode
        changeMode(mfzoom_mode === AF.mfzoom_pinp ? AF.afmode_pscope_p
                                                  : mfzoom_mode === AF.mfzoom_normal ? AF.afmode_pscope_z
                                                                                     : AF.afmode_pscope)
    }

    function pScopeEnd() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PSCOPE_END()
        var back = pendingMode
        pendingMode = -1
        if (AF.isValidMode(back) && !AF.isPointScopeMode(back)) {
            resetElements()
            mode = back
        } else
            autoFocusModeSetting()
        redraw()
    }

    function lvMagStart() {
        var assist = mfzoom_mode === AF.mfzoom_pinp ? u.RcLVMMode_Pinp : u.RcLVMMode_Zoom
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_LV_Mag_START_REQ(assist)
    }

    function lvMagEnd() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_LV_Mag_END_REQ()
    }

    function afmfStart() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_ONEPOINT_REQ()
    }

    function afmfEnd() {
        deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_END_REQ()
    }

    // Moves the magnified area to a point of the picture (pixels).
    function magnify_pos_set(x, y) {
        var tx = AF.toThousandths(x, width)
        var ty = AF.toThousandths(y, height)
        if (mode === AF.afmode_lvmag_z || mode === AF.afmode_lvmag_p) {
            deviceAdapter.lvMag_pos_X = tx
            deviceAdapter.lvMag_pos_Y = ty
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_LV_Mag_MOVE_REQ()
        } else if (AF.isPinpointMode(mode)) {
            deviceAdapter.afFrame_pos_pin_X = tx
            deviceAdapter.afFrame_pos_pin_Y = ty
            if (mode === AF.afmode_pinpointz || mode === AF.afmode_pinpointp)
                deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE2_PINPOINT_ZOOMMOVE()
            else
                deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE_PINPOINT_MOVE_POS()
        } else {
            deviceAdapter.mfFrame_pos_X = tx
            deviceAdapter.mfFrame_pos_Y = ty
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_MF_Assist_MOVE_REQ()
        }
    }

    // The camera's assist mode changed (or its values were read).
    function assistModeSetting() {
        var assist = deviceAdapter.mfa_mode
        var before = mfzoom_mode
        if (assist === u.AsModCur_Zoom) {
            zoomedRect = pinpointZoomRect()
            mfzoom_mode = AF.mfzoom_normal
        } else if (assist === u.AsModCur_Pinp) {
            mfzoom_mode = AF.mfzoom_pinp
        } else if (assist === u.AsModCur_Move) {
            mfzoom_mode = AF.mfzoom_move
            if (controlItem)
                controlItem.mfZoomChecked = false
        } else if (deviceAdapter.assistType === u.AFFrameAssistType_LVMAG) {
            autoFocusModeSetting()
        } else {
            mfzoom_mode = AF.mfzoom_unknown
            if (controlItem)
                controlItem.mfZoomChecked = false
        }
        // The magnified variants of the mode follow the camera's assist view.
        if (mfzoom_mode !== before && !AF.isPointScopeMode(mode))
            autoFocusModeSetting()
        layoutDrag()
        if (controlItem) {
            controlItem.setMFText()
            controlItem.setMFZoom(!!controlItem.mfZoomChecked)
        }
    }

    function pinpointZoomRect() {
        var r = AF.zoomRect(deviceAdapter.af_pinpoin_frame_centerX(), deviceAdapter.af_pinpoin_frame_centerY(),
                            deviceAdapter.af_pinpoin_frame_area_width(), deviceAdapter.af_pinpoin_frame_area_height(),
                            width, height)
        return Qt.rect(r.x, r.y, r.width, r.height)
    }

    // The drag area: the limits the camera gives for the magnified centre.
    function layoutDrag() {
        var left = deviceAdapter.af_pinpoin_frame_upper_leftX()
        var top = deviceAdapter.af_pinpoin_frame_upper_leftY()
        var right = deviceAdapter.af_pinpoin_frame_lower_rightX()
        var bottom = deviceAdapter.af_pinpoin_frame_lower_rightY()
        if (!(right > left) || !(bottom > top)) {
            left = 0
            top = 0
            right = 1000
            bottom = 1000
        }
        dragRect = Qt.rect(AF.toPixels(left, width), AF.toPixels(top, height), AF.toPixels(right - left, width),
                           AF.toPixels(bottom - top, height))
    }

    // ---- clicks ----

    // A click on the picture, in this item's coordinates.
    function clickAt(x, y) {
        if (!frameShown)
            return
        if (AF.isFaceMode(mode) || AF.isFullAreaMode(mode)) {
            sendAfArea(AF.toThousandths(x, width), AF.toThousandths(y, height), AF.isFaceMode(mode))
        } else if (AF.isGridMode(mode) || AF.isCustomMode(mode)) {
            var cell = AF.areaCellAt(areaGrid, x, y, width, height)
            if (cell < 0)
                return
            var r = AF.areaCellRect(areaGrid, cell, width, height)
            deviceAdapter.adp_KVR_func_api_RecInfo_AF_Frame_Set_Multi_AF_Frame(cell)
            sendAfArea(AF.toThousandths(r.x + r.width / 2, width), AF.toThousandths(r.y + r.height / 2, height), false)
            redraw()
        }
    }

    function sendAfArea(tx, ty, toFaceAf) {
        if (deviceAdapter.recordingMode === u.RM_IntelligentAuto) {
            deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_AE_TRACKING_START(tx, ty)
            return
        }
        var ok = deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_Area_Start(tx, ty) === u.Ternary_True
        ok = deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_Area_Move(tx, ty) === u.Ternary_True && ok
        ok = deviceAdapter.adp_KVR_func_api_Rec_Ctrl_AF_Area_End() === u.Ternary_True && ok
        if (ok && toFaceAf)
            changeMode(AF.afmode_face_af)
    }

    // ---- grid geometry ----

    // Picture aspect, sensor, PDAF table and lens: the grid to draw.
    function afInfoFrameNumSetting() {
        aspect = AF.aspectOf(width, height)
        pdafOn = deviceAdapter.afPDAFEnable && deviceAdapter.af_pdaf_info() === u.AfInfoPDAFInfo_ON
        sensorType = AF.sensorTypeOf(aspect, deviceAdapter.af_af_frame_num_X(), deviceAdapter.af_af_frame_num_Y())
        pdafTableType = AF.pdafTableTypeOf(deviceAdapter.exTelecon, deviceAdapter.pictureSize)
        lensType = AF.lensTypeOf(sensorType, aspect, pdafTableType, deviceAdapter.af_pdaf_frame_num_X(),
                                 deviceAdapter.af_pdaf_frame_num_Y())
        areaGrid = AF.areaGrid(deviceAdapter.afFramesMax === u.AFFMax_315, sensorType, aspect)
        var reference = AF.pdafReference(aspect)
        pdafGrid = AF.pdafGrid(lensType, aspect, pdafTableType, {
            countX: Math.min(deviceAdapter.af_pdaf_frame_num_X(), 41),
            countY: Math.min(deviceAdapter.af_pdaf_frame_num_Y(), 19),
            distanceX: deviceAdapter.af_pdaf_cluster_x(reference.width),
            distanceY: deviceAdapter.af_pdaf_cluster_y(reference.height),
            frameWidth: deviceAdapter.af_pdaf_frame_size_w(reference.width, reference.height),
            frameHeight: deviceAdapter.af_pdaf_frame_size_h(reference.width, reference.height)
        })
    }

    // What one mode drew is not left behind for the next.
    function resetElements() {
        onePointLook = AF.look_none
        chaseLook = AF.look_none
        pinpointLook = AF.look_none
        zoomedRect = Qt.rect(0, 0, 0, 0)
        clearFaces()
        clearGrid()
    }

    function clearGrid() {
        cellLooks = []
        pdafLooks = []
        selected = []
    }

    function cellRect(i) {
        var r = pdafOn ? AF.pdafCellRect(pdafGrid, i, width, height) : AF.areaCellRect(areaGrid, i, width, height)
        return Qt.rect(r.x, r.y, r.width, r.height)
    }

    // ---- information handlers ----

    function redraw() {
        if (!frameShown)
            return
        af_frame_info_Changed()
    }

    function af_frame_info_Changed() {
        if (!frameShown || width <= 0 || height <= 0)
            return
        switch (true) {
        case mode === AF.afmode_pointone:
            af_info_pointone_Changed()
            break
        case mode === AF.afmode_pointone_aux:
            af_info_pointone_Changed()
            break
        case AF.isGridMode(mode) && !AF.isFaceMode(mode):
            af_info_point225_Changed()
            break
        case AF.isFaceMode(mode):
            af_info_face_Changed()
            break
        case mode === AF.afmode_chase || mode === AF.afmode_chase_af:
            af_info_chase_Changed()
            break
        case AF.isPinpointMode(mode):
            af_info_pinpoint_Changed()
            if (controlItem)
                controlItem.setMFScale()
            assistModeSetting()
            break
        case AF.isCustomMode(mode):
            af_info_custom_Changed()
            break
        case mode === AF.afmode_mf || mode === AF.afmode_mff:
            af_info_mf_Changed()
            break
        case usesMagnifier(mode):
            af_info_mfz_Changed()
            if (controlItem)
                controlItem.setMFScale()
            assistModeSetting()
            break
        case AF.isPointScopeMode(mode):
            af_info_pscope_Changed()
            break
        default:
            break
        }
        // The magnified view follows a focus started with the magnifier on.
        if (deviceAdapter.afaeState === u.AfAeDispStatus_Show && mfzoom_mode === AF.mfzoom_normal
                && !usesMagnifier(mode))
            af_info_mfz_Changed()
    }

    function recognition() {
        return {
            faceDetected: deviceAdapter.af_faceinfo_face_detect_status(0) > 0,
            bodyDetected: deviceAdapter.af_human_detect_info_status(0) !== 0,
            generalEnable: deviceAdapter.autoRecognizeGeneralEnable,
            general: deviceAdapter.autoRecognizeGeneral,
            automaticEnable: deviceAdapter.automaticRecoEnable,
            automatic: deviceAdapter.automaticReco === 1
        }
    }

    function frameZeroState() {
        return pdafOn ? deviceAdapter.af_pdaf_display_DispInfo(0) : deviceAdapter.af_display_DispInfo(0)
    }

    function rectOf(cx, cy, w, h) {
        var r = AF.frameRect(cx, cy, w, h, width, height)
        return Qt.rect(r.x, r.y, r.width, r.height)
    }

    function onePointCameraRect() {
        return rectOf(deviceAdapter.af_onepoin_frame_pos_X(), deviceAdapter.af_onepoin_frame_pos_Y(),
                      deviceAdapter.af_onepoin_frame_width(), deviceAdapter.af_onepoin_frame_height())
    }

    function showOnePointSimple() {
        onePointRect = onePointCameraRect()
        onePointLook = AF.look_min_white
        onePointUser = false
    }

    function clearFaces() {
        faces = []
    }

    function setFaces(simple) {
        var list = []
        var status = deviceAdapter.af_status_ulAFStatus()
        var zero = frameZeroState()
        for (var i = 0; i < 15; ++i) {
            var detect = deviceAdapter.af_faceinfo_face_detect_status(i)
            if (detect <= 0)
                continue
            var look = AF.look_normal_white
            if (simple)
                look = AF.look_min_white
            else if (i === 0 && zero === u.AfInfoDispFrame_Green)
                look = AF.look_normal_green
            else if (i === 0 && zero === u.AfInfoDispFrame_Red)
                look = AF.look_normal_red
            else if (i === 0 && AF.inProgressLike(status))
                look = AF.look_normal_yellow
            list.push({ look: look, rect: rectOf(deviceAdapter.af_faceinfo_face_detect_face_pos_pos_X(i),
                                                 deviceAdapter.af_faceinfo_face_detect_face_pos_pos_Y(i),
                                                 deviceAdapter.af_faceinfo_face_detect_frame_length_X(i),
                                                 deviceAdapter.af_faceinfo_face_detect_frame_length_Y(i)) })
        }
        faces = list
    }

    function af_info_pointone_Changed() {
        var s = recognition()
        s.status = deviceAdapter.af_status_ulAFStatus()
        s.dispFrame = frameZeroState()
        s.mode = mode
        if (!s.faceDetected)
            clearFaces()
        var d = AF.onePointDecision(s)
        onePointUser = !!d.userColour
        if (d.at === "big")
            onePointRect = rectOf(AF.bigFrame.cx, AF.bigFrame.cy, AF.bigFrame.w, AF.bigFrame.h)
        else
            onePointRect = onePointCameraRect()
        onePointLook = deviceAdapter.af_onepoin_frame_minimum() === u.AFFrameSimpleState_On ? AF.minimumLook(d.look)
                                                                                            : d.look
        if (d.simpleFaces)
            setFaces(true)
    }

    function af_info_face_Changed() {
        var s = recognition()
        s.status = deviceAdapter.af_status_ulAFStatus()
        s.dispFrame = frameZeroState()
        s.mode = mode
        s.simple = deviceAdapter.af_onepoin_frame_val() === u.AFFrameSimpleState_On
        var d = AF.faceDecision(s)
        switch (d.kind) {
        case "clear":
            onePointLook = AF.look_none
            clearFaces()
            clearGrid()
            return
        case "grid":
            clearFaces()
            af_info_point225_Changed()
            return
        case "big":
            clearFaces()
            clearGrid()
            onePointRect = rectOf(AF.bigFrame.cx, AF.bigFrame.cy, AF.bigFrame.w, AF.bigFrame.h)
            onePointLook = d.look
            break
        case "one":
            clearFaces()
            clearGrid()
            onePointRect = onePointCameraRect()
            onePointLook = d.look
            break
        default:
            setFaces(s.simple)
            if (d.onePoint === "simple")
                showOnePointSimple()
            else
                onePointLook = AF.look_none
            break
        }
        onePointUser = false
        if (d.mode !== mode)
            mode = d.mode
    }

    function af_info_chase_Changed() {
        var s = recognition()
        var focusing = deviceAdapter.afaeState === u.AfAeDispStatus_Show
        if (focusing && controlItem && controlItem.mfZoomChecked) {
            chaseLook = AF.look_none
            return
        }
        s.status = deviceAdapter.af_status_ulAFStatus()
        s.dispFrame = frameZeroState()
        s.simple = deviceAdapter.af_onepoin_frame_val() === u.AFFrameSimpleState_On
        s.automaticOn = s.automaticEnable && s.automatic
        s.generalOn = s.generalEnable && s.general !== u.AR_GENERAL_OFF
        s.trackX = deviceAdapter.af_tracking_tracking_pos_pos_X()
        s.trackY = deviceAdapter.af_tracking_tracking_pos_pos_Y()
        s.focusing = focusing
        if (!s.faceDetected)
            clearFaces()
        var d = AF.trackingDecision(s)
        if (d.simpleFaces)
            setFaces(true)
        if (d.chase === "frame") {
            chaseRect = rectOf(s.trackX, s.trackY, deviceAdapter.af_tracking_tracking_area_img_img_width(),
                               deviceAdapter.af_tracking_tracking_area_img_img_height())
            chaseLook = d.look
        } else if (d.chase === "mark") {
            chaseRect = rectOf(deviceAdapter.af_tracking_frame_pos_x(), deviceAdapter.af_tracking_frame_pos_y(), 142,
                               AF.trackingMarkHeight(width, height))
            chaseLook = d.look
        } else {
            chaseLook = AF.look_none
        }
        if (d.onePoint === "simple")
            showOnePointSimple()
        else if (d.onePoint === "hidden")
            onePointLook = AF.look_none
    }

    function af_info_pinpoint_Changed() {
        var d = AF.pinpointDecision({
            status: deviceAdapter.af_status_ulAFStatus(),
            dispFrame: frameZeroState(),
            simple: deviceAdapter.af_onepoin_frame_val() === u.AFFrameSimpleState_On,
            assistMode: deviceAdapter.mfa_mode
        })
        if (d.kind === "hidden") {
            pinpointLook = AF.look_none
            return
        }
        if (d.kind === "simple") {
            pinpointLook = AF.look_none
            showOnePointSimple()
            return
        }
        var w = d.size !== undefined ? d.size : deviceAdapter.af_pinpoin_frame_width()
        var h = d.size !== undefined ? d.size : deviceAdapter.af_pinpoin_frame_height()
        if (d.at === "cursorArea")
            pinpointRect = rectOf(deviceAdapter.af_pinpoin_frame_centerX(), deviceAdapter.af_pinpoin_frame_centerY(),
                                  d.size !== undefined ? d.size : deviceAdapter.af_pinpoin_frame_area_width(),
                                  d.size !== undefined ? d.size : deviceAdapter.af_pinpoin_frame_area_height())
        else if (d.at === "cursor")
            pinpointRect = rectOf(deviceAdapter.af_pinpoin_frame_cursorX(), deviceAdapter.af_pinpoin_frame_cursorY(), w,
                                  h)
        else
            pinpointRect = rectOf(deviceAdapter.af_pinpoin_frame_pos_X(), deviceAdapter.af_pinpoin_frame_pos_Y(), w, h)
        pinpointLook = d.look
    }

    function af_info_point225_Changed() {
        var s = recognition()
        s.status = deviceAdapter.af_status_ulAFStatus()
        s.dispFrame = frameZeroState()
        s.mode = mode
        s.simple = deviceAdapter.af_onepoin_frame_val() === u.AFFrameSimpleState_On
        if (!s.faceDetected)
            clearFaces()
        afInfoFrameNumSetting()
        s.dispNum = pdafOn ? deviceAdapter.af_pdaf_display_DispNum() : deviceAdapter.af_display_DispNum()
        var index = deviceAdapter.af_afmulti_pos_index()
        if (index === u.AFFrameMultiAfPos_Unknown || index === u.AFFrameMultiAfPos_Invalid)
            clearGrid()
        var d = AF.gridDecision(s)
        switch (d.kind) {
        case "clear":
            clearGrid()
            return
        case "faces":
            setFaces(true)
            return
        case "simple":
            clearGrid()
            showOnePointSimple()
            return
        default:
            break
        }
        onePointLook = AF.look_none
        selected = AF.selectedCells(areaGrid, index, deviceAdapter.af_afmulti_pos_size())
        var rest = AF.restingCell(mode)
        var looks = []
        var count = areaGrid.columns * areaGrid.rows
        for (var i = 0; i < count; ++i)
            looks.push(rest)
        for (var k = 0; k < selected.length; ++k)
            looks[selected[k]] = AF.cell_yellow
        var pdaf = []
        if (pdafOn) {
            var points = pdafGrid.columns * pdafGrid.rows
            for (var p = 0; p < points; ++p)
                pdaf.push(AF.cell_none)
        }
        if (d.kind === "focused" && s.dispNum > 0) {
            if (pdafOn) {
                for (var q = 0; q < pdaf.length; ++q) {
                    if (deviceAdapter.af_pdaf_display_DispInfo(q) === u.AfInfoDispFrame_Green)
                        pdaf[q] = AF.cell_green_border
                }
                if (!afframePDAF_timer.running)
                    afframePDAF_timer.start()
            } else {
                var lit = false
                for (var j = 0; j < count; ++j) {
                    if (deviceAdapter.af_display_DispInfo(j) === u.AfInfoDispFrame_Green) {
                        looks[j] = AF.cell_green
                        lit = true
                    }
                }
                if (lit && !f225_focus_timer.running)
                    f225_focus_timer.start()
            }
        }
        // Marks the camera no longer refreshes fade back after a while.
        if (!f225_timer.running)
            f225_timer.start()
        cellLooks = looks
        pdafLooks = pdaf
    }

    // The custom table: the cells of the camera's custom area.
    function af_info_custom_Changed() {
        afInfoFrameNumSetting()
        var count = areaGrid.columns * areaGrid.rows
        var rest = modeRecord.frame_customf ? AF.cell_lightgrey : AF.cell_none
        var looks = []
        var mask = []
        for (var i = 0; i < count; ++i) {
            var on = deviceAdapter.af_cmulti_table_data(i) > 0
            mask.push(on ? 1 : 0)
            looks.push(on ? AF.cell_yellow : rest)
        }
        cellLooks = looks
        zoneMask = mask
        var s = recognition()
        if (s.faceDetected)
            setFaces(true)
        else
            clearFaces()
    }

    // Manual focus: the frame the assist would magnify.
    function af_info_mf_Changed() {
        layoutDrag()
        zoomedRect = Qt.rect(0, 0, 0, 0)
    }

    function af_info_mfz_Changed() {
        layoutDrag()
        zoomedRect = pinpointZoomRect()
    }

    function af_info_pscope_Changed() {
        changeValueSmallFrame()
    }

    function changeValueSmallFrame() {
        smallFrame.outerRect = Qt.rect(AF.toPixels(deviceAdapter.sFrame_outer_posX, width),
                                       AF.toPixels(deviceAdapter.sFrame_outer_posY, height),
                                       AF.toPixels(deviceAdapter.sFrame_outer_sizeW, width),
                                       AF.toPixels(deviceAdapter.sFrame_outer_sizeH, height))
        smallFrame.magRect = Qt.rect(AF.toPixels(deviceAdapter.sFrame_mag_posX, width),
                                     AF.toPixels(deviceAdapter.sFrame_mag_posY, height),
                                     AF.toPixels(deviceAdapter.sFrame_mag_sizeW, width),
                                     AF.toPixels(deviceAdapter.sFrame_mag_sizeH, height))
        smallFrame.mode = deviceAdapter.sFrame_info ? smallFrame.mode_both : smallFrame.mode_normal
    }

    // ---- timers ----

    // Cells in focus are refreshed half a second after the camera lit them.
    Timer {
        id: f225_focus_timer
        interval: 500
        repeat: false
        onTriggered: root.af_info_point225_Changed()
    }
    // Cells still marked after five seconds go back to rest.
    Timer {
        id: f225_timer
        interval: 5000
        repeat: false
        onTriggered: {
            var rest = AF.restingCell(root.mode)
            var looks = root.cellLooks.slice()
            for (var i = 0; i < looks.length; ++i) {
                if (looks[i] === AF.cell_yellow || looks[i] === AF.cell_green)
                    looks[i] = rest
            }
            root.cellLooks = looks
        }
    }
    Timer {
        id: afframePDAF_timer
        interval: 300
        repeat: false
        onTriggered: root.af_info_point225_Changed()
    }

    // ---- the camera's notices ----

    Connections {
        target: deviceAdapter
        function onAf_frame_info_Changed() { root.af_frame_info_Changed() }
        function onLiveview_size_Changed() { root.initFrame() }
        function onSFrame_infoChanged() {
            if (AF.isPointScopeMode(root.mode))
                root.changeValueSmallFrame()
        }
        function onAf_pdaf_frame_numChanged() {
            if (root.pdafOn)
                afframePDAF_timer.restart()
        }
        function onAfFrameColorChanged() { root.redraw() }
        function onFocusModeChanged() { root.autoFocusModeSetting() }
        function onAutoFocusModeChanged() { root.autoFocusModeSetting() }
        function onAfStateChanged() { root.afStateSetting() }
        function onAfaeStateChanged() { root.afStateSetting() }
        function onMfa_modeChanged() { root.assistModeSetting() }
    }

    onAfAreaDisplayChanged: autoFocusModeSetting()
    onWidthChanged: initFrame()
    onHeightChanged: initFrame()

    // ---- the elements ----

    Repeater {
        id: areaCells
        model: root.shows("frame_225") || root.shows("frame_225f") || root.shows("frame_225s")
               || root.shows("frame_custom") ? root.cellLooks.length : 0
        KvAFFrame225 {
            readonly property var cell: AF.areaCellRect(root.areaGrid, index, root.width, root.height)
            // With phase detection the zone is outlined on its grid instead.
            visible: !root.pdafOn || (AF.isCustomMode(root.mode) && !root.modeRecord.frame_outer)
            x: Math.round(cell.x)
            y: Math.round(cell.y)
            width: Math.round(cell.width)
            height: Math.round(cell.height)
            look: root.cellLooks[index]
        }
    }

    Repeater {
        id: pdafCells
        model: root.pdafOn && (root.shows("frame_225") || root.shows("frame_225f") || root.shows("frame_225s"))
               ? root.pdafLooks.length : 0
        KvAFFrame225 {
            readonly property var cell: AF.pdafCellRect(root.pdafGrid, index, root.width, root.height)
            x: Math.round(cell.x)
            y: Math.round(cell.y)
            width: Math.max(2, Math.round(cell.width))
            height: Math.max(2, Math.round(cell.height))
            look: root.pdafLooks[index]
        }
    }

    KvAFFrameZoneOuter {
        id: zoneOuter
        anchors.fill: parent
        visible: root.shows("frame_outer")
        // The camera's table is on the area grid; on the phase-detection grid
        // the zone's own shape is drawn.
        columns: root.pdafOn ? root.pdafGrid.columns : root.areaGrid.columns
        rows: root.pdafOn ? root.pdafGrid.rows : root.areaGrid.rows
        mask: root.pdafOn ? [] : root.zoneMask
        shape: deviceAdapter.autoFocusMode === root.u.AFM_Ellipse ? AF.zone_ellipse
               : deviceAdapter.autoFocusMode === root.u.AFM_CustomVertical ? AF.zone_vertical
               : deviceAdapter.autoFocusMode === root.u.AFM_CustomHorizon ? AF.zone_horizontal : AF.zone_vertHori
        lineColor: root.shows("frame_outerf") ? Sub.afFrameColorPalette.yellow : Sub.afFrameColorPalette.white
        cellRect: function(i) {
            return root.cellRect(i)
        }
    }

    Repeater {
        model: root.shows("frame_face") ? root.faces.length : 0
        KvAFFrameSquare {
            x: root.faces[index].rect.x
            y: root.faces[index].rect.y
            width: root.faces[index].rect.width
            height: root.faces[index].rect.height
            look: root.faces[index].look
        }
    }

    KvAFFrameSquare {
        id: onePoint
        visible: (root.shows("frame_one") || root.shows("frame_pinpoint")) && look !== AF.look_none
        x: root.onePointRect.x
        y: root.onePointRect.y
        width: root.onePointRect.width
        height: root.onePointRect.height
        look: root.onePointLook
        userSet: root.onePointUser
        userColor: root.userColor
    }

    // The assist area round the one-point frame (1-area +).
    KvAFFrameSquare {
        visible: root.shows("frame_one_aux") && onePoint.look !== AF.look_none
        x: onePoint.x - onePoint.width / 2
        y: onePoint.y - onePoint.height / 2
        width: onePoint.width * 2
        height: onePoint.height * 2
        look: AF.look_rect_white
    }

    KvAFFrameSquare {
        id: chase
        visible: root.shows("frame_chase") && look !== AF.look_none
        x: root.chaseRect.x
        y: root.chaseRect.y
        width: root.chaseRect.width
        height: root.chaseRect.height
        look: root.chaseLook
    }

    KvAFFrameSquare {
        id: pinpoint
        visible: root.shows("frame_pinpoint") && look !== AF.look_none
        x: root.pinpointRect.x
        y: root.pinpointRect.y
        width: root.pinpointRect.width
        height: root.pinpointRect.height
        look: root.pinpointLook
    }

    KvAFFrameDrag {
        id: dragArea
        visible: root.shows("frame_drag")
        x: root.dragRect.x
        y: root.dragRect.y
        width: root.dragRect.width
        height: root.dragRect.height
        onMoved: function(px, py) { root.magnify_pos_set(x + px, y + py) }
        onReleased: function(px, py) { root.magnify_pos_set(x + px, y + py) }
    }

    // The part of the picture the assist magnifies.
    KvAFFrameSquare {
        visible: root.shows("frame_drag") && root.zoomedRect.width > 0
        x: root.zoomedRect.x
        y: root.zoomedRect.y
        width: root.zoomedRect.width
        height: root.zoomedRect.height
        look: AF.look_rect_yellow
    }

    KvAFFrameSmall {
        id: smallFrame
        anchors.fill: parent
        visible: root.shows("frame_small")
    }

    // The centre mark of the assist views.
    Item {
        id: centreMark
        readonly property bool small: root.shows("center_blue_s")
        visible: root.shows("center_blue") || small || root.shows("center_white")
        x: root.width / 2 - width / 2
        y: root.height / 2 - height / 2
        width: small ? 12 : 24
        height: width
        readonly property color markColor: root.shows("center_white") ? Sub.afFrameColorPalette.white
                                                                      : Sub.afFrameColorPalette.lightBlue
        Rectangle {
            anchors.centerIn: parent
            width: parent.width
            height: 2
            color: centreMark.markColor
        }
        Rectangle {
            anchors.centerIn: parent
            width: 2
            height: parent.height
            color: centreMark.markColor
        }
    }
}
