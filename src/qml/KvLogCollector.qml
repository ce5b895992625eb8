import QtQuick
import Kv 1.0 as Kv

// The usage-log front of one window: its tags and name travel with every
// entry it writes.
Item {
    visible: false
    property int logMajTagID: 0
    property int logMedTagID: 0
    property string logWindowName: ""
    property bool logEnable: true

    function log(level, screenTag, fileWord, text) {
        if (!logEnable)
            return
        var content = logWindowName === "" ? fileWord : logWindowName + ": " + fileWord
        logCollector.writeLog(level, logMajTagID, logMedTagID, screenTag, content, text === undefined ? "" : text)
    }
}
