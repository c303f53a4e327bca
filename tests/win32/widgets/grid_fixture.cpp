#include "tests/win32/widgets/grid_fixture.h"

#include <stdexcept>

HostWindow::HostWindow() {
    HINSTANCE module = GetModuleHandleA(nullptr);
    WNDCLASSA hostClass{};
    hostClass.lpfnWndProc = DefWindowProcA;
    hostClass.hInstance = module;
    hostClass.lpszClassName = "GridTestHost";
    RegisterClassA(&hostClass);
    window_ = CreateWindowExA(0, "GridTestHost", "grid host", WS_OVERLAPPEDWINDOW, 0, 0, 650, 400,
                              nullptr, nullptr, module, nullptr);
    if (!window_)
        throw std::runtime_error("cannot create the host window");
}

HostWindow::~HostWindow() {
    DestroyWindow(window_);
}

void applyPageLayout(StringGrid& grid) {
    grid.setColWidths({20, 40, 140, 168});
    grid.setFixedRows(1);
    grid.setRowCount(10);
    grid.setDefaultRowHeight(22);
    grid.setRowHeight(1, 30);
    grid.setCell(1, 0, "序号");
    grid.setCell(2, 0, "字体名称");
    grid.setCell(3, 0, "字体预览");
    grid.setCellFont({"微软雅黑", -15, false, ANSI_CHARSET});
    grid.setHeaderFont({"Tahoma", -11, true, DEFAULT_CHARSET});
    grid.setGridLineColor(RGB(240, 236, 236));
    grid.setFixedLineColor(RGB(209, 210, 212));
}

void addFontRows(StringGrid& grid, int rows, int first, int last) {
    grid.setRowCount(rows);
    grid.setDefaultRowHeight(28);
    for (int entry = first; entry < last; ++entry) {
        grid.AddCheckBox(0, entry + 1, true, false);
        grid.setCell(1, entry + 1, std::to_string(entry + 1));
        grid.setCell(2, entry + 1, "字体" + std::to_string(entry));
    }
}

void pressAt(StringGrid& grid, int x, int y) {
    LPARAM point = MAKELPARAM(x, y);
    SendMessageA(grid.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(grid.hwnd(), WM_LBUTTONUP, 0, point);
}

void pressKey(StringGrid& grid, WPARAM key) {
    SendMessageA(grid.hwnd(), WM_KEYDOWN, key, 1);
    SendMessageA(grid.hwnd(), WM_KEYUP, key, 0xC0000001);
}
