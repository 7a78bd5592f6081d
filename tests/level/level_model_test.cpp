#include "level.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupLevel, HasBlackTilesWhiteFacesAndNoMarkers) {
    Level level;
    SetStartupValues(level);
    for (auto tile : level.Map.bytes) {
        EXPECT_EQ(tile, 0);
    }
    for (auto face : level.CubeColor) {
        EXPECT_EQ(face, 7);
    }
    EXPECT_EQ(level.CurrentColor, 7);
    EXPECT_EQ(level.EditMode, PaintTiles);
    EXPECT_FALSE(level.Unsaved);
    EXPECT_EQ(level.StartX, NOT_PLACED);
    EXPECT_EQ(level.StartY, NOT_PLACED);
    EXPECT_EQ(level.EndX, NOT_PLACED);
    EXPECT_EQ(level.EndY, NOT_PLACED);
}

} // namespace
