#pragma once
// An ordered list of pictures kept ready for drawing: the page backgrounds
// and the slideshow pictures.
#include "imaging/picture.h"
#include "widgets/component.h"
#include "widgets/surface.h"

#include <memory>
#include <vector>

class ImageList : public Component {
  public:
    explicit ImageList(std::string name) : Component(std::move(name)) {}

    void add(const imaging::Picture& picture);
    int count() const { return static_cast<int>(surfaces_.size()); }
    // The picture at `index`, or null when the list has none there.
    const Surface* at(int index) const;

  private:
    std::vector<std::unique_ptr<Surface>> surfaces_;
};
