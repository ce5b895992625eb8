.pragma library

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
