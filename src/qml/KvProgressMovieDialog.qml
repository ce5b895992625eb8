import QtQuick
import QtQuick.Window

// Progress of a movie import: elapsed time, the current movie's and the
// whole import's megabytes with their bars, and the file counts.
Window {
    id: root
    signal confirmCancelMovieDlg_showDialog(bool arg)
    signal confirmCancelMovieDlg_dismiss

    // A bar of the import; while indeterminate, blocks run along it.
    component Bar: Rectangle {
        id: bar
        property real value: 0
        property bool indeterminate: false
        color: "#e6e6e6"
        border.width: 1
        border.color: "#bcbcbc"
        clip: true
        Rectangle {
            visible: !bar.indeterminate
            x: 1
            y: 1
            height: bar.height - 2
            width: Math.max(0, (bar.width - 2) * Math.min(1, Math.max(0, bar.value)))
            color: "#17a81a"
        }
        Row {
            id: blocks
            visible: bar.indeterminate
            y: 1
            height: bar.height - 2
            spacing: 20
            Repeater {
                model: bar.indeterminate ? Math.ceil(bar.width / 40) + 1 : 0
                Rectangle {
                    width: 20
                    height: blocks.height
                    color: "#17a81a"
                }
            }
            NumberAnimation on x {
                running: bar.indeterminate && bar.visible
                from: -40
                to: 0
                duration: 800
                loops: Animation.Infinite
            }
        }
    }

    title: "KAVRO Rozado"
    width: 650
    height: 285
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2
    modality: Qt.ApplicationModal
    flags: Qt.Window | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowSystemMenuHint
           | Qt.MSWindowsFixedSizeDialogHint
    visible: false
    color: "#ffffff"

    readonly property int barWidth: width - 200
    readonly property int barX: (width - 100) / 2 - barWidth / 2

    KvStylishText {
        id: titleText
        type: text_style_mainProgressTitle
        anchors.horizontalCenter: parent.horizontalCenter
        y: 30
    }
    KvStylishText {
        id: elapsedText
        type: text_style_mainProgressContent
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: titleText.bottom
        anchors.topMargin: 20
    }
    Bar {
        id: currentBar
        x: root.barX
        anchors.top: elapsedText.bottom
        anchors.topMargin: 20
        width: root.barWidth
        height: currentSize.height + 4
    }
    KvStylishText {
        id: currentSize
        type: text_style_mainProgressSize
        anchors.left: currentBar.right
        anchors.leftMargin: 5
        y: currentBar.y + 2
    }
    Bar {
        id: totalBar
        x: root.barX
        anchors.top: currentBar.bottom
        anchors.topMargin: 10
        width: root.barWidth
        height: totalSize.height + 4
    }
    KvStylishText {
        id: totalSize
        type: text_style_mainProgressSize
        anchors.left: totalBar.right
        anchors.leftMargin: 5
        y: totalBar.y + 2
    }
    KvStylishText {
        id: totalCount
        type: text_style_mainProgressContent
        anchors.right: totalBar.right
        anchors.top: totalBar.bottom
        anchors.topMargin: 10
    }
    KvStylishText {
        id: currentCount
        type: text_style_mainProgressContent
        anchors.right: totalCount.left
        anchors.top: totalCount.top
    }
    KvStylishText {
        id: fileCount
        type: text_style_mainProgressContent
        anchors.right: currentCount.left
        anchors.rightMargin: 10
        anchors.top: totalCount.top
    }
    KvProgressButton {
        id: cancelButton
        width: 150
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        onClicked: root.confirmCancelMovieDlg_showDialog(true)
    }

    function setProgressMovieText1(text) { titleText.text = text }
    function setProgressMovieText2(text) { elapsedText.text = text }
    function setProgressMovieBar(value) { currentBar.value = value }
    function setProgressMovieTextSizeOne(text) { currentSize.text = text }
    function setProgressMovieBarTotal(value) { totalBar.value = value }
    function setProgressMovieTextSizeAll(text) { totalSize.text = text }
    function setMovieTextTotalCount(text) { totalCount.text = text }
    function setProgressMovieTextCurCount(text) { currentCount.text = text }
    function setProgressMovieTextFileCount(text) { fileCount.text = text }
    function setProgressMovieCancel(text) { cancelButton.text = text }
    // Read by tests and the main window.
    function progressMovieBar() { return currentBar.value }
    function progressMovieBarTotal() { return totalBar.value }
    function progressMovieTexts() {
        return [titleText.text, elapsedText.text, currentSize.text, totalSize.text, fileCount.text,
                currentCount.text, totalCount.text]
    }

    function dismiss() {
        visible = false
        root.destroy()
    }
}
