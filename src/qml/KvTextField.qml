import QtQuick
import QtQuick.Controls

TextField {
    font.pixelSize: 12
    font.family: utilities.getFontFamily()
}
