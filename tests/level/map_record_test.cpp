#include "case_name.h"
#include "level_equality.h"
#include "map_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using level_test::CaseName;
using level_test::SameLevel;

// One byte of the record and the field of the level that it holds.
struct FieldAtOffset {
    const char* name;
    std::size_t offset;
    std::uint8_t& (*field)(Level&);
};

constexpr std::uint8_t kValue = 4;

class MapRecordFieldTest : public ::testing::TestWithParam<FieldAtOffset> {};

TEST_P(MapRecordFieldTest, EncodePutsTheFieldAtItsOffsetAlone) {
    Level level{}; // every field of the record 0
    GetParam().field(level) = kValue;

    const MapRecord record = EncodeRecord(level);

    ASSERT_TRUE(std::equal(MAP_MAGIC.begin(), MAP_MAGIC.end(), record.begin()));
    for (std::size_t offset = MAP_MAGIC.size(); offset < MAP_FILE_SIZE; ++offset) {
        const std::uint8_t expected = offset == GetParam().offset ? kValue : 0;
        EXPECT_EQ(record[offset], expected) << "offset " << offset;
    }
}

TEST_P(MapRecordFieldTest, DecodeTakesTheFieldFromItsOffset) {
    std::vector<std::uint8_t> bytes(MAP_FILE_SIZE, 0);
    std::copy(MAP_MAGIC.begin(), MAP_MAGIC.end(), bytes.begin());
    bytes[GetParam().offset] = kValue;
    // Every byte of the level proper starts away from 0, so that a field left
    // unwritten shows as well as one written from the wrong offset.
    Level level{};
    level.Map.bytes.fill(9);
    level.CubeColor.fill(9);
    level.StartX = level.StartY = level.EndX = level.EndY = 9;
    Level expected{};
    GetParam().field(expected) = kValue;

    ASSERT_EQ(DecodeRecord(bytes, level), MapReadStatus::Loaded);

    EXPECT_TRUE(SameLevel(expected, level));
}

INSTANTIATE_TEST_SUITE_P(
    FileOrder, MapRecordFieldTest,
    ::testing::Values(
        FieldAtOffset{"TopFace", 8, [](Level& l) -> std::uint8_t& { return l.CubeColor[0]; }},
        FieldAtOffset{"LeftFace", 9, [](Level& l) -> std::uint8_t& { return l.CubeColor[1]; }},
        FieldAtOffset{"RightFace", 11, [](Level& l) -> std::uint8_t& { return l.CubeColor[3]; }},
        FieldAtOffset{"BottomFace", 13, [](Level& l) -> std::uint8_t& { return l.CubeColor[5]; }},
        FieldAtOffset{"StartX", 14, [](Level& l) -> std::uint8_t& { return l.StartX; }},
        FieldAtOffset{"StartY", 15, [](Level& l) -> std::uint8_t& { return l.StartY; }},
        FieldAtOffset{"EndX", 16, [](Level& l) -> std::uint8_t& { return l.EndX; }},
        FieldAtOffset{"EndY", 17, [](Level& l) -> std::uint8_t& { return l.EndY; }},
        FieldAtOffset{"Tile0_0", 18, [](Level& l) -> std::uint8_t& { return l.Map(0, 0); }},
        FieldAtOffset{"Tile1_0", 19, [](Level& l) -> std::uint8_t& { return l.Map(1, 0); }},
        FieldAtOffset{"Tile15_0", 33, [](Level& l) -> std::uint8_t& { return l.Map(15, 0); }},
        FieldAtOffset{"Tile0_1", 34, [](Level& l) -> std::uint8_t& { return l.Map(0, 1); }},
        FieldAtOffset{"Tile15_15", 273, [](Level& l) -> std::uint8_t& { return l.Map(15, 15); }}),
    CaseName());

} // namespace
