.pragma library

// The preview window's arithmetic: zoom steps, fitting, the title's scale
// text, rotation and placement. No item is touched here, so every rule can
// be checked without a window.

var scaleTable = [
    { value: 1 / 16, text: "1/16" },
    { value: 1 / 8, text: "1/8" },
    { value: 1 / 4, text: "1/4" },
    { value: 1 / 2, text: "1/2" },
    { value: 1, text: "1.0" },
    { value: 2, text: "2.0" },
    { value: 3, text: "3.0" },
    { value: 4, text: "4.0" }
]

var wheelThreshold = 50

// EXIF orientation values the camera writes (mirrored ones are shown unturned).
var ExifOrient180 = 3
var ExifOrientR90 = 6
var ExifOrientL90 = 8

// The scale cut, not rounded, to its first two significant digits: a title
// never claims more zoom than is shown.
function significantText(scale) {
    if (!(scale > 0))
        return "0"
    var exponent = Math.floor(Math.log(scale) / Math.LN10)
    var decimals = Math.max(0, 1 - exponent)
    var factor = Math.pow(10, 1 - exponent)
    var cut = Math.floor(scale * factor + 1e-9) / factor
    return cut.toFixed(decimals)
}

function scaleText(scale, index) {
    if (index >= 0 && index < scaleTable.length)
        return scaleTable[index].text
    return significantText(scale)
}

function fileNameOf(path) {
    return String(path).substring(String(path).lastIndexOf("/") + 1)
}

// Only a full-size JPEG decode shows a meaningful zoom.
function showScaleOnTitle(fileName, infoScale) {
    var name = String(fileName)
    var dot = name.lastIndexOf(".")
    return dot >= 0 && name.substring(dot + 1).toLowerCase() === "jpg" && infoScale === 1
}

function title(prefix, fileName, showScale, scale, index) {
    var text = prefix + " " + fileName
    if (showScale)
        text += " (x" + scaleText(scale, index) + ")"
    return text
}

function degreesOfOrientation(orientation) {
    if (orientation === ExifOrient180)
        return 180
    if (orientation === ExifOrientR90)
        return 90
    if (orientation === ExifOrientL90)
        return 270
    return 0
}

function rotatedIndex(index, degrees) {
    return (index + degrees / 90 + 4) % 4
}

// The picture's size as it lies on screen after `index` quarter turns.
function turnedSize(width, height, index) {
    return index % 2 === 1 ? { width: height, height: width } : { width: width, height: height }
}

// The shift that brings a picture turned about its top-left corner back to
// the origin.
function rotationOffset(index, width, height, scale) {
    var offsets = [[0, 0], [height, 0], [width, height], [0, width]]
    return { x: offsets[index][0] * scale, y: offsets[index][1] * scale }
}

function fitScale(windowWidth, windowHeight, width, height, index) {
    var size = turnedSize(width, height, index)
    if (size.width <= 0 || size.height <= 0)
        return 1
    if (windowWidth / windowHeight > size.width / size.height)
        return windowHeight / size.height
    return windowWidth / size.width
}

// The next step: from the fitted state (index -1) the first step past the
// current scale; at either end stay, or wrap around.
function zoomIndex(scale, index, zoomIn, wrap) {
    var last = scaleTable.length - 1
    var next
    if (index < 0) {
        next = zoomIn ? last + 1 : -1
        for (var i = 0; i <= last; ++i) {
            if (zoomIn && scaleTable[i].value > scale) {
                next = i
                break
            }
            if (!zoomIn && scaleTable[i].value < scale)
                next = i
        }
    } else {
        next = zoomIn ? index + 1 : index - 1
    }
    if (next > last)
        return wrap ? 0 : last
    if (next < 0)
        return wrap ? last : 0
    return next
}

// Sums wheel deltas; returns the new sum and the zoom it triggers (1 in,
// -1 out, 0 none). A change of direction starts the sum again.
function wheelStep(sum, delta) {
    if ((sum > 0 && delta < 0) || (sum < 0 && delta > 0))
        sum = 0
    sum += delta
    if (sum >= wheelThreshold)
        return { sum: 0, zoom: 1 }
    if (sum <= -wheelThreshold)
        return { sum: 0, zoom: -1 }
    return { sum: sum, zoom: 0 }
}

// One axis of the placement: a picture smaller than the window is centred;
// a larger one stays where asked as long as no gap shows.
function placeAxis(position, content, view) {
    if (content <= view)
        return (view - content) / 2
    return Math.min(0, Math.max(view - content, position))
}

// The position that keeps the picture point under `point` in place when the
// scale changes.
function anchoredPosition(position, point, oldScale, newScale) {
    if (oldScale <= 0)
        return position
    return point - (point - position) * newScale / oldScale
}
