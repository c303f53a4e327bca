// The main window as the program creates it, inspected in-process.
#include "main_form_fixture.h"

#include "widgets/application.h"

#include <string>

namespace {

std::string windowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(MainWindow, CaptionDiffersFromTheApplicationTitleOnTheTaskbar) {
    EXPECT_EQ(windowText(mainForm().hwnd()), "Zarnik字库安装向导");
    EXPECT_EQ(windowText(Application::instance().handle()), "zarnikfonts_setup_win_1000");
    EXPECT_EQ(GetWindow(mainForm().hwnd(), GW_OWNER), Application::instance().handle());
    EXPECT_EQ(frmMain, &mainForm());
}

TEST(MainWindow, ClientAreaIsExactly650By400) {
    RECT client{};
    GetClientRect(mainForm().hwnd(), &client);
    EXPECT_EQ(client.right - client.left, 650);
    EXPECT_EQ(client.bottom - client.top, 400);
}

TEST(MainWindow, FixedBorderWithSystemMenuAndMinimiseOnly) {
    LONG style = GetWindowLongA(mainForm().hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(mainForm().hwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST(MainWindow, CentredOnTheScreen) {
    RECT window{};
    GetWindowRect(mainForm().hwnd(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(MainWindow, CarriesTheProgramIcon) {
    EXPECT_NE(SendMessageA(mainForm().hwnd(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST(MainWindow, PagesFillTheClientAreaInOrder) {
    PageContainer& notebook = mainForm().seNoteBook1;
    ASSERT_EQ(notebook.pageCount(), 6);
    const char* names[] = {"Default", "Page1", "Page2", "Page3", "Page4", "Page5"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(notebook.page(i).name(), names[i]);
    ASSERT_EQ(mainForm().seAnimationList1.count(), 2);
    EXPECT_EQ(&mainForm().seAnimationList1.at(0), &mainForm().seAnimation1);
    EXPECT_EQ(&mainForm().seAnimationList1.at(1), &mainForm().seAnimation2);
    RECT rect{};
    GetClientRect(notebook.hwnd(), &rect);
    EXPECT_EQ(rect.right, 650);
    EXPECT_EQ(rect.bottom, 400);
}

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    } cases[] = {
        {"", ""},           {"Invalid cell", "Invalid cell."},
        {"done.", "done."}, {"a-", "a-"},
        {"(x)", "(x)"},     {"x!", "x!"},
        {"x?", "x?."},      {"出错", "出错."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorBoxText(c.message), c.shown) << c.message;
}

} // namespace
