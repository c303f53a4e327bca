#pragma once
// The page container of the wizard: pages laid one over another, one shown at
// a time, each painting its background picture tiled from the top-left. A
// page change plays the container's transition.
#include "widgets/control.h"

#include <functional>
#include <memory>
#include <vector>

class ImageList;
class TransitionAnimation;

class Page : public Control {
  public:
    Page(std::string name, Bounds bounds, const ImageList& backgrounds, int backgroundIndex);

  protected:
    const char* className() const override { return "ZarnikPage"; }
    DWORD style() const override { return WS_CLIPCHILDREN; }
    std::string windowText() const override { return name(); }
    void paint(HDC dc, const RECT& client) override;

  private:
    const ImageList& backgrounds_;
    int backgroundIndex_;
};

class PageContainer : public Control {
  public:
    PageContainer(std::string name, Bounds bounds, const ImageList& backgrounds,
                  TransitionAnimation& animation);

    // Adds a page (before the handle exists) and returns it.
    Page& addPage(const std::string& pageName, int backgroundIndex);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    Page& page(int index) { return *pages_.at(index); }

    int PageIndex() const { return pageIndex_; }
    // Shows page `index` behind the cover, fires OnPageChanged, then plays
    // the transition. An index out of range or the page shown changes
    // nothing, but the transition still plays.
    void setPageIndex(int index);

    std::function<void(Component& sender)> OnPageChanged;

    // Creates the container's HWND and every page's, showing the current page.
    void createPages(HWND parent);

  protected:
    const char* className() const override { return "ZarnikPageContainer"; }
    DWORD style() const override { return WS_CLIPCHILDREN | WS_TABSTOP; }
    void paint(HDC dc, const RECT& client) override;

  private:
    void switchTo(int index);
    void moveFocusInto(int index);

    const ImageList& backgrounds_;
    TransitionAnimation& animation_;
    std::vector<std::unique_ptr<Page>> pages_;
    int pageIndex_ = 0;
};
