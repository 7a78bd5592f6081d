// kubrel-map check: one line per file and the exit status, for a good file,
// each way a file fails to load and each oddity a loaded level may carry.

#include "map_tool_runner.h"

#include <algorithm>
#include <functional>

namespace maptool_test {
namespace {

// Puts the file to check into the test's folder and returns its path.
using MakeFile = std::function<std::string(const fs::path& folder)>;

struct CheckCase {
    std::string name;
    std::function<void(Level&)> change; // applied to GoodLevel
    std::string expected;               // what follows "PATH: "
    int status;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class MapCheckOneLevel : public MapToolTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(MapCheckOneLevel, PrintsOneLineAndTheStatus) {
    const CheckCase& c = GetParam();
    Level level = GoodLevel();
    c.change(level);
    const std::string path = WriteMap("level.map", level);

    const RunResult result = Run({"check", path});

    EXPECT_EQ(result.out, path + ": " + c.expected + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, c.status);
}

// A white board leaves colour 7 in every tile, so an off-by-one at the top of
// the range shows.
void WhiteBoard(Level& level) {
    level.Map.bytes.fill(7);
}

INSTANTIATE_TEST_SUITE_P(
    Oddities, MapCheckOneLevel,
    ::testing::Values(
        CheckCase{"good", WhiteBoard, "ok", 0},
        CheckCase{"good_corners",
                  [](Level& l) { l.StartX = 15, l.StartY = 0, l.EndX = 0, l.EndY = 15; }, "ok", 0},
        CheckCase{"start_not_placed",
                  [](Level& l) { l.StartX = NOT_PLACED, l.StartY = NOT_PLACED; },
                  "start not placed", 1},
        // The column alone decides, as in the editor: a row of 255 under a real
        // column is a placed marker off the board.
        CheckCase{"start_column_unplaced_row_kept",
                  [](Level& l) { l.StartX = NOT_PLACED, l.StartY = 3; }, "start not placed", 1},
        CheckCase{"start_row_unplaced", [](Level& l) { l.StartX = 4, l.StartY = NOT_PLACED; },
                  "start at (4, 255) outside 0-15", 1},
        CheckCase{"end_not_placed", [](Level& l) { l.EndX = NOT_PLACED, l.EndY = NOT_PLACED; },
                  "end not placed", 1},
        CheckCase{"end_column_off_board", [](Level& l) { l.EndX = 16, l.EndY = 0; },
                  "end at (16, 0) outside 0-15", 1},
        CheckCase{"end_row_off_board", [](Level& l) { l.EndX = 3, l.EndY = 200; },
                  "end at (3, 200) outside 0-15", 1},
        // (5, 1) comes first in the file; (0, 2) would come first column by column.
        CheckCase{"tile_colours",
                  [](Level& l) {
                      WhiteBoard(l);
                      l.Map(5, 1) = 8, l.Map(0, 2) = 255, l.Map(2, 3) = 200;
                  },
                  "3 tile colours outside 0-7, first at (5, 1)", 1},
        CheckCase{"one_tile_colour_in_last_tile", [](Level& l) { l.Map(15, 15) = 8; },
                  "1 tile colour outside 0-7, at (15, 15)", 1},
        CheckCase{"cube_colours", [](Level& l) { l.CubeColor[2] = 8, l.CubeColor[5] = 200; },
                  "2 cube colours outside 0-7, first on the Back face", 1},
        CheckCase{"one_cube_colour", [](Level& l) { l.CubeColor[5] = 255; },
                  "1 cube colour outside 0-7, on the Bottom face", 1},
        CheckCase{"every_oddity",
                  [](Level& l) {
                      l.StartX = NOT_PLACED, l.EndX = 20, l.EndY = 1;
                      l.Map(0, 0) = 9, l.CubeColor[0] = 9;
                  },
                  "start not placed; end at (20, 1) outside 0-15; "
                  "1 tile colour outside 0-7, at (0, 0); 1 cube colour outside 0-7, on the "
                  "Top face",
                  1}),
    RowName<CheckCase>);

struct UnreadableCase {
    std::string name;
    MakeFile make;
    std::string expected; // what follows "PATH: "
};

void PrintTo(const UnreadableCase& c, std::ostream* os) {
    *os << c.name;
}

class MapCheckUnreadable : public MapToolTest,
                           public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(MapCheckUnreadable, SaysWhyTheFileDidNotLoad) {
    const UnreadableCase& c = GetParam();
    const std::string path = c.make(Folder());

    const RunResult result = Run({"check", path});

    EXPECT_EQ(result.out, path + ": " + c.expected + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.status, 1);
}

std::string WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    WriteBytes(path, bytes);
    return path.string();
}

std::vector<std::uint8_t> RecordWithMagic(const char (&magic)[9]) {
    const MapRecord record = EncodeRecord(GoodLevel());
    std::vector<std::uint8_t> bytes(record.begin(), record.end());
    std::copy(magic, magic + 8, bytes.begin());
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, MapCheckUnreadable,
    ::testing::Values(
        UnreadableCase{
            "magic_in_other_case",
            [](const fs::path& f) { return WriteFile(f / "a.map", RecordWithMagic("kuBmAp10")); },
            "not a map file"},
        UnreadableCase{"empty", [](const fs::path& f) { return WriteFile(f / "e.map", {}); },
                       "not a map file"},
        UnreadableCase{"cut_short",
                       [](const fs::path& f) { return WriteMapAt(f / "c.map", GoodLevel(), 100); },
                       "incomplete (100 of 274 bytes)"},
        UnreadableCase{"one_byte_short",
                       [](const fs::path& f) { return WriteMapAt(f / "c.map", GoodLevel(), 273); },
                       "incomplete (273 of 274 bytes)"},
        UnreadableCase{"missing", [](const fs::path& f) { return (f / "none.map").string(); },
                       "cannot be read: No such file or directory"},
        UnreadableCase{"a_folder",
                       [](const fs::path& f) {
                           fs::create_directory(f / "folder.map");
                           return (f / "folder.map").string();
                       },
                       "cannot be read: Is a directory"}),
    RowName<UnreadableCase>);

using MapCheckManyFiles = MapToolTest;

TEST_F(MapCheckManyFiles, PrintsALineForEachFileInOrderAndFailsOnAnyBadOne) {
    const std::string good = WriteMap("good.map", GoodLevel());
    const std::string cut = WriteMap("cut.map", GoodLevel(), 20);
    const std::string missing = PathOf("missing.map");

    const RunResult result = Run({"check", good, cut, missing, good});

    EXPECT_EQ(result.out, good + ": ok\n" + cut + ": incomplete (20 of 274 bytes)\n" + missing +
                              ": cannot be read: No such file or directory\n" + good + ": ok\n");
    EXPECT_EQ(result.status, 1);
}

TEST_F(MapCheckManyFiles, PassesWhenEveryFileIsGood) {
    Level other = GoodLevel();
    other.Map.bytes.fill(3);
    const std::string first = WriteMap("first.map", GoodLevel());
    const std::string second = WriteMap("second.map", other);

    const RunResult result = Run({"check", first, second});

    EXPECT_EQ(result.out, first + ": ok\n" + second + ": ok\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(MapCheckManyFiles, TakesAFileNamedLikeAnOptionAfterTheEndOfOptions) {
    WriteMap("-odd.map", GoodLevel());

    const RunResult result = Run({"check", "--", "-odd.map"});

    EXPECT_EQ(result.out, "-odd.map: ok\n");
    EXPECT_EQ(result.status, 0);
}

} // namespace
} // namespace maptool_test
