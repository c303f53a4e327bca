#pragma once
// The wizard's one window: its components, in the order the layout declares
// them, and every event handler. The layout itself (positions, faces,
// wiring) is data in ui/layout.cpp.
#include "package/font_scan.h"
#include "package/text_list.h"
#include "system/registry_accessor.h"
#include "widgets/application_events.h"
#include "widgets/edit_box.h"
#include "widgets/form.h"
#include "widgets/image_box.h"
#include "widgets/image_list.h"
#include "widgets/page_container.h"
#include "widgets/picture_button.h"
#include "widgets/progress_bar.h"
#include "widgets/radio_button.h"
#include "widgets/rich_edit.h"
#include "widgets/string_grid.h"
#include "widgets/timer.h"
#include "widgets/transition_animation.h"
#include "widgets/transparent_label.h"
#include "widgets/window_animation.h"

#include <functional>
#include <string>

class TfrmMain : public Form {
  public:
    TfrmMain();
    ~TfrmMain() override;

  private:
    // The preview pictures of the grid rows; declared first, so they outlive
    // the grid that shows them.
    package::PreviewKeeper previews_;

  public:
    // Components, owned by the window, in declaration order. Members may
    // refer to later ones: they only keep the reference until the handles
    // are created.
    PageContainer seNoteBook1{"seNoteBook1", {0, 0, 650, 400}, seImageList1, seAnimation1};
    ImageList seImageList1{"seImageList1"};
    ImageList sePngImageStorage1{"sePngImageStorage1"};
    PictureButton sePngXButton2{"sePngXButton2", sePngImageStorage1};
    PictureButton sePngXButton1{"sePngXButton1", sePngImageStorage1};
    PictureButton sePngXButton3{"sePngXButton3", sePngImageStorage1};
    PictureButton sePngXButton4{"sePngXButton4", sePngImageStorage1};
    PictureButton sePngXButton5{"sePngXButton5", sePngImageStorage1};
    WindowAnimation seAnimationForm1{"seAnimationForm1", seAnimation1, seAnimation1};
    AnimationList seAnimationList1{"seAnimationList1", {&seAnimation1, &seAnimation2}};
    TransitionAnimation seAnimation1{"seAnimation1"};
    PictureButton sePngXButton6{"sePngXButton6", sePngImageStorage1};
    PictureButton sePngXButton7{"sePngXButton7", sePngImageStorage1};
    PictureButton sePngXButton8{"sePngXButton8", sePngImageStorage1};
    RichEdit RichEdit1{
        "RichEdit1", {35, 96, 580, 201}, "RichEdit1", {"MS Sans Serif", -13, GB2312_CHARSET}};
    RadioButton AdvOfficeRadioButton1{
        "AdvOfficeRadioButton1", {37, 300, 135, 20}, "我接受以上协议", font(), false};
    RadioButton AdvOfficeRadioButton2{
        "AdvOfficeRadioButton2", {37, 321, 135, 20}, "我不接受以上协议", font(), true};
    PictureButton sePngXButton9{"sePngXButton9", sePngImageStorage1};
    PictureButton sePngXButton10{"sePngXButton10", sePngImageStorage1};
    PictureButton sePngXButton11{"sePngXButton11", sePngImageStorage1};
    EditBox Edit1{"Edit1", {496, 137, 129, 21}, font()};
    TransparentLabel acLabel1{"acLabel1", {432, 140, 60, 13}, "安装路径：", font()};
    PictureButton sePngXButton12{"sePngXButton12", sePngImageStorage1};
    TransparentLabel acLabel2{"acLabel2", {432, 104, 96, 13}, "已选择字体款数：", font()};
    TransparentLabel acLabel3{"acLabel3", {432, 192, 84, 13}, "需要硬盘空间：", font()};
    TransparentLabel acLabel4{"acLabel4", {432, 216, 84, 13}, "可用硬盘空间：", font()};
    ImageBox seImage1{"seImage1", {50, 120, 550, 163}, seImageList2, seAnimation2};
    ImageList seImageList2{"seImageList2"};
    ProgressBar AdvProgressBar1{"AdvProgressBar1", {64, 64, 313, 18}};
    Timer Timer1{"Timer1", 2000, false};
    PictureButton sePngXButton13{"sePngXButton13", sePngImageStorage1};
    PictureButton sePngXButton14{"sePngXButton14", sePngImageStorage1};
    PictureButton sePngXButton15{"sePngXButton15", sePngImageStorage1};
    ApplicationEvents ApplicationEvents1{"ApplicationEvents1"};
    TransitionAnimation seAnimation2{"seAnimation2"};
    PictureButton sePngXButton16{"sePngXButton16", sePngImageStorage1};
    StringGrid AdvStringGrid1{"AdvStringGrid1", {16, 56, 401, 265}};
    Timer Timer2{"Timer2", 2000, false};
    Timer Timer3{"Timer3", 500, false};

    // Event handlers, named after the control and the event they serve.
    void sePngXButton1Click(Component& sender);
    void sePngXButton5Click(Component& sender);
    void sePngXButton2Click(Component& sender);
    void FormClose(Component& sender, CloseAction& action);
    void FormCreate(Component& sender);
    void AdvOfficeRadioButton2Click(Component& sender);
    void Timer1Timer(Component& sender);
    void ApplicationEvents1Exception(Component* sender, const std::exception& error);
    void sePngXButton16Click(Component& sender);
    void AdvStringGrid1CheckBoxClick(Component& sender, int col, int row, bool state);
    void Timer2Timer(Component& sender);
    void seNoteBook1PageChanged(Component& sender);
    void Timer3Timer(Component& sender);

    // The installation run the start timer calls. The real run by default;
    // the tests put in runs of their own to walk the installing page.
    std::function<bool(const package::TextList& selection)> InstallRun;

    void Show() override;
    void Hide() override;

  private:
    void buildLayout();
    void layoutGrid();
    void createComponents();
    void wireEvents();
    bool installSelectedFonts(const package::TextList& selection);
};

extern TfrmMain* frmMain;

// The shared objects of the unit, created in this order before the program
// entry runs.
extern package::TextList FontSelection;
extern package::TextList FontCatalogue;
extern std::string AppDir;
extern sys::RegistryAccessor FontRegistry;

extern int FontFileCount;
extern int SelectedFontCount;
extern int SlideIndex;
