.pragma library
.import Kv 1.0 as Kv
.import "KvAFFrameTables.js" as Tables

// The focus-frame display's decisions: which display mode a camera state
// asks for, which elements a mode shows, the grid geometry, the conversion
// between the camera's thousandths and pixels, and what each kind of AF
// information draws. No item is touched here; KvAFFrame.qml reads the
// camera, asks these functions and applies the answer.

// ---- display modes ----

var afmode_init = 0
var afmode_pointone = 1
var afmode_point225 = 2
var afmode_point225s = 3
var afmode_point225_af = 4
var afmode_point225s_af = 5
var afmode_point225f = 6
var afmode_point225sf = 7
var afmode_point225f_af = 8
var afmode_point225sf_af = 9
var afmode_face = 10
var afmode_face_eye = 11
var afmode_face_af = 12
var afmode_face_225 = 13
var afmode_face_225_af = 14
var afmode_face_225f = 15
var afmode_face_225f_af = 16
var afmode_chase = 17
var afmode_chase_af = 18
var afmode_pinpoint = 19
var afmode_pinpointf = 20
var afmode_pinpointz = 21
var afmode_pinpointp = 22
var afmode_custom = 23
var afmode_customs = 24
var afmode_custom_af = 25
var afmode_customs_af = 26
var afmode_customf = 27
var afmode_customsf = 28
var afmode_customf_af = 29
var afmode_customsf_af = 30
var afmode_mf = 31
var afmode_mff = 32
var afmode_mfz = 33
var afmode_mfp = 34
var afmode_pscope = 35
var afmode_pscope_z = 36
var afmode_pscope_p = 37
var afmode_pointone_aux = 38
var afmode_focusselect = 39
var afmode_customo = 40
var afmode_customo_af = 41
var afmode_customof = 42
var afmode_customof_af = 43
var afmode_fullarea = 44
var afmode_fullarea_af = 45
var afmode_fullareaf = 46
var afmode_fullareaf_af = 47
var afmode_lvmag_z = 48
var afmode_lvmag_p = 49
var afmode_num = 50

// The magnifier's mode.
var mfzoom_unknown = -1
var mfzoom_normal = 0
var mfzoom_pinp = 1
var mfzoom_move = 2

var sensorType_Full = 0
var sensorType_MFTS = 1

var lensType_UNKNOWN = -1
var lensType_FF = 0
var lensType_APS_C = 1
var lensType_MFTS = 2

var aspect_unknown = 0
var aspect_4_3 = 1
var aspect_3_2 = 2
var aspect_16_9 = 3
var aspect_1_1 = 4
var aspect_17_9 = 5
var aspect_2_4_1 = 6

var pdafTable_normal = 0
var pdafTable_exM = 1
var pdafTable_exS = 2

// ---- the element table ----

// Every element a mode can show, in the order of the table's flags.
var elements = ["center_blue", "center_blue_s", "center_white", "frame_one", "frame_one_aux", "frame_225", "frame_225f",
                "frame_225s", "frame_face", "frame_chase", "frame_chase_af", "frame_custom", "frame_customf",
                "frame_pinpoint", "frame_drag", "frame_small", "frame_outer", "frame_outerf"]

function modeRecord(value, name, shown) {
    var record = { value: value, name: name }
    for (var i = 0; i < elements.length; ++i)
        record[elements[i]] = shown.indexOf(elements[i]) >= 0
    return record
}

