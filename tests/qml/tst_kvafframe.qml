import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvAFFrame.js" as AF
import "qrc:/qml/KvAFFrameTables.js" as Tables

// The focus-frame display: its decisions and geometry as pure functions,
// then one round trip with a simulated camera (a click in a face mode
// reaches the camera and the display follows its AF state).
TestCase {
    id: test
    name: "KvAFFrame"
    when: windowShown
    visible: true
    width: 720
    height: 480

    readonly property var u: Kv.Utilities

    // What the window and the panel offer the AF frame.
    QtObject {
        id: fakeWindow
        property bool afFrameAvailable: false
        property bool isMultiView: false
    }
    QtObject {
        id: fakePanel
        property bool afAreaChecked: true
        property bool afAreaEnabled: true
        property bool oneShotAfEnabled: false
        property bool mfZoomChecked: false
        property bool blocked: false
        property var saved: null
        function setMFText() {}
        function setMFScale() {}
        function setMFZoom(checked) { mfZoomChecked = checked }
    }

    KvAFFrame {
        id: afFrame
        width: 720
        height: 480
        controlItem: fakePanel
        lvWindow: fakeWindow
    }

    // ---- mode choice ----

    function state(changes) {
        var s = { focusMode: -1, autoFocusMode: u.AFM_1Point, afState: u.AfAeDispStatus_Hide,
                  afaeState: u.AfAeDispStatus_Hide, magnifierOn: false, mfzoomMode: AF.mfzoom_unknown,
                  lvMagEnable: false, exposureMovie: false, assistType: u.AFFrameAssistType_Unknown,
                  assistMode: u.AsModCur_Unknown, afAreaDisplay: false, squareFrames: false, zoneOutline: false,
                  driveMode: -1 }
        for (var key in changes)
            s[key] = changes[key]
        return s
    }

    function test_mode_choice_data() {
        var show = u.AfAeDispStatus_Show
        var lvMag = { magnifierOn: true, lvMagEnable: true, exposureMovie: true,
                      assistType: u.AFFrameAssistType_LVMAG, assistMode: u.AsModCur_Pinp }
        function mf(extra) {
            var s = { focusMode: u.FM_MF }
            for (var k in extra)
                s[k] = extra[k]
            return s
        }
        function withLvMag(extra) {
            var s = {}
            for (var k in lvMag)
                s[k] = lvMag[k]
            for (var e in extra)
                s[e] = extra[e]
            return s
        }
        return [
            { tag: "MF", s: mf({}), mode: AF.afmode_mf },
            { tag: "MF move", s: mf({ mfzoomMode: AF.mfzoom_move }), mode: AF.afmode_mff },
            { tag: "MF magnifier", s: mf({ magnifierOn: true, mfzoomMode: AF.mfzoom_normal }), mode: AF.afmode_mfz },
            { tag: "MF magnifier pinp", s: mf({ magnifierOn: true, mfzoomMode: AF.mfzoom_pinp }), mode: AF.afmode_mfp },
            { tag: "MF live-view magnify", s: mf(lvMag), mode: AF.afmode_lvmag_p },
            { tag: "MF magnify without movie mode", s: mf(withLvMag({ exposureMovie: false })), mode: AF.afmode_mfz },
            { tag: "AF live-view magnify zoom", s: withLvMag({ assistMode: u.AsModCur_Zoom }), mode: AF.afmode_lvmag_z },
            { tag: "AF magnify in move mode", s: withLvMag({ assistMode: u.AsModCur_Move }), mode: AF.afmode_pointone },
            { tag: "1-area", s: {}, mode: AF.afmode_pointone },
            { tag: "1-area aux", s: { autoFocusMode: u.AFM_1PointAux }, mode: AF.afmode_pointone_aux },
            { tag: "face", s: { autoFocusMode: u.AFM_Face }, mode: AF.afmode_face },
            { tag: "face while AF", s: { autoFocusMode: u.AFM_Face, afState: show }, mode: AF.afmode_face_af },
            { tag: "tracking while AF/AE", s: { autoFocusMode: u.AFM_Tracking, afaeState: show }, mode: AF.afmode_chase_af },
            { tag: "pinpoint", s: { autoFocusMode: u.AFM_Pinpoint }, mode: AF.afmode_pinpoint },
            { tag: "pinpoint move", s: { autoFocusMode: u.AFM_Pinpoint, mfzoomMode: AF.mfzoom_move },
              mode: AF.afmode_pinpointf },
            { tag: "pinpoint zoom", s: { autoFocusMode: u.AFM_Pinpoint, magnifierOn: true, mfzoomMode: AF.mfzoom_normal },
              mode: AF.afmode_pinpointz },
            { tag: "pinpoint pinp", s: { autoFocusMode: u.AFM_Pinpoint, magnifierOn: true, mfzoomMode: AF.mfzoom_pinp },
              mode: AF.afmode_pinpointp },
            { tag: "225", s: { autoFocusMode: u.AFM_225Point }, mode: AF.afmode_point225 },
            { tag: "225 while AF", s: { autoFocusMode: u.AFM_225Point, afState: show }, mode: AF.afmode_point225_af },
            { tag: "225 display", s: { autoFocusMode: u.AFM_225Point, afAreaDisplay: true }, mode: AF.afmode_point225f },
            { tag: "225 as squares while AF", s: { autoFocusMode: u.AFM_225Point, squareFrames: true, afState: show },
              mode: AF.afmode_point225s_af },
            { tag: "square display", s: { autoFocusMode: u.AFM_Square, afAreaDisplay: true }, mode: AF.afmode_point225sf },
            { tag: "custom centre", s: { autoFocusMode: u.AFM_CustomCenter }, mode: AF.afmode_custom },
            { tag: "custom C3 display", s: { autoFocusMode: u.AFM_CustomC3, afAreaDisplay: true }, mode: AF.afmode_customf },
            { tag: "ellipse outlined while AF", s: { autoFocusMode: u.AFM_Ellipse, zoneOutline: true, afState: show },
              mode: AF.afmode_customof_af },
            { tag: "vertical/horizontal as squares", s: { autoFocusMode: u.AFM_VertHori }, mode: AF.afmode_customs },
            { tag: "custom 2", s: { autoFocusMode: u.AFM_Custom2 }, mode: AF.afmode_custom_af },
            { tag: "custom 1 display", s: { autoFocusMode: u.AFM_Custom1, afAreaDisplay: true },
              mode: AF.afmode_customf_af },
            { tag: "full area display while AF", s: { autoFocusMode: u.AFM_FullArea, afAreaDisplay: true, afState: show },
              mode: AF.afmode_fullareaf_af, areaOff: true, reread: true },
            { tag: "unknown in focus select", s: { autoFocusMode: u.AFM_Unknown, driveMode: u.DM_Focus },
              mode: AF.afmode_focusselect },
            { tag: "unknown", s: { autoFocusMode: 99 }, mode: AF.afmode_init }
        ]
    }
    function test_mode_choice(data) {
        var choice = AF.chooseMode(state(data.s))
        compare(choice.mode, data.mode)
        var manual = data.s.focusMode === u.FM_MF
        compare(choice.afAreaDisabled, manual || !!data.areaOff)
        compare(choice.oneShotAfEnabled, manual)
        compare(choice.readGridAgain, !!data.reread)
    }

    // With no camera the focus mode is not MF: the choice turns both
    // buttons on, but a panel held off (multi view, camera menu) keeps them
    // off and leaves the choice in its saved state.
    function test_choice_reaches_the_panel_data() {
        return [
            { tag: "panel in use", blocked: false, shown: true, kept: false },
            { tag: "panel held off", blocked: true, shown: false, kept: true }
        ]
    }
    function test_choice_reaches_the_panel(data) {
        fakePanel.blocked = data.blocked
        fakePanel.saved = { afAreaEnabled: false, afAreaChecked: false, oneShotEnabled: false }
        fakePanel.afAreaEnabled = false
        fakePanel.oneShotAfEnabled = false
        afFrame.autoFocusModeSetting()
        compare(fakePanel.afAreaEnabled, data.shown)
        compare(fakePanel.oneShotAfEnabled, data.shown)
        compare(fakePanel.saved.afAreaEnabled, data.kept)
        compare(fakePanel.saved.oneShotEnabled, data.kept)
        fakePanel.blocked = false
        fakePanel.saved = null
    }

    function test_pairs_data() {
        return [
            { tag: "225", resting: AF.afmode_point225, focusing: AF.afmode_point225_af },
            { tag: "225 display", resting: AF.afmode_point225f, focusing: AF.afmode_point225f_af },
            { tag: "225 square display", resting: AF.afmode_point225sf, focusing: AF.afmode_point225sf_af },
            { tag: "face", resting: AF.afmode_face, focusing: AF.afmode_face_af },
            { tag: "face 225", resting: AF.afmode_face_225, focusing: AF.afmode_face_225_af },
            { tag: "face 225 display", resting: AF.afmode_face_225f, focusing: AF.afmode_face_225f_af },
            { tag: "tracking", resting: AF.afmode_chase, focusing: AF.afmode_chase_af },
            { tag: "full area", resting: AF.afmode_fullarea, focusing: AF.afmode_fullarea_af },
            { tag: "full area display", resting: AF.afmode_fullareaf, focusing: AF.afmode_fullareaf_af },
            // modes without a pair stay as they are both ways
            { tag: "225 square", resting: AF.afmode_point225s, focusing: AF.afmode_point225s },
            { tag: "pinpoint", resting: AF.afmode_pinpoint, focusing: AF.afmode_pinpoint },
            { tag: "MF", resting: AF.afmode_mf, focusing: AF.afmode_mf }
        ]
    }
    function test_pairs(data) {
        compare(AF.restingMode(data.focusing), data.resting)
        compare(AF.focusingMode(data.resting), data.focusing)
    }

    function test_mode_table_is_in_mode_order() {
        compare(AF.afmode.length, AF.afmode_num)
        for (var m = 0; m < AF.afmode_num; ++m)
            compare(AF.afmode[m].value, m)
        compare(AF.shownElements(AF.afmode_num), [])
        compare(AF.shownElements(-1), [])
    }

    // ---- picture aspect, sensor, lens, table type ----

    function test_aspect_data() {
        return [
            { tag: "3:2", w: 1500, h: 1000, aspect: AF.aspect_3_2 },
            { tag: "3:2 upright", w: 1000, h: 1500, aspect: AF.aspect_3_2 },
            { tag: "4:3", w: 640, h: 480, aspect: AF.aspect_4_3 },
            { tag: "16:9", w: 1920, h: 1080, aspect: AF.aspect_16_9 },
            { tag: "1:1", w: 480, h: 480, aspect: AF.aspect_1_1 },
            { tag: "17:9", w: 4096, h: 2160, aspect: AF.aspect_17_9 },
            { tag: "2.4:1", w: 1200, h: 500, aspect: AF.aspect_2_4_1 },
            { tag: "1.45 rounds to 1.5", w: 1450, h: 1000, aspect: AF.aspect_3_2 },
            { tag: "no match", w: 1200, h: 1000, aspect: AF.aspect_unknown },
            { tag: "empty picture", w: 0, h: 0, aspect: AF.aspect_unknown }
        ]
    }
    function test_aspect(data) {
        compare(AF.aspectOf(data.w, data.h), data.aspect)
    }

    function test_grid_types_data() {
        return [
            { tag: "full frame 4:3", aspect: AF.aspect_4_3, af: [19, 15], pdaf: [35, 19],
              sensor: AF.sensorType_Full, lens: AF.lensType_FF },
            { tag: "APS-C lens on full frame", aspect: AF.aspect_4_3, af: [19, 15], pdaf: [21, 13],
              sensor: AF.sensorType_Full, lens: AF.lensType_APS_C },
            { tag: "Four Thirds 4:3", aspect: AF.aspect_4_3, af: [21, 15], pdaf: [41, 19],
              sensor: AF.sensorType_MFTS, lens: AF.lensType_MFTS },
            { tag: "full frame 16:9", aspect: AF.aspect_16_9, af: [21, 13], pdaf: [39, 17],
              sensor: AF.sensorType_Full, lens: AF.lensType_FF },
            // a Four Thirds sensor never takes a full-frame lens row
            { tag: "unknown counts", aspect: AF.aspect_4_3, af: [7, 7], pdaf: [35, 19],
              sensor: AF.sensorType_MFTS, lens: AF.lensType_UNKNOWN },
            { tag: "2.4:1", aspect: AF.aspect_2_4_1, af: [21, 9], pdaf: [35, 19],
              sensor: AF.sensorType_Full, lens: AF.lensType_UNKNOWN },
            { tag: "unknown aspect", aspect: AF.aspect_unknown, af: [19, 15], pdaf: [35, 19],
              sensor: AF.sensorType_Full, lens: AF.lensType_UNKNOWN }
        ]
    }
    function test_grid_types(data) {
        var sensor = AF.sensorTypeOf(data.aspect, data.af[0], data.af[1])
        compare(sensor, data.sensor)
        compare(AF.lensTypeOf(sensor, data.aspect, AF.pdafTable_normal, data.pdaf[0], data.pdaf[1]), data.lens)
    }

    // The rows cameras are known to have, exactly.
    function test_known_rows() {
        function f315(sensor, aspect) {
            var t = Tables.f315_param_table[sensor]
            return [0, 1, 2, 3, 4, 5].map(function(r) { return t[r][aspect] })
        }
        function f779(lens, aspect) {
            var t = Tables.f779_param_table_full[lens]
            return [0, 1, 2, 3, 4, 5, 6, 7].map(function(r) { return t[r][aspect] })
        }
        compare(f315(AF.sensorType_Full, AF.aspect_4_3), [19, 15, 640, 480, 16, 30])
        compare(f315(AF.sensorType_MFTS, AF.aspect_4_3), [21, 15, 640, 480, 26, 30])
        compare(f315(AF.sensorType_Full, AF.aspect_16_9), [21, 13, 720, 404, 24, 20])
        compare(f779(AF.lensType_FF, AF.aspect_4_3), [35, 19, 640, 480, 15, 23, 11, 11])
        compare(f779(AF.lensType_MFTS, AF.aspect_4_3), [41, 19, 640, 480, 14, 21, 11, 11])
        var apsc = f779(AF.lensType_APS_C, AF.aspect_4_3)
        compare([apsc[0], apsc[1], apsc[4], apsc[5], apsc[6], apsc[7]], [21, 13, 23, 35, 16, 16])
    }

    function test_pdaf_table_type_data() {
        var ext = u.EXT_Converter
        return [
            { tag: "M", ext: ext, code: 0x8100, type: AF.pdafTable_exM },
            { tag: "S", ext: ext, code: 0x8205, type: AF.pdafTable_exS },
            { tag: "other bits 8-11", ext: ext, code: 0x8300, type: AF.pdafTable_normal },
            { tag: "no extended-zoom bit", ext: ext, code: 0x0100, type: AF.pdafTable_normal },
            { tag: "converter off", ext: -1, code: 0x8100, type: AF.pdafTable_normal }
        ]
    }
    function test_pdaf_table_type(data) {
        compare(AF.pdafTableTypeOf(data.ext, data.code), data.type)
    }

    // 2.4:1 with phase detection: the lens stays unknown and the grid is the
    // camera's own, on the full-frame reference of the aspect.
    function test_unknown_lens_takes_the_camera_grid() {
        var lens = AF.lensTypeOf(AF.sensorType_Full, AF.aspect_2_4_1, AF.pdafTable_normal, 35, 19)
        compare(lens, AF.lensType_UNKNOWN)
        var camera = { countX: 33, countY: 11, distanceX: 20, distanceY: 25, frameWidth: 13, frameHeight: 14 }
        var grid = AF.pdafGrid(lens, AF.aspect_2_4_1, AF.pdafTable_normal, camera)
        compare([grid.columns, grid.rows, grid.distanceX, grid.distanceY, grid.frameWidth, grid.frameHeight],
                [33, 11, 20, 25, 13, 14])
        compare([grid.refWidth, grid.refHeight], [720, 300])
        var known = AF.pdafGrid(AF.lensType_FF, AF.aspect_4_3, AF.pdafTable_exM, camera)
        compare([known.columns, known.rows], [Tables.f779_param_table_exM[0][0][1], Tables.f779_param_table_exM[0][1][1]])
    }

    // ---- geometry ----

    function test_thousandths_and_pixels_data() {
        return [
            { tag: "centre", t: 500, size: 640, px: 320 },
            { tag: "truncated", t: 333, size: 640, px: 213 },
            { tag: "far edge", t: 1000, size: 480, px: 480 },
            { tag: "origin", t: 0, size: 480, px: 0 }
        ]
    }
    function test_thousandths_and_pixels(data) {
        compare(AF.toPixels(data.t, data.size), data.px)
        // back to thousandths, never beyond the value it came from
        verify(AF.toThousandths(data.px, data.size) <= data.t)
        verify(data.t - AF.toThousandths(data.px, data.size) <= Math.ceil(1000 / data.size))
    }

    function test_pointer_outside_the_picture_data() {
        return [
            { tag: "left of it", px: -15, size: 640, t: 0 },
            { tag: "right of it", px: 700, size: 640, t: 1000 },
            { tag: "no picture", px: 10, size: 0, t: 0 }
        ]
    }
    function test_pointer_outside_the_picture(data) {
        compare(AF.toThousandths(data.px, data.size), data.t)
    }

    function test_frame_rect_data() {
        return [
            { tag: "centred", f: [500, 500, 100, 100], pic: [640, 480], r: [288, 216, 64, 48] },
            { tag: "odd sizes", f: [250, 750, 101, 33], pic: [640, 480], r: [160 - 32, 360 - 7, 64, 15] },
            { tag: "big frame", f: [500, 500, 600, 600], pic: [1000, 500], r: [200, 100, 600, 300] }
        ]
    }
    function test_frame_rect(data) {
        var r = AF.frameRect(data.f[0], data.f[1], data.f[2], data.f[3], data.pic[0], data.pic[1])
        compare([r.x, r.y, r.width, r.height], data.r)
    }

    function test_grid_positions_data() {
        var g225 = AF.areaGrid(false, AF.sensorType_Full, AF.aspect_3_2)
        var g315 = AF.areaGrid(true, AF.sensorType_Full, AF.aspect_4_3)
        var pdaf = AF.pdafGrid(AF.lensType_FF, AF.aspect_4_3, AF.pdafTable_normal, {})
        return [
            { tag: "225 first cell", grid: g225, pdaf: false, i: 0, pic: [720, 480], r: [60, 40, 40, 400 / 15] },
            { tag: "225 last cell", grid: g225, pdaf: false, i: 224, pic: [720, 480], r: [620, 40 + 14 * 400 / 15, 40, 400 / 15] },
            { tag: "225 scaled twice", grid: g225, pdaf: false, i: 16, pic: [1440, 960], r: [200, 80 + 2 * 400 / 15, 80, 800 / 15] },
            { tag: "315 full frame 4:3", grid: g315, pdaf: false, i: 20, pic: [640, 480], r: [48, 58, 32, 28] },
            { tag: "PDAF centre point", grid: pdaf, pdaf: true, i: 9 * 35 + 17, pic: [640, 480], r: [314.5, 234.5, 11, 11] },
            { tag: "PDAF first point", grid: pdaf, pdaf: true, i: 0, pic: [1280, 960], r: [2 * 59.5, 2 * 27.5, 22, 22] }
        ]
    }
    function test_grid_positions(data) {
        var r = data.pdaf ? AF.pdafCellRect(data.grid, data.i, data.pic[0], data.pic[1])
                          : AF.areaCellRect(data.grid, data.i, data.pic[0], data.pic[1])
        for (var k = 0; k < 4; ++k)
            fuzzyCompare([r.x, r.y, r.width, r.height][k], data.r[k], 1e-6)
        if (!data.pdaf) {
            // a click in the cell's middle finds the cell again
            compare(AF.areaCellAt(data.grid, r.x + r.width / 2, r.y + r.height / 2, data.pic[0], data.pic[1]), data.i)
        }
    }

    function test_click_in_the_margin_finds_no_cell() {
        var g = AF.areaGrid(false, AF.sensorType_Full, AF.aspect_3_2)
        compare(AF.areaCellAt(g, 30, 200, 720, 480), -1)
        compare(AF.areaCellAt(g, 700, 200, 720, 480), -1)
        compare(AF.areaCellAt(g, 300, 470, 720, 480), -1)
        compare(AF.areaCellAt(g, 300, 200, 0, 480), -1)
    }

    function test_selected_cells_data() {
        return [
            { tag: "centre, 3 a side", index: 112, size: 3, cells: [96, 97, 98, 111, 112, 113, 126, 127, 128] },
            { tag: "corner cut", index: 0, size: 3, cells: [0, 1, 15, 16] },
            { tag: "one cell", index: 224, size: 1, cells: [224] },
            { tag: "unknown position", index: u.AFFrameMultiAfPos_Unknown, size: 3, cells: [] },
            { tag: "invalid position", index: u.AFFrameMultiAfPos_Invalid, size: 3, cells: [] },
            { tag: "past the grid", index: 225, size: 3, cells: [] },
            { tag: "no area", index: 112, size: 0, cells: [] }
        ]
    }
    function test_selected_cells(data) {
        compare(AF.selectedCells(AF.areaGrid(false, 0, 0), data.index, data.size), data.cells)
    }

    // A zone's outline runs only where the zone meets a cell outside it.
    function test_zone_outline_data() {
        return [
            { tag: "one cell", mask: [0, 0, 0, 0, 1, 0, 0, 0, 0], edges: [[1, 1, 0], [1, 1, 1], [1, 1, 2], [1, 1, 3]] },
            { tag: "two cells side by side", mask: [0, 0, 0, 1, 1, 0, 0, 0, 0],
              edges: [[0, 1, 0], [0, 1, 2], [0, 1, 3], [1, 1, 0], [1, 1, 1], [1, 1, 2]] },
            { tag: "corner cell meets the border", mask: [1, 0, 0, 0, 0, 0, 0, 0, 0],
              edges: [[0, 0, 0], [0, 0, 1], [0, 0, 2], [0, 0, 3]] },
            { tag: "everything: only the border", mask: [1, 1, 1, 1, 1, 1, 1, 1, 1], count: 12 },
            { tag: "nothing", mask: [0, 0, 0, 0, 0, 0, 0, 0, 0], edges: [] }
        ]
    }
    function test_zone_outline(data) {
        var edges = AF.outlineEdges(data.mask, 3, 3)
        if (data.edges !== undefined)
            compare(edges, data.edges)
        else
            compare(edges.length, data.count)
    }

    // ---- what the AF information draws (first match wins) ----

    function test_one_point_data() {
        var st = u.AfInfoStatus_OK
        return [
            { tag: "strong right hides", s: { status: u.AfInfoStatus_StrRight, faceDetected: true, generalEnable: true,
                                             general: u.AR_GENERAL_HUMAN }, look: AF.look_none, at: "hidden" },
            { tag: "face before green big", s: { faceDetected: true, generalEnable: true, general: u.AR_GENERAL_HUMAN,
                                                dispFrame: u.AfInfoDispFrame_Green_Big },
              look: AF.look_normal_white, at: "camera", faces: true },
            { tag: "face in face AF is yellow", s: { faceDetected: true, generalEnable: true, general: u.AR_GENERAL_HUMAN,
                                                    mode: AF.afmode_face_af }, look: AF.look_normal_yellow, at: "camera", faces: true },
            { tag: "body with recognition off counts not", s: { bodyDetected: true, generalEnable: true,
                                                                general: u.AR_GENERAL_OFF, dispFrame: u.AfInfoDispFrame_Red },
              look: AF.look_normal_red, at: "camera" },
            { tag: "in progress before frame state", s: { status: u.AfInfoStatus_InProgress, dispFrame: u.AfInfoDispFrame_Green },
              look: AF.look_normal_white, at: "camera" },
            { tag: "green big", s: { dispFrame: u.AfInfoDispFrame_Green_Big }, look: AF.look_normal_green, at: "big" },
            { tag: "red big", s: { dispFrame: u.AfInfoDispFrame_Red_Big }, look: AF.look_normal_red, at: "big" },
            { tag: "green", s: { dispFrame: u.AfInfoDispFrame_Green }, look: AF.look_normal_green, at: "camera" },
            { tag: "default in the user's colour", s: { dispFrame: u.AfInfoDispFrame_Not }, look: AF.look_normal_white,
              at: "camera", user: true }
        ]
    }
    function test_one_point(data) {
        var s = { status: u.AfInfoStatus_OK, dispFrame: u.AfInfoDispFrame_Not, mode: AF.afmode_pointone }
        for (var k in data.s)
            s[k] = data.s[k]
        var d = AF.onePointDecision(s)
        compare(d.look, data.look)
        compare(d.at, data.at)
        compare(d.simpleFaces, !!data.faces)
        compare(!!d.userColour, !!data.user)
    }

    function test_tracking_data() {
        return [
            { tag: "face, frame 0 green", s: { faceDetected: true, dispFrame: u.AfInfoDispFrame_Green }, chase: "hidden" },
            { tag: "face marks the start point", s: { faceDetected: true, trackX: 400, trackY: 300 }, chase: "mark" },
            { tag: "mark hidden while AF/AE", s: { faceDetected: true, focusing: true }, chase: "hidden" },
            { tag: "body needs both recognitions", s: { bodyDetected: true, automaticOn: true, generalOn: false,
                                                       trackX: 400, trackY: 300 }, chase: "frame",
              look: AF.look_tracking_yellow },
            { tag: "simple display", s: { simple: true, trackX: 400, trackY: 300 }, chase: "hidden", one: "simple" },
            { tag: "tracked, green", s: { trackX: 400, trackY: 300, dispFrame: u.AfInfoDispFrame_Green }, chase: "frame",
              look: AF.look_tracking_green },
            { tag: "tracked, in progress stays yellow", s: { status: u.AfInfoStatus_InProgress, trackX: 400, trackY: 300,
                                                            dispFrame: u.AfInfoDispFrame_Red },
              chase: "frame", look: AF.look_tracking_yellow },
            { tag: "one coordinate zero is not tracked", s: { trackX: 0, trackY: 300, dispFrame: u.AfInfoDispFrame_Red },
              chase: "hidden", one: "simple" },
            { tag: "nothing: the start mark", s: { trackX: 0, trackY: 0 }, chase: "mark", one: "hidden" }
        ]
    }
    function test_tracking(data) {
        var s = { status: u.AfInfoStatus_OK, dispFrame: u.AfInfoDispFrame_Not, trackX: 0, trackY: 0, simple: false,
                  focusing: false }
        for (var k in data.s)
            s[k] = data.s[k]
        var d = AF.trackingDecision(s)
        compare(d.chase, data.chase)
        if (data.look !== undefined)
            compare(d.look, data.look)
        if (data.one !== undefined)
            compare(d.onePoint, data.one)
    }

    function test_pinpoint_data() {
        return [
            { tag: "simple display", s: { simple: true, dispFrame: u.AfInfoDispFrame_Green }, kind: "simple" },
            { tag: "in progress, zoom", s: { status: u.AfInfoStatus_Unfocused, assistMode: u.AsModCur_Zoom },
              kind: "frame", at: "cursor" },
            { tag: "zoom, green big", s: { assistMode: u.AsModCur_Zoom, dispFrame: u.AfInfoDispFrame_Green_Big },
              kind: "frame", at: "cursor", size: 416, look: AF.look_normal_green },
            { tag: "pinp, red big", s: { assistMode: u.AsModCur_Pinp, dispFrame: u.AfInfoDispFrame_Red_Big },
              kind: "frame", at: "cursorArea", size: 277, look: AF.look_normal_red },
            { tag: "assist, other state", s: { assistMode: u.AsModCur_Move, dispFrame: u.AfInfoDispFrame_Green },
              kind: "frame", at: "cursor", size: 108, look: AF.look_normal_white },
            { tag: "no assist, green big", s: { assistMode: u.AsModCur_Off, dispFrame: u.AfInfoDispFrame_Green_Big },
              kind: "frame", at: "position", look: AF.look_normal_green }
        ]
    }
    function test_pinpoint(data) {
        var s = { status: u.AfInfoStatus_OK, dispFrame: u.AfInfoDispFrame_Not, simple: false,
                  assistMode: u.AsModCur_Unknown }
        for (var k in data.s)
            s[k] = data.s[k]
        var d = AF.pinpointDecision(s)
        compare(d.kind, data.kind)
        if (data.at !== undefined)
            compare(d.at, data.at)
        compare(d.size, data.size)
        if (data.look !== undefined)
            compare(d.look, data.look)
    }

    function test_grid_data() {
        return [
            { tag: "simple before progress", s: { simple: true, status: u.AfInfoStatus_InProgress }, kind: "simple" },
            { tag: "in progress: selection only", s: { status: u.AfInfoStatus_LowRight }, kind: "selected" },
            { tag: "white frame clears", s: { dispFrame: u.AfInfoDispFrame_White }, kind: "clear" },
            { tag: "face mode without frames clears", s: { mode: AF.afmode_face_225, dispNum: 0 }, kind: "clear" },
            { tag: "225 mode without frames keeps", s: { mode: AF.afmode_point225, dispNum: 0 }, kind: "focused" },
            { tag: "frames lit", s: { dispNum: 225, dispFrame: u.AfInfoDispFrame_Green }, kind: "focused" }
        ]
    }
    function test_grid(data) {
        var s = { status: u.AfInfoStatus_OK, dispFrame: u.AfInfoDispFrame_Not, dispNum: 225, mode: AF.afmode_point225,
                  simple: false }
        for (var k in data.s)
            s[k] = data.s[k]
        compare(AF.gridDecision(s).kind, data.kind)
    }

    // ---- against a simulated camera ----

    // The program's own AF/AE moves the 225-area and custom modes to their
    // focusing variants and back; AF-off leaves such a focus alone.
    function test_afae_from_the_program_data() {
        return [
            { tag: "225 square", from: AF.afmode_point225s, to: AF.afmode_point225s_af },
            { tag: "225 display", from: AF.afmode_point225f, to: AF.afmode_point225f_af },
            { tag: "custom", from: AF.afmode_custom, to: AF.afmode_custom_af },
            { tag: "zone display", from: AF.afmode_customof, to: AF.afmode_customof_af },
            { tag: "face stays", from: AF.afmode_face, to: AF.afmode_face },
            { tag: "1-area stays", from: AF.afmode_pointone, to: AF.afmode_pointone }
        ]
    }
    function test_afae_from_the_program(data) {
        connectCamera()
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Hide, 5000)
        afFrame.changeMode(data.from)
        afFrame.afaeStart()
        compare(afFrame.mode, data.to)
        afFrame.afoff()
        compare(afFrame.mode, data.to)
        compare(deviceAdapter.afState, u.AfAeDispStatus_Hide)
        afFrame.afaeStop()
        compare(afFrame.mode, data.from)
    }

    function connectCamera() {
        if (!deviceAdapter.isCamerasConnected) {
            compare(deviceAdapter.adp_KVR_func_api_Init(), 1)
            verify(deviceAdapter.deviceSearch.startSearch(false, false, 1))
            tryVerify(function() { return deviceAdapter.searchList.length > 0 }, 10000)
            tryCompare(deviceAdapter.deviceSearch, "devSearchStatus", 0, 10000)
            compare(deviceAdapter.connectEnableDevice(), 1)
        }
        verify(deviceAdapter.isCamerasConnected)
        compare(deviceAdapter.adp_KVR_func_api_Reg_NotifyCallback(), 1)
    }

    function test_click_in_face_mode_sets_the_af_area() {
        connectCamera()
        if (deviceAdapter.recordingMode === u.RM_IntelligentAuto)
            skip("the camera tracks in intelligent auto")
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Hide, 5000)
        afFrame.changeMode(AF.afmode_face)
        compare(afFrame.mode, AF.afmode_face)
        afFrame.clickAt(afFrame.width / 4, afFrame.height / 2)
        compare(afFrame.mode, AF.afmode_face_af)
        // the camera starts focusing where it was touched and says so
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Show, 5000)
        compare(afFrame.mode, AF.afmode_face_af)
        // AF-off ends it; the camera's hidden AF state brings the rest mode back
        afFrame.afoff()
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Hide, 5000)
        tryCompare(afFrame, "mode", AF.afmode_face, 5000)
    }

    function test_click_on_the_225_grid_selects_the_cell() {
        connectCamera()
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Hide, 5000)
        afFrame.changeMode(AF.afmode_point225f)
        // the grid is the camera's (225 or 315 by its frame count)
        var grid = afFrame.areaGrid
        var cell = 2 * grid.columns + 3
        var r = AF.areaCellRect(grid, cell, afFrame.width, afFrame.height)
        afFrame.clickAt(r.x + r.width / 2, r.y + r.height / 2)
        compare(deviceAdapter.af_afmulti_pos_index(), cell)
        tryCompare(afFrame, "mode", AF.afmode_point225f_af, 5000)
        afFrame.afoff()
        tryCompare(deviceAdapter, "afState", u.AfAeDispStatus_Hide, 5000)
        compare(afFrame.mode, AF.afmode_point225f)
    }
}
