#include "canvas_image.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasImage, StartsBlack) {
    CanvasImage image;
    EXPECT_EQ(image.PixelAt(0, 0), kBlack);
    EXPECT_EQ(image.PixelAt(255, 255), kBlack);
}

} // namespace