// The one-point and face frames come with every AF mode that can find a
// subject; the grid modes keep the 225 grid for the cells the camera lights;
// the magnified assists show the drag area and a centre mark (blue in the
// zoomed view, small blue in picture-in-picture, white for plain MF).
var subject = ["frame_one", "frame_face"]
var afmode = [
    modeRecord(afmode_init, "Init", []),
    modeRecord(afmode_pointone, "1-Area", subject),
    modeRecord(afmode_point225, "225-Area", subject.concat(["frame_225"])),
    modeRecord(afmode_point225s, "225-Area Square", subject.concat(["frame_225s"])),
    modeRecord(afmode_point225_af, "225-Area AF", subject.concat(["frame_225"])),
    modeRecord(afmode_point225s_af, "225-Area Square AF", subject.concat(["frame_225s"])),
    modeRecord(afmode_point225f, "225-Area Display", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_point225sf, "225-Area Square Display", subject.concat(["frame_225s", "frame_225f"])),
    modeRecord(afmode_point225f_af, "225-Area Display AF", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_point225sf_af, "225-Area Square Display AF", subject.concat(["frame_225s", "frame_225f"])),
    modeRecord(afmode_face, "Face", subject.concat(["frame_225"])),
    modeRecord(afmode_face_eye, "Face/Eye", subject.concat(["frame_225"])),
    modeRecord(afmode_face_af, "Face AF", subject.concat(["frame_225"])),
    modeRecord(afmode_face_225, "Face 225-Area", subject.concat(["frame_225"])),
    modeRecord(afmode_face_225_af, "Face 225-Area AF", subject.concat(["frame_225"])),
    modeRecord(afmode_face_225f, "Face 225-Area Display", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_face_225f_af, "Face 225-Area Display AF", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_chase, "Tracking", subject.concat(["frame_chase"])),
    modeRecord(afmode_chase_af, "Tracking AF", subject.concat(["frame_chase", "frame_chase_af"])),
    modeRecord(afmode_pinpoint, "Pinpoint", ["frame_one", "frame_pinpoint", "center_white"]),
    modeRecord(afmode_pinpointf, "Pinpoint Move", ["frame_pinpoint", "frame_drag"]),
    modeRecord(afmode_pinpointz, "Pinpoint Zoom", ["frame_pinpoint", "frame_drag", "center_blue"]),
    modeRecord(afmode_pinpointp, "Pinpoint PinP", ["frame_pinpoint", "frame_drag", "center_blue_s"]),
    modeRecord(afmode_custom, "Custom", ["frame_one", "frame_custom"]),
    modeRecord(afmode_customs, "Custom Square", ["frame_one", "frame_custom", "frame_225s"]),
    modeRecord(afmode_custom_af, "Custom AF", ["frame_one", "frame_custom"]),
    modeRecord(afmode_customs_af, "Custom Square AF", ["frame_one", "frame_custom", "frame_225s"]),
    modeRecord(afmode_customf, "Custom Display", ["frame_one", "frame_custom", "frame_customf"]),
    modeRecord(afmode_customsf, "Custom Square Display", ["frame_one", "frame_custom", "frame_customf", "frame_225s"]),
    modeRecord(afmode_customf_af, "Custom Display AF", ["frame_one", "frame_custom", "frame_customf"]),
    modeRecord(afmode_customsf_af, "Custom Square Display AF",
               ["frame_one", "frame_custom", "frame_customf", "frame_225s"]),
    modeRecord(afmode_mf, "MF", ["center_white"]),
    modeRecord(afmode_mff, "MF Move", ["frame_drag"]),
    modeRecord(afmode_mfz, "MF Zoom", ["frame_drag", "center_blue"]),
    modeRecord(afmode_mfp, "MF PinP", ["frame_drag", "center_blue_s"]),
    modeRecord(afmode_pscope, "Point Scope", ["frame_small"]),
    modeRecord(afmode_pscope_z, "Point Scope Zoom", ["frame_small", "center_blue"]),
    modeRecord(afmode_pscope_p, "Point Scope PinP", ["frame_small", "center_blue_s"]),
    modeRecord(afmode_pointone_aux, "1-Area+", subject.concat(["frame_one_aux"])),
    modeRecord(afmode_focusselect, "Focus Select", ["center_white"]),
    modeRecord(afmode_customo, "Zone", ["frame_one", "frame_custom", "frame_outer"]),
    modeRecord(afmode_customo_af, "Zone AF", ["frame_one", "frame_custom", "frame_outer"]),
    modeRecord(afmode_customof, "Zone Display", ["frame_one", "frame_custom", "frame_outer", "frame_outerf"]),
    modeRecord(afmode_customof_af, "Zone Display AF", ["frame_one", "frame_custom", "frame_outer", "frame_outerf"]),
    modeRecord(afmode_fullarea, "Full Area", subject.concat(["frame_225"])),
    modeRecord(afmode_fullarea_af, "Full Area AF", subject.concat(["frame_225"])),
    modeRecord(afmode_fullareaf, "Full Area Display", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_fullareaf_af, "Full Area Display AF", subject.concat(["frame_225", "frame_225f"])),
    modeRecord(afmode_lvmag_z, "Magnify Zoom", ["frame_drag", "center_blue"]),
    modeRecord(afmode_lvmag_p, "Magnify PinP", ["frame_drag", "center_blue_s"])
]

function isValidMode(mode) {
    return mode >= 0 && mode < afmode_num && Math.floor(mode) === mode
}

// The elements shown in a mode; none for a mode outside the table.
function shownElements(mode) {
    var out = []
    if (!isValidMode(mode))
        return out
    for (var i = 0; i < elements.length; ++i) {
        if (afmode[mode][elements[i]])
            out.push(elements[i])
    }
    return out
}

// ---- resting and focusing pairs ----

