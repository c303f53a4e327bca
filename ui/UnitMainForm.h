#pragma once
// The wizard's one window: its components, in the order the layout declares
// them, and every event handler. The layout itself (positions, faces,
// wiring) is data in ui/layout.cpp.
#include "widgets/application_events.h"
#include "widgets/form.h"
#include "widgets/image_list.h"
#include "widgets/page_container.h"
#include "widgets/picture_button.h"
#include "widgets/timer.h"
#include "widgets/transition_animation.h"
#include "widgets/window_animation.h"

class TfrmMain : public Form {
  public:
    TfrmMain();
    ~TfrmMain() override;

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
    PictureButton sePngXButton9{"sePngXButton9", sePngImageStorage1};
    PictureButton sePngXButton10{"sePngXButton10", sePngImageStorage1};
    PictureButton sePngXButton11{"sePngXButton11", sePngImageStorage1};
    PictureButton sePngXButton12{"sePngXButton12", sePngImageStorage1};
    ImageList seImageList2{"seImageList2"};
    Timer Timer1{"Timer1", 2000, false};
    PictureButton sePngXButton13{"sePngXButton13", sePngImageStorage1};
    PictureButton sePngXButton14{"sePngXButton14", sePngImageStorage1};
    PictureButton sePngXButton15{"sePngXButton15", sePngImageStorage1};
    ApplicationEvents ApplicationEvents1{"ApplicationEvents1"};
    TransitionAnimation seAnimation2{"seAnimation2"};
    PictureButton sePngXButton16{"sePngXButton16", sePngImageStorage1};
    Timer Timer2{"Timer2", 2000, false};
    Timer Timer3{"Timer3", 500, false};

    // Event handlers, named after the control and the event they serve.
    void sePngXButton1Click(Component& sender);
    void sePngXButton5Click(Component& sender);
    void sePngXButton2Click(Component& sender);
    void FormClose(Component& sender, CloseAction& action);
    void FormCreate(Component& sender);
    void ApplicationEvents1Exception(Component* sender, const std::exception& error);
    void sePngXButton16Click(Component& sender);

    void Show() override;
    void Hide() override;

  private:
    void buildLayout();
    void createComponents();
    void wireEvents();
};

extern TfrmMain* frmMain;
