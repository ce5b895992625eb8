import QtQuick
import QtTest
import "qrc:/qml"

// The rectangular button's looks by type: text colours, the checkable
// types' toggling and accent, the text shown in place of a picture that
// cannot be loaded, and the name under a picture.
TestCase {
    name: "KvRectangleButton"
    when: windowShown
    visible: true
    width: 300
    height: 200

    Component {
        id: buttonComponent
        KvRectangleButton {
            width: 107
            height: 77
        }
    }

    function test_text_colour_data() {
        return [
            { tag: "option checked", type: "optionWithStyledText", checked: true, disabled: false, colour: "#000000" },
            { tag: "option enabled", type: "optionWithText", checked: false, disabled: false, colour: "#dddddd" },
            { tag: "option disabled", type: "optionWithRichText", checked: false, disabled: true, colour: "#646464" },
            { tag: "selected text checked", type: "optionWithStyledSelectedText", checked: true, disabled: false, colour: "#ffbf1f" },
            { tag: "action checked", type: "action", checked: true, disabled: false, colour: "#ffbf1f" },
            { tag: "checkable disabled", type: "checkableWithText", checked: false, disabled: true, colour: "#646464" }
        ]
    }
    function test_text_colour(data) {
        var b = createTemporaryObject(buttonComponent, this, { type: data.type, checked: data.checked, disabled: data.disabled })
        verify(Qt.colorEqual(b.textColor, data.colour), "" + b.textColor)
    }

    function test_click_data() {
        return [
            { tag: "checkable text toggles", type: "checkableWithText", toggles: true, accent: false },
            { tag: "checkable image toggles", type: "checkableWithImage", toggles: true, accent: false },
            { tag: "radio keeps", type: "radioWithText", toggles: false, accent: false },
            { tag: "action keeps", type: "action", toggles: false, accent: true },
            { tag: "option keeps", type: "optionWithImage", toggles: false, accent: true }
        ]
    }
    function test_click(data) {
        var b = createTemporaryObject(buttonComponent, this, { type: data.type, buttonText: "x" })
        var clicks = 0
        b.clicked.connect(function() { ++clicks })
        mouseClick(b)
        compare(clicks, 1)
        compare(b.checked, data.toggles)
        compare(b.checkedColor.a > 0, data.accent)
    }

    // A value with no picture of its own is shown as text in the picture's
    // place under the title, whole and readable, a long one (a movie
    // quality) on more lines.
    function test_missing_picture_shows_the_text_data() {
        return [
            { tag: "short", text: "AWB", wraps: false },
            { tag: "movie quality", text: "5952x3968 25.00i 420/8bit/ALL-I 100M", wraps: true }
        ]
    }
    function test_missing_picture_shows_the_text(data) {
        // the main picture and its two looks each report the missing file
        for (var i = 0; i < 3; ++i)
            ignoreWarning(/Cannot open: qrc:\/images\/no_such_picture\.svg/)
        var b = createTemporaryObject(buttonComponent, this, { type: "optionWithImage", optionText: data.text,
                                                               labelText: "Motion Picture Quality",
                                                               source: "qrc:/images/no_such_picture.svg" })
        tryCompare(b.mainImg, "status", Image.Error)
        var t = b.optionItem
        verify(t.visible)
        compare(t.truncated, false)
        verify(t.fontInfo.pixelSize >= 10, "drawn at " + t.fontInfo.pixelSize + " px")
        compare(t.lineCount > 1, data.wraps)
        verify(t.y >= b.labelItem.y + b.labelItem.contentHeight)
        verify(t.y + t.height <= b.height)
        var shown = createTemporaryObject(buttonComponent, this, { type: "optionWithImage", optionText: "AWB",
                                                                   source: "qrc:/images/189_wb_awb.svg" })
        tryCompare(shown.mainImg, "status", Image.Ready)
        verify(shown.mainImg.visible)
        verify(!shown.optionItem.visible)
    }

    // A name under its picture, on one line or two and in any script, is
    // drawn whole below the picture.
    function test_name_under_picture_data() {
        return [
            { tag: "one line", text: "Sepia" },
            { tag: "two lines", text: "Dynamic Monochrome" },
            { tag: "two lines of a script without spaces", text: "\u30c0\u30a4\u30ca\u30df\u30c3\u30af\u30e2\u30ce\u30af\u30ed\u30fc\u30e0" }
        ]
    }
    function test_name_under_picture(data) {
        var b = createTemporaryObject(buttonComponent, this, { type: "optionWithImagetoText", width: 77, optionText: data.text,
                                                               source: "qrc:/images/cc_pop.svg" })
        tryCompare(b.mainImg, "status", Image.Ready)
        var t = b.optionItem
        compare(t.truncated, false)
        var pictureBottom = b.mainImg.y + (b.mainImg.height + b.mainImg.paintedHeight) / 2
        var nameTop = t.y + t.height - t.contentHeight
        verify(pictureBottom <= nameTop, "the picture reaches " + pictureBottom + ", the name begins at " + nameTop)
        verify(t.y + t.height <= b.height)
    }

    function test_images_by_type_data() {
        return [
            { tag: "option disabled", type: "optionWithImage", checked: false, disabled: true, main: false, off: true, on: false },
            { tag: "option checked", type: "optionWithImage", checked: true, disabled: false, main: false, off: false, on: true },
            { tag: "option plain", type: "optionWithImage", checked: false, disabled: false, main: true, off: false, on: false },
            { tag: "action disabled", type: "action", checked: false, disabled: true, main: false, off: true, on: false },
            { tag: "image to text always main", type: "optionWithImagetoText", checked: true, disabled: true, main: true, off: false, on: false },
            { tag: "text types show none", type: "optionWithStyledText", checked: false, disabled: false, main: false, off: false, on: false }
        ]
    }
    function test_images_by_type(data) {
        var b = createTemporaryObject(buttonComponent, this, { type: data.type, checked: data.checked, disabled: data.disabled,
                                                               source: "qrc:/images/189_wb_awb.svg" })
        tryCompare(b.mainImg, "status", Image.Ready)
        compare(b.mainImg.visible, data.main)
        compare(b.mainDisableImg.visible, data.off)
        compare(b.mainCheckedImg.visible, data.on)
    }
}
