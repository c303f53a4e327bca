#include "ui/UnitMainForm.h"

#include "ui/layout.h"
#include "ui/texts.h"

#include "imaging/resource_win.h"
#include "imaging/wizard_pictures.h"
#include "install/install_fonts.h"
#include "package/disk_space.h"
#include "package/figure_format.h"
#include "package/selection_recount.h"
#include "system/ansi_path.h"
#include "system/win32_system.h"
#include "widgets/application.h"

namespace {

// The platform every shared object works through; it must exist first.
sys::Win32System platform;

void loadPictures(ImageList& backgrounds, ImageList& faces, ImageList& slides) {
    for (int page = 0; page < imaging::kPageBackgroundCount; ++page)
        backgrounds.add(imaging::loadPageBackground(page));
    for (int face = 0; face < imaging::kButtonFaceCount; ++face)
        faces.add(imaging::loadButtonFace(face));
    for (int slide = 0; slide < imaging::kSlideCount; ++slide)
        slides.add(imaging::loadSlide(slide));
}

} // namespace

package::TextList FontSelection(platform);
package::TextList FontCatalogue(platform);
std::string AppDir = sys::AppDir(platform);
sys::RegistryAccessor FontRegistry(platform);

int FontFileCount = 0;
int SelectedFontCount = 0;
int SlideIndex = 0;

TfrmMain* frmMain = nullptr;

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
    layoutGrid();
}

// The grid as the layout leaves it: ten rows of which nine are empty, the
// header in row 0, 22 pixels a row with 30 for row 1.
void TfrmMain::layoutGrid() {
    StringGrid& grid = AdvStringGrid1;
    grid.setColWidths({20, 40, 140, 168});
    grid.setFixedRows(1);
    grid.setRowCount(10);
    grid.setDefaultRowHeight(22);
    grid.setRowHeight(1, 30);
    grid.setCellFont({"微软雅黑", -15, false, ANSI_CHARSET});
    grid.setHeaderFont({"Tahoma", -11, true, DEFAULT_CHARSET});
    grid.setGridLineColor(RGB(240, 236, 236));
    grid.setFixedLineColor(RGB(209, 210, 212));
    grid.setCell(1, 0, texts::headerNumber);
    grid.setCell(2, 0, texts::headerName);
    grid.setCell(3, 0, texts::headerPreview);
}

void TfrmMain::wireEvents() {
    OnCreate = [this](Component& sender) { FormCreate(sender); };
    OnClose = [this](Component& sender, CloseAction& action) { FormClose(sender, action); };
    for (const ButtonLayout& layout : buttonLayout()) {
        if (auto handler = layout.onClick)
            (this->*layout.button).OnClick = [this, handler](Component& s) { (this->*handler)(s); };
    }
    for (RadioButton* radio : {&AdvOfficeRadioButton1, &AdvOfficeRadioButton2})
        radio->OnClick = [this](Component& sender) { AdvOfficeRadioButton2Click(sender); };
    AdvStringGrid1.OnCheckBoxClick = [this](Component& sender, int col, int row, bool state) {
        AdvStringGrid1CheckBoxClick(sender, col, row, state);
    };
    seNoteBook1.OnPageChanged = [this](Component& sender) { seNoteBook1PageChanged(sender); };
    Timer1.OnTimer = [this](Component& sender) { Timer1Timer(sender); };
    Timer2.OnTimer = [this](Component& sender) { Timer2Timer(sender); };
    Timer3.OnTimer = [this](Component& sender) { Timer3Timer(sender); };
    ApplicationEvents1.OnException = [this](Component* sender, const std::exception& error) {
        ApplicationEvents1Exception(sender, error);
    };
    InstallRun = [this](const package::TextList& selection) {
        return installSelectedFonts(selection);
    };
}

