#include "package/selection_recount.h"

#include <string>

namespace package {

int recountSelection(const FontGrid& grid, TextList& selection) {
    int count = 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        bool ticked = false;
        if (!grid.getCheckBoxState(0, row, ticked))
            continue;
        if (ticked)
            ++count;
        selection.setValue(std::to_string(row - 1), ticked ? "1" : "0");
    }
    return count;
}

} // namespace package
