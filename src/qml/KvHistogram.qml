// placeholder
import QtQuick

Item {
}
