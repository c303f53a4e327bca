#include "tools/fontpack/recording_grid.h"

#include "system/errors.h"

#include <algorithm>

namespace fontpack {

void RecordingGrid::setRowCount(int count) {
    rows_ = std::max(count, 1);
}

void RecordingGrid::checkCell(int col, int row) const {
    if (col < 0 || col >= columnCount || row < 0 || row >= rows_)
        throw EInvalidGridOperation("Invalid cell");
}

void RecordingGrid::addCheckBox(int col, int row, bool state, bool /*data*/) {
    checkCell(col, row);
    RecordedRow& recorded = filled_[row];
    recorded.hasCheckBox = true;
    recorded.checked = state;
}

void RecordingGrid::setCell(int col, int row, const std::string& text) {
    checkCell(col, row);
    RecordedRow& recorded = filled_[row];
    if (col == 1)
        recorded.number = text;
    else if (col == 2)
        recorded.title = text;
}

void RecordingGrid::addBitmap(int col, int row, const imaging::Picture* picture,
                              bool /*transparent*/, package::CellHAlign /*hAlign*/,
                              package::CellVAlign /*vAlign*/) {
    checkCell(col, row);
    filled_[row].preview = picture;
}

bool RecordingGrid::getCheckBoxState(int col, int row, bool& state) const {
    if (col != 0)
        return false;
    const auto found = filled_.find(row);
    if (found == filled_.end() || !found->second.hasCheckBox)
        return false;
    state = found->second.checked;
    return true;
}

} // namespace fontpack
