// kubrel-map dump: the level proper as plain text.

#include "map_tool_runner.h"

namespace maptool_test {
namespace {

using MapDump = MapToolTest;

TEST_F(MapDump, ShowsFacesMarkersAndTilesAsStored) {
    Level level;
    SetStartupValues(level);
    level.CubeColor = {0, 1, 200, 3, 6, 7};
    level.StartX = 2, level.StartY = 14;
    level.EndX = 16, level.EndY = 3;
    for (int y = 0; y < kMapSize; ++y) {
        level.Map(y, y) = static_cast<std::uint8_t>(y % 8);
    }
    level.Map(15, 0) = 255;
    level.Map(0, 15) = 42;
    const std::string map = WriteMap("level.map", level);

    const RunResult result = Run({"dump", map});

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    std::string expected = "Top     0 Black\n"
                           "Left    1 Red\n"
                           "Back    200 (shown black)\n"
                           "Right   3 Blue\n"
                           "Front   6 Cyan\n"
                           "Bottom  7 White\n"
                           "start   (2, 14)\n"
                           "end     (16, 3) outside 0-15\n"
                           "tiles\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   0   0   0   0 255\n"
                           "  0   1   0   0   0   0   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   2   0   0   0   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   3   0   0   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   4   0   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   5   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   6   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   7   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   1   0   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   2   0   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   3   0   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   0   4   0   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   0   0   5   0   0\n"
                           "  0   0   0   0   0   0   0   0   0   0   0   0   0   0   6   0\n"
                           " 42   0   0   0   0   0   0   0   0   0   0   0   0   0   0   7\n";
    EXPECT_EQ(result.out, expected);
}

TEST_F(MapDump, SaysWhenAMarkerIsNotPlaced) {
    Level level = GoodLevel();
    level.StartX = NOT_PLACED, level.StartY = 3;
    const std::string map = WriteMap("level.map", level);

    const RunResult result = Run({"dump", map});

    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("\nstart   (255, 3) not placed\nend     (15, 15)\n"),
              std::string::npos)
        << result.out;
}

TEST_F(MapDump, NamesTheFileAndTheReasonWhenItDoesNotLoad) {
    const std::string missing = PathOf("missing.map");

    const RunResult result = Run({"dump", missing});

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "kubrel-map: " + missing + ": cannot be read: No such file or directory\n");
}

} // namespace
} // namespace maptool_test
