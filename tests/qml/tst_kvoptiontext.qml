import QtQuick
import QtTest
import "qrc:/qml/KvOptionText.js" as OptionText

// The setting buttons' texts and decisions, as tables.
TestCase {
    name: "KvOptionText"

    function test_numberText_data() {
        return [
            { tag: "iso auto", target: "iso", v: -1, text: "Auto" },
            { tag: "iso i-iso", target: "iso", v: -2, text: "iISO" },
            { tag: "iso plain", target: "iso", v: 800, text: "800" },
            { tag: "iso low", target: "iso", v: 0x10000064, text: "L.100" },
            { tag: "iso high", target: "pscISO", v: 0x20006400, text: "H.25600" },
            { tag: "iso auto text has no special values", target: "isoAuto", v: 0x10000064, text: "L.100" },
            { tag: "gain low negative", target: "isoGain", v: 0x9006, text: "L.-6dB" },
            { tag: "gain high", target: "pscGain", v: 0x200C, text: "H.12dB" },
            { tag: "gain high range 3", target: "isoGain", v: 0x3003, text: "H.3dB" },
            { tag: "gain plain", target: "isoGain", v: 0x0012, text: "18dB" },
            { tag: "gain off", target: "isoGain", v: 0xFFFE, text: "Off" },
            { tag: "gain auto", target: "isoGain", v: 0xFFFF, text: "Auto" },
            { tag: "angle", target: "shutterSpeedAngle", v: 18000, text: "180d" },
            { tag: "angle fraction", target: "shutterSpeedAngle", v: 17250, text: "172.5d" },
            { tag: "size L", target: "pictureSize", v: 0x0000, text: "L" },
            { tag: "size XL", target: "pictureSize", v: 0x0500, text: "XL" },
            { tag: "size XS", target: "pictureSize", v: 0x0712, text: "XS" },
            { tag: "size unknown", target: "pictureSize", v: 0x0900, text: "-" },
            { tag: "aperture", target: "aperture", v: 28, text: '<font size="2">F</font>2.8' },
            { tag: "aperture zero", target: "aperture", v: 0, text: '<font size="2">F</font>0.0' },
            { tag: "plain number", target: "other", v: 42, text: "42" }
        ]
    }
    function test_numberText(data) {
        compare(OptionText.numberText(data.target, data.v), data.text)
    }

    function test_numberValueFound_data() {
        var list = [100, 200, 400, 0, 800]
        return [
            { tag: "listed", target: "shutterSpeedAngle", v: 200, list: list, found: true },
            { tag: "after the first 0", target: "other", v: 800, list: list, found: false },
            { tag: "angle above 0", target: "shutterSpeedAngle", v: 5, list: list, found: true },
            { tag: "angle 0", target: "shutterSpeedAngle", v: -5, list: list, found: false },
            { tag: "iso unknown code", target: "iso", v: -3, list: list, found: false },
            { tag: "iso anything else", target: "iso", v: 12345, list: list, found: true },
            { tag: "gain unknown 16-bit code", target: "isoGain", v: 0xFFFD, list: list, found: false },
            { tag: "gain 0xFFFFD is a value", target: "pscGain", v: 0x9006, list: list, found: true },
            { tag: "picture size always", target: "pictureSize", v: 77, list: list, found: true },
            { tag: "aperture unknown", target: "aperture", v: 0xFFFF, list: list, found: false },
            { tag: "aperture none", target: "aperture", v: 0xFFFE, list: list, found: false },
            { tag: "aperture value", target: "aperture", v: 35, list: list, found: true }
        ]
    }
    function test_numberValueFound(data) {
        compare(OptionText.numberValueFound(data.target, data.v, function(i) {
            return i < data.list.length ? data.list[i] : 0
        }), data.found)
    }

    function test_offeredNumbers_data() {
        return [
            { tag: "stops at 0", target: "iso", count: 9, list: [100, 200, 0, 400], out: [100, 200] },
            { tag: "stops at a repeat", target: "shutterSpeedAngle", count: 9, list: [90, 180, 180, 270], out: [90, 180] },
            { tag: "gain by count", target: "isoGain", count: 2, list: [1, 2, 3], out: [1, 2] },
            { tag: "gain repeat", target: "pscGain", count: 5, list: [1, 1, 3], out: [1] },
            { tag: "aperture skips 0", target: "aperture", count: 4, list: [0, 28, 40, 56], out: [28, 40, 56] },
            { tag: "aperture stops at -1", target: "aperture", count: 4, list: [28, -1, 40, 56], out: [28] }
        ]
    }
    function test_offeredNumbers(data) {
        compare(OptionText.offeredNumbers(data.target, data.count, function(i) {
            return i < data.list.length ? data.list[i] : 0
        }), data.out)
    }

    function test_buttonKind_data() {
        return [
            { tag: "offered, many", n: 5, offered: true, detail: false, target: "x", shown: true, enabled: true },
            { tag: "offered, one", n: 1, offered: true, detail: false, target: "x", shown: true, enabled: false },
            { tag: "offered, one, detail", n: 1, offered: true, detail: true, target: "x", shown: true, enabled: true },
            { tag: "not offered, one", n: 1, offered: false, detail: true, target: "x", shown: false, enabled: false },
            { tag: "not offered, many", n: 7, offered: false, detail: false, target: "x", shown: false, enabled: false },
            { tag: "base style 2, none", n: 0, offered: false, detail: false, target: "pscBasePhotoStyle2", shown: true, enabled: false },
            { tag: "base style 2, one", n: 1, offered: false, detail: false, target: "pscBasePhotoStyle2", shown: false, enabled: false }
        ]
    }
    function test_buttonKind(data) {
        var k = OptionText.buttonKind(data.n, data.offered, data.detail, data.target)
        compare(k.shown, data.shown)
        compare(k.enabled, data.enabled)
    }

    function test_wbPointer_data() {
        return [
            { tag: "zero", ab: 10, gm: 10, x: 93, y: 93 },
            { tag: "corner A M", ab: 0, gm: 0, x: -7, y: 193 },
            { tag: "corner B G", ab: 20, gm: 20, x: 193, y: -7 },
            { tag: "out of range", ab: 21, gm: -1, x: undefined, y: undefined }
        ]
    }
    function test_wbPointer(data) {
        compare(OptionText.wbPointerX(data.ab, 200), data.x)
        compare(OptionText.wbPointerY(data.gm, 200), data.y)
    }

    function test_wbClick_data() {
        return [
            { tag: "far left top", x: 0, y: 0, ab: 1, gm: 19 },
            { tag: "far right bottom", x: 200, y: 200, ab: 19, gm: 1 },
            { tag: "middle", x: 100, y: 100, ab: 10, gm: 10 },
            { tag: "rounding", x: 24, y: 176, ab: 2, gm: 2 }
        ]
    }
    function test_wbClick(data) {
        compare(OptionText.wbClickAB(data.x, 200), data.ab)
        compare(OptionText.wbClickGM(data.y, 200), data.gm)
    }

    function test_wbText_data() {
        return [
            { tag: "zero", ab: 10, gm: 10, ia: false, text: "" },
            { tag: "both", ab: 7, gm: 12, ia: false, text: "A3,G2" },
            { tag: "b and m", ab: 19, gm: 1, ia: false, text: "B9,M9" },
            { tag: "gm only", ab: 10, gm: 8, ia: false, text: "M2" },
            { tag: "ia plus keeps a-b only", ab: 12, gm: 15, ia: true, text: "B2" }
        ]
    }
    function test_wbText(data) {
        compare(OptionText.wbAdjustText(data.ab, data.gm, data.ia), data.text)
    }

    function test_ccRows_data() {
        return [{ tag: "7", n: 7, rows: 2 }, { tag: "8", n: 8, rows: 2 }, { tag: "11", n: 11, rows: 3 },
                { tag: "5", n: 5, rows: 1 }, { tag: "0", n: 0, rows: 0 }]
    }
    function test_ccRows(data) {
        compare(OptionText.ccRows(data.n), data.rows)
    }

    function test_popupPlacement_data() {
        return [
            { tag: "inside", x: 100, y: 100, frameW: 111, visH: 200, scrolls: false, px: 98, py: 98, over: 0 },
            { tag: "right edge", x: 750, y: 100, frameW: 111, visH: 200, scrolls: false, px: 689, py: 98, over: 0 },
            { tag: "scroll bar room", x: 750, y: 100, frameW: 126, visH: 380, scrolls: true, px: 659, py: 98, over: 0 },
            { tag: "bottom edge", x: 10, y: 500, frameW: 111, visH: 200, scrolls: false, px: 8, py: 360, over: 0 },
            { tag: "too tall starts at 0", x: 10, y: 100, frameW: 111, visH: 590, scrolls: true, px: 0, py: 0, over: 30 }
        ]
    }
    function test_popupPlacement(data) {
        var p = OptionText.popupPlacement(data.x, data.y, 800, 600, data.frameW, data.visH, 36, data.scrolls, true)
        compare(p.x, data.px)
        compare(p.y, data.py)
        compare(p.overHeight, data.over)
    }
}
