#pragma once
// The window layout as data: the pages with their backgrounds and every
// picture button with its page, position, faces, visibility, initial state
// and click handler.
#include "widgets/picture_button.h"

#include <vector>

class TfrmMain;

struct PageLayout {
    const char* name;
    int background;
};

struct ButtonLayout {
    PictureButton TfrmMain::*button;
    int page;
    int left, top;
    ButtonFaces faces;
    bool visible;
    bool enabled;
    // Null for the browse button, which does nothing.
    void (TfrmMain::*onClick)(Component& sender);
};

const std::vector<PageLayout>& pageLayout();
const std::vector<ButtonLayout>& buttonLayout();

// The size of a button whose faces are not in the store.
SIZE fallbackButtonSize(const ButtonLayout& layout);
