// The off-screen canvas's rasterisers: boxes, lines and circles pixel by pixel,
// clipping at the canvas's edges, and the dirty rectangle the window repaints.

#include "canvas_image.h"
#include "canvas_test_support.h"

#include <cmath>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

using namespace canvas_test;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kTwoTo30 = 1073741824.0f;

// The pixels that `draw` paints white on a blue canvas.
PixelSet WhitePixelsOf(const std::function<void(CanvasImage&)>& draw) {
    CanvasImage image = FilledImage(kBlue);
    draw(image);
    return PixelsOfColor(image, kWhite);
}

TEST(CanvasImage, StartsBlackWithNothingDrawn) {
    CanvasImage image;
    EXPECT_EQ(PixelsOfColor(image, kBlack).size(), 256u * 256u);
    EXPECT_TRUE(image.TakeDirtyRect().empty());
}

// ---- FillBox ----

TEST(CanvasImageFillBox, OneTileChangesExactlyItsPixels) {
    for (const auto& [tx, ty] : {std::pair{0, 0}, std::pair{15, 15}, std::pair{3, 7}}) {
        SCOPED_TRACE(testing::Message() << "tile " << tx << ", " << ty);
        const CanvasImage before = FilledImage(kBlue);
        CanvasImage after = before;
        const auto left = static_cast<float>(16 * tx);
        const auto top = static_cast<float>(16 * ty);
        after.FillBox(left, top, left + 15, top + 15, kWhite);
        const PixelSet changed = ChangedPixels(before, after);
        EXPECT_EQ(changed.size(), 256u);
        EXPECT_EQ(BoundingRect(changed), TileRect(tx, ty));
    }
}

TEST(CanvasImageFillBox, WholeCanvasBoxChangesEveryPixel) {
    const PixelSet white =
        WhitePixelsOf([](CanvasImage& image) { image.FillBox(0, 0, 255, 255, kWhite); });
    EXPECT_EQ(white.size(), 256u * 256u);
}

TEST(CanvasImageFillBox, CornersInAnyOrderGiveTheSameBox) {
    const PixelSet expected = PixelsOf({10, 20, 31, 31});
    EXPECT_EQ(WhitePixelsOf([](CanvasImage& i) { i.FillBox(10, 20, 40, 50, kWhite); }), expected);
    EXPECT_EQ(WhitePixelsOf([](CanvasImage& i) { i.FillBox(40, 50, 10, 20, kWhite); }), expected);
    EXPECT_EQ(WhitePixelsOf([](CanvasImage& i) { i.FillBox(40, 20, 10, 50, kWhite); }), expected);
    EXPECT_EQ(WhitePixelsOf([](CanvasImage& i) { i.FillBox(10, 50, 40, 20, kWhite); }), expected);
}

// ---- DrawLine ----

struct LineRow {
    const char* name;
    float x1, y1, x2, y2;
};
void PrintTo(const LineRow& row, std::ostream* os) {
    *os << row.name;
}

// The pixels (x1 + k * sx, y1 + k * sy), k = 0 .. |x2 - x1|, that lie on the canvas.
PixelSet DiagonalPixels(const LineRow& line) {
    const auto x1 = static_cast<long long>(line.x1);
    const auto y1 = static_cast<long long>(line.y1);
    const auto x2 = static_cast<long long>(line.x2);
    const auto y2 = static_cast<long long>(line.y2);
    const long long sx = x2 < x1 ? -1 : 1;
    const long long sy = y2 < y1 ? -1 : 1;
    const long long steps = std::llabs(x2 - x1);
    PixelSet pixels;
    for (long long x = 0; x < CanvasImage::kWidth; ++x) {
        const long long k = (x - x1) * sx;
        const long long y = y1 + k * sy;
        if (k >= 0 && k <= steps && y >= 0 && y < CanvasImage::kHeight) {
            pixels.insert({static_cast<int>(x), static_cast<int>(y)});
        }
    }
    return pixels;
}

PixelSet LinePixels(const LineRow& line) {
    return WhitePixelsOf(
        [&](CanvasImage& image) { image.DrawLine(line.x1, line.y1, line.x2, line.y2, kWhite); });
}

PixelSet ReversedLinePixels(const LineRow& line) {
    return WhitePixelsOf(
        [&](CanvasImage& image) { image.DrawLine(line.x2, line.y2, line.x1, line.y1, kWhite); });
}

class DiagonalLine : public testing::TestWithParam<LineRow> {};

