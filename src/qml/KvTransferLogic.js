.pragma library

// Decisions and texts of the movie and 6K/4K import dialogs, kept free of
// timers and objects so that every rule can be checked from a table.

// Silence after the last announced movie before the import is offered.
var lastObjectAddInterval = 1000
// Tick of the wait until every announced movie is listed.
var drainTickInterval = 20
// A movie announced but never listed nor reported dropped must not keep the
// offer back for ever: after this long the movies listed so far are offered.
var drainLimit = 3000

// A fresh collection: nothing announced, nothing listed, watch off.
function newCollection() {
    return { waiting: false, pending: 0, copying: false }
}

// A movie start arms the watch.
function arm(c) {
    return { waiting: true, pending: 0, copying: c.copying }
}

// An object announcement counts only while the watch is armed; the caller
// restarts the silence timer when `restart` is true.
function announce(c) {
    if (!c.waiting)
        return { state: c, restart: false }
    return { state: { waiting: true, pending: c.pending + 1, copying: true }, restart: true }
}

// A movie the back end offers is listed while the watch is armed or movies
// are still expected.
function shouldList(c) {
    return c.waiting || c.pending > 0
}

function listed(c) {
    return { waiting: c.waiting, pending: c.pending - 1, copying: c.copying }
}

// An announced object that will never be listed (unreadable, a still, a
// movie kept on the camera) lowers the count, never below 0.
function dropped(c) {
    return { waiting: c.waiting, pending: Math.max(0, c.pending - 1), copying: c.copying }
}

// The silence timer ran out: the watch is disarmed and the drain starts.
function silence(c) {
    return { waiting: false, pending: c.pending, copying: c.copying }
}

// One drain tick, `waitedMs` after the drain started: true once the offer
// is to be made.
function drainDone(c, waitedMs) {
    return c.pending <= 0 || waitedMs >= drainLimit
}

// What the offer does: "none" (nothing listed), "start" (import without a
// question) or "ask".
function offerAction(listCount, confirmationOff) {
    if (listCount <= 0)
        return "none"
    return confirmationOff ? "start" : "ask"
}

// Two digits, a leading zero below 10; minutes past 99 keep every digit.
function pad2(n) {
    return n < 10 ? "0" + n : "" + n
}

// "mm:ss" of an elapsed number of seconds.
function elapsedText(seconds) {
    var s = Math.max(0, Math.floor(seconds))
    return pad2(Math.floor(s / 60)) + ":" + pad2(s % 60)
}

// The size strings of the back end are whole MiB; anything unreadable is 0.
function megabytes(text) {
    var n = parseInt(text, 10)
    return isNaN(n) ? 0 : n
}

// `t` holds the translated texts by id (t.confirm_message_1, ...).
function movieQuestionText(t, count, totalMb) {
    return "<HTML><font style='font-size: 11px;'>" + t.confirm_message_1 + "<br>" + t.confirm_message_2 + "<br>"
            + t.confirm_message_22 + count + "<br>" + t.confirm_message_3 + totalMb + t.confirm_message_4 + "<br>"
            + t.confirm_message_5 + "<br>" + t.confirm_message_6 + "</font></HTML>"
}

function movieCancelText(t) {
    return "<HTML>" + t.confirm_message_11 + "<br>" + t.confirm_message_12 + "<br>" + t.confirm_message_13 + "</HTML>"
}

function cut6K4KQuestionText(t, frames) {
    return "<HTML>" + t.confirm_message_1 + "<br>" + t.confirm_message_15 + "<br>" + t.confirm_message_16 + frames
            + t.confirm_message_17 + "<br>" + t.confirm_message_18 + "<br>" + t.confirm_message_19 + "</HTML>"
}

function cut6K4KCancelText(t) {
    return "<HTML>" + t.confirm_message_11 + "<br>" + t.confirm_message_20 + "<br>" + t.confirm_message_21 + "</HTML>"
}

function elapsedLine(t, seconds) {
    return t.confirm_message_8 + elapsedText(seconds) + t.confirm_message_9
}

// "<done>MB/<total>MB".
function sizeText(t, doneMb, totalMb) {
    return doneMb + t.confirm_message_4 + "/" + totalMb + t.confirm_message_4
}

// The lines of the movie progress window after `seconds`: `copy` holds the
// back end's numbers (index, count, size strings in MiB, current progress).
function movieProgress(t, seconds, copy) {
    var offset = megabytes(copy.offsetMb)
    var done = megabytes(copy.doneBeforeMb) + offset
    var total = megabytes(copy.totalMb)
    return {
        elapsed: elapsedLine(t, seconds),
        currentSize: sizeText(t, offset, megabytes(copy.currentMb)),
        totalSize: sizeText(t, done, total),
        currentCount: (copy.index + 1) + "/",
        totalCount: "" + copy.count,
        totalBar: total > 0 ? Math.min(1, done / total) : 0,
        currentBar: Math.min(1, Math.max(0, copy.progress))
    }
}

// The 6K/4K progress line; `done` is true once every frame is stored.
function cut6K4KProgress(t, seconds, progress, frames) {
    var blank = t.confirm_message_17
    return {
        text: t.confirm_message_8 + elapsedText(seconds) + " " + progress + blank + "/" + frames + blank
              + t.confirm_message_9,
        done: progress >= frames,
        bar: frames > 0 ? Math.min(1, progress / frames) : 1
    }
}

// What a change of the cutting state asks of the dialogs: "ask" (offer the
// frames) or "close" (every 6K/4K dialog goes).
function cut6K4KAction(state, confirmState) {
    return state === confirmState ? "ask" : "close"
}
