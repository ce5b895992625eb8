// placeholder
import QtQuick

Item {
    property var lvWindow: null
    property bool lvcShowLvControlItem: true
}
