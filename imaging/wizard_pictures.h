#pragma once
// The names under which the exe carries its pictures (assets/pictures.rc),
// in the storage order the window's picture lists and face store use.
// Every picture is an RCDATA resource holding the file as it was made; the
// icon group is the exe's main icon and the window icon.
#include <string>

namespace imaging {

constexpr int kPageBackgroundCount = 6; // JPEG, 650 x 400; item k is page k
constexpr int kSlideCount = 4;          // JPEG, 550 x 163, in slideshow order
constexpr int kButtonFaceCount = 21;    // PNG with alpha, "PngImage0" to "PngImage20"

constexpr const char* kMainIconResource = "MAINICON";

inline std::string pageBackgroundResource(int page) {
    return "PAGE" + std::to_string(page);
}

inline std::string slideResource(int index) {
    return "SLIDE" + std::to_string(index);
}

inline std::string buttonFaceResource(int index) {
    return "PNGIMAGE" + std::to_string(index);
}

// The faces of one picture button: indices into the face store.
struct ButtonFaces {
    int normal;
    int hot;
    int down;
};

constexpr ButtonFaces kEnterInstallFaces{0, 1, 2}; // 105 x 45
constexpr ButtonFaces kExitFaces{3, 4, 5};
constexpr ButtonFaces kNextFaces{6, 7, 8};
constexpr ButtonFaces kCancelFaces{9, 10, 11};
constexpr ButtonFaces kBackFaces{12, 13, 14};
constexpr ButtonFaces kBrowseFaces{15, 16, 17}; // 70 x 25
constexpr ButtonFaces kFinishFaces{18, 19, 20};

} // namespace imaging
