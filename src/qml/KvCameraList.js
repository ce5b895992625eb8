.pragma library

// The camera list's rules that need no window: how many filler rows, what a
// check click turns a flag into, and when a camera switch must wait.

var minimumRows = 5

function fillerCount(cameraCount) {
    return Math.max(0, minimumRows - cameraCount)
}

// The selected camera always receives commands, so its check only turns on.
function nextSendCmd(isSelected, current) {
    return isSelected ? true : !current
}

// The all-cameras check counts the selected camera as receiving commands.
function allOn(records, key) {
    if (records.length === 0)
        return false
    for (var i = 0; i < records.length; ++i) {
        var on = records[i][key] || (key === "sendCmdCheck" && records[i].checkedState)
        if (!on)
            return false
    }
    return true
}

// While a connection or a read is under way another switch would interleave
// with it.
function switchBlocked(status, u) {
    return status === u.CamConnectSts_Connecting || status === u.CamConnectSts_GetData
            || status === u.CamConnectSts_GetDataBackground
}

// The power-mode change asks first only when the camera runs on its battery
// with its tether connect mode on.
function needsPowerWarning(onMains, powerOnMode) {
    return !onMains && powerOnMode
}
