#include "widgets/image_list.h"

void ImageList::add(const imaging::Picture& picture) {
    surfaces_.push_back(std::make_unique<Surface>(picture));
}

const Surface* ImageList::at(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return surfaces_[index].get();
}
