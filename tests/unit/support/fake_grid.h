#pragma once
// A font grid that keeps its cells in memory and refuses cells outside it
// with "Invalid cell", as the selection page's grid does.
#include "package/font_grid.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fake {

struct GridCell {
    bool hasCheckBox = false;
    bool checked = false;
    bool data = false;
    std::string text;
    const imaging::Picture* picture = nullptr;
    bool transparent = false;
    package::CellHAlign hAlign = package::CellHAlign::Left;
    package::CellVAlign vAlign = package::CellVAlign::Top;
};

class FakeGrid : public package::FontGrid {
  public:
    int columns = 4;
    int rows = 10;
    int defaultRowHeight = 22;
    std::map<std::pair<int, int>, GridCell> cells; // (column, row)
    std::vector<std::string> calls;
    bool logCalls = true; // the benchmarks turn the log off
    // Runs before each check-box read, so a test can change the grid meanwhile.
    std::function<void(int row)> beforeCheckBoxRead;

    GridCell cell(int col, int row) const;

    void setRowCount(int count) override;
    int rowCount() const override { return rows; }
    void setDefaultRowHeight(int height) override;
    void addCheckBox(int col, int row, bool state, bool data) override;
    void setCell(int col, int row, const std::string& text) override;
    void addBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                   package::CellHAlign hAlign, package::CellVAlign vAlign) override;
    bool getCheckBoxState(int col, int row, bool& state) const override;

  private:
    void checkCell(int col, int row) const;
};

} // namespace fake
