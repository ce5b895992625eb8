import QtQuick
import QtQuick.Controls
import QtQuick.Window

// The firmware update's progress: a title, the elapsed-time and percent line
// and a bar. The preferences window drives it; it has no logic of its own.
Window {
    id: root

    property alias text1: titleText.text
    property alias text2: lineText.text
    property alias progress: bar.value

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint
    modality: Qt.ApplicationModal
    title: "KAVRO Rozado"
    color: "#f0f0f0"
    width: 600
    height: 260
    minimumWidth: 600
    maximumWidth: 600
    minimumHeight: 260
    maximumHeight: 260

    function setProgressFWUPText1(text) { titleText.text = text }
    function setProgressFWUPText2(text) { lineText.text = text }
    function setProgressFWUPBar(fraction) { bar.value = Math.max(0, Math.min(1, fraction)) }

    Column {
        anchors.centerIn: parent
        width: root.width - 80
        spacing: 24

        Text {
            id: titleText
            width: parent.width
            font.family: utilities.getFontFamily()
            font.pixelSize: 18
            font.bold: true
            wrapMode: Text.Wrap
        }
        Text {
            id: lineText
            width: parent.width
            font.family: utilities.getFontFamily()
            font.pixelSize: 14
            elide: Text.ElideRight
        }
        ProgressBar {
            id: bar
            objectName: "firmwareProgressBar"
            width: parent.width
            from: 0
            to: 1
        }
    }
}
