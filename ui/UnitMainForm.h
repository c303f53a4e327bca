#pragma once
// The wizard's one window, its components and every event handler.
#include "widgets/form.h"

class TfrmMain : public Form {
  public:
    TfrmMain();

    // Event handlers, named after the control and the event they serve.
    void FormCreate(Component& sender);
    void FormClose(Component& sender, CloseAction& action);

  private:
    void wireEvents();
};

extern TfrmMain* frmMain;