var focusPairs = [
    [afmode_point225, afmode_point225_af],
    [afmode_point225f, afmode_point225f_af],
    [afmode_point225sf, afmode_point225sf_af],
    [afmode_face, afmode_face_af],
    [afmode_face_225, afmode_face_225_af],
    [afmode_face_225f, afmode_face_225f_af],
    [afmode_chase, afmode_chase_af],
    [afmode_fullarea, afmode_fullarea_af],
    [afmode_fullareaf, afmode_fullareaf_af]
]

// The mode once AF/AE has ended; a mode without a pair stays.
function restingMode(mode) {
    for (var i = 0; i < focusPairs.length; ++i) {
        if (focusPairs[i][1] === mode)
            return focusPairs[i][0]
    }
    return mode
}

function focusingMode(mode) {
    for (var i = 0; i < focusPairs.length; ++i) {
        if (focusPairs[i][0] === mode)
            return focusPairs[i][1]
    }
    return mode
}

// The modes AF-off acts on (it returns them to their resting pair).
var afOffModes = [afmode_point225_af, afmode_point225f_af, afmode_face_225_af, afmode_face_225f_af, afmode_face_af,
                  afmode_chase_af]

function isGridMode(mode) {
    return [afmode_point225, afmode_point225s, afmode_point225_af, afmode_point225s_af, afmode_point225f,
            afmode_point225sf, afmode_point225f_af, afmode_point225sf_af, afmode_face_225, afmode_face_225_af,
            afmode_face_225f, afmode_face_225f_af, afmode_fullarea, afmode_fullarea_af, afmode_fullareaf,
            afmode_fullareaf_af].indexOf(mode) >= 0
}

function isFaceMode(mode) {
    return mode >= afmode_face && mode <= afmode_face_225f_af
}

function isCustomMode(mode) {
    return (mode >= afmode_custom && mode <= afmode_customsf_af)
            || (mode >= afmode_customo && mode <= afmode_customof_af)
}

function isFullAreaMode(mode) {
    return mode >= afmode_fullarea && mode <= afmode_fullareaf_af
}

function isPointScopeMode(mode) {
    return mode >= afmode_pscope && mode <= afmode_pscope_p
}

function isMfMode(mode) {
    return mode >= afmode_mf && mode <= afmode_mfp
}

function isPinpointMode(mode) {
    return mode >= afmode_pinpoint && mode <= afmode_pinpointp
}

// ---- the mode choice ----

// s: focusMode, autoFocusMode, afState, afaeState, magnifierOn (the panel's
// magnifier button), mfzoomMode, lvMagEnable, exposureMovie, assistType,
// assistMode, afAreaDisplay, squareFrames (the 315 grid is drawn as
// squares), zoneOutline (a zone is drawn as its outline), driveMode.
// Answers { mode, afAreaDisabled (the AF-area button unchecked and
// disabled), oneShotAfEnabled, readGridAgain }.
function chooseMode(s) {
    var U = Kv.Utilities
    var out = { mode: afmode_init, afAreaDisabled: false, oneShotAfEnabled: false, readGridAgain: false }
    var focusing = s.afState === U.AfAeDispStatus_Show || s.afaeState === U.AfAeDispStatus_Show
    var lvMag = s.magnifierOn && s.lvMagEnable && s.exposureMovie && s.assistType === U.AFFrameAssistType_LVMAG
            && (s.assistMode === U.AsModCur_Zoom || s.assistMode === U.AsModCur_Pinp)
    var lvMagMode = s.assistMode === U.AsModCur_Pinp ? afmode_lvmag_p : afmode_lvmag_z
    if (s.focusMode === U.FM_MF) {
        out.afAreaDisabled = true
        out.oneShotAfEnabled = true
        if (s.magnifierOn)
            out.mode = lvMag ? lvMagMode : (s.mfzoomMode === mfzoom_pinp ? afmode_mfp : afmode_mfz)
        else
            out.mode = s.mfzoomMode === mfzoom_move ? afmode_mff : afmode_mf
        return out
    }
    if (lvMag) {
        out.mode = lvMagMode
        return out
    }
    var withDisplay = !!s.afAreaDisplay
    switch (s.autoFocusMode) {
    case U.AFM_1Point:
        out.mode = afmode_pointone
        break
    case U.AFM_1PointAux:
        out.mode = afmode_pointone_aux
        break
    case U.AFM_Face:
        out.mode = focusing ? afmode_face_af : afmode_face
        break
    case U.AFM_Tracking:
        out.mode = focusing ? afmode_chase_af : afmode_chase
        break
    case U.AFM_Pinpoint:
        if (s.magnifierOn)
            out.mode = s.mfzoomMode === mfzoom_pinp ? afmode_pinpointp : afmode_pinpointz
        else
            out.mode = s.mfzoomMode === mfzoom_move ? afmode_pinpointf : afmode_pinpoint
        break
    case U.AFM_225Point:
        if (s.squareFrames)
            out.mode = withDisplay ? (focusing ? afmode_point225sf_af : afmode_point225sf)
                                   : (focusing ? afmode_point225s_af : afmode_point225s)
        else
            out.mode = withDisplay ? (focusing ? afmode_point225f_af : afmode_point225f)
                                   : (focusing ? afmode_point225_af : afmode_point225)
        break
    case U.AFM_Square:
        out.mode = withDisplay ? (focusing ? afmode_point225sf_af : afmode_point225sf)
                               : (focusing ? afmode_point225s_af : afmode_point225s)
        break
    case U.AFM_CustomVertical:
    case U.AFM_CustomHorizon:
    case U.AFM_CustomCenter:
    case U.AFM_CustomC1:
    case U.AFM_CustomC2:
    case U.AFM_CustomC3:
        out.mode = withDisplay ? afmode_customf : afmode_custom
        break
    case U.AFM_VertHori:
    case U.AFM_Ellipse:
        if (s.zoneOutline)
            out.mode = focusing ? afmode_customof_af : afmode_customof
        else
            out.mode = withDisplay ? (focusing ? afmode_customsf_af : afmode_customsf)
                                   : (focusing ? afmode_customs_af : afmode_customs)
        break
    case U.AFM_Custom1:
    case U.AFM_Custom2:
    case U.AFM_Custom3:
        out.mode = withDisplay ? afmode_customf_af : afmode_custom_af
        break
    case U.AFM_FullArea:
        out.mode = withDisplay ? (focusing ? afmode_fullareaf_af : afmode_fullareaf)
                               : (focusing ? afmode_fullarea_af : afmode_fullarea)
        out.afAreaDisabled = true
        out.readGridAgain = true
        break
    default:
        out.mode = s.driveMode === U.DM_Focus ? afmode_focusselect : afmode_init
        break
    }
    return out
}

