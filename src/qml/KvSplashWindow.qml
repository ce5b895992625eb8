import QtQuick
import QtQuick.Window
import "KvShell.js" as Shell

// The start-up picture with the program's version drawn in its own digits.
Window {
    id: splash
    flags: Qt.SplashScreen
    color: "transparent"
    title: "KAVRO Rozado"
    visible: true
    width: picture.implicitWidth
    height: picture.implicitHeight
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    readonly property string version: utilities.get_APPLICATION_VERSION_NAME_STRING()
    property alias versionRow: digits

    Image {
        id: picture
        source: "qrc:/images/449_splash.png"
    }

    Row {
        id: digits
        z: 30
        x: 80
        y: splash.height / 2 + 20
        Image {
            source: "qrc:/images/449_splash_ver.svg"
        }
        Repeater {
            model: 5
            Image {
                source: Shell.splashCharImage(splash.version, index)
            }
        }
    }

    Component.onCompleted: {
        x = Screen.virtualX + (Screen.width - width) / 2
        y = Screen.virtualY + (Screen.height - height) / 2
    }
}
