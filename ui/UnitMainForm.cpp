#include "ui/UnitMainForm.h"

#include "ui/layout.h"
#include "ui/texts.h"

#include "imaging/resource_win.h"
#include "imaging/wizard_pictures.h"
#include "widgets/application.h"

TfrmMain* frmMain = nullptr;

namespace {

void loadPictures(ImageList& backgrounds, ImageList& faces, ImageList& slides) {
    for (int page = 0; page < imaging::kPageBackgroundCount; ++page)
        backgrounds.add(imaging::loadPageBackground(page));
    for (int face = 0; face < imaging::kButtonFaceCount; ++face)
        faces.add(imaging::loadButtonFace(face));
    for (int slide = 0; slide < imaging::kSlideCount; ++slide)
        slides.add(imaging::loadSlide(slide));
}

} // namespace

TfrmMain::TfrmMain() : Form("frmMain", {texts::windowCaption, 650, 400, "MS Sans Serif", 11}) {
    frmMain = this;
    loadPictures(seImageList1, sePngImageStorage1, seImageList2);
    buildLayout();
    wireEvents();
    createHandle(LoadIconA(GetModuleHandleA(nullptr), imaging::kMainIconResource));
    createComponents();
    runCreateEvent();
}

TfrmMain::~TfrmMain() {
    if (frmMain == this)
        frmMain = nullptr;
}

void TfrmMain::buildLayout() {
    for (const PageLayout& page : pageLayout())
        seNoteBook1.addPage(page.name, page.background);
    for (const ButtonLayout& layout : buttonLayout()) {
        PictureButton& button = this->*layout.button;
        button.place(layout.left, layout.top, layout.faces, fallbackButtonSize(layout));
        button.setVisible(layout.visible);
        button.setEnabled(layout.enabled);
    }
}

void TfrmMain::wireEvents() {
    OnCreate = [this](Component& sender) { FormCreate(sender); };
    OnClose = [this](Component& sender, CloseAction& action) { FormClose(sender, action); };
    for (const ButtonLayout& layout : buttonLayout()) {
        if (auto handler = layout.onClick)
            (this->*layout.button).OnClick = [this, handler](Component& s) { (this->*handler)(s); };
    }
    ApplicationEvents1.OnException = [this](Component* sender, const std::exception& error) {
        ApplicationEvents1Exception(sender, error);
    };
}

// Handles are made in declaration order, each control on its page.
void TfrmMain::createComponents() {
    seNoteBook1.createPages(hwnd());
    for (const ButtonLayout& layout : buttonLayout())
        (this->*layout.button).createHandle(seNoteBook1.page(layout.page).hwnd());
    for (Timer* timer : {&Timer1, &Timer2, &Timer3})
        timer->createHandle();
}

void TfrmMain::Show() {
    seAnimationForm1.showWindow(hwnd(), seNoteBook1.hwnd());
}

void TfrmMain::Hide() {
    seAnimationForm1.hideWindow(hwnd(), seNoteBook1.hwnd());
}

void TfrmMain::sePngXButton1Click(Component&) {
    if (seNoteBook1.PageIndex() != seNoteBook1.pageCount() - 1)
        seNoteBook1.setPageIndex(seNoteBook1.PageIndex() + 1);
}

void TfrmMain::sePngXButton5Click(Component&) {
    if (seNoteBook1.PageIndex() != 0)
        seNoteBook1.setPageIndex(seNoteBook1.PageIndex() - 1);
}

void TfrmMain::sePngXButton2Click(Component&) {
    Close();
}

void TfrmMain::FormClose(Component&, CloseAction& action) {
    // The box belongs to the application window, as every message box of
    // the program does.
    int answer = MessageBoxA(Application::instance().handle(), texts::closeConfirmation,
                             texts::closeConfirmationCaption, MB_OKCANCEL | MB_ICONQUESTION);
    action = answer == IDOK ? CloseAction::Free : CloseAction::None;
}

void TfrmMain::FormCreate(Component&) {}

void TfrmMain::ApplicationEvents1Exception(Component*, const std::exception&) {}

void TfrmMain::sePngXButton16Click(Component&) {
    Application::instance().Terminate();
}
