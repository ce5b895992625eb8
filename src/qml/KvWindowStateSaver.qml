import QtQuick
import QtQuick.Window
import Kv 1.0 as Kv
import "KvSubFunction.js" as Sub
import "KvWindowState.js" as WindowState

// Keeps one top-level window's place, size and maximised state: restores it
// once when complete and stores it whenever the window is hidden, so a
// window closed by any closing path keeps its last place.
Item {
    id: root
    visible: false

    property var window: null
    property int targetWindow: Kv.ApplicationSettings.WinList_Unknown
    property int defaultWidth: 500
    property int defaultHeight: 500
    property int defaultX: Math.round((Screen.desktopAvailableWidth - defaultWidth) / 2)
    property int defaultY: Math.round((Screen.desktopAvailableHeight - defaultHeight) / 2)
    property bool defaultMaximised: false

    property int curX: 0
    property int curY: 0
    property int curWidth: 0
    property int curHeight: 0
    property bool curMaximised: false
    property int prevX: 0
    property int prevY: 0
    property int prevWidth: 0
    property int prevHeight: 0

    readonly property bool fixedWidth: targetWindow === Kv.ApplicationSettings.WinList_Main
                                       || targetWindow === Kv.ApplicationSettings.WinList_Flash
                                       || targetWindow === Kv.ApplicationSettings.WinList_Preference
    property bool restored: false

    // The available area of every screen, the first screen's first: the
    // utilities name a screen by its top-left corner.
    function availableAreas() {
        var areas = []
        var screens = Qt.application.screens
        for (var i = 0; i < screens.length; ++i) {
            var vx = screens[i].virtualX, vy = screens[i].virtualY
            areas.push({ x: utilities.availableDesktopX(vx, vy), y: utilities.availableDesktopY(vx, vy),
                         width: utilities.availableDesktopWidth(vx, vy), height: utilities.availableDesktopHeight(vx, vy) })
        }
        return areas
    }

    function restore() {
        if (!window || targetWindow < 0)
            return
        try {
            var stored = {
                x: applicationSettings.winStateXForWindow(targetWindow),
                y: applicationSettings.winStateYForWindow(targetWindow),
                width: applicationSettings.winStateWidthForWindow(targetWindow),
                height: applicationSettings.winStateHeightForWindow(targetWindow),
                maximised: applicationSettings.winStateMaximisedForWindow(targetWindow)
            }
            var s = WindowState.restoredState(stored, availableAreas(), { x: defaultX, y: defaultY, width: defaultWidth,
                                                                          height: defaultHeight, maximised: defaultMaximised },
                                              fixedWidth, { width: window.minimumWidth, height: window.minimumHeight })
            if (utilities.isScaling()) {
                var screens = Qt.application.screens
                for (var i = 0; i < screens.length; ++i) {
                    var sc = screens[i]
                    if (s.x >= sc.virtualX && s.x < sc.virtualX + sc.width && s.y >= sc.virtualY
                            && s.y < sc.virtualY + sc.height) {
                        window.screen = sc
                        break
                    }
                }
            }
            window.x = s.x
            window.y = s.y
            window.width = s.width
            window.height = s.height
            curX = prevX = s.x
            curY = prevY = s.y
            curWidth = prevWidth = s.width
            curHeight = prevHeight = s.height
            curMaximised = s.maximised
            if (s.maximised)
                window.visibility = Window.Maximized
        } catch (e) {
            Sub.console_debug.out("KvWindowStateSaver: " + e.lineNumber + ":" + e.columnNumber + " " + e.fileName
                                  + " " + e.message)
        }
        restored = true
    }

    function takeCurrent() {
        prevX = curX
        prevY = curY
        prevWidth = curWidth
        prevHeight = curHeight
        curX = window.x
        curY = window.y
        curWidth = window.width
        curHeight = window.height
    }

    function store() {
        applicationSettings.setWinStateXForWindow(targetWindow, curX)
        applicationSettings.setWinStateYForWindow(targetWindow, curY)
        applicationSettings.setWinStateWidthForWindow(targetWindow, curWidth)
        applicationSettings.setWinStateHeightForWindow(targetWindow, curHeight)
        applicationSettings.setWinStateMaximisedForWindow(targetWindow, curMaximised)
    }

    Timer {
        id: settleTimer
        interval: 500
        onTriggered: root.takeCurrent()
    }

    Connections {
        target: root.window
        enabled: root.restored
        function onXChanged() {
            // a maximised window keeps the place and size from before
            if (root.curMaximised || root.window.visibility === Window.Maximized)
                return
            if (utilities.isMac())
                settleTimer.restart()
            else {
                root.prevX = root.curX
                root.curX = root.window.x
            }
        }
        function onYChanged() {
            // a maximised window keeps the place and size from before
            if (root.curMaximised || root.window.visibility === Window.Maximized)
                return
            if (utilities.isMac())
                settleTimer.restart()
            else {
                root.prevY = root.curY
                root.curY = root.window.y
            }
        }
        function onWidthChanged() {
            // a maximised window keeps the place and size from before
            if (root.curMaximised || root.window.visibility === Window.Maximized)
                return
            if (utilities.isMac())
                settleTimer.restart()
            else {
                root.prevWidth = root.curWidth
                root.curWidth = root.window.width
            }
        }
        function onHeightChanged() {
            // a maximised window keeps the place and size from before
            if (root.curMaximised || root.window.visibility === Window.Maximized)
                return
            if (utilities.isMac())
                settleTimer.restart()
            else {
                root.prevHeight = root.curHeight
                root.curHeight = root.window.height
            }
            if (root.targetWindow === Kv.ApplicationSettings.WinList_Main)
                applicationSettings.setWinStateHeightForWindow(root.targetWindow, root.window.height)
        }
        function onVisibilityChanged(visibility) {
            if (settleTimer.running) {
                settleTimer.stop()
                root.takeCurrent()
            }
            if (visibility === Window.Maximized) {
                // the geometry updates skip a maximised window, so the
                // current values stay the ones from before maximising
                root.curMaximised = true
            } else if (visibility === Window.Windowed) {
                root.curMaximised = false
            } else if (visibility === Window.Hidden) {
                root.store()
            }
        }
    }

    Component.onCompleted: restore()
}
