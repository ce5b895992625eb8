.pragma library

// The notice of files that did not reach the computer, kept free of windows
// so its rules can be checked from a table. Failures that come while the
// notice is up join it: a burst over twelve cameras makes one message.

// Lines listed before the notice only counts the rest.
var shownLines = 8

function newNotice() {
    return { lines: [], more: 0 }
}

function add(notice, line) {
    if (notice.lines.length < shownLines)
        return { lines: notice.lines.concat([line]), more: notice.more }
    return { lines: notice.lines, more: notice.more + 1 }
}

// "%1".."%9" of `template` replaced in one pass, so a camera name or path
// holding "%2" is shown as it is.
function fill(template, values) {
    return template.replace(/%([1-9])/g, function (whole, n) {
        var i = Number(n) - 1
        return i < values.length ? String(values[i]) : whole
    })
}

// Plain text: camera names and paths are shown as they are.
function text(notice, intro, moreTemplate) {
    var parts = [intro].concat(notice.lines)
    if (notice.more > 0)
        parts.push(fill(moreTemplate, [notice.more]))
    return parts.join("\n")
}
