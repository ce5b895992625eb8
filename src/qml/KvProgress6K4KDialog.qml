import QtQuick
import QtQuick.Window

// Progress of a 6K/4K import: elapsed time with the frames stored so far,
// one bar, and the cancel button.
Window {
    id: root
    signal confirmCancel6K4KDlg_showDialog(bool arg)
    signal confirmCancel6K4KDlg_dismiss

    title: "KAVRO Rozado"
    width: 600
    height: 230
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

    KvStylishText {
        id: titleText
        type: text_style_mainProgressTitle
        anchors.horizontalCenter: parent.horizontalCenter
        y: 30
    }
    KvStylishText {
        id: contentText
        type: text_style_mainProgressContent
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: titleText.bottom
        anchors.topMargin: 20
    }
    KvProgressMovieDialog.Bar {
        id: bar
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: contentText.bottom
        anchors.topMargin: 20
        width: root.width - 100
        height: contentText.height - 6
    }
    KvProgressButton {
        id: cancelButton
        width: 150
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        onClicked: root.confirmCancel6K4KDlg_showDialog(true)
    }

    function setProgress6K4KText1(text) { titleText.text = text }
    function setProgress6K4KText2(text) { contentText.text = text }
    function setProgress6K4KBar(value) { bar.value = value }
    function setProgress6K4KCancel(text) { cancelButton.text = text }
    // Read by tests.
    readonly property real progress6K4KBarValue: bar.value
    function progress6K4KText() { return contentText.text }

    function dismiss() {
        visible = false
        root.destroy()
    }
}
