// The start and end markers as pixels on the off-screen canvas.

#include "canvas_drawing.h"
#include "canvas_image.h"
#include "canvas_test_support.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

using namespace canvas_test;

// Tile (5, 6) on a green canvas.
constexpr int kPx = 80;
constexpr int kPy = 96;

using TilePicture = std::array<std::array<std::optional<Rgb>, 16>, 16>; // [dy][dx]

// The end marker as its six strokes describe it: each stroke covers
// (x1 + k * sx, y1 + k * sy), later strokes over earlier ones. Pixels no stroke
// covers are empty: they keep the tile's colour.
TilePicture ExpectedEndMarker() {
    struct Stroke {
        int x1, y1, x2, y2;
        Rgb color;
    };
    constexpr std::array<Stroke, 6> kStrokes{{{1, 0, 15, 14, kBlack},
                                              {0, 1, 14, 15, kBlack},
                                              {14, 0, 0, 14, kBlack},
                                              {15, 1, 1, 15, kBlack},
                                              {0, 0, 15, 15, kWhite},
                                              {15, 0, 0, 15, kWhite}}};
    TilePicture picture{};
    for (const Stroke& s : kStrokes) {
        const int sx = s.x2 < s.x1 ? -1 : 1;
        const int sy = s.y2 < s.y1 ? -1 : 1;
        for (int k = 0; k <= std::abs(s.x2 - s.x1); ++k) {
            picture[static_cast<std::size_t>(s.y1 + k * sy)]
                   [static_cast<std::size_t>(s.x1 + k * sx)] = s.color;
        }
    }
    return picture;
}

// Every pixel of the tile at (px, py): the marker's where it has one, else the
// pixel of `underneath`.
void ExpectEndMarkerOver(const CanvasImage& image, const CanvasImage& underneath, int px, int py) {
    const TilePicture expected = ExpectedEndMarker();
    for (int dy = 0; dy < 16; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            const std::optional<Rgb>& mark =
                expected[static_cast<std::size_t>(dy)][static_cast<std::size_t>(dx)];
            EXPECT_EQ(image.PixelAt(px + dx, py + dy),
                      mark.value_or(underneath.PixelAt(px + dx, py + dy)))
                << "at offset " << dx << ", " << dy;
        }
    }
}

TEST(StartMarker, RingsCrossTheLinesThroughItsCentre) {
    CanvasImage image = FilledImage(kGreen);
    DrawStart(image, kPx, kPy);
    // By distance from the centre: the tile's colour inside the radius-2 ring,
    // black at 2, white at 3, 4 and 5, black at 6.
    constexpr std::array<Rgb, 7> kByDistance{kGreen, kGreen, kBlack, kWhite,
                                             kWhite, kWhite, kBlack};
    const int cx = kPx + 7;
    const int cy = kPy + 7;
    for (int d = -6; d <= 6; ++d) {
        const Rgb expected = kByDistance[static_cast<std::size_t>(std::abs(d))];
        EXPECT_EQ(image.PixelAt(cx + d, cy), expected) << "across, offset " << d;
        EXPECT_EQ(image.PixelAt(cx, cy + d), expected) << "down, offset " << d;
    }
}

TEST(StartMarker, SpansOneToThirteenAndIsSymmetricAboutItsCentre) {
    const CanvasImage before = FilledImage(kGreen);
    CanvasImage image = before;
    DrawStart(image, kPx, kPy);
    const PixelSet changed = ChangedPixels(before, image);
    EXPECT_EQ(BoundingRect(changed), (PixelRect{kPx + 1, kPy + 1, 13, 13}));
    const int cx = kPx + 7;
    const int cy = kPy + 7;
    for (const Pixel& p : changed) {
        EXPECT_EQ(image.PixelAt(2 * cx - p.x, p.y), image.PixelAt(p.x, p.y)) << p.x << ", " << p.y;
        EXPECT_EQ(image.PixelAt(p.x, 2 * cy - p.y), image.PixelAt(p.x, p.y)) << p.x << ", " << p.y;
    }
}

TEST(EndMarker, EveryPixelOfTheTileIsThatOfItsSixStrokes) {
    const CanvasImage before = FilledImage(kGreen);
    CanvasImage image = before;
    DrawEnd(image, kPx, kPy);
    ExpectEndMarkerOver(image, before, kPx, kPy);
    EXPECT_EQ(BoundingRect(ChangedPixels(before, image)), TileRect(5, 6));
}

