.pragma library

// The arithmetic of the drawings over the live-view picture: grid and guide
// lines, the level gauge, the overlay photo's frame, the composite display's
// texts and the histogram's polling. No item is touched here, so each rule
// can be checked on its own.

// ---- grid ----

// Left (or top) edges of n evenly spread lines of the given thickness. The
// gap after each line is shortened by a share of the thickness so that the
// row of lines stays centred on the picture.
function gridLinePositions(length, count, thickness) {
    var n = Math.max(0, Math.floor(count))
    var positions = []
    if (n === 0 || !(length > 0))
        return positions
    var first = length / (n + 1) - thickness / n / 2
    var gap = length / (n + 1) - thickness - thickness / n
    for (var i = 0; i < n; ++i)
        positions.push(first + i * (gap + thickness))
    return positions
}

// Diagonals are drawn as square dots; a dot this big covers a line of the
// thickness when it runs at 45 degrees.
function diagonalDotSide(thickness) {
    return Math.floor(thickness / 1.414) + 1
}

// The dot centres of both diagonals for column x (one dot per pixel of
// width): the falling one from the top-left corner and the rising one from
// the bottom-left corner.
function diagonalDotsAt(x, width, height) {
    var y = width > 0 ? x * height / width : 0
    return { x: x, falling: y, rising: height - y }
}

// ---- guide lines ----

// A remainder moves the line one pixel further, so a line never sits left of
// the place its percentage names.
function guideLinePixel(length, percent) {
    return Math.ceil(length * percent / 100)
}

// The stored percentage of a released line. Cut, not rounded: reading it back
// through guideLinePixel gives the same pixel.
function guideLinePercent(pixel, length) {
    if (!(length > 0))
        return 0
    return Math.max(0, Math.min(99, Math.floor(pixel / length * 100)))
}

// ---- level gauge ----

var levelLevelColor = "#00ff00"
var levelTiltedColor = "#ffff00"

function levelColor(degrees) {
    return degrees === 0 ? levelLevelColor : levelTiltedColor
}

function isQuarterTurned(rotation) {
    var r = ((rotation % 360) + 360) % 360
    return r === 90 || r === 270
}

// The live-view picture's turn: the posture's angle when the window follows
// the camera, else the user's choice.
function effectiveRotation(rotationMode, autoAngle, manualRotation) {
    return rotationMode ? autoAngle : manualRotation
}

// How far the pitch marks leave the centre, in pixels. A square gauge has
// less room, so it moves them less.
function pitchOffset(pitch, height, square) {
    return pitch * (square ? 27 : 35) * height / 4000
}

// The two pitch marks as segments {x1, y1, x2, y2} in gauge coordinates.
// grooveWidth is the groove's painted width; the marks run from 80/400 to
// 120/400 of it on either side of the centre and move across the picture's
// long side as the camera tilts.
function pitchMarks(width, height, grooveWidth, pitch, rotation) {
    var cx = width / 2
    var cy = height / 2
    var inner = grooveWidth * 80 / 400
    var outer = grooveWidth * 120 / 400
    var offset = pitchOffset(pitch, height, width === height)
    var marks = []
    if (isQuarterTurned(rotation)) {
        var x = cx + offset
        marks.push({ x1: x, y1: cy - outer, x2: x, y2: cy - inner })
        marks.push({ x1: x, y1: cy + inner, x2: x, y2: cy + outer })
    } else {
        var y = cy + offset
        marks.push({ x1: cx - outer, y1: y, x2: cx - inner, y2: y })
        marks.push({ x1: cx + inner, y1: y, x2: cx + outer, y2: y })
    }
    return marks
}

// The roll line's two halves, leaving the centre free: each runs from
// 160/400 to 999/400 of the groove's width, turned by the given angle.
function rollSegments(width, height, grooveWidth, degrees) {
    var cx = width / 2
    var cy = height / 2
    var a = degrees * Math.PI / 180
    var c = Math.cos(a)
    var s = Math.sin(a)
    var inner = grooveWidth * 160 / 400
    var outer = grooveWidth * 999 / 400
    return [
        { x1: cx - outer * c, y1: cy - outer * s, x2: cx - inner * c, y2: cy - inner * s },
        { x1: cx + inner * c, y1: cy + inner * s, x2: cx + outer * c, y2: cy + outer * s }
    ]
}

// ---- overlay photo ----

var scalingMin = 25
var scalingMax = 200

function clampScaling(percent) {
    return Math.max(scalingMin, Math.min(scalingMax, percent))
}

// Scaling from a corner: the new distance of the corner from the frame's
// centre over the distance at press time scales the value the drag started
// from.
function cornerScaling(startPercent, startDistance, distance) {
    if (!(startDistance > 0))
        return clampScaling(startPercent)
    return clampScaling(startPercent * distance / startDistance)
}