// Handles are made in declaration order, each control on its page, so the
// order of creation is the tab order within a page.
void TfrmMain::createComponents() {
    seNoteBook1.createPages(hwnd());
    for (const ButtonLayout& layout : buttonLayout())
        (this->*layout.button).createHandle(seNoteBook1.page(layout.page).hwnd());
    HWND licencePage = seNoteBook1.page(2).hwnd();
    RichEdit1.createHandle(licencePage);
    AdvOfficeRadioButton1.createHandle(licencePage);
    AdvOfficeRadioButton2.createHandle(licencePage);
    HWND selectionPage = seNoteBook1.page(3).hwnd();
    Edit1.createHandle(selectionPage);
    for (TransparentLabel* label : {&acLabel1, &acLabel2, &acLabel3, &acLabel4})
        label->createHandle(selectionPage);
    HWND installingPage = seNoteBook1.page(4).hwnd();
    seImage1.createHandle(installingPage);
    AdvProgressBar1.createHandle(installingPage);
    AdvStringGrid1.createHandle(selectionPage);
    for (Timer* timer : {&Timer1, &Timer2, &Timer3})
        timer->createHandle();
}

bool TfrmMain::installSelectedFonts(const package::TextList& selection) {
    return install::InstallSelectedFonts(
        selection, FontCatalogue, AppDir, SelectedFontCount, FontRegistry, platform,
        [this](int position) { AdvProgressBar1.setPosition(position); });
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

// Seven steps; an exception ends the sequence where it arises, and the
// window opens with the rest in its layout state.
void TfrmMain::FormCreate(Component&) {
    Control::Bounds viewer = RichEdit1.bounds();
    viewer.left = seNoteBook1.bounds().width / 2 - viewer.width / 2;
    RichEdit1.setBounds(viewer);
    RichEdit1.LoadFromFile(texts::licenceFile);

    Edit1.setText(texts::targetFolder);
    acLabel4.setCaption(package::freeSpaceText(platform));
    package::loadCatalogue(FontCatalogue, AppDir);

    package::FontFileList files = package::listPackageFonts(platform, AppDir);
    FontFileCount = files.fontFileCount;
    SelectedFontCount = files.selectedFontCount;
    AdvStringGrid1.setRowCount(FontFileCount + 1);
    acLabel2.setCaption(package::selectedCountText(SelectedFontCount));
    AdvStringGrid1.setDefaultRowHeight(package::fontRowHeight);

    package::fillFontRows(files.names, FontCatalogue, FontSelection, AppDir, platform,
                          AdvStringGrid1, previews_);
    acLabel3.setCaption(package::requiredSpaceText(FontSelection, FontCatalogue, AppDir, platform));
}

void TfrmMain::AdvOfficeRadioButton2Click(Component&) {
    sePngXButton7.setEnabled(AdvOfficeRadioButton1.checked());
}

void TfrmMain::Timer1Timer(Component&) {
    seImage1.setImageIndex(SlideIndex);
    ++SlideIndex;
    if (SlideIndex == 4)
        SlideIndex = 0;
}

void TfrmMain::ApplicationEvents1Exception(Component*, const std::exception&) {}

void TfrmMain::sePngXButton16Click(Component&) {
    Application::instance().Terminate();
}

// Rewrites the selection from every box, not only the one that flipped.
void TfrmMain::AdvStringGrid1CheckBoxClick(Component&, int, int, bool) {
    SelectedFontCount = package::recountSelection(AdvStringGrid1, FontSelection);
    acLabel2.setCaption(package::selectedCountText(SelectedFontCount));
    acLabel3.setCaption(package::requiredSpaceText(FontSelection, FontCatalogue, AppDir, platform));
}

void TfrmMain::Timer2Timer(Component&) {
    Timer2.setEnabled(false);
    Timer1.setEnabled(true);
    if (InstallRun(FontSelection)) {
        sePngXButton14.setEnabled(true);
        Timer3.setEnabled(true);
    }
}

void TfrmMain::seNoteBook1PageChanged(Component&) {
    if (seNoteBook1.PageIndex() == 4)
        Timer2.setEnabled(true);
}

void TfrmMain::Timer3Timer(Component&) {
    Timer3.setEnabled(false);
    sePngXButton1Click(Timer3);
}
