import QtQuick
import QtTest
import "qrc:/qml/KvTransferLogic.js" as Logic

// The import dialogs' decisions and texts, as tables.
TestCase {
    name: "KvTransferLogic"

    // Every id stands for itself, so the tables show where each text goes.
    readonly property var ids: {
        var t = {}
        for (var i = 1; i <= 22; ++i)
            t["confirm_message_" + i] = "[" + i + "]"
        return t
    }

    // A run of the collection: a = arm, n = announcement, l = a movie
    // offered by the back end, d = a dropped object, s = silence.
    function run(events) {
        var c = Logic.newCollection()
        var listedCount = 0
        for (var i = 0; i < events.length; ++i) {
            var e = events[i]
            if (e === "a")
                c = Logic.arm(c)
            else if (e === "n")
                c = Logic.announce(c).state
            else if (e === "l" && Logic.shouldList(c)) {
                c = Logic.listed(c)
                ++listedCount
            } else if (e === "d")
                c = Logic.dropped(c)
            else if (e === "s")
                c = Logic.silence(c)
        }
        return { c: c, listed: listedCount }
    }

    function test_collection_data() {
        return [
            { tag: "two announcements, both listed", events: "annlls", pending: 0, listed: 2, offerAt0: true },
            { tag: "one still to come", events: "annls", pending: 1, listed: 1, offerAt0: false },
            { tag: "a dropped object settles the count", events: "annlds", pending: 0, listed: 1, offerAt0: true },
            { tag: "listed after the silence", events: "anns" + "l", pending: 1, listed: 1, offerAt0: false },
            { tag: "not armed: nothing counts", events: "nnl", pending: 0, listed: 0, offerAt0: true },
            { tag: "drop below 0 stays 0", events: "adds", pending: 0, listed: 0, offerAt0: true },
            { tag: "offered movie outside a collection", events: "l", pending: 0, listed: 0, offerAt0: true }
        ]
    }
    function test_collection(data) {
        var r = run(data.events)
        compare(r.c.pending, data.pending)
        compare(r.listed, data.listed)
        compare(Logic.drainDone(r.c, 0), data.offerAt0)
        // However many never arrive, the offer is bounded.
        verify(Logic.drainDone(r.c, Logic.drainLimit))
    }

    function test_announceRestartsOnlyWhenArmed() {
        verify(!Logic.announce(Logic.newCollection()).restart)
        verify(Logic.announce(Logic.arm(Logic.newCollection())).restart)
        verify(!Logic.silence(Logic.arm(Logic.newCollection())).waiting)
    }

    function test_offerAction_data() {
        return [
            { tag: "empty", count: 0, off: false, action: "none" },
            { tag: "empty, no question", count: 0, off: true, action: "none" },
            { tag: "ask", count: 2, off: false, action: "ask" },
            { tag: "no question", count: 1, off: true, action: "start" }
        ]
    }
    function test_offerAction(data) {
        compare(Logic.offerAction(data.count, data.off), data.action)
    }

    function test_elapsedText_data() {
        return [
            { tag: "start", s: 0, text: "00:00" },
            { tag: "61 s", s: 61, text: "01:01" },
            { tag: "below ten minutes", s: 599, text: "09:59" },
            { tag: "past 99 minutes", s: 6000, text: "100:00" }
        ]
    }
    function test_elapsedText(data) {
        compare(Logic.elapsedText(data.s), data.text)
    }

    function test_texts() {
        compare(Logic.movieQuestionText(ids, 2, 150),
                "<HTML><font style='font-size: 11px;'>[1]<br>[2]<br>[22]2<br>[3]150[4]<br>[5]<br>[6]</font></HTML>")
        compare(Logic.movieCancelText(ids), "<HTML>[11]<br>[12]<br>[13]</HTML>")
        compare(Logic.cut6K4KQuestionText(ids, 30), "<HTML>[1]<br>[15]<br>[16]30[17]<br>[18]<br>[19]</HTML>")
        compare(Logic.cut6K4KCancelText(ids), "<HTML>[11]<br>[20]<br>[21]</HTML>")
        compare(Logic.elapsedLine(ids, 61), "[8]01:01[9]")
    }

    function test_movieProgress_data() {
        return [
            { tag: "second of two", copy: { offsetMb: "50", currentMb: "200", doneBeforeMb: "100", totalMb: "300",
                    index: 1, count: 2, progress: 0.25 },
              current: "50[4]/200[4]", total: "150[4]/300[4]", count: "2/", totalBar: 0.5, bar: 0.25 },
            { tag: "empty sizes", copy: { offsetMb: "0", currentMb: "0", doneBeforeMb: "0", totalMb: "0",
                    index: 0, count: 1, progress: 0 },
              current: "0[4]/0[4]", total: "0[4]/0[4]", count: "1/", totalBar: 0, bar: 0 },
            { tag: "unreadable size", copy: { offsetMb: "", currentMb: "x", doneBeforeMb: "0", totalMb: "10",
                    index: 0, count: 1, progress: 1.5 },
              current: "0[4]/0[4]", total: "0[4]/10[4]", count: "1/", totalBar: 0, bar: 1 }
        ]
    }
    function test_movieProgress(data) {
        var p = Logic.movieProgress(ids, 61, data.copy)
        compare(p.elapsed, "[8]01:01[9]")
        compare(p.currentSize, data.current)
        compare(p.totalSize, data.total)
        compare(p.currentCount, data.count)
        compare(p.totalCount, "" + data.copy.count)
        compare(p.totalBar, data.totalBar)
        compare(p.currentBar, data.bar)
    }

    function test_cut6K4KProgress_data() {
        return [
            { tag: "start", s: 0, progress: 0, frames: 20, text: "[8]00:00 0[17]/20[17][9]", done: false, bar: 0 },
            { tag: "half", s: 61, progress: 10, frames: 20, text: "[8]01:01 10[17]/20[17][9]", done: false, bar: 0.5 },
            { tag: "all stored", s: 5, progress: 20, frames: 20, text: "[8]00:05 20[17]/20[17][9]", done: true, bar: 1 },
            { tag: "no frames", s: 1, progress: 0, frames: 0, text: "[8]00:01 0[17]/0[17][9]", done: true, bar: 1 }
        ]
    }
    function test_cut6K4KProgress(data) {
        var p = Logic.cut6K4KProgress(ids, data.s, data.progress, data.frames)
        compare(p.text, data.text)
        compare(p.done, data.done)
        compare(p.bar, data.bar)
    }
}
