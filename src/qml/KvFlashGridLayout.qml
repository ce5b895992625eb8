import QtQuick

// The flash window's fixed cells: children flow in rows of `columns` cells
// of one size, a child spanning as many cells as its width asks for.
Flow {
    property int columns: 3
    property int cellWidth: 107
    property int cellHeight: 77
    spacing: 1
    width: span(columns)

    // The width of a child spanning n cells, with the gaps it covers.
    function span(n) {
        return n * cellWidth + (n - 1) * spacing
    }
}
