import QtQuick
import QtQuick.Window
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"
import "qrc:/qml/KvWindowState.js" as WindowState

// Keeping a window's place: unusable stored states fall back to the centred
// default, and maximising then hiding stores the size from before.
TestCase {
    name: "KvWindowStateSaver"
    when: windowShown

    function test_restoredState_data() {
        var d = { x: 300, y: 200, width: 500, height: 400, maximised: false }
        return [
            { tag: "stored", s: { x: 10, y: 20, width: 640, height: 480, maximised: true }, fixed: false,
              out: { x: 10, y: 20, width: 640, height: 480, maximised: true } },
            { tag: "x 0 is unusable", s: { x: 0, y: 20, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "y negative", s: { x: 10, y: -5, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "x past the desktop", s: { x: 1920, y: 20, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "y past the desktop", s: { x: 10, y: 1080, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "zero width", s: { x: 10, y: 20, width: 0, height: 480 }, fixed: false, out: d },
            { tag: "zero height", s: { x: 10, y: 20, width: 640, height: 0 }, fixed: false, out: d },
            { tag: "main window keeps its width", s: { x: 10, y: 20, width: 800, height: 480, maximised: false }, fixed: true,
              out: { x: 10, y: 20, width: 500, height: 480, maximised: false } },
            { tag: "huge size fits the screen", s: { x: 100, y: 100, width: 1e5, height: 1e5 }, fixed: false,
              out: { x: 0, y: 0, width: 1920, height: 1080, maximised: false } },
            { tag: "main window's huge height fits", s: { x: 10, y: 20, width: 323, height: 5000 }, fixed: true,
              out: { x: 10, y: 0, width: 500, height: 1080, maximised: false } },
            { tag: "far corner out of reach", s: { x: 1915, y: 1075, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "fits the second screen it lands on", s: { x: 2000, y: 100, width: 5000, height: 5000 }, fixed: false,
              areas: [{ x: 0, y: 0, width: 1920, height: 1080 }, { x: 1920, y: 0, width: 1280, height: 1024 }],
              out: { x: 1920, y: 0, width: 1280, height: 1024, maximised: false } },
            { tag: "screen unplugged", s: { x: 2000, y: 100, width: 640, height: 480 }, fixed: false, out: d },
            { tag: "1 x 1 opens at the minimum", s: { x: 10, y: 20, width: 1, height: 1 }, fixed: false,
              min: { width: 532, height: 669 }, out: { x: 10, y: 20, width: 532, height: 669, maximised: false } },
            { tag: "minimum beyond a small screen", s: { x: 10, y: 20, width: 1, height: 1 }, fixed: false,
              areas: [{ x: 0, y: 0, width: 1024, height: 600 }], min: { width: 532, height: 669 },
              out: { x: 10, y: 20, width: 532, height: 669, maximised: false } },
            { tag: "1 x 1 in the far corner moves in", s: { x: 1850, y: 1130, width: 1, height: 1 }, fixed: false,
              areas: [{ x: 0, y: 0, width: 1920, height: 1200 }], min: { width: 532, height: 669 },
              out: { x: 1388, y: 531, width: 532, height: 669, maximised: false } },
            { tag: "moves in on its own screen", s: { x: 3000, y: 900, width: 640, height: 480 }, fixed: false,
              areas: [{ x: 0, y: 0, width: 1920, height: 1080 }, { x: 1920, y: 0, width: 1280, height: 1024 }],
              out: { x: 2560, y: 544, width: 640, height: 480, maximised: false } }
        ]
    }
    function test_restoredState(data) {
        var s = WindowState.restoredState(data.s, data.areas || [{ x: 0, y: 0, width: 1920, height: 1080 }],
                                          { x: 300, y: 200, width: 500, height: 400, maximised: false }, data.fixed,
                                          data.min || { width: 0, height: 0 })
        // as text, so that a failure shows the place and size
        compare(JSON.stringify(s), JSON.stringify(data.out))
    }

    Component {
        id: windowComponent
        Window {
            width: 300
            height: 200
            property alias saver: saver
            KvWindowStateSaver {
                id: saver
                window: parent.Window.window
                targetWindow: Kv.ApplicationSettings.WinList_Live
                defaultWidth: 420
                defaultHeight: 310
            }
        }
    }

    function test_maximise_then_hide_keeps_the_size_before() {
        var w = Kv.ApplicationSettings.WinList_Live
        applicationSettings.setWinStateXForWindow(w, 0)
        var win = createTemporaryObject(windowComponent, null)
        verify(win !== null)
        // the stored x of 0 gave the default size
        compare(win.width, 420)
        compare(win.height, 310)
        win.visible = true
        win.x = 40
        win.y = 50
        win.width = 333
        win.height = 222
        tryCompare(win.saver, "curWidth", 333)
        win.visibility = Window.Maximized
        tryVerify(function() { return win.saver.curMaximised })
        win.visible = false
        tryVerify(function() { return applicationSettings.winStateMaximisedForWindow(w) })
        compare(applicationSettings.winStateWidthForWindow(w), 333)
        compare(applicationSettings.winStateHeightForWindow(w), 222)
    }
}
