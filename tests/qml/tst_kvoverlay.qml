import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvOverlay.js" as Overlay

// The overlays' arithmetic as tables; the histogram's polling against the
// real live-view status; the grid, guide lines, photo frame and popups on a
// stand-in of the live-view window.
TestCase {
    id: test
    name: "KvOverlay"
    when: windowShown
    visible: true
    width: 1001
    height: 600

    // ---- pure arithmetic ----

    function test_gridLines_data() {
        return [
            { tag: "one line of 2 sits at the middle less 1", length: 300, count: 1, thickness: 2, expected: [149] },
            { tag: "one line of 1", length: 300, count: 1, thickness: 1, expected: [149.5] },
            { tag: "two lines stay symmetric", length: 300, count: 2, thickness: 2, expected: [99.5, 198.5] },
            { tag: "three thin lines", length: 400, count: 3, thickness: 1, expected: [100 - 1 / 6, 200 - 1 / 2, 300 - 5 / 6] },
            { tag: "no lines", length: 300, count: 0, thickness: 2, expected: [] },
            { tag: "no room", length: 0, count: 2, thickness: 2, expected: [] }
        ]
    }
    function test_gridLines(data) {
        var lines = Overlay.gridLinePositions(data.length, data.count, data.thickness)
        compare(lines.length, data.expected.length)
        for (var i = 0; i < lines.length; ++i)
            fuzzyCompare(lines[i], data.expected[i], 1e-9)
    }

    function test_diagonalDots_data() {
        return [
            { tag: "thickness 1", thickness: 1, side: 1 },
            { tag: "thickness 2", thickness: 2, side: 2 },
            { tag: "thickness 3", thickness: 3, side: 3 },
            { tag: "thickness 10", thickness: 10, side: 8 }
        ]
    }
    function test_diagonalDots(data) {
        compare(Overlay.diagonalDotSide(data.thickness), data.side)
    }

    function test_guideLinePixel_data() {
        return [
            { tag: "25 % of 1001 moves on a pixel", length: 1001, percent: 25, pixel: 251 },
            { tag: "25 % of 1000 exact", length: 1000, percent: 25, pixel: 250 },
            { tag: "left edge", length: 1000, percent: 0, pixel: 0 },
            { tag: "99 % of 333", length: 333, percent: 99, pixel: 330 }
        ]
    }
    function test_guideLinePixel(data) {
        compare(Overlay.guideLinePixel(data.length, data.percent), data.pixel)
        // a released line at its own place keeps its percentage
        compare(Overlay.guideLinePercent(data.pixel, data.length), data.percent)
    }

    function test_guideLinePercent_data() {
        return [
            { tag: "middle", pixel: 500, length: 1000, percent: 50 },
            { tag: "cut, not rounded", pixel: 259, length: 1000, percent: 25 },
            { tag: "beyond the right edge", pixel: 1200, length: 1000, percent: 99 },
            { tag: "left of the picture", pixel: -3, length: 1000, percent: 0 },
            { tag: "no picture", pixel: 10, length: 0, percent: 0 }
        ]
    }
    function test_guideLinePercent(data) {
        compare(Overlay.guideLinePercent(data.pixel, data.length), data.percent)
    }

    function test_levelMarks_data() {
        return [
            { tag: "level upright", pitch: 0, rotation: 0, square: false, colour: "#00ff00", across: false, offset: 0 },
            { tag: "tilted upright", pitch: 10, rotation: 0, square: false, colour: "#ffff00", across: false, offset: 35 },
            { tag: "tilted down", pitch: -10, rotation: 0, square: false, colour: "#ffff00", across: false, offset: -35 },
            { tag: "square gauge moves less", pitch: 10, rotation: 0, square: true, colour: "#ffff00", across: false, offset: 27 },
            { tag: "quarter turn moves across", pitch: 10, rotation: 90, square: false, colour: "#ffff00", across: true, offset: 35 },
            { tag: "left turn moves across", pitch: 10, rotation: -90, square: false, colour: "#ffff00", across: true, offset: 35 },
            { tag: "half turn upright", pitch: 10, rotation: 180, square: false, colour: "#ffff00", across: false, offset: 35 }
        ]
    }
    function test_levelMarks(data) {
        var width = data.square ? 400 : 600
        var height = 400
        compare(Overlay.levelColor(data.pitch), data.colour)
        var marks = Overlay.pitchMarks(width, height, 200, data.pitch, data.rotation)
        compare(marks.length, 2)
        for (var i = 0; i < 2; ++i) {
            var m = marks[i]
            if (data.across) {
                compare(m.x1, m.x2)
                fuzzyCompare(m.x1, width / 2 + data.offset, 1e-9)
                compare(Math.abs(m.y2 - m.y1), 20)
            } else {
                compare(m.y1, m.y2)
                fuzzyCompare(m.y1, height / 2 + data.offset, 1e-9)
                compare(Math.abs(m.x2 - m.x1), 20)
            }
        }
    }

    function test_rollLine_data() {
        return [
            { tag: "level", degrees: 0 },
            { tag: "right angle", degrees: 90 },
            { tag: "tilted", degrees: 30 },
            { tag: "tilted back", degrees: -45 }
        ]
    }
    function test_rollLine(data) {
        var halves = Overlay.rollSegments(400, 300, 100, data.degrees)
        compare(halves.length, 2)
        var a = data.degrees * Math.PI / 180
        for (var i = 0; i < 2; ++i) {
            var h = halves[i]
            // both ends lie on the line through the centre at the angle,
            // leaving 40 pixels free each side of the centre
            fuzzyCompare((h.y1 - 150) * Math.cos(a), (h.x1 - 200) * Math.sin(a), 1e-9)
            fuzzyCompare((h.y2 - 150) * Math.cos(a), (h.x2 - 200) * Math.sin(a), 1e-9)
            var near = i === 0 ? { x: h.x2, y: h.y2 } : { x: h.x1, y: h.y1 }
            fuzzyCompare(Math.sqrt(Math.pow(near.x - 200, 2) + Math.pow(near.y - 150, 2)), 40, 1e-9)
        }
    }

    function test_scaling_data() {
        return [
            { tag: "default", start: 100, from: 50, to: 50, expected: 100 },
            { tag: "doubled", start: 100, from: 50, to: 100, expected: 200 },
            { tag: "beyond the top", start: 150, from: 50, to: 100, expected: 200 },
            { tag: "beyond the bottom", start: 100, from: 50, to: 5, expected: 25 },
            { tag: "pressed on the centre", start: 80, from: 0, to: 30, expected: 80 },
            { tag: "start out of range", start: 400, from: 0, to: 30, expected: 200 }
        ]
    }
    function test_scaling(data) {
        compare(Overlay.cornerScaling(data.start, data.from, data.to), data.expected)
    }

    function test_rotationQuadrant_data() {
        return [
            { tag: "up", degrees: 0, quadrant: 0, cursor: Qt.SizeHorCursor },
            { tag: "just before right", degrees: 44, quadrant: 0, cursor: Qt.SizeHorCursor },
            { tag: "just into right", degrees: 46, quadrant: 1, cursor: Qt.SizeVerCursor },
            { tag: "down", degrees: 180, quadrant: 2, cursor: Qt.SizeHorCursor },
            { tag: "minus 180", degrees: -180, quadrant: 2, cursor: Qt.SizeHorCursor },
            { tag: "left", degrees: -90, quadrant: 3, cursor: Qt.SizeVerCursor },
            { tag: "nearly up from the left", degrees: -44, quadrant: 0, cursor: Qt.SizeHorCursor }
        ]
    }
    function test_rotationQuadrant(data) {
        compare(Overlay.rotationQuadrant(data.degrees), data.quadrant)
        compare(Overlay.rotationCursor(data.degrees), data.cursor)
    }

    function test_handleAngle_data() {
        return [
            { tag: "above", dx: 0, dy: -10, degrees: 0 },
            { tag: "right", dx: 10, dy: 0, degrees: 90 },
            { tag: "below", dx: 0, dy: 10, degrees: 180 },
            { tag: "left", dx: -10, dy: 0, degrees: -90 }
        ]
    }
    function test_handleAngle(data) {
        fuzzyCompare(Overlay.normalisedAngle(Overlay.handleAngle(data.dx, data.dy)), data.degrees, 1e-9)
    }

    function test_turnedOffset_data() {
        return [
            { tag: "quarter right", from: 0, to: 90, x: -5, y: 10 },
            { tag: "quarter back", from: 90, to: 0, x: 5, y: -10 },
            { tag: "half", from: 0, to: 180, x: -10, y: -5 },
            { tag: "three quarters", from: 0, to: 270, x: 5, y: -10 },
            { tag: "left turn as -90", from: 0, to: -90, x: 5, y: -10 },
            { tag: "unchanged", from: 180, to: 180, x: 10, y: 5 },
            { tag: "not a quarter", from: 0, to: 45, x: 10, y: 5 }
        ]
    }
    function test_turnedOffset(data) {
        var p = Overlay.turnedOffset(10, 5, data.from, data.to)
        compare(p.x, data.x)
        compare(p.y, data.y)
    }

    function test_minutesSeconds_data() {
        return [
            { tag: "65 s", seconds: 65, text: "01:05" },
            { tag: "nothing yet", seconds: 0, text: "00:00" },
            { tag: "last of the hour", seconds: 3599, text: "59:59" },
            { tag: "past an hour", seconds: 6000, text: "100:00" },
            { tag: "negative", seconds: -5, text: "00:00" }
        ]
    }
    function test_minutesSeconds(data) {
        compare(Overlay.minutesSeconds(data.seconds), data.text)
    }

    KvOptionComponentsProvider {
        id: provider
    }

    function test_shutterText_data() {
        var rows = [
            { properties: { value: 1, optionText: "<b>1/60</b>" } },
            { properties: { value: 2, optionText: "<big>B</big>" } },
            { properties: { value: 3, optionText: "<B>60</B>\"" } }
        ]
        return [
            { tag: "bold removed", rows: rows, value: 1, text: "1/60" },
            { tag: "big removed", rows: rows, value: 2, text: "B" },
            { tag: "capital tags", rows: rows, value: 3, text: "60\"" },
            { tag: "not found", rows: rows, value: 9, text: "" },
            { tag: "no catalogue", rows: null, value: 1, text: "" },
            { tag: "the program's catalogue", rows: provider.shutterSpeed, value: Kv.Utilities.SS_Sec_60, text: "60\"" }
        ]
    }
    function test_shutterText(data) {
        compare(Overlay.shutterText(data.rows, data.value), data.text)
    }

    function test_compositeView_data() {
        var U = Kv.Utilities
        return [
            { tag: "prepare: guidance", status: U.LCST_PREPARE, nr: false, shown: false, kind: "prepare", controls: true },
            { tag: "prepare: guidance once", status: U.LCST_PREPARE, nr: false, shown: true, kind: "off", controls: true },
            { tag: "prepare: black frame", status: U.LCST_PREPARE, nr: true, shown: true, kind: "noiseReduction", controls: false },
            { tag: "standby: message first", status: U.LCST_STANDBY, nr: false, shown: false, kind: "standbyMessage", controls: false },
            { tag: "standby: then the shutter", status: U.LCST_STANDBY, nr: false, shown: true, kind: "standby", controls: true },
            { tag: "shooting", status: U.LCST_SHOOTING, nr: false, shown: false, kind: "shooting", controls: true },
            { tag: "combining", status: U.LCST_COMBINING, nr: false, shown: false, kind: "combining", controls: false },
            { tag: "inactive", status: U.LCST_INACTIVE, nr: true, shown: false, kind: "off", controls: true },
            { tag: "unknown", status: U.LCST_Unknown, nr: false, shown: false, kind: "off", controls: true }
        ]
    }
    function test_compositeView(data) {
        var view = Overlay.compositeView(Kv.Utilities, data.status, data.nr, data.shown)
        compare(view.kind, data.kind)
        compare(view.controls, data.controls)
    }

    function test_compositeTexts() {
        compare(Overlay.standbyText("1/60"), "1/60 x 0")
        compare(Overlay.shootingText(12, "1/60", 3, 65), "12\" 1/60 x 3  01:05")
        compare(Overlay.spinnerSource(0), "qrc:/images/wait_anim0_gray.svg")
        compare(Overlay.spinnerSource(31), "qrc:/images/wait_anim1_gray.svg")
    }

    function test_histogramTick_data() {
        var V = Kv.VideoImageInfo
        return [
            { tag: "running", status: V.VIS_Start, error: V.VIE_NoError, action: "refresh", interval: 10 },
            { tag: "busy", status: V.VIS_Start, error: V.VIE_Busy, action: "slow", interval: 15 },
            { tag: "error", status: V.VIS_Start, error: V.VIE_Error, action: "stop" },
            { tag: "unknown error", status: V.VIS_Start, error: V.VIE_Unknown, action: "stop" },
            { tag: "paused", status: V.VIS_Pause, error: V.VIE_NoError, action: "skip" },
            { tag: "stopped with an error", status: V.VIS_Stop, error: V.VIE_Error, action: "skip" }
        ]
    }
    function test_histogramTick(data) {
        var step = Overlay.histogramTick(Kv.VideoImageInfo, data.status, data.error)
        compare(step.action, data.action)
        if (data.interval !== undefined)
            compare(step.interval, data.interval)
    }

    // ---- the items ----

    // The live-view window as the overlays see it.
    Component {
        id: fakeWindowComponent
        Item {
            property bool isMultiView: false
            property bool lvGridIndicator: true
            property bool lvGLineIndicator: true
            property bool lvLevelIndicator: true
            property bool lvHistogramIndicator: true
            property int lvRotation: 0
            property int lvRotationAuto: 0
            property bool lvRotationMode: false
            property int autoAngle: 0
            property bool gridHorizon: true
            property bool gridVertical: true
            property bool gridDiagonal: false
            property int gridHorNum: 2
            property int gridVerNum: 2
            property int gridThickness: 2
            property string gridColor: "#808080"
            property bool gridCustom: false
            property bool grid3x3: true
            property bool grid2x2Diagonal: false
            property bool gLineHor1: true
            property bool gLineHor2: true
            property bool gLineVer1: true
            property bool gLineVer2: true
            property int gLineHor1Pos: 25
            property int gLineHor2Pos: 75
            property int gLineVer1Pos: 25
            property int gLineVer2Pos: 75
            property int gLineThickness: 2
            property string gLineColor: "#0080ff"
            property bool overlayVisible: true
            property string overlayFile: ""
            property real overlayX: 0
            property real overlayY: 0
            property real overlayScaling: 100
            property real overlayRotation: 0
            property real overlayTransparency: 50
            property string savedOverlayFile: ""
            property real savedOverlayX: 0
            property real savedOverlayY: 0
            property real savedOverlayScaling: 100
            property real savedOverlayRotation: 0
            property real savedOverlayTransparency: 50
            property int afHidden: 0
            function hideAfFrame() { ++afHidden }
            function showAfFrame() { --afHidden }
        }
    }
    Component { id: histogramComponent; KvHistogram {} }
    Component { id: gridComponent; KvGridIndicator {} }
    Component { id: guideComponent; KvGuideLineIndicator {} }
    Component { id: frameComponent; KvOverlayPhotoFrame {} }
    Component { id: gridPopupComponent; KvGridPopup {} }
    Component { id: guidePopupComponent; KvGuideLinePopup {} }
    Component { id: overlayPopupComponent; KvOverlayPhotoPopup {} }

    function fakeWindow() {
        var w = createTemporaryObject(fakeWindowComponent, test, { width: test.width, height: test.height })
        verify(w)
        return w
    }

    function cleanup() {
        videoImageInfo.videoImageStatus = Kv.VideoImageInfo.VIS_Stop
        videoImageInfo.videoImageError = Kv.VideoImageInfo.VIE_NoError
    }

    // The engine lower-cases the provider's name in a URL.
    function isBlack(h) {
        return String(h.source).toLowerCase() === h.blackSource.toLowerCase()
    }

    function counterOf(source) {
        var s = String(source)
        return Number(s.substring(s.lastIndexOf("/") + 1))
    }

    function test_histogramPolling() {
        videoImageInfo.videoImageStatus = Kv.VideoImageInfo.VIS_Start
        videoImageInfo.videoImageError = Kv.VideoImageInfo.VIE_NoError
        var h = createTemporaryObject(histogramComponent, test, { visible: false })
        verify(h)
        verify(isBlack(h))
        h.visible = true
        tryVerify(function() { return counterOf(h.source) >= 2 }, 2000)

        // paused: the picture is not asked for again
        videoImageInfo.videoImageStatus = Kv.VideoImageInfo.VIS_Pause
        var paused = String(h.source)
        wait(80)
        compare(String(h.source), paused)
        verify(h.timer.running)

        // busy: polling slows down but goes on
        videoImageInfo.videoImageStatus = Kv.VideoImageInfo.VIS_Start
        videoImageInfo.videoImageError = Kv.VideoImageInfo.VIE_Busy
        tryCompare(h.timer, "interval", 15)
        verify(h.timer.running)

        // an error blackens it, and the end of the error alone does not
        // bring it back
        videoImageInfo.videoImageError = Kv.VideoImageInfo.VIE_Error
        tryVerify(function() { return isBlack(h) }, 2000)
        verify(!h.timer.running)
        videoImageInfo.videoImageError = Kv.VideoImageInfo.VIE_NoError
        wait(80)
        verify(isBlack(h))

        // hidden and shown again, it polls once more
        h.visible = false
        h.visible = true
        tryVerify(function() { return !isBlack(h) }, 2000)

        // one created shown does not wait for a change of visibility
        var shown = createTemporaryObject(histogramComponent, test)
        tryVerify(function() { return !isBlack(shown) }, 2000)
    }

    function test_gridIndicator() {
        var w = fakeWindow()
        w.gridHorNum = 1
        w.gridVerNum = 3
        var g = createTemporaryObject(gridComponent, test, { lvWindow: w, width: 300, height: 400 })
        verify(g)
        compare(g.verticalLines, [149])
        compare(g.horizontalLines.length, 3)
        verify(g.visible)

        // the switches the popup never changes still decide
        w.gridHorizon = false
        compare(g.verticalLines.length, 0)
        w.lvGridIndicator = false
        verify(!g.visible)
    }

    function test_guideLines_data() {
        return [
            { tag: "vertical 1", index: 0, setting: "gLineHor1Pos", vertical: true },
            { tag: "vertical 2", index: 1, setting: "gLineHor2Pos", vertical: true },
            { tag: "horizontal 1", index: 2, setting: "gLineVer1Pos", vertical: false },
            { tag: "horizontal 2", index: 3, setting: "gLineVer2Pos", vertical: false }
        ]
    }
    function test_guideLines(data) {
        var w = fakeWindow()
        w[data.setting] = 25
        var gl = createTemporaryObject(guideComponent, test, { lvWindow: w, width: 1001, height: 401 })
        verify(gl)
        var line = gl.lineAt(data.index)
        verify(line)
        var offset = (line.grip - gl.thickness) / 2
        var length = data.vertical ? 1001 : 401
        compare((data.vertical ? line.x : line.y) + offset, Math.ceil(length * 25 / 100))

        // dragged to about 60 % and released: the setting follows the line
        var cx = line.width / 2
        var cy = line.height / 2
        var target = Math.round(length * 0.6)
        var step = data.vertical ? { x: target - line.x - cx, y: 0 } : { x: 0, y: target - line.y - cy }
        var p = line.mouseArea.mapToItem(gl, cx, cy)
        mousePress(gl, p.x, p.y)
        // the first pixel only wakes the drag up
        mouseMove(gl, p.x + (data.vertical ? 1 : 0), p.y + (data.vertical ? 0 : 1), 10, Qt.LeftButton)
        for (var k = 1; k <= 4; ++k)
            mouseMove(gl, p.x + step.x * k / 4, p.y + step.y * k / 4, 10, Qt.LeftButton)
        mouseRelease(gl, p.x + step.x, p.y + step.y)
        var released = Overlay.guideLinePercent((data.vertical ? line.x : line.y) + offset, length)
        verify(released >= 58 && released <= 61, "released at " + released)
        compare(w[data.setting], released)
        // and the line sits where the stored percentage puts it
        compare((data.vertical ? line.x : line.y) + offset, Overlay.guideLinePixel(length, released))

        // a resized picture moves it with the picture
        if (data.vertical)
            gl.width = 500
        else
            gl.height = 200
        compare((data.vertical ? line.x : line.y) + offset, Overlay.guideLinePixel(data.vertical ? 500 : 200, released))

        w[data.setting.replace("Pos", "")] = false
        verify(!line.visible)
    }

    function test_photoFrame() {
        var w = fakeWindow()
        w.overlayFile = testFolder + "/preview_r90.JPG"
        var f = createTemporaryObject(frameComponent, test, { lvWindow: w, width: 400, height: 300, showHandles: true })
        verify(f)
        tryCompare(f, "loaded", true)
        verify(f.visible)
        compare(f.picture.opacity, 0.5)
        // at 100 % the picture fills the area's shorter side, centred
        var fitted = Overlay.fittedSize(f.picture.implicitWidth, f.picture.implicitHeight, 400, 300)
        compare(f.frame.width, fitted.width)
        compare(f.frame.x + f.frame.width / 2, 200)

        // turning the picture a quarter keeps the frame over the same spot
        w.overlayX = 10
        w.overlayY = 5
        w.lvRotation = 90
        compare(w.overlayX, -5)
        compare(w.overlayY, 10)
        w.lvRotation = 0
        compare(w.overlayX, 10)
        compare(w.overlayY, 5)
        // following the posture counts as a turn too
        w.autoAngle = 180
        w.lvRotationMode = true
        compare(w.overlayX, -10)
        compare(w.overlayY, -5)

        // a file that does not load shows neither picture nor handles
        ignoreWarning(new RegExp("Failed to get image from provider"))
        w.overlayFile = testFolder + "/missing.jpg"
        tryCompare(f, "loaded", false)
        verify(f.imageStatus !== Image.Ready)
    }

    function test_photoFrameHandles() {
        var w = fakeWindow()
        w.overlayFile = testFolder + "/preview_r90.JPG"
        var f = createTemporaryObject(frameComponent, test, { lvWindow: w, width: 400, height: 300, showHandles: true })
        tryCompare(f, "loaded", true)
        // the bottom-right corner handle, dragged far out and far in
        var corner = f.frame.mapToItem(test, f.frame.width, f.frame.height)
        mousePress(test, corner.x, corner.y)
        mouseMove(test, corner.x + 400, corner.y + 300, -1, Qt.LeftButton)
        mouseRelease(test, corner.x + 400, corner.y + 300)
        compare(w.overlayScaling, 200)
        corner = f.frame.mapToItem(test, f.frame.width, f.frame.height)
        mousePress(test, corner.x, corner.y)
        mouseMove(test, 201, 151, -1, Qt.LeftButton)
        mouseRelease(test, 201, 151)
        compare(w.overlayScaling, 25)

        // the turning handle, dragged round to the right of the centre
        w.overlayScaling = 100
        var handle = f.frame.mapToItem(test, f.frame.width / 2, -24)
        var centre = f.mapToItem(test, 200, 150)
        mousePress(test, handle.x, handle.y)
        mouseMove(test, centre.x + 100, centre.y - 100, 10, Qt.LeftButton)
        mouseMove(test, centre.x + 100, centre.y, 10, Qt.LeftButton)
        mouseRelease(test, centre.x + 100, centre.y)
        compare(w.overlayRotation, 90)
        compare(f.frame.rotation, 90)
    }

    function test_colorChoice() {
        var w = fakeWindow()
        var p = createTemporaryObject(gridPopupComponent, test, { lvWindow: w })
        p.open()
        tryCompare(p, "opened", true)
        var chosen = []
        p.chooseColor("#808080", function(c) { chosen.push(c) })
        verify(p.colorDialog)
        p.colorDialog.dialog.selectedColor = "#ff0000"
        p.colorDialog.dialog.accept()
        compare(chosen, ["#ff0000"])

        // a cancel changes nothing and says so
        var cancelled = 0
        p.colorDialog.onCancelClicked.connect(function() { ++cancelled })
        var later = []
        p.chooseColor("#00ff00", function(c) { later.push(c) })
        p.colorDialog.dialog.reject()
        compare(cancelled, 1)
        compare(later, [])
        // the same colour taken again still counts, and only the latest
        // chooser hears of it
        p.chooseColor("#00ff00", function(c) { later.push(c) })
        p.colorDialog.dialog.selectedColor = "#00ff00"
        p.colorDialog.dialog.accept()
        compare(later, ["#00ff00"])
        compare(chosen, ["#ff0000"])
        p.close()
    }

    function test_gridPopup_data() {
        return [
            { tag: "3x3", kind: "3x3", lines: 2, diagonal: false, custom: false },
            { tag: "2x2 with diagonals", kind: "2x2", lines: 1, diagonal: true, custom: false }
        ]
    }
    function test_gridPopup(data) {
        var w = fakeWindow()
        w.gridHorNum = 7
        w.gridVerNum = 9
        w.gridThickness = 5
        w.gridCustom = true
        w.grid3x3 = false
        var p = createTemporaryObject(gridPopupComponent, test, { lvWindow: w })
        p.open()
        tryCompare(p, "opened", true)
        compare(p.height, 140 + 255)
        var button = data.kind === "3x3" ? p.kind3x3 : p.kind2x2
        mouseClick(button)
        compare(w.gridHorNum, data.lines)
        compare(w.gridVerNum, data.lines)
        compare(w.gridThickness, 2)
        compare(w.gridDiagonal, data.diagonal)
        compare(w.grid3x3, data.kind === "3x3")
        compare(w.grid2x2Diagonal, data.kind === "2x2")
        compare(w.gridCustom, false)
        compare(p.height, 140)
        verify(button.checked)

        // back to custom: the values of the kind stay until changed
        mouseClick(p.kindCustom)
        verify(w.gridCustom && !w.grid3x3 && !w.grid2x2Diagonal)
        compare(p.height, 140 + 255)
        compare(p.horizontalSlider.slider.value, data.lines)
        p.close()
    }

    function test_guideLinePopup() {
        var w = fakeWindow()
        var p = createTemporaryObject(guidePopupComponent, test, { lvWindow: w })
        p.open()
        tryCompare(p, "opened", true)
        var row = p.lineRepeater.itemAt(2)
        compare(row.slider.slider.value, 0.25)
        compare(row.slider.valueText, "25%")
        // the slider's fraction is stored as a percentage
        row.slider.moved(0.4)
        compare(w.gLineVer1Pos, 40)
        mouseClick(row.check)
        compare(w.gLineVer1, false)
        verify(!row.slider.enabled)
        p.close()
    }

    function test_overlayPopup() {
        var w = fakeWindow()
        w.savedOverlayX = 3
        w.savedOverlayScaling = 120
        w.savedOverlayTransparency = 20
        var p = createTemporaryObject(overlayPopupComponent, test, { lvWindow: w })
        p.open()
        tryCompare(p, "opened", true)
        compare(w.afHidden, 1)
        verify(p.openFile(testFolder + "/preview_r90.JPG"))
        compare(w.overlayFile, testFolder + "/preview_r90.JPG")

        // the boxes are in tenths
        w.overlayX = 12.5
        compare(p.positionX.value, 125)
        compare(p.positionX.displayText, "12.5")
        w.overlayRotation = -90.5
        compare(p.rotationBox.value, -905)

        // Reset keeps the file and the transparency
        w.overlayScaling = 150
        w.overlayTransparency = 70
        p.resetSetting()
        compare([w.overlayX, w.overlayY, w.overlayScaling, w.overlayRotation, w.overlayTransparency], [0, 0, 100, 0, 70])

        // Cancel goes back to the saved values
        p.cancel()
        compare([w.overlayX, w.overlayScaling, w.overlayTransparency, w.overlayFile], [3, 120, 20, ""])
        compare(w.afHidden, 0)

        // OK makes the values the saved ones
        p.open()
        tryCompare(p, "opened", true)
        w.overlayScaling = 180
        p.accept()
        compare(w.savedOverlayScaling, 180)
        p.open()
        tryCompare(p, "opened", true)
        w.overlayScaling = 60
        p.cancel()
        compare(w.overlayScaling, 180)
    }
}