// ---- picture aspect, sensor, lens and table type ----

// The painted picture's long side over its short side, to one decimal.
function aspectOf(width, height) {
    var longSide = Math.max(width, height)
    var shortSide = Math.min(width, height)
    if (!(shortSide > 0))
        return aspect_unknown
    var ratio = Math.round(longSide / shortSide * 10) / 10
    var known = [[1.3, aspect_4_3], [1.5, aspect_3_2], [1.8, aspect_16_9], [1.0, aspect_1_1], [1.9, aspect_17_9],
                 [2.4, aspect_2_4_1]]
    for (var i = 0; i < known.length; ++i) {
        if (Math.abs(known[i][0] - ratio) < 0.01)
            return known[i][1]
    }
    return aspect_unknown
}

function f315Row(sensor, row, aspect) {
    return Tables.f315_param_table[sensor][row][aspect]
}

// The sensor whose 315 grid at this aspect has the camera's counts.
function sensorTypeOf(aspect, countX, countY) {
    if (aspect < 0 || aspect > aspect_2_4_1)
        return sensorType_MFTS
    var sensors = [sensorType_Full, sensorType_MFTS]
    for (var i = 0; i < sensors.length; ++i) {
        if (f315Row(sensors[i], 0, aspect) === countX && f315Row(sensors[i], 1, aspect) === countY)
            return sensors[i]
    }
    return sensorType_MFTS
}

// Only the extension teleconverter with an extended-zoom picture size
// (bit 15) magnifies the grid; bits 8 to 11 tell M (1) from S (2).
function pdafTableTypeOf(exTelecon, pictureSizeCode) {
    if (exTelecon !== Kv.Utilities.EXT_Converter || !(pictureSizeCode & 0x8000))
        return pdafTable_normal
    var kind = (pictureSizeCode >> 8) & 0x0F
    return kind === 1 ? pdafTable_exM : kind === 2 ? pdafTable_exS : pdafTable_normal
}

function pdafTable(tableType) {
    return tableType === pdafTable_exM ? Tables.f779_param_table_exM
                                       : tableType === pdafTable_exS ? Tables.f779_param_table_exS
                                                                     : Tables.f779_param_table_full
}

function lensTypeOf(sensor, aspect, tableType, countX, countY) {
    if (aspect <= aspect_unknown || aspect >= aspect_2_4_1)
        return lensType_UNKNOWN
    var table = pdafTable(tableType)
    var tried = sensor === sensorType_Full ? [lensType_FF, lensType_APS_C] : [lensType_MFTS]
    for (var i = 0; i < tried.length; ++i) {
        if (table[tried[i]][0][aspect] === countX && table[tried[i]][1][aspect] === countY)
            return tried[i]
    }
    return lensType_UNKNOWN
}

