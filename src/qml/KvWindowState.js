.pragma library

// Which place and size a window takes when it opens, from its stored state:
// a stored position off the desktop, or a zero size, gives the centred
// default; some windows always open at their default width.
// stored: { x, y, width, height, maximised }; desktop: { width, height };
// defaults: { x, y, width, height, maximised }; fixedWidth: keep the default width.
function restoredState(stored, desktop, defaults, fixedWidth) {
    var usable = stored.x > 0 && stored.x < desktop.width && stored.y > 0 && stored.y < desktop.height
            && stored.width > 0 && stored.height > 0
    var s = usable ? { x: stored.x, y: stored.y, width: stored.width, height: stored.height, maximised: !!stored.maximised }
                   : { x: defaults.x, y: defaults.y, width: defaults.width, height: defaults.height, maximised: !!defaults.maximised }
    if (fixedWidth)
        s.width = defaults.width
    return s
}
