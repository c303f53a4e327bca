#pragma once
// What the grid tests and the timing program share: a hidden top-level
// window to host the grid, and the grid set up as the selection page sets it
// up before and during its start-up.
#include "widgets/string_grid.h"

#include <string>

class HostWindow {
  public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND get() const { return window_; }

  private:
    HWND window_;
};

// The page's layout data: four columns, one header row, ten rows of 22
// pixels with 30 for row 1, the fonts and the line colours.
void applyPageLayout(StringGrid& grid);

// What the start-up scan does for a package of `rows` fonts whose entries
// first..last - 1 were matched: row count, row height 28, and per entry a
// ticked box, its number and its title.
void addFontRows(StringGrid& grid, int rows, int first, int last);

// A press of the left button at a client point of the grid.
void pressAt(StringGrid& grid, int x, int y);
void pressKey(StringGrid& grid, WPARAM key);
