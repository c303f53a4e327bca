#pragma once
// A font grid that remembers what the start-up scan put into it, with the
// selection page grid's bounds: four columns, the rows it was sized to, and
// "Invalid cell" for anything outside them.
#include "package/font_grid.h"

#include <map>
#include <string>

namespace fontpack {

struct RecordedRow {
    bool hasCheckBox = false;
    bool checked = false;
    std::string number;
    std::string title;
    const imaging::Picture* preview = nullptr;
};

class RecordingGrid : public package::FontGrid {
  public:
    static constexpr int columnCount = 4;

    void setRowCount(int count) override;
    int rowCount() const override { return rows_; }
    void setDefaultRowHeight(int height) override { rowHeight_ = height; }
    void addCheckBox(int col, int row, bool state, bool data) override;
    void setCell(int col, int row, const std::string& text) override;
    void addBitmap(int col, int row, const imaging::Picture* picture, bool transparent,
                   package::CellHAlign hAlign, package::CellVAlign vAlign) override;
    bool getCheckBoxState(int col, int row, bool& state) const override;

    int rowHeight() const { return rowHeight_; }
    // The rows that received anything, by row number.
    const std::map<int, RecordedRow>& rows() const { return filled_; }

  private:
    void checkCell(int col, int row) const;

    int rows_ = 1;
    int rowHeight_ = 0;
    std::map<int, RecordedRow> filled_;
};

} // namespace fontpack
