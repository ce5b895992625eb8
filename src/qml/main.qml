import QtQuick

// The first document: the splash stays on the screen while the application
// object, which owns every window, is built behind it.
Item {
    id: root
    visible: false

    property alias splashWindow: splash
    property alias loader: mainObjectLoader

    KvSplashWindow {
        id: splash
        Component.onCompleted: {
            visible = true
            mainObjectLoader.source = "KvMainObject.qml"
        }
    }

    Loader {
        id: mainObjectLoader
        asynchronous: true
        visible: status === Loader.Ready
        onLoaded: {
            splash.close()
            item.startSearch()
        }
        onStatusChanged: {
            if (status === Loader.Error)
                console.warn("main: the application object could not be loaded")
        }
    }
}