// The reference picture of the phase-detection grid: the full-frame row of
// the aspect; 2.4:1 has none and takes the 315 grid's.
function pdafReference(aspect) {
    if (aspect >= 0 && aspect < aspect_2_4_1)
        return { width: Tables.f779_param_table_full[lensType_FF][2][aspect],
                 height: Tables.f779_param_table_full[lensType_FF][3][aspect] }
    var a = aspect === aspect_2_4_1 ? aspect : aspect_unknown
    return { width: f315Row(sensorType_Full, 2, a), height: f315Row(sensorType_Full, 3, a) }
}

// The phase-detection grid in reference units. camera: the counts and,
// for an unknown lens, its sizes on the reference (distanceX/Y from the
// cluster, frameWidth/Height).
function pdafGrid(lens, aspect, tableType, camera) {
    if (lens === lensType_UNKNOWN) {
        var reference = pdafReference(aspect)
        return { columns: camera.countX, rows: camera.countY, refWidth: reference.width, refHeight: reference.height,
                 distanceX: camera.distanceX, distanceY: camera.distanceY, frameWidth: camera.frameWidth,
                 frameHeight: camera.frameHeight }
    }
    var t = pdafTable(tableType)[lens]
    return { columns: t[0][aspect], rows: t[1][aspect], refWidth: t[2][aspect], refHeight: t[3][aspect],
             distanceX: t[4][aspect], distanceY: t[5][aspect], frameWidth: t[6][aspect], frameHeight: t[7][aspect] }
}

// The 225 grid, or the 315 grid of the sensor at this aspect.
function areaGrid(use315, sensor, aspect) {
    if (!use315)
        return { columns: 15, rows: 15, refWidth: 720, refHeight: 480, marginX: 60, marginY: 40 }
    var a = aspect >= 0 && aspect <= aspect_2_4_1 ? aspect : aspect_unknown
    return { columns: f315Row(sensor, 0, a), rows: f315Row(sensor, 1, a), refWidth: f315Row(sensor, 2, a),
             refHeight: f315Row(sensor, 3, a), marginX: f315Row(sensor, 4, a), marginY: f315Row(sensor, 5, a) }
}

// ---- conversions ----

// Camera coordinates are thousandths of the picture in both axes.
function toPixels(thousandths, size) {
    return Math.floor(thousandths * size / 1000)
}

// A point on the picture as the camera takes it: inside 0..1000 whatever
// the pointer did.
function toThousandths(pixels, size) {
    if (!(size > 0))
        return 0
    return Math.max(0, Math.min(1000, Math.floor(pixels * 1000 / size)))
}

// A frame centred at (cx, cy) with the size w x h, all in thousandths.
function frameRect(cx, cy, w, h, pictureWidth, pictureHeight) {
    var width = toPixels(w, pictureWidth)
    var height = toPixels(h, pictureHeight)
    return { x: toPixels(cx, pictureWidth) - Math.floor(width / 2),
             y: toPixels(cy, pictureHeight) - Math.floor(height / 2), width: width, height: height }
}

// The zoomed area of an assist view.
function zoomRect(centerX, centerY, areaWidth, areaHeight, pictureWidth, pictureHeight) {
    return { x: (centerX - areaWidth / 2) * pictureWidth / 1000, y: (centerY - areaHeight / 2) * pictureHeight / 1000,
             width: areaWidth * pictureWidth / 1000, height: areaHeight * pictureHeight / 1000 }
}

// The height, in thousandths, that makes the 142-thousandths-wide tracking
// start mark square on screen.
function trackingMarkHeight(pictureWidth, pictureHeight) {
    if (!(pictureHeight > 0))
        return 0
    return Math.floor(1000 / 7 * pictureWidth / pictureHeight)
}

// Cell i (row-major) of an area grid, on a picture of this size.
function areaCellRect(grid, index, pictureWidth, pictureHeight) {
    var column = index % grid.columns
    var row = Math.floor(index / grid.columns)
    var sx = pictureWidth / grid.refWidth
    var sy = pictureHeight / grid.refHeight
    var cellW = (grid.refWidth - 2 * grid.marginX) / grid.columns
    var cellH = (grid.refHeight - 2 * grid.marginY) / grid.rows
    return { x: (grid.marginX + column * cellW) * sx, y: (grid.marginY + row * cellH) * sy, width: cellW * sx,
             height: cellH * sy }
}

