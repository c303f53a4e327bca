// The main window as the program creates it, inspected in-process.
#include "ui/UnitMainForm.h"
#include "ui/texts.h"

#include "widgets/application.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Application::instance().Initialize();
        Application::instance().setTitle(texts::applicationTitle);
        form = new TfrmMain();
    }
    static void TearDownTestSuite() {
        delete form;
        form = nullptr;
    }
    static TfrmMain* form;
};

TfrmMain* MainWindowTest::form = nullptr;

std::string windowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(MainWindowTest, CaptionDiffersFromTheApplicationTitleOnTheTaskbar) {
    EXPECT_EQ(windowText(form->hwnd()), "Zarnik字库安装向导");
    EXPECT_EQ(windowText(Application::instance().handle()), "zarnikfonts_setup_win_1000");
    EXPECT_EQ(GetWindow(form->hwnd(), GW_OWNER), Application::instance().handle());
    EXPECT_EQ(frmMain, form);
}

TEST_F(MainWindowTest, ClientAreaIsExactly650By400) {
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right - client.left, 650);
    EXPECT_EQ(client.bottom - client.top, 400);
}

TEST_F(MainWindowTest, FixedBorderWithSystemMenuAndMinimiseOnly) {
    LONG style = GetWindowLongA(form->hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(form->hwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST_F(MainWindowTest, CentredOnTheScreen) {
    RECT window{};
    GetWindowRect(form->hwnd(), &window);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(window.left + (window.right - window.left) / 2, screenWidth / 2, 1);
    EXPECT_NEAR(window.top + (window.bottom - window.top) / 2, screenHeight / 2, 1);
}

TEST_F(MainWindowTest, CarriesTheProgramIcon) {
    EXPECT_NE(SendMessageA(form->hwnd(), WM_GETICON, ICON_BIG, 0), 0);
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
