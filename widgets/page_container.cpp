#include "widgets/page_container.h"

#include "widgets/image_list.h"
#include "widgets/surface.h"
#include "widgets/transition_animation.h"
#include "widgets/window_capture.h"

namespace {

void fillPlain(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

bool takesFocus(HWND window) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & WS_TABSTOP) && IsWindowVisible(window) && IsWindowEnabled(window);
}

// The first control in tab order (creation order) on `page` that can take
// the focus, looking into nested controls too.
HWND firstFocusable(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (takesFocus(child))
            return child;
        if (HWND inner = firstFocusable(child))
            return inner;
    }
    return nullptr;
}

} // namespace

Page::Page(std::string name, Bounds bounds, const ImageList& backgrounds, int backgroundIndex)
    : Control(std::move(name), bounds), backgrounds_(backgrounds),
      backgroundIndex_(backgroundIndex) {}

void Page::paint(HDC dc, const RECT& client) {
    const Surface* picture = backgrounds_.at(backgroundIndex_);
    if (!picture) {
        fillPlain(dc, client);
        return;
    }
    for (int y = 0; y < client.bottom; y += picture->height())
        for (int x = 0; x < client.right; x += picture->width())
            picture->draw(dc, x, y);
}

PageContainer::PageContainer(std::string name, Bounds bounds, const ImageList& backgrounds,
                             TransitionAnimation& animation)
    : Control(std::move(name), bounds), backgrounds_(backgrounds), animation_(animation) {}

Page& PageContainer::addPage(const std::string& pageName, int backgroundIndex) {
    const Bounds& own = bounds();
    pages_.push_back(std::make_unique<Page>(pageName, Bounds{0, 0, own.width, own.height},
                                            backgrounds_, backgroundIndex));
    pages_.back()->setVisible(pages_.size() - 1 == std::size_t(pageIndex_));
    return *pages_.back();
}

void PageContainer::createPages(HWND parent) {
    createHandle(parent);
    for (auto& page : pages_)
        page->createHandle(hwnd());
}

void PageContainer::paint(HDC dc, const RECT& client) {
    fillPlain(dc, client);
}

void PageContainer::setPageIndex(int index) {
    imaging::Picture present = captureWindow(hwnd());
    animation_.play(hwnd(), present, [this, index] {
        if (index != pageIndex_ && index >= 0 && index < pageCount())
            switchTo(index);
    });
}

void PageContainer::switchTo(int index) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus))
        SetFocus(hwnd());
    Page& shown = *pages_[pageIndex_];
    Page& next = *pages_[index];
    SetWindowPos(next.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    next.setVisible(true);
    shown.setVisible(false);
    pageIndex_ = index;
    moveFocusInto(index);
    if (OnPageChanged)
        OnPageChanged(*this);
}

void PageContainer::moveFocusInto(int index) {
    if (GetFocus() != hwnd())
        return;
    if (HWND first = firstFocusable(pages_[index]->hwnd()))
        SetFocus(first);
}
