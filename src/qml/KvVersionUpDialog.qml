import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Kv 1.0 as Kv
import "KvShell.js" as Shell

// Offers the newer version the server reported and the way to its page.
Window {
    id: dialog
    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
           | Qt.WindowStaysOnTopHint
    visible: false
    title: versionData.now_appName
    width: utilities.isMac() ? 700 : 600
    height: 370
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    color: "white"

    signal versionUpExec()
    // The server's answer is read and names a newer version: the owner shows
    // it with setUp() once no other notice is on the screen.
    signal offered()

    property alias noticeText: notice
    property alias noticeArea: noticeArea
    property alias yesButton: yes
    property alias noButton: no

    readonly property int textWidth: width - 150

    function setUp() {
        if (visible)
            return
        if (!(versionData.update_xmlFileReadCompleted && versionData.update_versionUpCheck)) {
            visible = false
            return
        }
        importance.source = Shell.importanceImage(versionData.update_importance)
        programLine.text = qsTr("open_program_top") + versionData.now_appName + qsTr("open_program_bottom")
        currentLine.text = qsTr("now_version_top") + versionData.now_version + qsTr("now_version_bottom")
        newLine.text = qsTr("new_version_top") + versionData.update_majorVersion + qsTr("new_version_sep1")
                + versionData.update_minorVersion
        notice.text = Shell.noticeHtml(versionData.update_notice)
        visible = true
    }

    Image {
        id: importance
        x: 20
        y: 30
        width: 50
        height: 80
        fillMode: Image.Pad
    }

    KvStylishText {
        id: programLine
        type: text_style_verUpDlg
        x: importance.x + importance.width + 3
        y: importance.y
        width: dialog.textWidth
        height: 20
    }
    KvStylishText {
        id: currentLine
        type: text_style_verUpDlg
        x: programLine.x + 30
        y: programLine.y + programLine.height + 3
        width: dialog.textWidth
        height: 20
    }
    KvStylishText {
        id: newLine
        type: text_style_verUpDlg
        x: currentLine.x
        y: currentLine.y + currentLine.height + 3
        width: dialog.textWidth
        height: 20
    }
    // However long the server's notice, the question and the buttons stay
    // in place: the notice scrolls in the room between them.
    Flickable {
        id: noticeArea
        x: programLine.x
        y: importance.y + importance.height + 10
        width: dialog.textWidth + 20
        height: question.y - 10 - y
        clip: true
        contentWidth: width
        contentHeight: notice.height
        boundsBehavior: Flickable.StopAtBounds
        KvScrollBar.vertical: KvScrollBar { visible: noticeArea.contentHeight > noticeArea.height }

        KvStylishText {
            id: notice
            type: text_style_verUpDlg
            textFormat: Text.RichText
            wrapMode: Text.Wrap
            width: dialog.textWidth
            verticalAlignment: Text.AlignTop
        }
    }
    KvStylishText {
        id: question
        type: text_style_verUpDlg
        textFormat: Text.RichText
        x: programLine.x
        y: yes.y - 60 - height
        width: dialog.textWidth
        text: "<HTML>" + qsTr("open_web_page1") + "<br>" + qsTr("open_web_page2") + "</HTML>"
    }

    Button {
        id: yes
        width: 150
        height: 40
        x: dialog.width / 3 - width / 2
        y: dialog.height - height - 10
        text: qsTr("Yes_Button")
        font.bold: true
        font.pixelSize: 17
        font.family: utilities.getFontFamily()
        onClicked: {
            dialog.versionUpExec()
            dialog.visible = false
        }
    }
    Button {
        id: no
        width: 150
        height: 40
        x: dialog.width * 2 / 3 - width / 2
        y: yes.y
        text: qsTr("No_Button")
        font.bold: true
        font.pixelSize: 17
        font.family: utilities.getFontFamily()
        onClicked: dialog.visible = false
    }

    function answerRead() {
        if (versionData.update_xmlFileReadCompleted && versionData.update_versionUpCheck)
            offered()
    }

    Component.onCompleted: {
        versionData.update_xmlFileReadCompletedChanged.connect(answerRead)
        versionData.checkStart()
    }
    Component.onDestruction: versionData.update_xmlFileReadCompletedChanged.disconnect(answerRead)
}
