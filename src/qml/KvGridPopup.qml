import QtQuick
import QtQuick.Controls

// The grid's kind: three by three, two by two with diagonals, or a custom
// grid whose line counts, thickness, diagonals and colour are chosen here.
KvLiveViewPopup {
    id: root

    closesOnPressOutside: true
    title: qsTr("grid")
    height: 140 + (customShown ? 255 : 0)

    readonly property bool customShown: !!lvWindow && !!lvWindow.gridCustom
    property alias kind3x3: kind3x3
    property alias kind2x2: kind2x2
    property alias kindCustom: kindCustom
    property alias diagonalCheck: diagonalCheck
    property alias horizontalSlider: horizontalSlider
    property alias verticalSlider: verticalSlider
    property alias thicknessSlider: thicknessSlider

    function setValue(name, value) {
        if (lvWindow)
            lvWindow[name] = value
    }

    // The three kinds exclude each other; the fixed ones also set the lines.
    function chooseKind(kind) {
        setValue("grid3x3", kind === "3x3")
        setValue("grid2x2Diagonal", kind === "2x2")
        setValue("gridCustom", kind === "custom")
        if (kind === "3x3") {
            setValue("gridHorNum", 2)
            setValue("gridVerNum", 2)
            setValue("gridThickness", 2)
            setValue("gridDiagonal", false)
        } else if (kind === "2x2") {
            setValue("gridHorNum", 1)
            setValue("gridVerNum", 1)
            setValue("gridThickness", 2)
            setValue("gridDiagonal", true)
        }
    }

    Column {
        width: parent.width
        KvLiveViewCheckBox {
            id: kind3x3
            text: qsTr("3x3")
            checked: !!root.lvWindow && !!root.lvWindow.grid3x3
            onClicked: root.chooseKind("3x3")
        }
        KvLiveViewCheckBox {
            id: kind2x2
            text: qsTr("2x2")
            checked: !!root.lvWindow && !!root.lvWindow.grid2x2Diagonal
            onClicked: root.chooseKind("2x2")
        }
        KvLiveViewCheckBox {
            id: kindCustom
            text: qsTr("Customize")
            checked: root.customShown
            onClicked: root.chooseKind("custom")
        }
        Column {
            width: parent.width
            visible: root.customShown
            topPadding: 6
            KvLiveViewCheckBox {
                id: diagonalCheck
                leftPadding: 24
                text: qsTr("cross line")
                checked: !!root.lvWindow && !!root.lvWindow.gridDiagonal
                onClicked: root.setValue("gridDiagonal", !checked)
            }
            KvLiveViewSlider {
                id: horizontalSlider
                label: qsTr("horizon num")
                from: 1
                to: 99
                value: root.lvWindow ? root.lvWindow.gridHorNum : 1
                onMoved: function(value) { root.setValue("gridHorNum", Math.round(value)) }
            }
            KvLiveViewSlider {
                id: verticalSlider
                label: qsTr("vertical num")
                from: 1
                to: 99
                value: root.lvWindow ? root.lvWindow.gridVerNum : 1
                onMoved: function(value) { root.setValue("gridVerNum", Math.round(value)) }
            }
            KvLiveViewSlider {
                id: thicknessSlider
                label: qsTr("thickness")
                from: 1
                to: 10
                value: root.lvWindow ? root.lvWindow.gridThickness : 1
                onMoved: function(value) { root.setValue("gridThickness", Math.round(value)) }
            }
            KvLiveViewColorRow {
                label: qsTr("color")
                colorValue: root.lvWindow ? root.lvWindow.gridColor : "#808080"
                onClicked: root.chooseColor(colorValue, function(c) { root.setValue("gridColor", c) })
            }
        }
    }
}
