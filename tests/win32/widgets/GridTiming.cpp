// Prints how long the selection page's grid takes, with 1,000 fonts, to flip
// a box and repaint, with a handler that recounts every row as the page's
// does, and to repaint in full (after scrolling). Run under a display.
#include "tests/win32/widgets/grid_fixture.h"

#include <cstdio>

namespace {

double nowMicroseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1e6 / frequency.QuadPart;
}

template <typename Step> double meanMicroseconds(int rounds, Step step) {
    double start = nowMicroseconds();
    for (int i = 0; i < rounds; ++i)
        step();
    return (nowMicroseconds() - start) / rounds;
}

} // namespace

int main() {
    const int fonts = 1000;
    const int rounds = 200;
    HostWindow host;
    StringGrid grid("AdvStringGrid1", {16, 56, 401, 265});
    applyPageLayout(grid);
    grid.createHandle(host.get());
    addFontRows(grid, fonts + 1, 0, fonts);
    imaging::Picture preview;
    preview.width = 160;
    preview.height = 24;
    preview.pixels.assign(160 * 24, 0xFF336699);
    for (int row = 1; row <= fonts; ++row)
        grid.AddBitmap(3, row, &preview, true, package::CellHAlign::Center,
                       package::CellVAlign::Center);
    int ticked = 0;
    grid.OnCheckBoxClick = [&](Component&, int, int, bool) {
        ticked = 0;
        for (int row = 1; row < grid.RowCount(); ++row) {
            bool state = false;
            if (grid.GetCheckBoxState(0, row, state) && state)
                ++ticked;
        }
    };
    ShowWindow(host.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(host.get());

    double flip = meanMicroseconds(rounds, [&] {
        SendMessageA(grid.hwnd(), WM_KEYDOWN, VK_SPACE, 1);
        UpdateWindow(grid.hwnd());
    });
    double full = meanMicroseconds(rounds, [&] {
        SendMessageA(grid.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
        UpdateWindow(grid.hwnd());
    });
    std::printf("grid of %d fonts, mean of %d rounds under this system:\n", fonts, rounds);
    std::printf("  flip + recount + repaint: %8.1f us (ticked now %d)\n", flip, ticked);
    std::printf("  scroll one row + full repaint: %8.1f us\n", full);
    return 0;
}
