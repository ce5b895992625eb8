import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvPreview.js" as Preview

// The preview's arithmetic as tables, and the window against real picture
// files: the title, the orientation, the zoom by buttons, wheel and gesture.
TestCase {
    id: test
    name: "KvPreviewWindow"
    when: windowShown

    function test_zoomIndex_data() {
        return [
            { tag: "fitted 0.3 in", scale: 0.3, index: -1, zoomIn: true, wrap: false, expected: 3 },
            { tag: "fitted 0.3 out", scale: 0.3, index: -1, zoomIn: false, wrap: false, expected: 2 },
            { tag: "fitted on a step in", scale: 1, index: -1, zoomIn: true, wrap: false, expected: 5 },
            { tag: "fitted on a step out", scale: 1, index: -1, zoomIn: false, wrap: false, expected: 3 },
            { tag: "fitted above the last in", scale: 5, index: -1, zoomIn: true, wrap: false, expected: 7 },
            { tag: "fitted below the first out", scale: 0.01, index: -1, zoomIn: false, wrap: false, expected: 0 },
            { tag: "fitted below the first out wraps", scale: 0.01, index: -1, zoomIn: false, wrap: true, expected: 7 },
            { tag: "4.0 in stays", scale: 4, index: 7, zoomIn: true, wrap: false, expected: 7 },
            { tag: "4.0 in wraps", scale: 4, index: 7, zoomIn: true, wrap: true, expected: 0 },
            { tag: "1/16 out stays", scale: 1 / 16, index: 0, zoomIn: false, wrap: false, expected: 0 },
            { tag: "1/16 out wraps", scale: 1 / 16, index: 0, zoomIn: false, wrap: true, expected: 7 },
            { tag: "step in", scale: 1, index: 4, zoomIn: true, wrap: false, expected: 5 }
        ]
    }
    function test_zoomIndex(data) {
        compare(Preview.zoomIndex(data.scale, data.index, data.zoomIn, data.wrap), data.expected)
    }

    function test_scaleText_data() {
        return [
            { tag: "step text", scale: 1, index: 4, expected: "1.0" },
            { tag: "fraction step", scale: 1 / 16, index: 0, expected: "1/16" },
            { tag: "cut not rounded", scale: 0.4567, index: -1, expected: "0.45" },
            { tag: "above one", scale: 1.234, index: -1, expected: "1.2" },
            { tag: "small", scale: 0.01999, index: -1, expected: "0.019" },
            { tag: "above ten", scale: 12.7, index: -1, expected: "12" }
        ]
    }
    function test_scaleText(data) {
        compare(Preview.scaleText(data.scale, data.index), data.expected)
    }

    function test_titleScale_data() {
        return [
            { tag: "upper-case JPG", name: "P100.JPG", scale: 1, expected: true },
            { tag: "lower-case jpg", name: "P100.jpg", scale: 1, expected: true },
            { tag: "scaled decode", name: "P100.JPG", scale: 0.5, expected: false },
            { tag: "RAW", name: "P100.rw2", scale: 1, expected: false },
            { tag: "no extension", name: "jpg", scale: 1, expected: false }
        ]
    }
    function test_titleScale(data) {
        compare(Preview.showScaleOnTitle(data.name, data.scale), data.expected)
    }

    function test_orientation_data() {
        return [
            { tag: "none", orientation: 1, degrees: 0 },
            { tag: "180", orientation: 3, degrees: 180 },
            { tag: "right", orientation: 6, degrees: 90 },
            { tag: "left", orientation: 8, degrees: 270 },
            { tag: "mirrored right", orientation: 5, degrees: 0 },
            { tag: "unknown", orientation: 0, degrees: 0 }
        ]
    }
    function test_orientation(data) {
        compare(Preview.degreesOfOrientation(data.orientation), data.degrees)
    }

    function test_wheel_data() {
        return [
            { tag: "two steps of 30 zoom once", deltas: [30, 30], zooms: [0, 1], sum: 0 },
            { tag: "up then down never", deltas: [30, -30], zooms: [0, 0], sum: -30 },
            { tag: "one big step out", deltas: [-120], zooms: [-1], sum: 0 },
            { tag: "turn restarts the sum", deltas: [40, -40, -10], zooms: [0, 0, -1], sum: 0 }
        ]
    }
    function test_wheel(data) {
        var sum = 0
        for (var i = 0; i < data.deltas.length; ++i) {
            var step = Preview.wheelStep(sum, data.deltas[i])
            compare(step.zoom, data.zooms[i], "delta " + i)
            sum = step.sum
        }
        compare(sum, data.sum)
    }

    function test_geometry() {
        // Wider window than picture: the height decides; a quarter turn swaps.
        compare(Preview.fitScale(600, 400, 64, 48, 0), 400 / 48)
        compare(Preview.fitScale(600, 400, 64, 48, 1), 400 / 64)
        compare(Preview.fitScale(300, 400, 64, 48, 0), 300 / 64)
        compare(Preview.rotationOffset(1, 64, 48, 2), { x: 96, y: 0 })
        compare(Preview.rotationOffset(2, 64, 48, 2), { x: 128, y: 96 })
        compare(Preview.rotationOffset(3, 64, 48, 2), { x: 0, y: 128 })
        compare(Preview.rotatedIndex(0, -90), 3)
        compare(Preview.rotatedIndex(3, 90), 0)
        // Smaller than the window: centred; larger: no gap.
        compare(Preview.placeAxis(-50, 100, 300), 100)
        compare(Preview.placeAxis(20, 500, 300), 0)
        compare(Preview.placeAxis(-400, 500, 300), -200)
        compare(Preview.anchoredPosition(0, 100, 1, 2), -100)
    }

    // ---- the window against real files ----
    property var window: null
    property int savedReviewType: 0

    function initTestCase() {
        savedReviewType = applicationSettings.displayReviewType
        applicationSettings.displayReviewType = Kv.ApplicationSettings.DisRevType_On
        var c = Qt.createComponent("qrc:/qml/KvPreviewWindow.qml")
        compare(c.status, Component.Ready, c.errorString())
        window = c.createObject(null)
        verify(window)
        window.width = 584
        window.height = 463
    }

    function cleanupTestCase() {
        if (window)
            window.destroy()
        applicationSettings.displayReviewType = savedReviewType
    }

    function showFile(name) {
        deviceAdapter.setPcSavedFilePath(testFolder + "/" + name)
        tryCompare(window, "fileName", name)
        tryCompare(window.image, "status", Image.Ready)
        verify(window.visible)
    }

    function test_turnedPicture() {
        showFile("preview_r90.JPG")
        compare(window.pictureWidth, 64)
        compare(window.pictureHeight, 48)
        // Turned a quarter right and fitted: 48 wide, 64 high on screen.
        compare(window.curRotationIndex, 1)
        compare(window.scale_index, -1)
        fuzzyCompare(window.curScale, window.height / 64, 1e-9)
        fuzzyCompare(window.frame.height, window.height, 1e-6)
        verify(window.showScaleOnTitle)
        compare(window.title, "Preview preview_r90.JPG (x" + Preview.significantText(window.curScale) + ")")
        window.buttonAction("rotateLeft")
        compare(window.curRotationIndex, 0)
        fuzzyCompare(window.frame.width / window.frame.height, 64 / 48, 1e-6)
    }

    function test_zoomAndDrag() {
        // Small enough that the largest step overflows it.
        window.width = 150
        window.height = 120
        showFile("preview_r90.JPG")
        window.buttonAction("zoomIn")
        compare(window.title, "Preview preview_r90.JPG (x" + window.scale_tbl[window.scale_index].text + ")")
        while (window.scale_index < 7)
            window.buttonAction("zoomIn")
        window.buttonAction("zoomIn")
        compare(window.scale_index, 7)
        // Larger than the window: the picture stays inside without a gap.
        window.place(1000, 1000)
        compare(window.frame.x, 0)
        compare(window.frame.y, 0)
        window.place(-100000, -100000)
        compare(window.frame.x, window.width - window.frame.width)
        compare(window.frame.y, window.height - window.frame.height)
        // The gesture wraps; the fit button returns to the fitted state.
        window.zoom(true, 10, 10, true)
        compare(window.scale_index, 0)
        compare(window.frame.x, (window.width - window.frame.width) / 2)
        window.buttonAction("fit")
        compare(window.scale_index, -1)
        // In the fitted state a new window size refits.
        window.width = 584
        window.height = 463
        tryVerify(function() { return Math.abs(window.frame.height - 463) < 1e-6 }, 2000)
    }

    function test_wheelOnWindow() {
        showFile("preview_r90.JPG")
        var area = window.contentItem
        mouseWheel(area, 100, 100, 0, 30)
        compare(window.scale_index, -1)
        mouseWheel(area, 100, 100, 0, 30)
        verify(window.scale_index >= 0)
        var index = window.scale_index
        mouseWheel(area, 100, 100, 0, -30)
        mouseWheel(area, 100, 100, 0, 30)
        compare(window.scale_index, index)
    }

    function test_rawHidesScale() {
        showFile("missing.rw2")
        verify(!window.showScaleOnTitle)
        compare(window.title, "Preview missing.rw2")
    }

    function test_controlBar() {
        showFile("preview_r90.JPG")
        window.barVisible = false
        waitForRendering(window.contentItem)
        mouseMove(window.contentItem, 50, 50)
        mouseMove(window.contentItem, 60, 60)
        tryVerify(function() { return window.controlBar.visible }, 1000)
        tryVerify(function() { return !window.controlBar.visible }, 5000)
    }
}
