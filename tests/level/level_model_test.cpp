#include "case_name.h"
#include "level.h"
#include "level_equality.h"
#include "sample_levels.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace {

using level_test::CaseName;
using level_test::EditingLevel;
using level_test::SameLevel;

// Starting from a level that is dirty in every field shows that start-up sets
// each one rather than relying on a freshly constructed record.
TEST(StartupLevel, ResetsEveryFieldOfADirtyLevel) {
    Level level = EditingLevel();
    level.ColorTable.fill(Rgb{9, 9, 9});

    SetStartupValues(level);

    Level expected;
    expected.Unsaved = false;
    expected.Map.bytes.fill(0);
    expected.EditMode = PaintTiles;
    expected.CurrentColor = 7;
    expected.ColorTable.fill(Rgb{0, 0, 0});
    expected.ColorTable[1] = Rgb{255, 0, 0};
    expected.ColorTable[2] = Rgb{0, 255, 0};
    expected.ColorTable[3] = Rgb{0, 0, 255};
    expected.ColorTable[4] = Rgb{255, 255, 0};
    expected.ColorTable[5] = Rgb{255, 0, 255};
    expected.ColorTable[6] = Rgb{0, 255, 255};
    expected.ColorTable[7] = Rgb{255, 255, 255};
    expected.CubeColor.fill(7);
    expected.StartX = 255;
    expected.StartY = 255;
    expected.EndX = 255;
    expected.EndY = 255;
    EXPECT_TRUE(SameLevel(expected, level));
}

struct ColorCase {
    const char* name;
    std::size_t index;
    Rgb color;
};

class ColorTableTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ColorTableTest, LooksUpTheColourOfAnIndex) {
    Level level = EditingLevel();
    level.ColorTable.fill(Rgb{9, 9, 9});
    SetStartupValues(level);

    ASSERT_EQ(level.ColorTable.size(), 701u);
    const Rgb color = LookUpColor(level, GetParam().index);
    EXPECT_EQ(color, GetParam().color)
        << "got (" << +color.r << ", " << +color.g << ", " << +color.b << ")";
}

INSTANTIATE_TEST_SUITE_P(
    EightColoursThenBlack, ColorTableTest,
    ::testing::Values(ColorCase{"Black", 0, {0, 0, 0}}, ColorCase{"Red", 1, {255, 0, 0}},
                      ColorCase{"Green", 2, {0, 255, 0}}, ColorCase{"Blue", 3, {0, 0, 255}},
                      ColorCase{"Yellow", 4, {255, 255, 0}}, ColorCase{"Magenta", 5, {255, 0, 255}},
                      ColorCase{"Cyan", 6, {0, 255, 255}}, ColorCase{"White", 7, {255, 255, 255}},
                      ColorCase{"FirstUnused8", 8, {0, 0, 0}},
                      ColorCase{"LargestByte255", 255, {0, 0, 0}},
                      ColorCase{"Last700", 700, {0, 0, 0}}),
    CaseName());

// Only the column decides: a column of 255 is unplaced whatever the row holds,
// and any other column counts as placed, even one off the map.
TEST(Markers, ColumnAloneDecidesWhetherPlaced) {
    EXPECT_FALSE(IsPlaced(NOT_PLACED));
    for (const std::uint8_t column : std::initializer_list<std::uint8_t>{0, 4, 15, 16, 200, 254}) {
        EXPECT_TRUE(IsPlaced(column)) << "column " << +column;
    }
}

TEST(Markers, OnlyColumnsAndRowsUpTo15AreOnTheMap) {
    EXPECT_TRUE(IsOnMap(0, 0));
    EXPECT_TRUE(IsOnMap(15, 15));
    EXPECT_FALSE(IsOnMap(16, 0));
    EXPECT_FALSE(IsOnMap(0, 16));
    EXPECT_FALSE(IsOnMap(4, 255));
    EXPECT_FALSE(IsOnMap(255, 3));
}

} // namespace