// Point i (row-major) of a phase-detection grid, centred on the picture.
function pdafCellRect(grid, index, pictureWidth, pictureHeight) {
    var column = index % grid.columns
    var row = Math.floor(index / grid.columns)
    var sx = pictureWidth / grid.refWidth
    var sy = pictureHeight / grid.refHeight
    var cx = grid.refWidth / 2 + (column - (grid.columns - 1) / 2) * grid.distanceX
    var cy = grid.refHeight / 2 + (row - (grid.rows - 1) / 2) * grid.distanceY
    return { x: (cx - grid.frameWidth / 2) * sx, y: (cy - grid.frameHeight / 2) * sy, width: grid.frameWidth * sx,
             height: grid.frameHeight * sy }
}

// The cell of an area grid under a point of the picture; -1 outside it.
function areaCellAt(grid, x, y, pictureWidth, pictureHeight) {
    if (!(pictureWidth > 0) || !(pictureHeight > 0))
        return -1
    var rx = x * grid.refWidth / pictureWidth - grid.marginX
    var ry = y * grid.refHeight / pictureHeight - grid.marginY
    var cellW = (grid.refWidth - 2 * grid.marginX) / grid.columns
    var cellH = (grid.refHeight - 2 * grid.marginY) / grid.rows
    var column = Math.floor(rx / cellW)
    var row = Math.floor(ry / cellH)
    if (column < 0 || row < 0 || column >= grid.columns || row >= grid.rows)
        return -1
    return row * grid.columns + column
}

// The cells of the selected area: a square of `size` cells a side centred
// on `index`, cut at the grid's edges. An unknown or invalid position
// selects nothing.
function selectedCells(grid, index, size) {
    var U = Kv.Utilities
    var out = []
    if (index === U.AFFrameMultiAfPos_Unknown || index === U.AFFrameMultiAfPos_Invalid || index < 0
            || index >= grid.columns * grid.rows || !(size > 0))
        return out
    var half = Math.floor(size / 2)
    var column = index % grid.columns
    var row = Math.floor(index / grid.columns)
    for (var r = Math.max(0, row - half); r <= Math.min(grid.rows - 1, row + half); ++r) {
        for (var c = Math.max(0, column - half); c <= Math.min(grid.columns - 1, column + half); ++c)
            out.push(r * grid.columns + c)
    }
    return out
}

// ---- looks ----

// KvAFFrameSquare
var look_none = 0
var look_normal_white = 1
var look_normal_green = 2
var look_normal_red = 3
var look_normal_yellow = 4
var look_rect_white = 5
var look_rect_yellow = 6
var look_tracking_white = 7
var look_tracking_yellow = 8
var look_tracking_green = 9
var look_tracking_red = 10
var look_min_white = 11
var look_min_green = 12
var look_min_red = 13
var look_min_yellow = 14

// KvAFFrame225
var cell_none = 0
var cell_grey = 1
var cell_lightgrey = 2
var cell_yellow = 3
var cell_green = 4
var cell_green_border = 5

// The same frame at its smallest (the camera's "minimum" display).
function minimumLook(look) {
    switch (look) {
    case look_normal_white:
    case look_rect_white:
        return look_min_white
    case look_normal_green:
        return look_min_green
    case look_normal_red:
        return look_min_red
    case look_normal_yellow:
    case look_rect_yellow:
        return look_min_yellow
    default:
        return look
    }
}

// ---- what the AF information draws ----

function inProgressLike(status) {
    var U = Kv.Utilities
    return status === U.AfInfoStatus_InProgress || status === U.AfInfoStatus_Unfocused
            || status === U.AfInfoStatus_LowRight
}

// A face or a body counts while general recognition is offered and not
// off; the first test also wants automatic recognition offered and on.
function subjectCounts(s) {
    var U = Kv.Utilities
    if (!s.faceDetected && !s.bodyDetected)
        return false
    var general = s.generalEnable && s.general !== U.AR_GENERAL_OFF
    if (general && s.automaticEnable && s.automatic)
        return true
    return general
}

// The one-point frame. s: status, dispFrame (frame 0's state), mode,
// faceDetected, bodyDetected, generalEnable, general, automaticEnable,
// automatic. Answers { look, at: "camera" | "big" | "hidden", simpleFaces,
// userColour (the frame the user placed, drawn in the camera's frame colour) }.
function onePointDecision(s) {
    var U = Kv.Utilities
    if (s.status === U.AfInfoStatus_StrRight)
        return { look: look_none, at: "hidden", simpleFaces: false }
    if (subjectCounts(s))
        return { look: s.mode === afmode_face_af ? look_normal_yellow : look_normal_white, at: "camera",
                 simpleFaces: !!s.faceDetected }
    if (inProgressLike(s.status))
        return { look: look_normal_white, at: "camera", simpleFaces: false }
    switch (s.dispFrame) {
    case U.AfInfoDispFrame_Green_Big:
        return { look: look_normal_green, at: "big", simpleFaces: false }
    case U.AfInfoDispFrame_Red_Big:
        return { look: look_normal_red, at: "big", simpleFaces: false }
    case U.AfInfoDispFrame_White:
        return { look: look_normal_white, at: "camera", simpleFaces: false }
    case U.AfInfoDispFrame_Green:
        return { look: look_normal_green, at: "camera", simpleFaces: false }
    case U.AfInfoDispFrame_Red:
        return { look: look_normal_red, at: "camera", simpleFaces: false }
    default:
        return { look: look_normal_white, at: "camera", simpleFaces: false, userColour: true }
    }
}

