// placeholder
import QtQuick

Item {
    property real pitchingDegrees: 0
    property real rollingDegrees: 0
    property var lvWindow: null
}
