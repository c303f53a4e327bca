#include "ui/UnitMainForm.h"

#include "ui/texts.h"

#include "widgets/application.h"

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain() : Form("frmMain", {texts::windowCaption, 650, 400, "MS Sans Serif", 11}) {
    frmMain = this;
    wireEvents();
    createHandle(LoadIconA(GetModuleHandleA(nullptr), "MAINICON"));
    runCreateEvent();
}

void TfrmMain::wireEvents() {
    OnCreate = [this](Component& sender) { FormCreate(sender); };
    OnClose = [this](Component& sender, CloseAction& action) { FormClose(sender, action); };
}

void TfrmMain::FormCreate(Component&) {}

void TfrmMain::FormClose(Component&, CloseAction& action) {
    // The box belongs to the application window, as every message box of
    // the program does, so it stays above the wizard.
    int answer = MessageBoxA(Application::instance().handle(), texts::closeConfirmation,
                             texts::closeConfirmationCaption, MB_OKCANCEL | MB_ICONQUESTION);
    action = answer == IDOK ? CloseAction::Free : CloseAction::None;
}
