// placeholder
import QtQuick

Item {
    property var lvWindow: null
    property bool opened: false

    function open() {}
    function close() {}
}
