#include "ui/layout.h"

#include "ui/UnitMainForm.h"

#include "imaging/wizard_pictures.h"

namespace {

constexpr ButtonFaces faces(imaging::ButtonFaces stored) {
    return {stored.normal, stored.hot, stored.down};
}

constexpr ButtonFaces enterFaces = faces(imaging::kEnterInstallFaces);
constexpr ButtonFaces exitFaces = faces(imaging::kExitFaces);
constexpr ButtonFaces nextFaces = faces(imaging::kNextFaces);
constexpr ButtonFaces cancelFaces = faces(imaging::kCancelFaces);
constexpr ButtonFaces backFaces = faces(imaging::kBackFaces);
constexpr ButtonFaces browseFaces = faces(imaging::kBrowseFaces);
constexpr ButtonFaces finishFaces = faces(imaging::kFinishFaces);

using F = TfrmMain;

} // namespace

const std::vector<PageLayout>& pageLayout() {
    static const std::vector<PageLayout> pages{
        {"Default", 0}, {"Page1", 1}, {"Page2", 2}, {"Page3", 3}, {"Page4", 4}, {"Page5", 5},
    };
    return pages;
}

const std::vector<ButtonLayout>& buttonLayout() {
    static const std::vector<ButtonLayout> buttons{
        {&F::sePngXButton1, 0, 504, 240, enterFaces, true, true, &F::sePngXButton1Click},
        {&F::sePngXButton2, 0, 504, 296, exitFaces, true, true, &F::sePngXButton2Click},
        {&F::sePngXButton5, 1, 256, 340, backFaces, true, true, &F::sePngXButton5Click},
        {&F::sePngXButton3, 1, 392, 340, nextFaces, true, true, &F::sePngXButton1Click},
        {&F::sePngXButton4, 1, 528, 340, cancelFaces, true, true, &F::sePngXButton2Click},
        {&F::sePngXButton6, 2, 256, 340, backFaces, true, true, &F::sePngXButton5Click},
        {&F::sePngXButton7, 2, 392, 340, nextFaces, true, false, &F::sePngXButton1Click},
        {&F::sePngXButton8, 2, 528, 340, cancelFaces, true, true, &F::sePngXButton2Click},
        {&F::sePngXButton9, 3, 256, 340, backFaces, true, true, &F::sePngXButton5Click},
        {&F::sePngXButton11, 3, 392, 340, nextFaces, true, true, &F::sePngXButton1Click},
        {&F::sePngXButton10, 3, 528, 340, cancelFaces, true, true, &F::sePngXButton2Click},
        {&F::sePngXButton12, 3, 560, 167, browseFaces, false, true, nullptr},
        {&F::sePngXButton13, 4, 256, 340, backFaces, false, true, &F::sePngXButton5Click},
        {&F::sePngXButton14, 4, 392, 340, nextFaces, true, false, &F::sePngXButton1Click},
        {&F::sePngXButton15, 4, 528, 340, cancelFaces, true, true, &F::sePngXButton2Click},
        {&F::sePngXButton16, 5, 392, 340, finishFaces, true, true, &F::sePngXButton16Click},
    };
    return buttons;
}

SIZE fallbackButtonSize(const ButtonLayout& layout) {
    bool browse = layout.faces.normal == browseFaces.normal;
    return browse ? SIZE{70, 25} : SIZE{105, 45};
}
