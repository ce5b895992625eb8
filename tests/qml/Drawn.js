.pragma library
.import QtQuick as Quick

// Clicks as a user does: at the middle of where an item is drawn in its
// window. The point has to lie inside the window, and the click goes to
// whatever the window shows there, so a mask or popup drawn over the item
// takes it, as it would take the user's.
function centre(window, item) {
    return item.mapToItem(window.contentItem, item.width / 2, item.height / 2)
}

function inside(window, item) {
    var p = item.mapToItem(window.contentItem, 0, 0)
    return p.x >= 0 && p.y >= 0 && p.x + item.width <= window.width && p.y + item.height <= window.height
}

function click(test, window, item) {
    test.verify(item.visible, item + " is not shown")
    test.verify(inside(window, item), item + " lies outside its window of " + window.width + " x " + window.height
                + " at " + JSON.stringify(item.mapToItem(window.contentItem, 0, 0)))
    var p = centre(window, item)
    test.mouseClick(window.contentItem, p.x, p.y)
}

// A list popup, once opened, shows its one checked entry whole.
function checkedInView(test, popup) {
    test.tryCompare(popup.frame, "height", popup.frame.finalHeight)
    var checked = popup.objects.filter(function(o) { return o.checked })
    test.compare(checked.length, 1)
    var at = checked[0].y - popup.list.contentY
    test.verify(at >= 0 && at + checked[0].height <= popup.list.height,
                "the current value lies at " + at + " in a list " + popup.list.height + " high")
}

// A wrapped text drawn on more lines than it has words (spaces, hyphens and
// slashes part them), as "Availab" over "le"; scripts written without
// spaces break anywhere.
function brokenInsideAWord(text) {
    if (text.lineCount === undefined || text.lineCount < 2 || /[\u3000-\u9fff\uac00-\ud7af]/.test(text.text))
        return false
    var words = ("" + text.text).split(/[\s\/-]+/).filter(function(w) { return w !== "" })
    return text.lineCount > words.length
}

// Where a text's lines are drawn in its parent: its place, moved by its
// alignment where the lines are wider or taller than the place.
function drawnText(text) {
    var x = text.x, y = text.y
    if (text.horizontalAlignment === Quick.Text.AlignHCenter)
        x += (text.width - text.contentWidth) / 2
    else if (text.horizontalAlignment === Quick.Text.AlignRight)
        x += text.width - text.contentWidth
    if (text.verticalAlignment === Quick.Text.AlignVCenter)
        y += (text.height - text.contentHeight) / 2
    else if (text.verticalAlignment === Quick.Text.AlignBottom)
        y += text.height - text.contentHeight
    return { x: x, y: y, width: text.contentWidth, height: text.contentHeight }
}

// What a user cannot read where a window draws it: a shown text under
// 10 px, cut short or broken inside a word, the titles of one kind of button at sizes more than a
// pixel apart (a title shrinks only for a word wider than its line), a
// button's text or picture reaching past the button's edge, a button's text
// in the button's own colour, a text under a scroll bar. The size is the one
// drawn, after any fitting to the text's place.
function unreadable(window) {
    var faults = []
    var titleSizes = {}
    var texts = []
    var bars = []
    var stack = [window.contentItem]
    var where = function(item) {
        var p = item.mapToItem(window.contentItem, 0, 0)
        return " at " + Math.round(p.x) + "," + Math.round(p.y)
    }
    while (stack.length > 0) {
        var it = stack.pop()
        if (!it.visible || it.opacity === 0)
            continue
        for (var i = 0; i < it.children.length; ++i)
            stack.push(it.children[i])
        if (it.fontInfo !== undefined && it.text !== "") {
            if (it.fontInfo.pixelSize < 10)
                faults.push("\"" + it.text + "\"" + where(it) + " drawn at " + it.fontInfo.pixelSize + " px")
            if (it.truncated)
                faults.push("\"" + it.text + "\"" + where(it) + " cut short")
            if (brokenInsideAWord(it))
                faults.push("\"" + it.text + "\"" + where(it) + " broken inside a word")
            var lines = drawnText(it)
            if (it.parent && it.parent.labelItem !== undefined) {
                if (lines.x < -0.5 || lines.y < -0.5 || lines.x + lines.width > it.parent.width + 0.5
                        || lines.y + lines.height > it.parent.height + 0.5)
                    faults.push("\"" + it.text + "\"" + where(it) + " reaches past its button of "
                                + it.parent.width + " x " + it.parent.height)
                if (Qt.colorEqual(it.color, it.parent.background.color))
                    faults.push("\"" + it.text + "\"" + where(it) + " drawn in its button's colour " + it.color)
            }
            var at = it.parent ? it.parent.mapToItem(window.contentItem, lines.x, lines.y) : Qt.point(lines.x, lines.y)
            texts.push({ item: it, x: at.x, y: at.y, width: lines.width, height: lines.height })
        }
        if (it.orientation !== undefined && it.policy !== undefined && it.position !== undefined) {
            var from = it.mapToItem(window.contentItem, 0, 0)
            bars.push({ x: from.x, y: from.y, width: it.width, height: it.height })
        }
        if (it.labelItem !== undefined && it.labelItem.visible) {
            var sizes = titleSizes[it.type] || (titleSizes[it.type] = [])
            sizes.push(it.labelItem.fontInfo.pixelSize)
        }
        if (it.status === Quick.Image.Ready && it.sourceSize !== undefined && it.parent && it.parent.labelItem !== undefined
                && (it.x < 0 || it.y < 0 || it.x + it.width > it.parent.width + 0.5
                    || it.y + it.height > it.parent.height + 0.5))
            faults.push("picture " + it.source + where(it) + " reaches past its button of "
                        + it.parent.width + " x " + it.parent.height)
    }
    texts.forEach(function(t) {
        bars.forEach(function(b) {
            if (t.x < b.x + b.width - 0.5 && t.x + t.width > b.x + 0.5
                    && t.y < b.y + b.height - 0.5 && t.y + t.height > b.y + 0.5)
                faults.push("\"" + t.item.text + "\"" + where(t.item) + " runs under a scroll bar")
        })
    })
    for (var type in titleSizes) {
        var drawn = titleSizes[type]
        if (Math.max.apply(null, drawn) - Math.min.apply(null, drawn) > 1)
            faults.push("titles of " + type + " drawn at " + drawn.join(", ") + " px")
    }
    return faults
}

// The width of a text's lines, unshortened, without its padding.
function linesWidth(text) {
    return text.implicitWidth - text.leftPadding - text.rightPadding
}

// Whether a text is drawn as typed: markup in it shows as its characters,
// never as formatting or pictures. Its lines are then as many and as wide
// as those of the same characters set as plain text in the same font.
function drawnAsTyped(text) {
    var twin = Qt.createQmlObject("import QtQuick; Text { textFormat: Text.PlainText; visible: false }", text)
    twin.font = text.font
    twin.wrapMode = text.wrapMode
    twin.width = text.width
    twin.text = text.text
    var same = twin.lineCount === text.lineCount && Math.abs(linesWidth(twin) - linesWidth(text)) < 0.5
    twin.destroy()
    return same
}
