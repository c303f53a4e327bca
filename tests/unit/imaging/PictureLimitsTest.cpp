#include "imaging/picture_limits.h"

#include "system/errors.h"

#include <gtest/gtest.h>

using imaging::allocatePicture;
using imaging::kMaxPicturePixels;
using imaging::kMaxPictureSide;

TEST(PictureLimits, AllocatesWithinTheLimits) {
    imaging::Picture p = allocatePicture("PNG", 3, 2);
    EXPECT_EQ(p.width, 3);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.pixels.size(), 6u);
    EXPECT_NO_THROW(allocatePicture("PNG", kMaxPictureSide, 1));
}

TEST(PictureLimits, RejectsEmptyNegativeAndOversizedPictures) {
    const std::int64_t sizes[][2] = {
        {0, 1},
        {1, 0},
        {-1, 5},
        {kMaxPictureSide + 1, 1},
        {1, kMaxPictureSide + 1},
        {kMaxPictureSide, kMaxPicturePixels / kMaxPictureSide + 1},
        {std::int64_t(1) << 40, std::int64_t(1) << 40},
    };
    for (const auto& s : sizes)
        EXPECT_THROW(allocatePicture("PNG", s[0], s[1]), EInvalidGraphic) << s[0] << " x " << s[1];
}
