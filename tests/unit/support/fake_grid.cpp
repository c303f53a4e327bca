#include "tests/unit/support/fake_grid.h"

#include "system/errors.h"

#include <algorithm>

namespace fake {

GridCell FakeGrid::cell(int col, int row) const {
    const auto it = cells.find({col, row});
    return it == cells.end() ? GridCell() : it->second;
}

void FakeGrid::setRowCount(int count) {
    if (logCalls)
        calls.push_back("setRowCount " + std::to_string(count));
    rows = std::max(count, 1);
}

void FakeGrid::setDefaultRowHeight(int height) {
    if (logCalls)
        calls.push_back("setDefaultRowHeight " + std::to_string(height));
    defaultRowHeight = height;
}

void FakeGrid::checkCell(int col, int row) const {
    if (col < 0 || row < 0 || col >= columns || row >= rows)
        throw EInvalidGridOperation("Invalid cell");
}

void FakeGrid::addCheckBox(int col, int row, bool state, bool data) {
    if (logCalls)
        calls.push_back("addCheckBox " + std::to_string(col) + "," + std::to_string(row));
    checkCell(col, row);
    GridCell& c = cells[{col, row}];
    c.hasCheckBox = true;
    c.checked = state;
    c.data = data;
}

void FakeGrid::setCell(int col, int row, const std::string& text) {
    if (logCalls)
        calls.push_back("setCell " + std::to_string(col) + "," + std::to_string(row));
    checkCell(col, row);
    cells[{col, row}].text = text;
}

void FakeGrid::addBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                         package::CellHAlign hAlign, package::CellVAlign vAlign) {
    if (logCalls)
        calls.push_back("addBitmap " + std::to_string(col) + "," + std::to_string(row));
    checkCell(col, row);
    GridCell& c = cells[{col, row}];
    c.picture = picture;
    c.transparent = transparent;
    c.hAlign = hAlign;
    c.vAlign = vAlign;
}

bool FakeGrid::getCheckBoxState(int col, int row, bool& state) const {
    if (beforeCheckBoxRead)
        beforeCheckBoxRead(row);
    const auto it = cells.find({col, row});
    if (it == cells.end() || !it->second.hasCheckBox)
        return false;
    state = it->second.checked;
    return true;
}

} // namespace fake
