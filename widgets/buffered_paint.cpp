#include "widgets/buffered_paint.h"

namespace {

RECT clientOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

} // namespace

BufferedPaint::BufferedPaint(HWND window)
    : window_(window), paintDc_(BeginPaint(window, &paint_)), client_(clientOf(window)),
      memoryDc_(CreateCompatibleDC(paintDc_)),
      bitmap_(CreateCompatibleBitmap(paintDc_, client_.right > 0 ? client_.right : 1,
                                     client_.bottom > 0 ? client_.bottom : 1)),
      selection_(memoryDc_.get(), bitmap_.get()) {}

BufferedPaint::~BufferedPaint() {
    BitBlt(paintDc_, 0, 0, client_.right, client_.bottom, memoryDc_.get(), 0, 0, SRCCOPY);
    EndPaint(window_, &paint_);
}
