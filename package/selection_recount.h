#pragma once
// After a click on a check box, the selection is rebuilt from the boxes.
#include "package/font_grid.h"
#include "package/text_list.h"

namespace package {

// Walks grid rows 1 to the last (the row count is read again before every
// row), writes "1" or "0" under key row - 1 for each row holding a check box
// and leaves rows without one alone. Returns the number of ticked boxes.
int recountSelection(const FontGrid& grid, TextList& selection);

} // namespace package
