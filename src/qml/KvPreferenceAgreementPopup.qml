import QtQuick
import Kv 1.0 as Kv

// Asks the user whether the program may keep and send its usage log. The
// owner presents it and acts on the answer; `type` names the occasion
// ("startup" at the first start, "preference" from the preferences).
Item {
    id: root

    property string type: "startup"
    property alias titleText: title.text
    property alias contentText: content.text

    signal okClicked()
    signal cancelClicked()

    anchors.fill: parent
    visible: false
    z: 1000

    function present() { visible = true }
    function dismiss() { visible = false }

    // swallows every click outside the frame
    Rectangle {
        anchors.fill: parent
        color: "black"
        opacity: 0.5
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: function(wheel) { wheel.accepted = true }
        }
    }

    Rectangle {
        id: frame
        width: Math.min(root.width - 20, 303)
        height: column.height + 24
        anchors.centerIn: parent
        color: "#26282a"
        border.width: 2
        border.color: "#c6c6c6"

        Column {
            id: column
            x: 12
            y: 12
            width: frame.width - 24
            spacing: 12

            KvStylishText {
                id: title
                type: text_style_agreementTitle
                color: "#dddddd"
                width: parent.width
                wrapMode: Text.Wrap
                text: root.type === "startup" ? qsTr("agreement_title_startup") : qsTr("agreement_title")
            }
            KvStylishText {
                id: content
                type: text_style_agreementContent
                color: "#dddddd"
                width: parent.width
                wrapMode: Text.Wrap
                text: qsTr("agreement_content")
            }
            Row {
                width: parent.width
                height: 35
                KvRectangleButton {
                    objectName: "agreementOk"
                    width: parent.width / 2
                    height: parent.height
                    type: "action"
                    buttonText: qsTr("OK")
                    onClicked: {
                        root.dismiss()
                        root.okClicked()
                    }
                }
                KvRectangleButton {
                    objectName: "agreementCancel"
                    width: parent.width / 2
                    height: parent.height
                    type: "action"
                    buttonText: qsTr("Cancel")
                    onClicked: {
                        root.dismiss()
                        root.cancelClicked()
                    }
                }
            }
        }
    }
}