// The large frame of a focused or failed whole-picture AF.
var bigFrame = { cx: 500, cy: 500, w: 600, h: 600 }

// Faces. s: status, dispFrame, mode, faceDetected, bodyDetected, simple.
// Answers { kind: "clear" | "grid" | "big" | "one" | "faces", look,
// mode (the mode to go to), onePoint: "simple" | "hidden" }.
function faceDecision(s) {
    var U = Kv.Utilities
    if (s.status === U.AfInfoStatus_StrRight)
        return { kind: "clear", mode: s.mode }
    if (!inProgressLike(s.status) && !s.faceDetected && !s.bodyDetected)
        return { kind: "grid", mode: s.mode }
    var leave = s.mode === afmode_face_af || s.mode === afmode_face_225 ? afmode_face : s.mode
    switch (s.dispFrame) {
    case U.AfInfoDispFrame_White:
        return { kind: "big", look: look_normal_green, mode: leave }
    case U.AfInfoDispFrame_Green_Big:
        return { kind: "big", look: look_normal_red, mode: leave }
    case U.AfInfoDispFrame_Red_Big:
        return { kind: "one", look: look_normal_white, mode: leave }
    default:
        return { kind: "faces", mode: s.mode === afmode_face_225 ? afmode_face_af : s.mode,
                 onePoint: s.simple ? "simple" : "hidden" }
    }
}

// Tracking. s: status, dispFrame, faceDetected, bodyDetected,
// automaticOn, generalOn, simple, trackX, trackY, focusing (AF/AE runs).
// Answers { chase: "hidden" | "mark" | "frame", look, onePoint:
// "simple" | "hidden" | "keep", simpleFaces }.
function trackingDecision(s) {
    var U = Kv.Utilities
    var keepOrHide = s.simple ? "keep" : "hidden"
    if (s.status === U.AfInfoStatus_StrRight)
        return { chase: "hidden", onePoint: "keep", simpleFaces: false }
    if (s.faceDetected || (s.bodyDetected && s.automaticOn && s.generalOn)) {
        if (s.dispFrame === U.AfInfoDispFrame_Green)
            return { chase: "hidden", onePoint: "keep", simpleFaces: !!s.faceDetected }
        return { chase: s.focusing ? "hidden" : "mark", look: look_tracking_white, onePoint: keepOrHide,
                 simpleFaces: !!s.faceDetected }
    }
    if (s.simple)
        return { chase: "hidden", onePoint: "simple", simpleFaces: false }
    if (s.trackX !== 0 && s.trackY !== 0) {
        var look = look_tracking_yellow
        if (!inProgressLike(s.status)) {
            if (s.dispFrame === U.AfInfoDispFrame_Green)
                look = look_tracking_green
            else if (s.dispFrame === U.AfInfoDispFrame_Red)
                look = look_tracking_red
        }
        return { chase: "frame", look: look, onePoint: "keep", simpleFaces: false }
    }
    if (!inProgressLike(s.status) && s.dispFrame !== U.AfInfoDispFrame_Not)
        return { chase: "hidden", onePoint: "simple", simpleFaces: false }
    return { chase: s.focusing ? "hidden" : "mark", look: look_tracking_white, onePoint: keepOrHide,
             simpleFaces: false }
}

