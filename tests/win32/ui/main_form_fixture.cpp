#include "main_form_fixture.h"

#include "ui/texts.h"

#include "widgets/application.h"

namespace {

TfrmMain* form = nullptr;

class MainFormEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        Application& application = Application::instance();
        application.Initialize();
        application.setTitle(texts::applicationTitle);
        form = new TfrmMain();
        // Short transitions keep the tests quick; their length is not what
        // these tests are about.
        form->seAnimation1.setDuration(60);
        form->seAnimation2.setDuration(60);
        ShowWindow(form->hwnd(), SW_SHOWNORMAL);
        pumpMessages(100);
    }
    void TearDown() override {
        delete form;
        form = nullptr;
    }
};

const auto* environment = ::testing::AddGlobalTestEnvironment(new MainFormEnvironment);

POINT centreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

} // namespace

TfrmMain& mainForm() {
    return *form;
}

void pumpMessages(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Application::instance().processMessages();
    } while (GetTickCount() - start < ms);
}

void sendClickAt(HWND window) {
    POINT point = centreOnScreen(window);
    SetCursorPos(point.x, point.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

void clickAt(HWND window) {
    sendClickAt(window);
    pumpMessages(80);
}

void goToPage(int page) {
    form->seNoteBook1.setPageIndex(page);
    pumpMessages(20);
}
