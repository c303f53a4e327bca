#pragma once
// The installing page's progress bar: a white bar with a grey rounded border,
// filled from the left in shaded blocks, with the percentage centred on it.
// The whole filled part takes the colour pair of the level the percentage has
// reached. The installation run blocks the message loop, so setting the
// position paints the bar on the spot instead of waiting for WM_PAINT.
#include "widgets/control.h"
#include "widgets/handles.h"

#include <string>

struct LevelColours {
    COLORREF from;
    COLORREF to;
};

// The colour pair of the filled part at `percent` (0 to 100): green below 70,
// yellow below 90, orange below 100, red when complete.
LevelColours progressLevelColours(int percent);

class ProgressBar : public Control {
  public:
    static constexpr int minimum = 0;
    static constexpr int maximum = 100;

    ProgressBar(std::string name, Bounds bounds);

    int position() const { return position_; }
    // Holds the position inside [minimum, maximum] and repaints at once.
    void setPosition(int position);
    int percent() const;

  protected:
    const char* className() const override { return "ZarnikProgressBar"; }
    void paint(HDC dc, const RECT& client) override;

  private:
    void repaintNow();
    void paintBlocks(HDC dc, const RECT& inside) const;
    void paintText(HDC dc, const RECT& client) const;

    UniqueFont font_;
    int position_ = minimum;
};
