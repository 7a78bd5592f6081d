// Pointer editing on the canvas: which events edit, how a position snaps to its
// tile, and what each edit mode changes and draws.

#include "canvas_drawing.h"
#include "canvas_test_support.h"
#include "pointer_editing.h"

#include <cstdint>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>
#include <new>
#include <sys/mman.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using namespace canvas_test;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class PointerEditing : public testing::Test {
protected:
    void Move(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        PicMap_MouseMove(level, surface, button, shift, x, y);
    }
    void Release(std::int16_t button, float x, float y, std::int16_t shift = 0) {
        PicMap_MouseUp(level, surface, button, shift, x, y);
    }
    void PlaceStartAt(std::uint8_t x, std::uint8_t y) {
        level.StartX = x;
        level.StartY = y;
    }
    void PlaceEndAt(std::uint8_t x, std::uint8_t y) {
        level.EndX = x;
        level.EndY = y;
    }
    // The tiles whose byte differs from the start-up map's.
    std::vector<Pixel> ChangedTiles() const {
        std::vector<Pixel> tiles;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (level.Map(x, y) != startup_.Map(x, y)) {
                    tiles.push_back({x, y});
                }
            }
        }
        return tiles;
    }
    // Nothing but the map and the markers has changed.
    void ExpectColoursUntouched() const {
        EXPECT_EQ(level.ColorTable, startup_.ColorTable);
        EXPECT_EQ(level.CubeColor, startup_.CubeColor);
        EXPECT_EQ(level.CurrentColor, startup_.CurrentColor);
    }
    void KeepAsStartup() { startup_ = level; }

    Level level = StartupLevel();
    RecordingSurface surface;

private:
    Level startup_ = StartupLevel();
};

// ---- Which events edit ----

struct EventRow {
    const char* name;
    std::int16_t button;
    std::int16_t shift;
    float x, y;
    bool accepted;
};
void PrintTo(const EventRow& row, std::ostream* os) {
    *os << row.name;
}

class PointerAcceptance : public PointerEditing, public testing::WithParamInterface<EventRow> {};

TEST_P(PointerAcceptance, IsAcceptedEventFollowsTheTable) {
    const EventRow& e = GetParam();
    EXPECT_EQ(IsAcceptedEvent(e.button, e.x, e.y), e.accepted);
}

TEST_P(PointerAcceptance, MovePaintsOnlyWhenAccepted) {
    const EventRow& e = GetParam();
    level.CurrentColor = 3;
    Move(e.button, e.x, e.y, e.shift);
    EXPECT_EQ(level.Unsaved, e.accepted);
    EXPECT_EQ(ChangedTiles().size(), e.accepted ? 1u : 0u);
    EXPECT_EQ(surface.calls.size(), e.accepted ? 1u : 0u);
    EXPECT_EQ(level.EditMode, PaintTiles);
}

