import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvTransferFailure.js" as Failure

// Tells the photographer which pictures or 6K/4K frames did not reach the
// computer, naming camera, picture and reason. A picture is named as a
// picture on its camera: the camera's own names coincide over a session of
// several cameras, and a file of that name in the folder is then another
// camera's good picture. A window of its own that blocks
// nothing: shooting goes on, and failures that come while it is up join its
// list instead of opening another. A movie that fails is told by its own
// import dialog.
Window {
    id: root

    flags: Qt.Dialog | Qt.CustomizeWindowHint | Qt.WindowTitleHint | Qt.WindowCloseButtonHint
    modality: Qt.NonModal
    title: "KAVRO Rozado"
    color: "#1d1e20"
    width: 480
    height: body.y + body.height + 20 + ok.height

    property var notice: Failure.newNotice()
    readonly property string text: Failure.text(notice, qsTr("transfer_failed_intro"), qsTr("transfer_failed_more"))
    property alias okButton: ok

    function reasonText(cause, detail) {
        if (cause === Kv.ObjectCopy.TF_Folder)
            return qsTr("transfer_failed_folder")
        if (cause === Kv.ObjectCopy.TF_CameraRead)
            return qsTr("transfer_failed_camera")
        return Failure.fill(qsTr("transfer_failed_write"), [detail])
    }

    function report(filePath, reason, camera, cause, onCamera) {
        // A notice the user closed starts afresh.
        if (!visible)
            notice = Failure.newNotice()
        var named = filePath !== ""
        var line = named && onCamera ? qsTr("transfer_failed_line_camera") : qsTr("transfer_failed_line")
        notice = Failure.add(notice, Failure.fill(line, [camera, named ? filePath : qsTr("transfer_failed_no_name"),
                                                         reasonText(cause, reason)]))
        if (!visible)
            show()
    }

    Connections {
        target: objectcopy
        function onObjectTransferFailed(filePath, reason, camera, cause, onCamera) {
            root.report(filePath, reason, camera, cause, onCamera)
        }
    }

    Text {
        id: body
        objectName: "noticeText"
        x: 20
        y: 20
        width: root.width - 40
        text: root.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: "#dddddd"
        font.pixelSize: 13
        font.family: utilities.getFontFamily()
    }

    KvRectangleButton {
        id: ok
        objectName: "okButton"
        y: root.height - height
        width: root.width
        height: 40
        type: "actionWithText"
        buttonText: qsTr("transfer_failed_ok")
        onClicked: root.close()
    }
}