// The largest size of the picture that fits the area, aspect kept: the
// frame's size at 100 %.
function fittedSize(imageWidth, imageHeight, areaWidth, areaHeight) {
    if (!(imageWidth > 0) || !(imageHeight > 0))
        return { width: 0, height: 0 }
    var f = Math.min(areaWidth / imageWidth, areaHeight / imageHeight)
    return { width: imageWidth * f, height: imageHeight * f }
}

// The angle in degrees of a point seen from the centre, 0 straight up and
// growing clockwise, as the rotation handle sits above the frame.
function handleAngle(dx, dy) {
    return Math.atan2(dx, -dy) * 180 / Math.PI
}

function normalisedAngle(degrees) {
    var a = ((degrees + 180) % 360 + 360) % 360 - 180
    return a === -180 ? 180 : a
}

// The quadrant (0 to 3) the handle points into, counted clockwise from up;
// its cursor follows the quadrant, so dragging always looks sideways.
function rotationQuadrant(degrees) {
    var a = ((degrees % 360) + 360 + 45) % 360
    return Math.floor(a / 90)
}

function rotationCursor(degrees) {
    return rotationQuadrant(degrees) % 2 === 0 ? Qt.SizeHorCursor : Qt.SizeVerCursor
}

// The frame's offset from the picture centre after the picture turned from
// one quarter to another, so it stays over the same spot of the picture.
// Angles other than quarter turns leave it where it was.
function turnedOffset(x, y, fromRotation, toRotation) {
    var from = ((fromRotation % 360) + 360) % 360
    var to = ((toRotation % 360) + 360) % 360
    if (from % 90 !== 0 || to % 90 !== 0)
        return { x: x, y: y }
    var turns = ((to - from) / 90 + 4) % 4
    if (turns === 1)
        return { x: -y, y: x }
    if (turns === 2)
        return { x: -x, y: -y }
    if (turns === 3)
        return { x: y, y: -x }
    return { x: x, y: y }
}

// ---- live-view composite ----

function pad2(n) {
    return n < 10 ? "0" + n : String(n)
}

function minutesSeconds(seconds) {
    var s = Math.max(0, Math.floor(seconds))
    return pad2(Math.floor(s / 60)) + ":" + pad2(s % 60)
}

function withoutMarkup(text) {
    return String(text).replace(/<\/?(b|big)\s*>/gi, "")
}

// entries: the catalogue's option rows ({ properties: { value, optionText } }).
function shutterText(entries, value) {
    if (!entries)
        return ""
    for (var i = 0; i < entries.length; ++i) {
        var p = entries[i].properties
        if (p && p.value === value)
            return withoutMarkup(p.optionText)
    }
    return ""
}

function standbyText(shutter) {
    return shutter + " x 0"
}

function shootingText(remaining, shutter, shots, elapsed) {
    return remaining + "\" " + shutter + " x " + shots + "  " + minutesSeconds(elapsed)
}

// What the composite display shows for a shooting status (S: the LCST_*
// codes, noiseReduction: the camera is making its black frame; messageShown:
// the status's five-second message has already been shown).
// kind: "prepare", "noiseReduction", "standbyMessage", "standby", "shooting",
// "combining" or "off"; controls: whether the panel's items stay shown.
function compositeView(S, status, noiseReduction, messageShown) {
    if (status === S.LCST_PREPARE) {
        if (noiseReduction)
            return { kind: "noiseReduction", controls: false, interval: 100 }
        return { kind: messageShown ? "off" : "prepare", controls: true, interval: 5000 }
    }
    if (status === S.LCST_STANDBY) {
        if (messageShown)
            return { kind: "standby", controls: true, interval: 999 }
        return { kind: "standbyMessage", controls: false, interval: 5000 }
    }
    if (status === S.LCST_SHOOTING)
        return { kind: "shooting", controls: true, interval: 100 }
    if (status === S.LCST_COMBINING)
        return { kind: "combining", controls: false, interval: 30 }
    return { kind: "off", controls: true, interval: 0 }
}

var spinnerFrames = 30

function spinnerSource(frame) {
    return "qrc:/images/wait_anim" + (((frame % spinnerFrames) + spinnerFrames) % spinnerFrames) + "_gray.svg"
}

// ---- histogram ----

// What one tick of the histogram's timer does (V: the live-view status and
// error codes). "refresh" asks the provider again, "slow" waits longer
// while the camera is busy, "stop" ends the polling on an error and "skip"
// leaves the last picture while live view is not running.
function histogramTick(V, status, error) {
    if (status !== V.VIS_Start)
        return { action: "skip", interval: 10 }
    if (error === V.VIE_NoError)
        return { action: "refresh", interval: 10 }
    if (error === V.VIE_Busy)
        return { action: "slow", interval: 15 }
    return { action: "stop", interval: 10 }
}
