.pragma library

// The preferences window's rules that need no window and no disk: the file
// name fields, the shape of a typed folder, the window's height, the lists of
// cameras a per-camera action offers and the firmware progress texts.

var rowHeight = 35
var rowSpacing = 1
var baseRows = 11

var prefixMaxLength = 20
var startNumberMin = 1
var startNumberMax = 9999

// What a file-name prefix may hold: no control character and nothing a file
// system reads as a separator, a drive, a wildcard or a redirection.
var prefixPattern = /^[^\x00-\x1f\x7f\\\/:*?"<>|]{1,20}$/

function prefixValid(text) {
    return typeof text === "string" && prefixPattern.test(text)
}

// The field shows the number of the first picture; the settings keep the one
// before it. An empty field starts again at the beginning.
function fileNumberOfField(text) {
    var t = String(text === undefined || text === null ? "" : text).trim()
    if (t === "")
        return 0
    if (!/^[0-9]+$/.test(t))
        return -1
    var n = parseInt(t, 10)
    if (n < startNumberMin || n > startNumberMax)
        return -1
    return n - 1
}

function fieldOfFileNumber(n) {
    var v = Number(n)
    if (!isFinite(v) || v < 0)
        v = 0
    v = Math.min(Math.floor(v), startNumberMax - 1)
    return String(v + 1)
}

// The typed folder's shape: "empty", "relative" or "ok". Whether it exists or
// can be made is the back end's to say.
function folderShape(path) {
    var p = String(path === undefined || path === null ? "" : path)
    if (p.trim() === "")
        return "empty"
    if (p.charAt(0) === "/" || /^[A-Za-z]:[\\\/]/.test(p) || /^\\\\[^\\]/.test(p))
        return "ok"
    return "relative"
}

// A file name typed without an ending gets `ending`; one with its own
// ending keeps it.
function withEnding(path, ending) {
    var p = String(path)
    var name = p.substring(p.lastIndexOf("/") + 1)
    return name === "" || name.lastIndexOf(".") > 0 ? p : p + "." + ending
}

// Rows the camera can add: HLG adds two (shooting and transfer).
function rowCount(hlg, settingFiles, firmware, network) {
    return baseRows + (hlg ? 2 : 0) + (settingFiles ? 1 : 0) + (firmware ? 1 : 0) + (network ? 1 : 0)
}

// Rows with a one-pixel line above each and below the last, then the bar.
function windowHeight(hlg, settingFiles, firmware, network) {
    var rows = rowCount(hlg, settingFiles, firmware, network)
    return rowHeight * rows + rowSpacing * (rows + 1) + rowHeight
}

// ---- per-camera lists ----
// A camera as the window reads it from the camera table:
// { connected, powerMode, supportHLG, enableHLG, settingFiles, firmware,
//   network, uuid, serial, individualId, modelName, sendCmd }

var perCameraTargets = ["storeLocationType", "hlgShootingType", "firmwareUpdate", "saveCameraSetting",
                        "restoreCameraSetting", "changePassword"]

function isPerCameraTarget(target) {
    return perCameraTargets.indexOf(target) >= 0
}

function eligible(target, cam) {
    if (!cam || !cam.connected || !cam.powerMode)
        return false
    switch (target) {
    case "storeLocationType":
        return true
    case "hlgShootingType":
        return !!cam.supportHLG && !!cam.enableHLG
    case "saveCameraSetting":
    case "restoreCameraSetting":
        return !!cam.settingFiles
    case "firmwareUpdate":
        return !!cam.firmware
    case "changePassword":
        return !!cam.network
    }
    return false
}

function entryText(number, individualId, modelName) {
    var name = individualId !== undefined && individualId !== null && String(individualId) !== ""
            ? String(individualId) : String(modelName === undefined || modelName === null ? "" : modelName)
    return number + ":" + (number < 10 ? "   " : " ") + name
}

var allCamerasText = "      All Cameras"
var restoreAllValue = "ALL"

// The entries of a target's camera list: the eligible cameras numbered from
// one, then the all-cameras entry of the targets that have one (allValue is
// the all-cameras camera id for the storage location and HLG).
function cameraEntries(target, cams, allValue, allText) {
    var out = []
    for (var i = 0; cams && i < cams.length; ++i) {
        var c = cams[i]
        if (!eligible(target, c))
            continue
        out.push({ text: entryText(out.length + 1, c.individualId, c.modelName), value: c.uuid,
                   value2: c.serial, camera: true })
    }
    var label = allText === undefined ? allCamerasText : allText
    if (target === "restoreCameraSetting")
        out.push({ text: label, value: restoreAllValue, value2: restoreAllValue, camera: false })
    else if (target === "storeLocationType" || target === "hlgShootingType")
        out.push({ text: label, value: allValue, value2: allValue, camera: false })
    return out
}

function cameraCount(entries) {
    var n = 0
    for (var i = 0; i < entries.length; ++i) {
        if (entries[i].camera)
            ++n
    }
    return n
}

// What a click on a per-camera button does: "none" with no eligible camera,
// "direct" with exactly one (no list to choose from), else "list".
function listDecision(entries) {
    var n = cameraCount(entries)
    return n === 0 ? "none" : (n === 1 ? "direct" : "list")
}

// The first camera entry, for the "direct" case.
function onlyCamera(entries) {
    for (var i = 0; i < entries.length; ++i) {
        if (entries[i].camera)
            return entries[i]
    }
    return null
}

// The check mark of a camera-list entry. The storage-location and HLG lists
// mark all cameras while all are driven, else the selected camera; the other
// lists mark the button's camera, and the all-cameras entry of the restore
// list while all are driven.
function entryChecked(target, entry, allDriven, selectedUuid, buttonValue) {
    if (target === "storeLocationType" || target === "hlgShootingType")
        return entry.camera ? !allDriven && entry.value === selectedUuid : !!allDriven
    return entry.camera ? entry.value === buttonValue : !!allDriven
}

// The serial numbers a storage-location choice applies to: the chosen camera,
// every listed camera (allValue) or those receiving commands (selectedValue).
function choiceSerials(choice, cams, allValue, selectedValue) {
    var out = []
    for (var i = 0; cams && i < cams.length; ++i) {
        var c = cams[i]
        if (!eligible("storeLocationType", c))
            continue
        if (choice === allValue || (choice === selectedValue && c.sendCmd) || choice === c.serial)
            out.push(c.serial)
    }
    return out
}

// The same for an HLG choice, by UUID; all cameras takes only those offering
// the mode (capable(uuid) says so).
function hlgTargets(choice, cams, allValue, selectedValue, capable) {
    var out = []
    for (var i = 0; cams && i < cams.length; ++i) {
        var c = cams[i]
        if (!eligible("hlgShootingType", c))
            continue
        if (choice === c.uuid || ((choice === allValue || (choice === selectedValue && c.sendCmd)) && capable(c.uuid)))
            out.push(c.uuid)
    }
    return out
}

// ---- firmware progress ----
function twoDigits(n) {
    return n < 10 ? "0" + n : String(n)
}

// "00:00" before the first tick, then a blank and minutes:seconds.
function elapsedText(seconds) {
    var s = Math.max(0, Math.floor(seconds))
    if (s === 0)
        return "00:00"
    return " " + twoDigits(Math.floor(s / 60)) + ":" + twoDigits(s % 60)
}

function progressLine(before, seconds, percent, after) {
    return before + elapsedText(seconds) + "  " + percent + "%" + after
}

function firmwareSucceeded(percent, result) {
    return percent / 100 >= 1.0 && !!result
}

function resultBoxText(text) {
    return "<html><div style='margin-right: 30px;'>" + text + "</div></html>"
}

function versionText(name, version, notice) {
    var nbsp = "\u00a0"
    return "<HTML>" + name + version + "<br><nobr>" + notice + nbsp + nbsp + nbsp + nbsp + nbsp + "</nobr></HTML>"
}