TEST(EndMarker, MiddleFourPixelsAreWhite) {
    CanvasImage image = FilledImage(kGreen);
    DrawEnd(image, kPx, kPy);
    EXPECT_EQ(image.PixelAt(kPx + 7, kPy + 7), kWhite);
    EXPECT_EQ(image.PixelAt(kPx + 8, kPy + 7), kWhite);
    EXPECT_EQ(image.PixelAt(kPx + 7, kPy + 8), kWhite);
    EXPECT_EQ(image.PixelAt(kPx + 8, kPy + 8), kWhite);
}

// The end marker drawn over the start marker on one tile, as the full redraw
// draws them: the X lies on the rings with its white arms unbroken.
TEST(MarkersOnOneTile, EndMarkerLiesOverTheStartMarker) {
    Level level = StartupLevel();
    level.Map(7, 7) = 1;
    level.StartX = level.StartY = 7;
    RecordingSwatches swatches;
    CanvasImage startOnly;
    comRedraw_Click(level, startOnly, swatches);
    level.EndX = level.EndY = 7;
    CanvasImage both;
    comRedraw_Click(level, both, swatches);
    ExpectEndMarkerOver(both, startOnly, 112, 112);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(both.PixelAt(112 + k, 112 + k), kWhite) << "falling arm, " << k;
        EXPECT_EQ(both.PixelAt(127 - k, 112 + k), kWhite) << "rising arm, " << k;
    }
}

enum class Marker { Start, End };

void Draw(Marker marker, DrawSurface& surface, float px, float py) {
    marker == Marker::Start ? DrawStart(surface, px, py) : DrawEnd(surface, px, py);
}

class MarkerOnEdgeTile : public testing::TestWithParam<std::tuple<Marker, Pixel>> {};

TEST_P(MarkerOnEdgeTile, ChangesNothingOutsideItsTile) {
    const auto& [marker, tile] = GetParam();
    const CanvasImage before = FilledImage(kBlue);
    CanvasImage image = before;
    Draw(marker, image, static_cast<float>(16 * tile.x), static_cast<float>(16 * tile.y));
    const PixelRect tileRect = TileRect(tile.x, tile.y);
    const PixelSet changed = ChangedPixels(before, image);
    EXPECT_FALSE(changed.empty());
    for (const Pixel& p : changed) {
        EXPECT_TRUE(Contains(tileRect, p)) << p.x << ", " << p.y;
    }
    EXPECT_EQ(image.TakeDirtyRect(), BoundingRect(changed));
}

INSTANTIATE_TEST_SUITE_P(Tiles, MarkerOnEdgeTile,
                         testing::Combine(testing::Values(Marker::Start, Marker::End),
                                          testing::Values(Pixel{0, 0}, Pixel{0, 8}, Pixel{8, 0},
                                                          Pixel{15, 15}, Pixel{15, 0}, Pixel{0, 15},
                                                          Pixel{15, 8}, Pixel{8, 15})));

// Anchors a full redraw gives a marker with a coordinate of 16 or more, 255 for
// a marker not placed: nothing of the marker may reach the canvas.
class MarkerOffTheCanvas : public testing::TestWithParam<std::tuple<Marker, Pixel>> {};

TEST_P(MarkerOffTheCanvas, DrawsNothing) {
    const auto& [marker, anchor] = GetParam();
    const CanvasImage before = FilledImage(kBlue);
    CanvasImage image = before;
    Draw(marker, image, static_cast<float>(anchor.x), static_cast<float>(anchor.y));
    EXPECT_EQ(ChangedPixels(before, image), PixelSet{});
    EXPECT_TRUE(image.TakeDirtyRect().empty());
}

INSTANTIATE_TEST_SUITE_P(Anchors, MarkerOffTheCanvas,
                         testing::Combine(testing::Values(Marker::Start, Marker::End),
                                          testing::Values(Pixel{4080, 4080}, Pixel{64, 4080},
                                                          Pixel{4080, 64}, Pixel{256, 0},
                                                          Pixel{0, 256}, Pixel{320, 48})));

} // namespace
