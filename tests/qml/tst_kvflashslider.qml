import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvFlashText.js" as FlashText

// The stepped slider: its ticks, its zero, its texts, and that a free slider
// whose step is not 1 reaches both of its ends.
TestCase {
    id: test
    name: "KvFlashSlider"
    when: windowShown
    visible: true
    width: 400
    height: 200

    readonly property var counts: ({ manual: 22, exposure: 31, adjust: 19 })

    function test_ticks_data() {
        return [
            { tag: "adjust", type: 0, min: 0, max: 0, step: 3, count: 19, root: 9 },
            { tag: "manual", type: 1, min: 0, max: 0, step: 3, count: 22, root: 21 },
            { tag: "exposure", type: 2, min: 0, max: 0, step: 3, count: 31, root: 15 },
            { tag: "free step 3 -15..15", type: 3, min: -15, max: 15, step: 3, count: 31, root: 15 },
            { tag: "free step 3 -5..4 not a multiple", type: 3, min: -5, max: 4, step: 3, count: 10, root: 5 },
            { tag: "free step 1 -5..5", type: 3, min: -5, max: 5, step: 1, count: 11, root: 5 },
            { tag: "free positive range", type: 3, min: 2, max: 8, step: 2, count: 7, root: 0 },
            { tag: "free from zero", type: 3, min: 0, max: 10, step: 1, count: 11, root: 0 },
            { tag: "free single value", type: 3, min: -2, max: -2, step: 1, count: 1, root: 0 },
            { tag: "free all negative", type: 3, min: -6, max: -2, step: 2, count: 5, root: 2 }
        ]
    }
    function test_ticks(data) {
        var n = FlashText.tickCount(data.type, data.min, data.max, counts)
        compare(n, data.count)
        compare(FlashText.rootIndex(data.type, data.min, data.max, data.step, n), data.root)
    }

    function test_longTicks_data() {
        return [
            { tag: "every third from the zero", type: 0, tm: 3, n: 19, root: 9, longs: [0, 3, 6, 9, 12, 15, 18] },
            { tag: "free step 1 marks ends and zero", type: 3, tm: 1, n: 11, root: 4, longs: [0, 4, 10] },
            { tag: "free step 2 from the zero", type: 3, tm: 2, n: 7, root: 3, longs: [1, 3, 5] }
        ]
    }
    function test_longTicks(data) {
        var longs = []
        for (var i = 0; i < data.n; ++i) {
            if (FlashText.isLongTick(data.type, i, data.tm, data.n, data.root))
                longs.push(i)
        }
        compare(longs, data.longs)
    }

    function test_freeText_data() {
        return [
            { tag: "zero", index: 15, min: -15, step: 3, tt: 0, text: "0" },
            { tag: "lowest end", index: 0, min: -15, step: 3, tt: 0, text: "-5" },
            { tag: "highest end", index: 30, min: -15, step: 3, tt: 0, text: "+5" },
            { tag: "one third", index: 16, min: -15, step: 3, tt: 0, text: "+<sup>1</sup>&frasl;<sub>3</sub>" },
            { tag: "minus one and two thirds", index: 10, min: -15, step: 3, tt: 0,
              text: "-1 <sup>2</sup>&frasl;<sub>3</sub>" },
            { tag: "decimals", index: 12, min: -15, step: 3, tt: 1, text: "-1" },
            { tag: "decimals fraction", index: 19, min: -15, step: 3, tt: 1, text: "1.3" },
            { tag: "positive", index: 3, min: 0, step: 1, tt: 2, text: "30%" }
        ]
    }
    function test_freeText(data) {
        compare(FlashText.freeText(data.index, data.min, data.step, data.tt), data.text)
    }

    function test_tickColor_data() {
        return [
            { tag: "between zero and selection", i: 5, cur: 7, root: 3, on: true, color: "#FFD600" },
            { tag: "selection below zero", i: 2, cur: 1, root: 3, on: true, color: "#FFD600" },
            { tag: "outside", i: 8, cur: 7, root: 3, on: true, color: "#525356" },
            { tag: "disabled", i: 5, cur: 7, root: 3, on: false, color: "#808080" }
        ]
    }
    function test_tickColor(data) {
        compare(FlashText.tickColor(data.i, data.cur, data.root, data.on), data.color)
    }

    function test_indexAt_data() {
        return [
            { tag: "left end", pos: 0, w: 300, n: 31, lo: 0, hi: 30, index: 0 },
            { tag: "right end", pos: 300, w: 300, n: 31, lo: 0, hi: 30, index: 30 },
            { tag: "nearest", pos: 104, w: 300, n: 31, lo: 0, hi: 30, index: 10 },
            { tag: "kept in range", pos: 300, w: 300, n: 31, lo: 2, hi: 20, index: 20 }
        ]
    }
    function test_indexAt(data) {
        compare(FlashText.indexAt(data.pos, data.w, data.n, data.lo, data.hi), data.index)
    }

    KvFlashSlider {
        id: free
        width: 214
        height: 77
        type: 3
        windowType: 1
        minVal: -15
        maxVal: 15
        stepVal: 3
    }

    // Every unit is a tick: both ends can be chosen with the pointer, and
    // the texts are right at the ends.
    function test_free_slider_reaches_both_ends() {
        compare(free.modelNum, 31)
        compare(free.curIndex, 15)
        compare(free.valueText, "0")
        var row = free.tickRow
        mousePress(row, 0, 2)
        mouseRelease(row, 0, 2)
        compare(free.curIndex, 0)
        compare(free.value, 0)
        compare(free.valueText, "-5")
        mousePress(row, row.width, 2)
        mouseRelease(row, row.width, 2)
        compare(free.curIndex, 30)
        compare(free.valueText, "+5")
        free.curValSetting(-14)
        compare(free.curIndex, 1)
        compare(free.valueText, "-4 <sup>2</sup>&frasl;<sub>3</sub>")
    }

    function test_range_limits_choice() {
        free.curValSetting(0)
        free.minRange = 10
        free.choose(5)
        compare(free.curIndex, 15)
        free.choose(10)
        compare(free.curIndex, 10)
        free.minRange = 0
    }
}
