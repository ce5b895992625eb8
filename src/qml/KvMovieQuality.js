.pragma library
.import Kv 1.0 as Kv

// The movie-quality list's decisions and texts, kept apart from the items so
// that they can be tested as tables.

// Column order of the list (and of the camera's detail-display flags):
// pixels, frame rate, codec, bit rate, VFR, HLG, S&Q.
var columnWidths = [75, 65, 120, 60, 50, 65, 65]
var defaultWidth = 603
var rowHeight = 65
var maxRows = 8

// Which columns show: all with the camera's detail list, as the camera's
// flags say; the built-in list has no VFR, HLG or S&Q.
function visibleColumns(detail, displayOf) {
    var out = []
    for (var i = 0; i < columnWidths.length; ++i)
        out.push(detail ? displayOf(i) : i < 4)
    return out
}

function popupWidth(columns) {
    var w = defaultWidth
    for (var i = 0; i < columns.length; ++i) {
        if (!columns[i])
            w -= columnWidths[i]
    }
    return w
}

// Height of the list part: at most eight rows, the rest scrolls.
function listHeight(rows) {
    return Math.min(rows, maxRows) * rowHeight
}

// A quality is listed when a card can take it and, in slow-and-quick
// shooting with the S&Q column shown, when it can do slow-and-quick.
function rowListed(q) {
    var U = Kv.Utilities
    if (q.detail && q.sqShown && (q.recMode === U.RM_SQMotion || q.shotMode === U.Shot_Mode_Status_Slow_Quick)
            && q.sq !== U.MSQ_POSSIBLE)
        return false
    return q.sd === U.MSD_POSSIBLE || q.cfexpress === U.MCFEXP_POSSIBLE
}

// "422,10bit,LongGOP" as catalogue texts joined by "/"; ProRes names only
// its method.
function codecText(codes, proRes, textOf) {
    var parts = ("" + codes).split(",").filter(function(s) { return s !== "" })
    if (proRes && parts.length > 0)
        parts = [parts[parts.length - 1]]
    return parts.map(function(s) { return textOf(parseInt(s, 10)) }).join("/")
}

// VFR and HLG of a row: "-" for the filter's "any".
function fixedText(v, allValue, textOf) {
    return v === allValue ? "-" : textOf(v)
}

function summary(texts, columns) {
    var shown = []
    for (var i = 0; i < texts.length; ++i) {
        if (columns[i])
            shown.push(texts[i])
    }
    return shown.join(",")
}

// "Results: **" with the number in place of the stars.
function countText(template, n) {
    return ("" + template).replace("**", "" + n)
}

// Placement of a popup of size w x h centred on (x, y) inside the available
// area a ({x, y, width, height}); centred on that area when it does not fit.
function place(x, y, w, h, a) {
    var px = Math.round(x - w / 2)
    var py = Math.round(y - h / 2)
    if (w > a.width || h > a.height)
        return { x: Math.round(a.x + (a.width - w) / 2), y: Math.round(a.y + (a.height - h) / 2) }
    px = Math.max(a.x, Math.min(px, a.x + a.width - w))
    py = Math.max(a.y, Math.min(py, a.y + a.height - h))
    return { x: px, y: py }
}
