// The full redraw ("REFRESH" and every repaint): what it draws, in which order,
// and the swatches it sets.

#include "canvas_drawing.h"
#include "canvas_image.h"
#include "canvas_test_support.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace canvas_test;
using testing::ElementsAreArray;

std::vector<SwatchCall> FaceSwatches(const std::array<Rgb, 6>& colors) {
    std::vector<SwatchCall> calls;
    for (int face = 0; face < 6; ++face) {
        calls.push_back({FaceSwatch(face), colors[static_cast<std::size_t>(face)]});
    }
    return calls;
}

TEST(FullRedraw, StartupLevelIsAllBlackWithSixWhiteFaces) {
    const Level level = StartupLevel();
    CanvasImage image = FilledImage(kRed);
    RecordingSwatches swatches;
    comRedraw_Click(level, image, swatches);
    EXPECT_EQ(PixelsOfColor(image, kBlack).size(), 256u * 256u);
    // Only the six faces, in face order: the current-colour swatch is left alone.
    EXPECT_THAT(swatches.calls,
                ElementsAreArray(FaceSwatches({kWhite, kWhite, kWhite, kWhite, kWhite, kWhite})));
}

TEST(FullRedraw, ColourIndexesPastTheEightColoursAreBlack) {
    Level level = StartupLevel();
    level.Map.bytes.fill(7);
    level.Map(3, 5) = 200;
    level.Map(4, 5) = 255;
    level.Map(5, 5) = 8;
    level.CubeColor[2] = 200;
    level.CubeColor[5] = 255;
    CanvasImage image = FilledImage(kRed);
    RecordingSwatches swatches;
    comRedraw_Click(level, image, swatches);
    EXPECT_EQ(PixelsOfColor(image, kBlack), PixelsOf({48, 80, 48, 16}));
    EXPECT_EQ(PixelsOfColor(image, kWhite).size(), 256u * 256u - 3u * 256u);
    EXPECT_THAT(swatches.calls,
                ElementsAreArray(FaceSwatches({kWhite, kWhite, kBlack, kWhite, kWhite, kBlack})));
}

TEST(FullRedraw, DrawsTilesColumnByColumnThenStartThenEndThenFaces) {
    Level level = StartupLevel();
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            level.Map(x, y) = static_cast<std::uint8_t>((x + 3 * y) % 8);
        }
    }
    level.StartX = 2;
    level.StartY = 9;
    level.EndX = 15;
    level.EndY = 0;
    level.CubeColor = {1, 2, 3, 4, 5, 6};
    RecordingSurface surface;
    RecordingSwatches swatches;
    comRedraw_Click(level, surface, swatches);

    std::vector<DrawCall> expected;
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 16; ++y) {
            expected.push_back(
                TileBoxCall(x, y, kPalette[static_cast<std::size_t>((x + 3 * y) % 8)]));
        }
    }
    expected = Concat({expected, StartMarkerCalls(32, 144), EndMarkerCalls(240, 0)});
    EXPECT_THAT(surface.calls, ElementsAreArray(expected));
    EXPECT_THAT(swatches.calls,
                ElementsAreArray(FaceSwatches({kPalette[1], kPalette[2], kPalette[3], kPalette[4],
                                               kPalette[5], kPalette[6]})));
}

// The markers are drawn at 16 times their stored bytes whatever those hold: a
// marker not placed, or one a file brought in off the map, is drawn off the
// canvas, and the redraw goes on to the faces.
struct AnchorRow {
    const char* name;
    std::uint8_t startX, startY, endX, endY;
};
void PrintTo(const AnchorRow& row, std::ostream* os) {
    *os << row.name;
}

class FullRedrawMarkers : public testing::TestWithParam<AnchorRow> {};

TEST_P(FullRedrawMarkers, AreDrawnAtSixteenTimesTheStoredBytes) {
    const AnchorRow& row = GetParam();
    Level level = StartupLevel();
    level.StartX = row.startX;
    level.StartY = row.startY;
    level.EndX = row.endX;
    level.EndY = row.endY;
    RecordingSurface surface;
    RecordingSwatches swatches;
    comRedraw_Click(level, surface, swatches);
    ASSERT_EQ(surface.calls.size(), 256u + 5u + 6u);
    const std::vector<DrawCall> markers(surface.calls.begin() + 256, surface.calls.end());
    const auto anchor = [](std::uint8_t coordinate) { return static_cast<float>(16 * coordinate); };
    EXPECT_THAT(markers,
                ElementsAreArray(Concat({StartMarkerCalls(anchor(row.startX), anchor(row.startY)),
                                         EndMarkerCalls(anchor(row.endX), anchor(row.endY))})));
    EXPECT_EQ(swatches.calls.size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(Table, FullRedrawMarkers,
                         testing::Values(AnchorRow{"NeitherPlaced", 255, 255, 255, 255},
                                         AnchorRow{"BothOnTheMap", 0, 0, 15, 15},
                                         AnchorRow{"RowNotPlaced", 4, 255, 255, 3},
                                         AnchorRow{"OffTheMap", 20, 3, 0, 200}),
                         RowName<AnchorRow>);

TEST(FullRedraw, DoesNotDependOnThePictureBefore) {
    Level level = StartupLevel();
    level.Map(3, 3) = 2;
    level.Map(9, 12) = 5;
    level.StartX = level.StartY = 3;
    level.EndX = 9;
    level.EndY = 12;
    RecordingSwatches swatches;
    CanvasImage fresh;
    comRedraw_Click(level, fresh, swatches);
    // A picture scribbled over and with the tiles under both markers wiped.
    CanvasImage scribbled = FilledImage(kYellow);
    scribbled.DrawLine(0, 0, 255, 255, kRed);
    scribbled.DrawCircle(100, 100, 50, kBlue);
    DrawTile(level, scribbled, 3, 3);
    DrawTile(level, scribbled, 9, 12);
    comRedraw_Click(level, scribbled, swatches);
    EXPECT_EQ(ChangedPixels(fresh, scribbled), PixelSet{});
}

TEST(CanvasRepaint, RunsTheFullRedraw) {
    Level level = StartupLevel();
    level.Map(1, 2) = 6;
    level.StartX = 4;
    level.StartY = 5;
    level.CubeColor[3] = 1;
    RecordingSurface redrawn;
    RecordingSwatches redrawnSwatches;
    comRedraw_Click(level, redrawn, redrawnSwatches);
    RecordingSurface repainted;
    RecordingSwatches repaintedSwatches;
    PicMap_Paint(level, repainted, repaintedSwatches);
    EXPECT_THAT(repainted.calls, ElementsAreArray(redrawn.calls));
    EXPECT_THAT(repaintedSwatches.calls, ElementsAreArray(redrawnSwatches.calls));
}

} // namespace
