import QtQuick
import Kv 1.0 as Kv

// The one rectangular button of every window; its look is chosen by `type`
// (action buttons, option buttons showing a setting's value, checkable and
// radio buttons). A click toggles the checkable types, then is announced.
KvAbstractButton {
    id: root

    property string type: "action"
    property var value
    property var value2
    property string labelText: ""
    property string buttonText: ""
    property string optionText: ""
    property alias optionTextTooltip: root.toolTipText
    property url optionSource: ""
    property url checkedImage: ""
    property url optionImage: ""
    property url optionDisableImage: effectMode || String(optionImage) === "" ? optionImage
                                                    : "image://brightnessChg/" + optionImage + "?y=140"
    property url optionCheckedImage: effectMode || String(optionImage) === "" ? optionImage
                                                    : "image://brightnessChg/" + optionImage + "?y=0"
    property int option_string_top_margin: 30
    // room the title leaves at its right, for a picture beside it
    property real titleRightMargin: 2
    property int fontPixelSize: -1
    property var logCol: null
    property int logLevel: Kv.TagDef.RecLvl_Info
    property int logScrTagID: 0
    property string logFile: ""
    property string logText: ""
    property bool logEnable: true

    property alias labelItem: labelTextItem
    property alias buttonItem: buttonTextItem
    property alias optionItem: optionTextItem
    property alias optionImageItem: optionImg

    readonly property var blackWhenChecked: ["optionWithText", "optionWithTextReal", "optionWithRichText", "optionWithRichTextPs",
        "optionWithTextRealPs", "optionWithTextPref", "optionWithDynamicText", "optionWithImageAndText",
        "optionWithImageAndTextPopup", "optionWithStyledText", "optionWithStyledTextPs", "optionWithStyledTextReal",
        "optionWithStyledTextRealPs", "optionWithStyledTextPictureSize"]
    readonly property bool checkable: type === "checkableWithText" || type === "checkableWithImageAndText"
                                      || type === "checkableWithImageAndTextLv" || type === "checkableWithImage"
    readonly property bool radio: type.indexOf("radioWith") === 0
    // a name under its picture lies on the checked colour as these types' values do
    readonly property color textColor: checked ? (blackWhenChecked.indexOf(type) >= 0 || captionUnderImage ? "#000000"
                                                                                                          : "#ffbf1f")
                                               : (disabled ? "#646464" : "#dddddd")
    readonly property string family: utilities.getFontFamily()
    readonly property bool imageOptionType: type === "optionWithImage" || type === "optionWithImagePopup"
    readonly property bool imageAndTextType: type === "optionWithImageAndText" || type === "optionWithImageAndTextPopup"
    readonly property bool disabledOnlyType: type.indexOf("action") === 0 || type === "checkableWithImage"
                                             || type === "radioWithImage"
    readonly property bool imageToTextType: type.indexOf("optionWithImagetoText") === 0

    checkedColor: checkable || radio ? "transparent" : "#ffbf1f"
    showMainImage: imageToTextType || ((imageOptionType || disabledOnlyType) && !disabled && !(imageOptionType && checked))
    showDisableImage: (imageOptionType || disabledOnlyType) && disabled
    showCheckedImage: imageOptionType && checked && !disabled

    // Text placement by type: [pixel size, bold, x or -1 for centred, vertical centre, format]
    function optionLook() {
        switch (type) {
        case "optionWithImage":
        case "optionWithImagePopup":
            return [13, false, -1, false, Text.PlainText]
        case "optionWithImageAndText":
        case "optionWithImageAndTextPopup":
            return [13, true, width / 2, true, Text.PlainText]
        case "optionWithRichText":
        case "optionWithRichTextPs":
            return [14, false, -1, true, Text.RichText]
        case "optionWithTextReal":
        case "optionWithTextRealPs":
        case "optionWithRichSelectedText":
            return [18, true, -1, true, Text.RichText]
        case "optionWithStyledText":
        case "optionWithStyledTextPs":
            return [17, true, -1, true, Text.StyledText]
        case "optionWithStyledTextReal":
        case "optionWithStyledTextRealPs":
        case "optionWithStyledSelectedText":
            return [fontPixelSize > 0 ? fontPixelSize : 21, true, -1, true, Text.StyledText]
        case "optionWithStyledTextPictureSize":
            return [26, true, -1, true, Text.StyledText]
        case "optionWithText":
        case "optionWithTextPref":
        case "optionWithDynamicText":
            return [13, false, -2, true, Text.PlainText]
        }
        // a popup entry with an image and its name under it
        if (imageToTextType && labelText === "")
            return [11, false, -1, false, Text.PlainText]
        return null
        return null
    }
    readonly property var look: optionLook()
    // the list types: title on the left, value on the right of one line
    readonly property bool valueBesideLabel: type === "optionWithText" || type === "optionWithTextPref"
                                             || type === "optionWithDynamicText"
    readonly property bool optionUnderLabel: labelText !== "" && ["optionWithText", "optionWithTextReal",
        "optionWithRichSelectedText", "optionWithStyledTextReal", "optionWithStyledTextPictureSize",
        "optionWithStyledSelectedText"].indexOf(type) >= 0

    function buttonFontSize() {
        if (fontPixelSize > 0)
            return fontPixelSize
        switch (type) {
        case "action_small": return 12
        case "action_smaller": return 10
        case "checkableWithImage":
        case "radioWithImage":
        case "checkableWithImageAndText": return 14
        }
        return 13
    }

    onClicked: {
        if (checkable)
            checked = !checked
        if (logCol && logEnable)
            logCol.log(logLevel, logScrTagID, logFile + " clicked", logText)
    }

    // the title at the top left (centred on the left for the list types)
    Text {
        id: labelTextItem
        z: 21
        visible: text !== "" && root.type.indexOf("optionWith") === 0 && !root.imageAndTextType
        text: root.labelText
        color: root.textColor
        font.family: root.family
        font.pixelSize: root.imageToTextType ? 14 : 12
        x: (root.type === "optionWithText" || root.type === "optionWithTextPref" || root.type === "optionWithDynamicText"
            || root.imageToTextType) ? 14 : 6
        y: (root.type === "optionWithText" || root.type === "optionWithTextPref" || root.type === "optionWithDynamicText"
            || root.imageToTextType) ? (root.height - height) / 2 : 6
        width: root.imageToTextType ? root.width - 28
                                    : root.valueBesideLabel && optionTextItem.visible
                                      ? Math.max(root.width / 3, root.width - x - 14 - optionTextItem.implicitWidth - 8)
                                      : root.width - x - titleRightMargin
        // A title too long for its line takes more lines at the same size,
        // as many as its button has room for, so that a window's titles stay
        // alike; only a word wider than the line makes it smaller. Its place
        // holds a line of any script, so taller scripts are not shrunk, and
        // what lies under the title makes room for the lines it draws.
        height: maximumLineCount * 22
        maximumLineCount: root.imageToTextType || root.height < 34 ? 1 : (root.height >= 60 ? 3 : 2)
        verticalAlignment: root.valueBesideLabel || root.imageToTextType ? Text.AlignVCenter : Text.AlignTop
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 10
        elide: Text.ElideRight
    }
    // where the picture or value under a top-left title may begin
    readonly property real underLabel: labelTextItem.visible && !imageToTextType && !valueBesideLabel
                                       ? labelTextItem.y + labelTextItem.contentHeight : 0

    // the caption of the action, checkable and radio types
    Text {
        id: buttonTextItem
        z: 21
        visible: text !== "" && root.look === null
        text: root.buttonText
        color: root.textColor
        font.family: root.type === "action_halfSize" ? "Tahoma" : root.family
        font.pixelSize: root.buttonFontSize()
        font.bold: root.type.indexOf("action") === 0 && root.type !== "action_noBold" && root.type !== "action_left"
                   || root.type === "checkableWithImageAndText" || root.type === "checkableWithImageAndTextLv"
        readonly property bool leftAligned: root.type === "action_left" || root.type.indexOf("checkableWith") === 0
                                            || root.radio
        x: leftAligned ? 14 : (root.width - width) / 2
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, root.width - (leftAligned ? 28 : 4))
        // a caption too long for its button (other languages) shrinks to
        // the button's width before it is cut
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10
        elide: Text.ElideRight
    }

    // the checked bar of the checkable and radio text types
    Rectangle {
        z: 21
        visible: root.checked && (root.type === "checkableWithText" || root.type === "radioWithText")
        width: 4
        height: root.height
        color: root.textColor
    }

    // the checked mark of the checkable image-and-text types
    Image {
        z: 21
        visible: root.checked && String(root.checkedImage) !== ""
                 && (root.type === "checkableWithImageAndText" || root.type === "checkableWithImageAndTextLv")
        source: root.checkedImage
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.verticalCenter: parent.verticalCenter
    }

    // the value text of the option types
    Text {
        id: optionTextItem
        z: 21
        visible: root.look !== null && text !== ""
                 && !(root.imageOptionType && (root.mainImg.visible || root.mainDisableImg.visible
                                               || root.mainCheckedImg.visible))
        text: root.optionText
        textFormat: root.look ? root.look[4] : Text.PlainText
        color: root.textColor
        font.family: root.family
        font.pixelSize: root.look ? root.look[0] : 13
        font.bold: root.look ? root.look[1] : false
        horizontalAlignment: root.look && root.look[2] === -2 && root.type !== "optionWithDynamicText" ? Text.AlignRight
                                                                                                        : Text.AlignHCenter
        width: root.look && root.look[2] >= 0 ? root.width - root.look[2] - 4
                                               : (root.look && root.look[2] === -2 ? root.width - 28 : root.width - 4)
        x: root.look && root.look[2] >= 0 ? root.look[2] : (root.look && root.look[2] === -2 ? 14 : 2)
        // A value a picture type shows as text (no picture for it) fills
        // the picture's place under the title, never over it.
        y: root.imageOptionType ? (root.underLabel > 0 ? root.underLabel + 2 : 10)
                                : root.imageToTextType ? root.height - height - 3
                                : (root.optionUnderLabel ? Math.max(root.option_string_top_margin, root.underLabel + 1)
                                                         : centredBelowLabel())
        // Centred, but under a two-line title when the button has room.
        function centredBelowLabel() {
            var centred = (root.height - height) / 2
            if (root.underLabel === 0 || labelTextItem.lineCount < 2)
                return centred
            return Math.max(centred, Math.min(root.underLabel + 1, root.height - height))
        }
        // A name under its picture, and a value in a picture's place, take
        // more lines and then a smaller size before they are cut. The name's
        // place holds two lines of any script, so taller scripts are not
        // shrunk; the picture above gives way to the lines it draws. Its
        // place, not a line count, bounds its lines: at a line count the
        // last line breaks anywhere, and a word too wide for it would be
        // cut instead of shrunk.
        readonly property bool inPictureSpace: root.captionUnderImage || root.imageOptionType
        height: root.captionUnderImage ? 2 * 17 : (root.imageOptionType ? root.height - y - 2 : implicitHeight)
        verticalAlignment: root.captionUnderImage ? Text.AlignBottom
                                                  : (root.imageOptionType ? Text.AlignVCenter : Text.AlignTop)
        // a value too long for its button (other languages) shrinks a
        // little before it is cut
        fontSizeMode: inPictureSpace ? Text.Fit : Text.HorizontalFit
        minimumPixelSize: inPictureSpace ? 10 : 11
        maximumLineCount: 1000
        elide: Text.ElideRight
        wrapMode: inPictureSpace ? Text.WordWrap : Text.NoWrap
    }

    // the value image of the image-and-text types
    Image {
        id: optionImg
        z: 21
        visible: root.imageAndTextType && String(source) !== "" && status !== Image.Error
        source: root.disabled ? root.optionDisableImage : (root.checked ? root.optionCheckedImage : root.optionImage)
        anchors.right: optionTextItem.left
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        height: Math.min(root.height - 8, 40)
        width: height
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
    }

    readonly property bool captionUnderImage: imageToTextType && labelText === "" && optionText !== ""
    mainImg.width: imageToTextType && labelText !== "" ? Math.min(root.height - 8, 48) : Math.min(root.width - 8, 75)
    // The picture fills the place under the title, whatever the title's
    // lines; a name under the picture takes its lines from the bottom and
    // leaves the picture what lies above them.
    readonly property real aboveCaption: optionTextItem.y + optionTextItem.height - optionTextItem.contentHeight - 2
    function pictureHeight() {
        if (captionUnderImage)
            return Math.min(aboveCaption - 4, 75)
        return Math.min(root.height - (underLabel > 0 ? underLabel + 2 : 8), 75)
    }
    function pictureOffset() {
        if (captionUnderImage)
            return (4 + aboveCaption - root.height) / 2
        return underLabel > 0 ? underLabel - 1 + (mainImg.height - root.height) / 2 : 0
    }
    mainImg.height: pictureHeight()
    mainImg.anchors.verticalCenterOffset: pictureOffset()
    mainImg.anchors.horizontalCenterOffset: imageToTextType && labelText !== "" ? root.width / 2 - mainImg.width / 2 - 8 : 0
    mainImg.sourceSize.width: mainImg.width
    mainImg.sourceSize.height: mainImg.height
}
