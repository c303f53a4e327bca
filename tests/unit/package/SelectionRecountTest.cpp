#include "package/selection_recount.h"

#include "tests/unit/support/fake_grid.h"
#include "tests/unit/support/fake_system.h"

#include <gtest/gtest.h>

namespace {

class SelectionRecountTest : public testing::Test {
  protected:
    void SetUp() override {
        grid.rows = 6;
        for (int row : {1, 2, 3, 5})
            grid.addCheckBox(0, row, true, false);
        selection.setText("3=1\n0=1\n1=1\n2=1\n4=1");
    }
    fake::FakeSystem system;
    fake::FakeGrid grid;
    package::TextList selection{system};
};

TEST_F(SelectionRecountTest, RewritesEveryBoxInPlaceAndCountsTheTicked) {
    grid.cells[{0, 3}].checked = false;
    EXPECT_EQ(package::recountSelection(grid, selection), 3);
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"3=1", "0=1", "1=1", "2=0", "4=1"}));

    grid.cells[{0, 3}].checked = true;
    grid.cells[{0, 1}].checked = false;
    EXPECT_EQ(package::recountSelection(grid, selection), 3);
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"3=1", "0=0", "1=1", "2=1", "4=1"}));
}

TEST_F(SelectionRecountTest, RowsWithoutABoxKeepTheirLine) {
    // Row 4 has no box: its stale line "3=1" stays although nothing shows it.
    for (int row : {1, 2, 3, 5})
        grid.cells[{0, row}].checked = false;
    EXPECT_EQ(package::recountSelection(grid, selection), 0);
    EXPECT_EQ(selection.lines(), (std::vector<std::string>{"3=1", "0=0", "1=0", "2=0", "4=0"}));
}

TEST_F(SelectionRecountTest, ReadsTheRowCountBeforeEveryRow) {
    grid.beforeCheckBoxRead = [&](int row) {
        if (row == 2)
            grid.rows = 3;
    };
    grid.cells[{0, 5}].checked = false;
    EXPECT_EQ(package::recountSelection(grid, selection), 2);
    EXPECT_EQ(selection.value("4"), "1"); // row 5 was never reached
}

TEST_F(SelectionRecountTest, BoxWithoutALineAppendsIt) {
    grid.rows = 8;
    grid.addCheckBox(0, 7, false, false);
    package::recountSelection(grid, selection);
    EXPECT_EQ(selection.lines().back(), "6=0");
}

} // namespace