TEST_P(PointerAcceptance, ReleaseEditsOnlyWhenAcceptedAndAlwaysReturnsToPainting) {
    const EventRow& e = GetParam();
    for (const std::int16_t mode : {PaintTiles, PlaceStart, PlaceEnd}) {
        SCOPED_TRACE(testing::Message() << "edit mode " << mode);
        level = StartupLevel();
        level.CurrentColor = 3;
        level.EditMode = mode;
        surface.calls.clear();
        Release(e.button, e.x, e.y, e.shift);
        EXPECT_EQ(level.EditMode, PaintTiles);
        EXPECT_EQ(level.Unsaved, e.accepted);
        EXPECT_EQ(surface.calls.empty(), !e.accepted);
        EXPECT_EQ(ChangedTiles().size(), e.accepted && mode == PaintTiles ? 1u : 0u);
        EXPECT_EQ(IsPlaced(level.StartX), e.accepted && mode == PlaceStart);
        EXPECT_EQ(IsPlaced(level.EndX), e.accepted && mode == PlaceEnd);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointerAcceptance,
    testing::Values(EventRow{"AtOneOne", kLeftButton, 0, 1, 1, true},
                    EventRow{"AtLastPixel", kLeftButton, 0, 255, 255, true},
                    EventRow{"XQuarterPastLastPixel", kLeftButton, 0, 255.25f, 100, true},
                    EventRow{"YQuarterPastLastPixel", kLeftButton, 0, 100, 255.25f, true},
                    EventRow{"XJustBelowTheEdge", kLeftButton, 0, 255.75f, 100, true},
                    EventRow{"XQuarterPastZero", kLeftButton, 0, 0.25f, 100, true},
                    EventRow{"WithShift", kLeftButton, 1, 100, 100, true},
                    EventRow{"WithControl", kLeftButton, 2, 100, 100, true},
                    EventRow{"XZero", kLeftButton, 0, 0, 100, false},
                    EventRow{"YZero", kLeftButton, 0, 100, 0, false},
                    EventRow{"X256", kLeftButton, 0, 256, 10, false},
                    EventRow{"Y256", kLeftButton, 0, 10, 256, false},
                    EventRow{"XNegative", kLeftButton, 0, -3, 10, false},
                    EventRow{"NoButton", 0, 0, 100, 100, false},
                    EventRow{"RightButton", kRightButton, 0, 100, 100, false},
                    EventRow{"LeftAndRight", kLeftButton | kRightButton, 0, 100, 100, false},
                    EventRow{"MiddleButton", kMiddleButton, 0, 100, 100, false},
                    EventRow{"XNaN", kLeftButton, 0, kNaN, 100, false},
                    EventRow{"YNaN", kLeftButton, 0, 100, kNaN, false},
                    EventRow{"XInfinity", kLeftButton, 0, kInf, 100, false},
                    EventRow{"XMinusInfinity", kLeftButton, 0, -kInf, 100, false},
                    EventRow{"YInfinity", kLeftButton, 0, 100, kInf, false},
                    EventRow{"YMinusInfinity", kLeftButton, 0, 100, -kInf, false}),
    RowName<EventRow>);

// ---- Snapping ----

struct SnapRow {
    const char* name;
    float coordinate;
    float snapped;
    int tile;
};
void PrintTo(const SnapRow& row, std::ostream* os) {
    *os << row.name;
}

class PointerSnapping : public PointerEditing, public testing::WithParamInterface<SnapRow> {};

TEST_P(PointerSnapping, SnapsXPaintsItsTileAndWritesItBack) {
    const SnapRow& s = GetParam();
    float x = s.coordinate;
    float y = 100;
    PlotTile(level, surface, x, y);
    EXPECT_EQ(x, s.snapped);
    EXPECT_EQ(y, 96);
    EXPECT_THAT(surface.calls, ElementsAre(BoxCall(s.snapped, 96, s.snapped + 15, 111, kWhite)));
    EXPECT_THAT(ChangedTiles(), ElementsAre(Pixel{s.tile, 6}));
    ExpectColoursUntouched();
}

TEST_P(PointerSnapping, SnapsYPaintsItsTileAndWritesItBack) {
    const SnapRow& s = GetParam();
    float x = 100;
    float y = s.coordinate;
    PlotTile(level, surface, x, y);
    EXPECT_EQ(x, 96);
    EXPECT_EQ(y, s.snapped);
    EXPECT_THAT(surface.calls, ElementsAre(BoxCall(96, s.snapped, 111, s.snapped + 15, kWhite)));
    EXPECT_THAT(ChangedTiles(), ElementsAre(Pixel{6, s.tile}));
    ExpectColoursUntouched();
}

TEST_P(PointerSnapping, PlacesTheEndOnItsTileAtTheSnappedPosition) {
    const SnapRow& s = GetParam();
    level.EditMode = PlaceEnd;
    Move(kLeftButton, s.coordinate, s.coordinate);
    EXPECT_EQ(level.EndX, s.tile);
    EXPECT_EQ(level.EndY, s.tile);
    EXPECT_THAT(surface.calls, ElementsAreArray(EndMarkerCalls(s.snapped, s.snapped)));
}

// 255.5 up to 256 would round to pixel 256, off the map; the editor takes it as
// pixel 255, on tile 15.
INSTANTIATE_TEST_SUITE_P(
    Table, PointerSnapping,
    testing::Values(SnapRow{"Whole1", 1, 0, 0}, SnapRow{"Whole15", 15, 0, 0},
                    SnapRow{"Whole16", 16, 16, 1}, SnapRow{"Whole37", 37, 32, 2},
                    SnapRow{"Whole255", 255, 240, 15}, SnapRow{"Quarter", 0.25f, 0.25f, 0},
                    SnapRow{"Half", 0.5f, 0.5f, 0}, SnapRow{"ThreeQuarters", 0.75f, -0.25f, 0},
                    SnapRow{"HalfPast15", 15.5f, 15.5f, 1}, SnapRow{"HalfPast36", 36.5f, 32.5f, 2},
                    SnapRow{"HalfPast37", 37.5f, 31.5f, 2}, SnapRow{"HalfPast47", 47.5f, 47.5f, 3},
                    SnapRow{"QuarterPast255", 255.25f, 240.25f, 15},
                    SnapRow{"HalfPast255", 255.5f, 240.5f, 15},
                    SnapRow{"ThreeQuartersPast255", 255.75f, 240.75f, 15}),
    RowName<SnapRow>);

TEST_F(PointerEditing, FractionalPositionDrawsTheBoxOffTheGridByItsFraction) {
    Move(kLeftButton, 37.5f, 70);
    EXPECT_THAT(surface.calls, ElementsAre(BoxCall(31.5f, 64, 46.5f, 79, kWhite)));
    EXPECT_THAT(ChangedTiles(), ElementsAre(Pixel{2, 4}));
    // The image puts 31.5 on pixel 31.
    EXPECT_EQ(PixelsOfColor(surface.image, kWhite), PixelsOf({31, 64, 16, 16}));
}

// ---- The three modes ----

struct ModeRow {
    const char* name;
    std::int16_t mode;
    Pixel start, end; // after the move
    std::vector<DrawCall> calls;
};
void PrintTo(const ModeRow& row, std::ostream* os) {
    *os << row.name;
}

// The start on red tile (9, 9), the end on green tile (10, 10), and tile (2, 4)
// already in the colour that painting uses; then a move to (37, 70), on (2, 4).
class PointerModes : public PointerEditing, public testing::WithParamInterface<ModeRow> {
protected:
    void SetUp() override {
        level.Map(2, 4) = 7;
        level.Map(9, 9) = 1;
        level.Map(10, 10) = 2;
        PlaceStartAt(9, 9);
        PlaceEndAt(10, 10);
        KeepAsStartup();
    }
};

TEST_P(PointerModes, MoveAppliesTheModeToTheTileUnderThePointer) {
    const ModeRow& row = GetParam();
    level.EditMode = row.mode;
    Move(kLeftButton, 37, 70);
    EXPECT_THAT(surface.calls, ElementsAreArray(row.calls));
    EXPECT_TRUE(level.Unsaved);
    EXPECT_EQ(level.EditMode, row.mode);
    EXPECT_THAT(ChangedTiles(), IsEmpty());
    EXPECT_EQ((Pixel{level.StartX, level.StartY}), row.start);
    EXPECT_EQ((Pixel{level.EndX, level.EndY}), row.end);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PointerModes,
    testing::Values(
        ModeRow{"PaintTiles", PaintTiles, {9, 9}, {10, 10}, {TileBoxCall(2, 4, kWhite)}},
        ModeRow{"PlaceStart",
                PlaceStart,
                {2, 4},
                {10, 10},
                Concat({{TileBoxCall(9, 9, kRed)}, StartMarkerCalls(32, 64)})},
        ModeRow{"PlaceEnd",
                PlaceEnd,
                {9, 9},
                {2, 4},
                Concat({{TileBoxCall(10, 10, kGreen)}, EndMarkerCalls(32, 64)})}),
    RowName<ModeRow>);

// Painting a tile draws again the markers that stand on it, the start first;
// both coordinates must match.
struct MarkerTileRow {
    const char* name;
    Pixel start, end;
    std::vector<DrawCall> markers; // drawn after the box
};
void PrintTo(const MarkerTileRow& row, std::ostream* os) {
    *os << row.name;
}

class PaintingAMarkerTile : public PointerEditing,
                            public testing::WithParamInterface<MarkerTileRow> {};

TEST_P(PaintingAMarkerTile, DrawsTheMarkersOnItAgain) {
    const MarkerTileRow& row = GetParam();
    PlaceStartAt(static_cast<std::uint8_t>(row.start.x), static_cast<std::uint8_t>(row.start.y));
    PlaceEndAt(static_cast<std::uint8_t>(row.end.x), static_cast<std::uint8_t>(row.end.y));
    level.CurrentColor = 4;
    Move(kLeftButton, 85, 40);
    EXPECT_THAT(surface.calls,
                ElementsAreArray(Concat({{TileBoxCall(5, 2, kYellow)}, row.markers})));
    EXPECT_THAT(ChangedTiles(), ElementsAre(Pixel{5, 2}));
    EXPECT_EQ(level.Map(5, 2), 4);
    EXPECT_EQ((Pixel{level.StartX, level.StartY}), row.start);
    EXPECT_EQ((Pixel{level.EndX, level.EndY}), row.end);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PaintingAMarkerTile,
    testing::Values(MarkerTileRow{"StartOnIt", {5, 2}, {255, 255}, StartMarkerCalls(80, 32)},
                    MarkerTileRow{"EndOnIt", {255, 255}, {5, 2}, EndMarkerCalls(80, 32)},
                    MarkerTileRow{"BothOnIt",
                                  {5, 2},
                                  {5, 2},
                                  Concat({StartMarkerCalls(80, 32), EndMarkerCalls(80, 32)})},
                    MarkerTileRow{"SameColumnOnly", {5, 3}, {5, 1}, {}},
                    MarkerTileRow{"SameRowOnly", {4, 2}, {6, 2}, {}}),
    RowName<MarkerTileRow>);

TEST_F(PointerEditing, PlacingTheStartWhereItStandsRepaintsTheTileAndDrawsItAgain) {
    level.Map(2, 4) = 1;
    PlaceStartAt(2, 4);
    level.EditMode = PlaceStart;
    Move(kLeftButton, 37, 70);
    EXPECT_THAT(surface.calls,
                ElementsAreArray(Concat({{TileBoxCall(2, 4, kRed)}, StartMarkerCalls(32, 64)})));
    EXPECT_EQ(level.StartX, 2);
    EXPECT_EQ(level.StartY, 4);
    EXPECT_TRUE(level.Unsaved);
}

TEST_F(PointerEditing, MovingTheStartOffTheEndsTileWipesTheEndMarkerFromThePicture) {
    level.Map(3, 3) = 2;
    PlaceStartAt(3, 3);
    PlaceEndAt(3, 3);
    RecordingSwatches swatches;
    comRedraw_Click(level, surface.image, swatches);
    level.EditMode = PlaceStart;
    Move(kLeftButton, 100, 100);
    EXPECT_THAT(surface.calls,
                ElementsAreArray(Concat({{TileBoxCall(3, 3, kGreen)}, StartMarkerCalls(96, 96)})));
    EXPECT_EQ(PixelsOfColor(surface.image, kGreen), PixelsOf(TileRect(3, 3)));
    EXPECT_EQ(level.EndX, 3);
    EXPECT_EQ(level.EndY, 3);
    // The next full redraw shows it again.
    comRedraw_Click(level, surface.image, swatches);
    EXPECT_EQ(surface.image.PixelAt(48 + 7, 48 + 7), kWhite);
    EXPECT_EQ(surface.image.PixelAt(48 + 1, 48), kBlack);
}

TEST_F(PointerEditing, DragPaintsOnlyTheTilesUnderTheReportedPositions) {
    level.CurrentColor = 3;
    Move(kLeftButton, 8, 8);
    Move(kLeftButton, 100, 8);
    EXPECT_THAT(surface.calls, ElementsAre(TileBoxCall(0, 0, kBlue), TileBoxCall(6, 0, kBlue)));
    EXPECT_THAT(ChangedTiles(), ElementsAre(Pixel{0, 0}, Pixel{6, 0}));
    PixelSet expected = PixelsOf(TileRect(0, 0));
    expected.merge(PixelsOf(TileRect(6, 0)));
    EXPECT_EQ(PixelsOfColor(surface.image, kBlue), expected);
}

// In a placing mode a drag carries the marker along, and a release off the
// canvas leaves it at the last accepted position.
TEST_F(PointerEditing, DragCarriesTheStartAndARejectedReleaseLeavesIt) {
    level.EditMode = PlaceStart;
    Move(kLeftButton, 8, 8);
    Move(kLeftButton, 40, 8);
    Release(kLeftButton, 300, 8);
    EXPECT_THAT(surface.calls, ElementsAreArray(Concat({StartMarkerCalls(0, 0),
                                                        {TileBoxCall(0, 0, kBlack)},
                                                        StartMarkerCalls(32, 0)})));
    EXPECT_EQ(level.StartX, 2);
    EXPECT_EQ(level.StartY, 0);
    EXPECT_EQ(level.EditMode, PaintTiles);
}

// ---- A marker with no old tile to repaint ----

struct OldMarkerRow {
    const char* name;
    std::int16_t mode;
    std::uint8_t column, row; // where the marker stood before the move
};
void PrintTo(const OldMarkerRow& row, std::ostream* os) {
    *os << row.name;
}

void PutMarker(Level& level, const OldMarkerRow& row) {
    auto [column, tileRow] = row.mode == PlaceStart ? std::tie(level.StartX, level.StartY)
                                                    : std::tie(level.EndX, level.EndY);
    column = row.column;
    tileRow = row.row;
    level.EditMode = row.mode;
}

std::uint8_t MarkerColumn(const Level& level, std::int16_t mode) {
    return mode == PlaceStart ? level.StartX : level.EndX;
}
std::uint8_t MarkerRow(const Level& level, std::int16_t mode) {
    return mode == PlaceStart ? level.StartY : level.EndY;
}

// A Level that ends where a page that may not be touched begins: reading past
// its end, as Map(4, 200) would, faults.
class GuardedLevel {
public:
    GuardedLevel() {
        static_assert(sizeof(Level) <= 4096);
        page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        base_ = static_cast<char*>(
            mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (base_ == MAP_FAILED || mprotect(base_ + page_, page_, PROT_NONE) != 0) {
            std::abort();
        }
        level_ = new (base_ + page_ - sizeof(Level)) Level(StartupLevel());
    }
    GuardedLevel(const GuardedLevel&) = delete;
    GuardedLevel& operator=(const GuardedLevel&) = delete;
    ~GuardedLevel() {
        level_->~Level();
        munmap(base_, 2 * page_);
    }
    Level& operator*() { return *level_; }

private:
    std::size_t page_ = 0;
    char* base_ = nullptr;
    Level* level_ = nullptr;
};

class MarkerWithoutAnOldTile : public PointerEditing,
                               public testing::WithParamInterface<OldMarkerRow> {};

TEST_P(MarkerWithoutAnOldTile, IsDrawnAtItsNewTileAndNothingOldIsRepainted) {
    const OldMarkerRow& row = GetParam();
    PutMarker(level, row);
    KeepAsStartup();
    Move(kLeftButton, 100, 100);
    const auto expected =
        row.mode == PlaceStart ? StartMarkerCalls(96, 96) : EndMarkerCalls(96, 96);
    EXPECT_THAT(surface.calls, ElementsAreArray(expected));
    EXPECT_EQ(MarkerColumn(level, row.mode), 6);
    EXPECT_EQ(MarkerRow(level, row.mode), 6);
    EXPECT_EQ(MarkerColumn(level, row.mode == PlaceStart ? PlaceEnd : PlaceStart), NOT_PLACED);
    EXPECT_THAT(ChangedTiles(), IsEmpty());
    EXPECT_TRUE(level.Unsaved);
}

TEST_P(MarkerWithoutAnOldTile, MovingItReadsNothingPastTheLevel) {
    EXPECT_EXIT(
        {
            GuardedLevel guarded;
            PutMarker(*guarded, GetParam());
            PicMap_MouseMove(*guarded, surface, kLeftButton, 0, 100, 100);
            std::_Exit(MarkerColumn(*guarded, GetParam().mode) == 6 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Table, MarkerWithoutAnOldTile,
                         testing::Values(OldMarkerRow{"StartNotPlaced", PlaceStart, 255, 255},
                                         OldMarkerRow{"StartNotPlacedRow3", PlaceStart, 255, 3},
                                         OldMarkerRow{"StartRowOffTheMap", PlaceStart, 4, 200},
                                         OldMarkerRow{"StartColumnOffTheMap", PlaceStart, 20, 3},
                                         OldMarkerRow{"StartRowNotPlaced", PlaceStart, 4, 255},
                                         OldMarkerRow{"EndNotPlaced", PlaceEnd, 255, 255},
                                         OldMarkerRow{"EndRowOffTheMap", PlaceEnd, 4, 200},
                                         OldMarkerRow{"EndColumnOffTheMap", PlaceEnd, 20, 3}),
                         RowName<OldMarkerRow>);

} // namespace
