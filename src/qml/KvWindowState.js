.pragma library

// How much of a window's top edge has to stay on a screen for its title bar
// to be grabbed and the window dragged back.
var titleReach = 64

// The available area (of areas) on which a window placed at (x, y) can be
// reached by its title bar; null when there is none.
function reachableArea(areas, x, y) {
    for (var i = 0; i < areas.length; ++i) {
        var a = areas[i]
        if (x > a.x && x <= a.x + a.width - titleReach && y > a.y && y <= a.y + a.height - titleReach)
            return a
    }
    return null
}

// Which place and size a window takes when it opens, from its stored state:
// a stored place whose title bar would be out of reach on every screen (a
// monitor since unplugged, a damaged settings file), or a zero size, gives
// the centred default; the size never exceeds the available area of the
// screen the window lands on, nor falls below the window's minimum; some
// windows always open at their default width. Once its size is settled, the
// window is moved in so that it lies within that area where it fits: a
// restored size must not leave most of the window off the screen. A minimum
// larger than the area wins, as it does in Qt when a minimum is set on a
// smaller window: the content is laid out for no less, and the photographer
// could not shrink the window below it by hand either.
// stored: { x, y, width, height, maximised }; areas: the screens' available
// areas [{ x, y, width, height }], the one the default place is on first;
// defaults: { x, y, width, height, maximised }; fixedWidth: keep the default
// width; minimum: the window's { width, height }.
function restoredState(stored, areas, defaults, fixedWidth, minimum) {
    var finite = isFinite(stored.x) && isFinite(stored.y) && isFinite(stored.width) && isFinite(stored.height)
    var area = finite ? reachableArea(areas, stored.x, stored.y) : null
    var usable = area !== null && stored.width > 0 && stored.height > 0
    var s = usable ? { x: stored.x, y: stored.y, width: stored.width, height: stored.height, maximised: !!stored.maximised }
                   : { x: defaults.x, y: defaults.y, width: defaults.width, height: defaults.height, maximised: !!defaults.maximised }
    if (!usable)
        area = areas.length > 0 ? areas[0] : null
    if (area !== null) {
        s.width = Math.min(s.width, area.width)
        s.height = Math.min(s.height, area.height)
    }
    s.width = Math.max(s.width, minimum.width)
    s.height = Math.max(s.height, minimum.height)
    if (fixedWidth)
        s.width = defaults.width
    if (area !== null) {
        s.x = movedIn(s.x, s.width, area.x, area.width)
        s.y = movedIn(s.y, s.height, area.y, area.height)
    }
    return s
}

// A window's edge moved so that a length that fits within the area's span
// lies wholly in it; one that does not fit keeps its reachable place.
function movedIn(start, length, areaStart, areaLength) {
    if (length > areaLength)
        return start
    return Math.min(Math.max(start, areaStart), areaStart + areaLength - length)
}
