#pragma once
// A picture box showing one picture of a list; changing the index shows the
// new picture with a transition.
#include "widgets/control.h"

class ImageList;
class TransitionAnimation;

class ImageBox : public Control {
  public:
    ImageBox(std::string name, Bounds bounds, const ImageList& images,
             TransitionAnimation& animation);

    int ImageIndex() const { return imageIndex_; }
    // The same index changes nothing; another index of the list shows that
    // picture through the box's transition.
    void setImageIndex(int index);

  protected:
    const char* className() const override { return "ZarnikImageBox"; }
    void paint(HDC dc, const RECT& client) override;

  private:
    const ImageList& images_;
    TransitionAnimation& animation_;
    int imageIndex_ = 0;
    bool playing_ = false;
};
