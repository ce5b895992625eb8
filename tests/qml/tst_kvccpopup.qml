import QtQuick
import QtTest
import Kv 1.0 as Kv
import "qrc:/qml"

// The creative-control window: the offered filters in rows of five, the
// checked filter's name above, a pick by OK.
TestCase {
    name: "KvCCPopup"
    when: windowShown

    KvOptionComponentsProvider { id: provider }
    KvCCPopup { id: popup }

    function cleanup() {
        popup.dismiss()
    }

    function offer(count, checkedIndex) {
        var list = provider.creativeControlFilter
        for (var i = 0; i < list.length; ++i) {
            list[i].properties.capable = i < count
            list[i].properties.checked = i === checkedIndex
        }
        return list
    }

    function test_rows_data() {
        return [{ tag: "7", n: 7, rows: 2 }, { tag: "8", n: 8, rows: 2 }, { tag: "11", n: 11, rows: 3 }, { tag: "5", n: 5, rows: 1 }]
    }
    function test_rows(data) {
        popup.present(0, 0, "", offer(data.n, 0), "creativeControlFilter", function() {})
        compare(popup.objects.length, data.n)
        compare(popup.contentWidth, 77 * 5)
        compare(popup.contentHeight, 77 * data.rows)
        compare(popup.height, Math.min(77 * data.rows, 200) + 72)
    }

    // Escape closes the window as Cancel does: nothing is picked.
    function test_escape_is_cancel() {
        var picked = null
        popup.present(0, 0, "", offer(8, 2), "creativeControlFilter", function(entry) { picked = entry })
        popup.requestActivate()
        // counted active while the test's window has the focus: only a focus
        // item of its own shows it has it
        tryVerify(function() { return popup.active && popup.activeFocusItem !== null })
        keyClick(Qt.Key_Escape)
        compare(popup.visible, false)
        verify(picked === null)
    }

    function test_pick_by_ok() {
        var list = offer(8, 2)
        var picked = null
        popup.present(0, 0, "", list, "creativeControlFilter", function(entry) { picked = entry })
        compare(popup.headerText, list[2].properties.optionText)
        // the grid shows the alternative pictures
        compare("" + popup.objects[0].source, list[0].properties.optionSource)
        popup.objects[5].clicked(null, popup.objects[5])
        compare(popup.headerText, list[5].properties.optionText)
        compare(popup.objects.filter(function(o) { return o.checked }).length, 1)
        verify(popup.objects[5].checked)
        verify(picked === null)
        popup.accept()
        verify(picked === list[5])
        compare("" + popup.objects[5].source, list[5].properties.source)
    }
}
