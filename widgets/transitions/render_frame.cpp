#include "widgets/transitions/render_frame.h"

#include "widgets/transitions/frame.h"

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

namespace transitions {

namespace {

constexpr std::uint32_t opaqueBlack = 0xFF000000;

void checkFilled(const imaging::Picture& picture) {
    if (picture.width < 0 || picture.height < 0 ||
        picture.pixels.size() <
            static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        throw std::invalid_argument("transition picture has fewer pixels than its size");
}

// The new picture at the old one's size: its top-left part where it
// reaches, black where it does not.
std::vector<std::uint32_t> fitted(const imaging::Picture& to, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, opaqueBlack);
    int columns = std::min(width, to.width);
    int rows = std::min(height, to.height);
    for (int y = 0; y < rows; ++y)
        std::copy_n(to.pixels.begin() + static_cast<std::ptrdiff_t>(y) * to.width, columns,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    return pixels;
}

void paint(const FrameView& frame, const Effect& effect, double progress) {
    switch (effect.kind) {
    case EffectKind::Fade:
        return paintFade(frame, effect, progress);
    case EffectKind::Slide:
        return paintSlide(frame, effect, progress);
    case EffectKind::Push:
        return paintPush(frame, effect, progress);
    case EffectKind::Wipe:
        return paintWipe(frame, effect, progress);
    case EffectKind::Blinds:
        return paintBlinds(frame, effect, progress);
    case EffectKind::Checker:
        return paintChecker(frame, effect, progress);
    case EffectKind::Pixel:
        return paintPixels(frame, effect, progress);
    case EffectKind::Circle:
    case EffectKind::Diamond:
        return paintShape(frame, effect, progress);
    case EffectKind::Rotate:
        return paintRotate(frame, effect, progress);
    }
}

} // namespace

void renderFrame(const Effect& effect, const imaging::Picture& from, const imaging::Picture& to,
                 double progress, imaging::Picture& out) {
    checkFilled(from);
    checkFilled(to);
    const int width = from.width;
    const int height = from.height;
    const std::size_t count = static_cast<std::size_t>(width) * height;

    std::vector<std::uint32_t> resized;
    const std::uint32_t* target = to.pixels.data();
    if (to.width != width || to.height != height) {
        resized = fitted(to, width, height);
        target = resized.data();
    }

    // Drawing into a picture that is also a source would overwrite pixels
    // before they are read, so such a frame is drawn aside first.
    const bool aliased = &out == &from || &out == &to;
    std::vector<std::uint32_t> local;
    std::vector<std::uint32_t>& pixels = aliased ? local : out.pixels;
    pixels.resize(count);

    if (!(progress > 0.0))
        std::copy_n(from.pixels.begin(), count, pixels.begin());
    else if (progress >= 1.0)
        std::copy_n(target, count, pixels.begin());
    else if (count > 0)
        paint({from.pixels.data(), target, pixels.data(), width, height}, effect, progress);

    if (aliased)
        out.pixels = std::move(local);
    out.width = width;
    out.height = height;
    out.premultiplied = from.premultiplied;
}

} // namespace transitions