TEST_P(DiagonalLine, CoversExactlyTheStepsFromItsFirstEnd) {
    EXPECT_EQ(LinePixels(GetParam()), DiagonalPixels(GetParam()));
}

TEST_P(DiagonalLine, GivesTheSamePixelsFromEitherEnd) {
    EXPECT_EQ(ReversedLinePixels(GetParam()), LinePixels(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, DiagonalLine,
    testing::Values(
        LineRow{"Falling", 10, 20, 40, 50}, LineRow{"Rising", 40, 20, 10, 50},
        LineRow{"CanvasFalling", 0, 0, 255, 255}, LineRow{"CanvasRising", 255, 0, 0, 255},
        LineRow{"OnePixel", 5, 9, 5, 9}, LineRow{"OffTopLeft", -10, -10, 10, 10},
        LineRow{"OffTopAndLeft", -10, 20, 20, -10}, LineRow{"OffBottomRight", 250, 250, 300, 300},
        LineRow{"AcrossTheCanvas", -100, -50, 400, 450},
        LineRow{"PastTheRightEdge", 300, 0, 400, 100}, LineRow{"PastTheLeftEdge", -20, -10, -1, 9},
        LineRow{"MissingTheCorner", -10, 5, 5, -10},
        LineRow{"HugeThroughTheCorner", -1e9f, -1e9f, 1e9f, 1e9f},
        // Both ends far out, the line crossing the canvas 128 pixels below
        // its diagonal.
        LineRow{"HugeOffTheDiagonal", -kTwoTo30, -kTwoTo30 + 128, kTwoTo30, kTwoTo30 + 128}),
    RowName<LineRow>);

class NonDiagonalLine : public testing::TestWithParam<LineRow> {};

TEST_P(NonDiagonalLine, GivesTheSamePixelsFromEitherEnd) {
    EXPECT_EQ(ReversedLinePixels(GetParam()), LinePixels(GetParam()));
}

// Along its longer axis the line has one pixel at every step between its ends on
// the canvas and none beyond them.
TEST_P(NonDiagonalLine, HasBothEndsAndOnePixelPerStep) {
    const LineRow& line = GetParam();
    const PixelSet pixels = LinePixels(line);
    for (const Pixel end : {Pixel{static_cast<int>(line.x1), static_cast<int>(line.y1)},
                            Pixel{static_cast<int>(line.x2), static_cast<int>(line.y2)}}) {
        if (Contains({0, 0, 256, 256}, end)) {
            EXPECT_TRUE(pixels.contains(end)) << end.x << ", " << end.y;
        }
    }
    const bool acrossMajor = std::abs(line.x2 - line.x1) >= std::abs(line.y2 - line.y1);
    const auto along = [&](Pixel p) { return acrossMajor ? p.x : p.y; };
    const auto from = static_cast<int>(
        std::max(0.0f, acrossMajor ? std::min(line.x1, line.x2) : std::min(line.y1, line.y2)));
    const auto to = static_cast<int>(
        std::min(255.0f, acrossMajor ? std::max(line.x1, line.x2) : std::max(line.y1, line.y2)));
    for (int m = from; m <= to; ++m) {
        EXPECT_EQ(
            std::count_if(pixels.begin(), pixels.end(), [&](Pixel p) { return along(p) == m; }), 1)
            << "at " << m;
    }
    EXPECT_EQ(pixels.size(), static_cast<std::size_t>(to - from + 1));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NonDiagonalLine,
    testing::Values(LineRow{"Shallow", 3, 7, 40, 19}, LineRow{"ShallowRising", 3, 100, 80, 70},
                    LineRow{"Steep", 5, 2, 9, 60}, LineRow{"Horizontal", 10, 100, 200, 100},
                    LineRow{"Vertical", 100, 10, 100, 200}, LineRow{"OffTheLeft", -20, 10, 100, 50},
                    LineRow{"OffTheTop", 30, -40, 10, 90}),
    RowName<LineRow>);

// ---- DrawCircle ----

constexpr int kCx = 100;
constexpr int kCy = 120;

class CircleOutline : public testing::TestWithParam<int> {
protected:
    int Radius() const { return GetParam(); }
    CanvasImage Drawn() const {
        CanvasImage image = FilledImage(kBlue);
        image.DrawCircle(kCx, kCy, static_cast<float>(Radius()), kWhite);
        return image;
    }
};

TEST_P(CircleOutline, MeetsTheLinesThroughTheCentreOnlyAtTheRadius) {
    const int r = Radius();
    const PixelSet white = PixelsOfColor(Drawn(), kWhite);
    PixelSet onRow;
    PixelSet onColumn;
    for (const Pixel& p : white) {
        if (p.y == kCy) {
            onRow.insert(p);
        }
        if (p.x == kCx) {
            onColumn.insert(p);
        }
    }
    EXPECT_EQ(onRow, (PixelSet{{kCx - r, kCy}, {kCx + r, kCy}}));
    EXPECT_EQ(onColumn, (PixelSet{{kCx, kCy - r}, {kCx, kCy + r}}));
}

TEST_P(CircleOutline, IsSymmetricAboutTheCentre) {
    const PixelSet white = PixelsOfColor(Drawn(), kWhite);
    for (const Pixel& p : white) {
        EXPECT_TRUE(white.contains({2 * kCx - p.x, p.y})) << p.x << ", " << p.y;
        EXPECT_TRUE(white.contains({p.x, 2 * kCy - p.y})) << p.x << ", " << p.y;
    }
}

TEST_P(CircleOutline, StaysInsideItsSquare) {
    const int r = Radius();
    EXPECT_EQ(BoundingRect(PixelsOfColor(Drawn(), kWhite)),
              (PixelRect{kCx - r, kCy - r, 2 * r + 1, 2 * r + 1}));
}

TEST_P(CircleOutline, LeavesTheInsideUntouched) {
    const int r = Radius(); // radius 0 is one pixel, with no inside to check
    const CanvasImage image = Drawn();
    for (int dy = -r; dy <= r; ++dy) {
        for (int dx = -r; dx <= r; ++dx) {
            const bool inside = (dx == 0 && dy == 0) || dx * dx + dy * dy < (r - 1) * (r - 1);
            if (r > 0 && inside) {
                EXPECT_EQ(image.PixelAt(kCx + dx, kCy + dy), kBlue) << dx << ", " << dy;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CircleOutline, testing::Values(0, 1, 2, 3, 4, 5, 6, 12, 40),
                         [](const testing::TestParamInfo<int>& row) {
                             return "Radius" + std::to_string(row.param);
                         });

// A circle partly off the canvas shows exactly the part of the whole circle that
// lies on it.
class ClippedCircle : public testing::TestWithParam<Pixel> {};

TEST_P(ClippedCircle, IsTheWholeCircleCutAtTheEdges) {
    constexpr int kRadius = 12;
    const Pixel centre = GetParam();
    const PixelSet whole =
        WhitePixelsOf([](CanvasImage& image) { image.DrawCircle(128, 128, kRadius, kWhite); });
    PixelSet expected;
    for (const Pixel& p : whole) {
        const Pixel moved{p.x + centre.x - 128, p.y + centre.y - 128};
        if (Contains({0, 0, 256, 256}, moved)) {
            expected.insert(moved);
        }
    }
    EXPECT_EQ(WhitePixelsOf([&](CanvasImage& image) {
                  image.DrawCircle(static_cast<float>(centre.x), static_cast<float>(centre.y),
                                   kRadius, kWhite);
              }),
              expected);
}

INSTANTIATE_TEST_SUITE_P(Centre, ClippedCircle,
                         testing::Values(Pixel{2, 250}, Pixel{-6, 100}, Pixel{250, 3}, Pixel{0, 0},
                                         Pixel{255, 255}, Pixel{128, -12}, Pixel{-13, 100}));

// ---- Clipping of figures that miss the canvas, and odd numbers ----

struct FigureRow {
    const char* name;
    std::function<void(CanvasImage&)> draw;
};
void PrintTo(const FigureRow& row, std::ostream* os) {
    *os << row.name;
}

class FigureOffTheCanvas : public testing::TestWithParam<FigureRow> {};

TEST_P(FigureOffTheCanvas, DrawsNothing) {
    const CanvasImage before = FilledImage(kBlue);
    CanvasImage after = before;
    GetParam().draw(after);
    EXPECT_EQ(ChangedPixels(before, after), PixelSet{});
    EXPECT_TRUE(after.TakeDirtyRect().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FigureOffTheCanvas,
    testing::Values(
        FigureRow{"BoxRightOfTheCanvas",
                  [](CanvasImage& i) { i.FillBox(256, 0, 300, 10, kWhite); }},
        FigureRow{"BoxBelowTheCanvas", [](CanvasImage& i) { i.FillBox(0, 256, 10, 4095, kWhite); }},
        FigureRow{"BoxJustLeftOfTheCanvas",
                  [](CanvasImage& i) { i.FillBox(-20, 5, -0.5f, 30, kWhite); }},
        // Both ends far out, one cut only by rounding: passes far above the canvas.
        FigureRow{"LineFromFarOutToFarOut",
                  [](CanvasImage& i) { i.DrawLine(-3.4e38f, 5, 1.84e19f, -8185, kWhite); }},
        // Ends so far out that a cut measured from the far end rounds onto the
        // canvas: the line passes below it.
        FigureRow{"LineFarOutBelowTheCanvas",
                  [](CanvasImage& i) {
                      i.DrawLine(1.9288173e31f, 1.9288173e31f, -4.7378170e14f, 256, kWhite);
                  }},
        FigureRow{"BoxFarOut",
                  [](CanvasImage& i) { i.FillBox(1e30f, 1e30f, 3e38f, 3e38f, kWhite); }},
        FigureRow{"BoxAtMinusInfinity",
                  [](CanvasImage& i) { i.FillBox(-kInf, -kInf, -1, -1, kWhite); }},
        FigureRow{"BoxNaNX1", [](CanvasImage& i) { i.FillBox(kNaN, 0, 255, 255, kWhite); }},
        FigureRow{"BoxNaNY1", [](CanvasImage& i) { i.FillBox(0, kNaN, 255, 255, kWhite); }},
        FigureRow{"BoxNaNX2", [](CanvasImage& i) { i.FillBox(0, 0, kNaN, 255, kWhite); }},
        FigureRow{"BoxNaNY2", [](CanvasImage& i) { i.FillBox(0, 0, 255, kNaN, kWhite); }},
        FigureRow{"LineLeftOfTheCanvas",
                  [](CanvasImage& i) { i.DrawLine(-kInf, 0, -kInf, 255, kWhite); }},
        FigureRow{"LineAtInfinity",
                  [](CanvasImage& i) { i.DrawLine(kInf, kInf, kInf, kInf, kWhite); }},
        FigureRow{"LineFarBelow",
                  [](CanvasImage& i) { i.DrawLine(-1e30f, 1e30f, 1e30f, 3e30f, kWhite); }},
        FigureRow{"LineNaNX1", [](CanvasImage& i) { i.DrawLine(kNaN, 0, 255, 255, kWhite); }},
        FigureRow{"LineNaNY1", [](CanvasImage& i) { i.DrawLine(0, kNaN, 255, 255, kWhite); }},
        FigureRow{"LineNaNX2", [](CanvasImage& i) { i.DrawLine(0, 0, kNaN, 255, kWhite); }},
        FigureRow{"LineNaNY2", [](CanvasImage& i) { i.DrawLine(0, 0, 255, kNaN, kWhite); }},
        FigureRow{"CircleRightOfTheCanvas",
                  [](CanvasImage& i) { i.DrawCircle(262, 100, 6, kWhite); }},
        FigureRow{"CircleLeftOfTheCanvas",
                  [](CanvasImage& i) { i.DrawCircle(-7, 100, 6, kWhite); }},
        FigureRow{"CircleOfAMarkerNotPlaced",
                  [](CanvasImage& i) { i.DrawCircle(4087, 4087, 6, kWhite); }},
        FigureRow{"CircleAtInfinity", [](CanvasImage& i) { i.DrawCircle(kInf, kInf, 5, kWhite); }},
        FigureRow{"CircleAroundTheCanvas",
                  [](CanvasImage& i) { i.DrawCircle(128, 128, 1e6f, kWhite); }},
        FigureRow{"CircleOfInfiniteRadius",
                  [](CanvasImage& i) { i.DrawCircle(128, 128, kInf, kWhite); }},
        FigureRow{"CircleNaNX", [](CanvasImage& i) { i.DrawCircle(kNaN, 100, 6, kWhite); }},
        FigureRow{"CircleNaNY", [](CanvasImage& i) { i.DrawCircle(100, kNaN, 6, kWhite); }},
        FigureRow{"CircleNaNRadius", [](CanvasImage& i) { i.DrawCircle(100, 100, kNaN, kWhite); }}),
    RowName<FigureRow>);

struct ClipRow {
    const char* name;
    std::function<void(CanvasImage&)> draw;
    PixelRect expected; // the pixels drawn, all of them white
};
void PrintTo(const ClipRow& row, std::ostream* os) {
    *os << row.name;
}

class FigurePartlyOffTheCanvas : public testing::TestWithParam<ClipRow> {};

TEST_P(FigurePartlyOffTheCanvas, DrawsItsPartOnTheCanvas) {
    EXPECT_EQ(WhitePixelsOf(GetParam().draw), PixelsOf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FigurePartlyOffTheCanvas,
    testing::Values(ClipRow{"BoxOverTheTopLeftCorner",
                            [](CanvasImage& i) { i.FillBox(-10, -10, 5, 5, kWhite); },
                            {0, 0, 6, 6}},
                    ClipRow{"BoxOverTheBottomRightCorner",
                            [](CanvasImage& i) { i.FillBox(250, 240, 270, 4095, kWhite); },
                            {250, 240, 6, 16}},
                    ClipRow{"BoxOverEverything",
                            [](CanvasImage& i) { i.FillBox(-1e30f, -1e30f, 1e30f, 1e30f, kWhite); },
                            {0, 0, 256, 256}},
                    ClipRow{"BoxToInfinity",
                            [](CanvasImage& i) { i.FillBox(10, 20, kInf, kInf, kWhite); },
                            {10, 20, 246, 236}},
                    ClipRow{"RowBetweenInfinities",
                            [](CanvasImage& i) { i.FillBox(-kInf, 10, kInf, 10, kWhite); },
                            {0, 10, 256, 1}},
                    ClipRow{"LineBetweenInfinities",
                            [](CanvasImage& i) { i.DrawLine(-kInf, 7, kInf, 7, kWhite); },
                            {0, 7, 256, 1}},
                    ClipRow{"HugeColumn",
                            [](CanvasImage& i) { i.DrawLine(9, -3e38f, 9, 3e38f, kWhite); },
                            {9, 0, 1, 256}}),
    RowName<ClipRow>);

// ---- The dirty rectangle ----

class DirtyRect : public testing::TestWithParam<FigureRow> {};

TEST_P(DirtyRect, CoversExactlyWhatTheFigureChangedAndEmptiesWhenTaken) {
    const CanvasImage before = FilledImage(kBlue);
    CanvasImage after = before;
    GetParam().draw(after);
    EXPECT_EQ(after.TakeDirtyRect(), BoundingRect(ChangedPixels(before, after)));
    EXPECT_TRUE(after.TakeDirtyRect().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DirtyRect,
    testing::Values(
        FigureRow{"TileBox", [](CanvasImage& i) { i.FillBox(32, 64, 47, 79, kWhite); }},
        FigureRow{"FractionalBox",
                  [](CanvasImage& i) { i.FillBox(31.5f, 64.25f, 46.5f, 79, kWhite); }},
        FigureRow{"ClippedBox", [](CanvasImage& i) { i.FillBox(-10, 250, 5, 300, kWhite); }},
        FigureRow{"Diagonal", [](CanvasImage& i) { i.DrawLine(95, 0, 80, 15, kWhite); }},
        FigureRow{"ClippedDiagonal", [](CanvasImage& i) { i.DrawLine(-10, 20, 20, -10, kWhite); }},
        FigureRow{"ShallowLine", [](CanvasImage& i) { i.DrawLine(3, 100, 80, 70, kWhite); }},
        FigureRow{"Circle", [](CanvasImage& i) { i.DrawCircle(87, 103, 6, kWhite); }},
        FigureRow{"ClippedCircle", [](CanvasImage& i) { i.DrawCircle(254, 1, 6, kWhite); }},
        FigureRow{"LineOffTheCanvas",
                  [](CanvasImage& i) { i.DrawLine(300, 0, 400, 100, kWhite); }}),
    RowName<FigureRow>);

TEST(DirtyRectOverSeveralFigures, HoldsAllOfThemUntilTaken) {
    CanvasImage image = FilledImage(kBlue);
    image.FillBox(16, 16, 31, 31, kWhite);
    image.DrawCircle(200, 220, 6, kWhite);
    EXPECT_EQ(image.TakeDirtyRect(), (PixelRect{16, 16, 207 - 16, 227 - 16}));
    EXPECT_TRUE(image.TakeDirtyRect().empty());
    image.DrawLine(0, 255, 3, 252, kWhite);
    EXPECT_EQ(image.TakeDirtyRect(), (PixelRect{0, 252, 4, 4}));
}

} // namespace
