// placeholder
import QtQuick

Item {
    property var lvWindow: null
}
