import QtQuick
import QtTest
import "qrc:/qml"

// The white-balance adjustment window: a click in the colour field, Reset,
// Cancel and OK.
TestCase {
    name: "KvMainWBPopup"
    when: windowShown

    KvMainWBPopup { id: popup }

    SignalSpy { id: changeSpy; target: popup; signalName: "onChangeValue" }
    SignalSpy { id: okSpy; target: popup; signalName: "onOKClicked" }
    SignalSpy { id: cancelSpy; target: popup; signalName: "onCancelClicked" }

    function init() {
        popup.wb_mode = popup.wb_mode_normal
        popup.valAB = 10
        popup.valGM = 10
        popup.present()
        tryCompare(popup, "visible", true)
        waitForRendering(popup.contentItem)
        changeSpy.clear()
        okSpy.clear()
        cancelSpy.clear()
    }

    function cleanup() {
        popup.dismiss()
    }

    function test_click_in_the_field_data() {
        return [
            { tag: "far left top", fx: 0.0, fy: 0.0, ab: 1, gm: 19, text: "A9,G9" },
            { tag: "far right bottom", fx: 0.99, fy: 0.99, ab: 19, gm: 1, text: "B9,M9" },
            { tag: "centre", fx: 0.5, fy: 0.5, ab: 10, gm: 10, text: "" }
        ]
    }
    // Hidden until presented, though the window it is declared in shows.
    function test_hidden_until_presented() {
        var fresh = createTemporaryObject(wbComponent, this)
        verify(!fresh.visible)
        var cc = createTemporaryObject(ccComponent, this)
        verify(!cc.visible)
    }

    Component { id: wbComponent; KvMainWBPopup {} }
    Component { id: ccComponent; KvCCPopup {} }

    function test_click_in_the_field(data) {
        var f = popup.field
        mouseClick(f, f.width * data.fx, f.height * data.fy)
        compare(popup.valAB, data.ab)
        compare(popup.valGM, data.gm)
        compare(popup.valueText, data.text)
        compare(changeSpy.count, 1)
        compare(popup.pointer.x, data.ab / 20 * f.width - 7)
        compare(popup.pointer.y, f.height - data.gm / 20 * f.height - 7)
    }

    function test_ia_plus_moves_only_a_b() {
        popup.wb_mode = popup.wb_mode_ia_plus
        popup.valGM = 4
        var f = popup.field
        mouseClick(f, 1, f.height - 1)
        compare(popup.valAB, 1)
        compare(popup.valGM, 4)
        compare(popup.valueWBAdjustTextFormat(), "A9")
        compare(popup.pointer.y, f.height - 10 / 20 * f.height - 7)
    }

    SignalSpy { id: resetSpy; target: popup; signalName: "onResetClicked" }

    function test_reset_keeps_the_window() {
        resetSpy.clear()
        mouseClick(popup.field, 1, 1)
        mouseClick(popup.resetButton)
        compare(popup.valAB, 10)
        compare(popup.valGM, 10)
        compare(popup.valueText, "")
        compare(resetSpy.count, 1)
        verify(popup.visible)
    }

    function test_cancel_restores_the_values_at_showing() {
        mouseClick(popup.field, 1, 1)
        mouseClick(popup.cancelButton)
        compare(popup.valAB, 10)
        compare(popup.valGM, 10)
        compare(cancelSpy.count, 1)
        verify(!popup.visible)
    }

    function test_ok_keeps_the_values() {
        mouseClick(popup.field, 1, 1)
        mouseClick(popup.okButton)
        compare(okSpy.count, 1)
        verify(!popup.visible)
        compare(popup.preValAB, 1)
        compare(popup.preValGM, 19)
        // shown again, a cancel goes back to the confirmed values
        popup.present()
        popup.valAB = 5
        popup.cancel()
        compare(popup.valAB, 1)
    }
}
