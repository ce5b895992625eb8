import QtQuick
import QtQuick.Controls
import QtQuick.Window

ApplicationWindow {
    id: mainWindow
    visible: true
    width: 640
    height: 400
    title: "KAVRO Rozado"
    font.family: utilities.getFontFamily()

    Column {
        anchors.centerIn: parent
        spacing: 12
        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "qrc:/images/app_logo.svg"
            sourceSize.width: 96
            sourceSize.height: 96
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "KAVRO Rozado"
            font.pixelSize: 28
        }
    }

    onClosing: Qt.quit()
}