// Pinpoint. s: status, dispFrame, simple, assistMode. Answers { kind:
// "hidden" | "simple" | "frame", look, at: "cursor" | "cursorArea" |
// "position", size (thousandths, for a fixed square) }.
function pinpointDecision(s) {
    var U = Kv.Utilities
    if (s.status === U.AfInfoStatus_StrRight)
        return { kind: "hidden" }
    if (s.simple)
        return { kind: "simple" }
    if (inProgressLike(s.status)) {
        if (s.assistMode === U.AsModCur_Zoom)
            return { kind: "frame", look: look_normal_white, at: "cursor" }
        if (s.assistMode === U.AsModCur_Pinp)
            return { kind: "frame", look: look_normal_white, at: "cursorArea" }
        return { kind: "frame", look: look_normal_white, at: "position" }
    }
    if (s.assistMode !== U.AsModCur_Off && s.assistMode !== U.AsModCur_Unknown) {
        var pinp = s.assistMode === U.AsModCur_Pinp
        if (s.dispFrame === U.AfInfoDispFrame_Green_Big)
            return { kind: "frame", look: look_normal_green, at: pinp ? "cursorArea" : "cursor",
                     size: pinp ? 277 : 416 }
        if (s.dispFrame === U.AfInfoDispFrame_Red_Big)
            return { kind: "frame", look: look_normal_red, at: pinp ? "cursorArea" : "cursor", size: pinp ? 277 : 416 }
        return { kind: "frame", look: look_normal_white, at: "cursor", size: 108 }
    }
    if (s.dispFrame === U.AfInfoDispFrame_Green || s.dispFrame === U.AfInfoDispFrame_Green_Big)
        return { kind: "frame", look: look_normal_green, at: "position" }
    if (s.dispFrame === U.AfInfoDispFrame_Red || s.dispFrame === U.AfInfoDispFrame_Red_Big)
        return { kind: "frame", look: look_normal_red, at: "position" }
    return { kind: "frame", look: look_normal_white, at: "position" }
}

// The 225/315/PDAF grid. s: status, dispFrame, dispNum, mode,
// positionIndex, faceDetected, bodyDetected, generalEnable, general,
// automaticEnable, automatic, simple. Answers { kind: "clear" | "faces" |
// "simple" | "selected" | "focused" }: "selected" marks the selected area,
// "focused" also the cells the camera reports in focus.
function gridDecision(s) {
    var U = Kv.Utilities
    if (s.status === U.AfInfoStatus_StrRight)
        return { kind: "clear" }
    if (subjectCounts(s))
        return { kind: "faces" }
    if (s.simple)
        return { kind: "simple" }
    if (inProgressLike(s.status))
        return { kind: "selected" }
    if (s.dispFrame === U.AfInfoDispFrame_White || s.dispFrame === U.AfInfoDispFrame_Green_Big
            || s.dispFrame === U.AfInfoDispFrame_Red_Big)
        return { kind: "clear" }
    if (!(s.dispNum > 0) && (isFaceMode(s.mode) || s.mode === afmode_chase || s.mode === afmode_chase_af))
        return { kind: "clear" }
    return { kind: "focused" }
}

// The colour a grid cell rests in when nothing marks it.
function restingCell(mode) {
    var m = afmode[isValidMode(mode) ? mode : afmode_init]
    return m.frame_225f || m.frame_225s ? cell_lightgrey : cell_none
}

// ---- zone outlines ----

var zone_ellipse = 0
var zone_vertical = 1
var zone_horizontal = 2
var zone_vertHori = 3

// A zone's cells before the camera has told its own: an ellipse over the
// middle of the grid, a band of the middle third (vertical or horizontal),
// or both bands crossed.
function zoneMask(shape, columns, rows) {
    var mask = []
    var cx = (columns - 1) / 2
    var cy = (rows - 1) / 2
    for (var r = 0; r < rows; ++r) {
        for (var c = 0; c < columns; ++c) {
            var inVertical = Math.abs(c - cx) <= columns / 6
            var inHorizontal = Math.abs(r - cy) <= rows / 6
            var on = false
            if (shape === zone_ellipse) {
                var dx = (c - cx) / (columns / 3)
                var dy = (r - cy) / (rows / 3)
                on = dx * dx + dy * dy <= 1
            } else if (shape === zone_vertical) {
                on = inVertical
            } else if (shape === zone_horizontal) {
                on = inHorizontal
            } else if (shape === zone_vertHori) {
                on = inVertical || inHorizontal
            }
            mask.push(on ? 1 : 0)
        }
    }
    return mask
}

// The edges of a cell mask that face a cell outside it (or the grid's
// border): [column, row, side] with side 0 top, 1 right, 2 bottom, 3 left.
function outlineEdges(mask, columns, rows) {
    var edges = []
    function on(c, r) {
        return c >= 0 && r >= 0 && c < columns && r < rows && !!mask[r * columns + c]
    }
    for (var r = 0; r < rows; ++r) {
        for (var c = 0; c < columns; ++c) {
            if (!on(c, r))
                continue
            if (!on(c, r - 1))
                edges.push([c, r, 0])
            if (!on(c + 1, r))
                edges.push([c, r, 1])
            if (!on(c, r + 1))
                edges.push([c, r, 2])
            if (!on(c - 1, r))
                edges.push([c, r, 3])
        }
    }
    return edges
}
