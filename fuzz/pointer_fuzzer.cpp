// Pointer editing: the input is a script of pointer moves and releases, direct
// plots, edit-mode and colour choices, loads and full redraws, applied to one
// level and one canvas. After every event the level holds only what the editor
// may store and nothing outside the image has been drawn.
//
// Script: a sequence of events, each an opcode byte (taken modulo the number of
// events) and its operands:
//   0 move     button (signed byte), x, y   PicMap_MouseMove
//   1 release  button (signed byte), x, y   PicMap_MouseUp
//   2 plot     x, y                         PlotTile
//   3 "PLACE START"                         EditMode := PlaceStart
//   4 "PLACE END"                           EditMode := PlaceEnd
//   5 colour   index byte, modulo 8         CurrentColor := index
//   6 load     the 266 bytes after the magic, zeros where the input ends
//   7 redraw                                comRedraw_Click
// A full redraw costs as much as hundreds of pointer events, so only the first
// kMaxRedraws of an input (by a load or by event 7) are drawn and checked.
// Coordinates are read by ByteReader::Coordinate.

#include "byte_reader.h"
#include "fuzz_check.h"
#include "guarded_canvas.h"
#include "map_file.h"
#include "pointer_editing.h"
#include "redraw_check.h"
#include "same_level.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>

namespace {

using fuzz::ByteReader;
using fuzz::FailCheck;

enum Event : std::uint8_t {
    kMove,
    kRelease,
    kPlot,
    kPlaceStart,
    kPlaceEnd,
    kChooseColor,
    kLoad,
    kRedraw,
    kEventCount
};

// A marker may hold coordinates outside the map only as a loaded file left them.
struct MarkerWatch {
    bool fromFile = false;
    std::uint8_t loadedX = 0;
    std::uint8_t loadedY = 0;

    void Loaded(std::uint8_t x, std::uint8_t y) { *this = {true, x, y}; }

    void Check(std::uint8_t x, std::uint8_t y) const {
        if (fromFile) {
            FUZZ_CHECK(x == loadedX && y == loadedY);
            return;
        }
        const auto valid = [](std::uint8_t c) { return c < kMapSize || c == NOT_PLACED; };
        FUZZ_CHECK(valid(x) && valid(y));
        FUZZ_CHECK((x == NOT_PLACED) == (y == NOT_PLACED));
    }
};

// One canvas serves the whole run, as nothing here depends on the picture an
// earlier input left: the checks read pixels only after a full redraw.
fuzz::GuardedCanvas& SharedCanvas() {
    static const auto canvas = std::make_unique<fuzz::GuardedCanvas>();
    return *canvas;
}

struct Session {
    Level level;
    fuzz::GuardedCanvas* canvas = &SharedCanvas();
    MarkerWatch start;
    MarkerWatch end;
    int redraws = 0;
};

constexpr int kMaxRedraws = 4;

void Redraw(Session& s) {
    if (s.redraws < kMaxRedraws) {
        ++s.redraws;
        fuzz::CheckFullRedraw(s.level, *s.canvas);
    }
}

bool Accepts(std::int16_t button, float x, float y) {
    return button == 1 && x > 0 && y > 0 && x < 256 && y < 256;
}

// The tile of an accepted coordinate: that of its nearest whole pixel, ties to
// even. From 255.5 up the nearest pixel is 256, past the map; the editor may take
// that as tile 15 or ignore the event, so there is no single answer.
std::optional<int> ExpectedTile(float c) {
    const long n = std::lrint(c);
    return n < kMapSize * kTileSize ? std::optional<int>(static_cast<int>(n / kTileSize))
                                    : std::nullopt;
}

// The pixels a tile's box and marker may cover, with a pixel to spare on each
// side for the fraction a snapped position keeps.
PixelRect TileZone(int tx, int ty) {
    return {kTileSize * tx - 1, kTileSize * ty - 1, kTileSize + 2, kTileSize + 2};
}

bool Within(const PixelRect& inner, const PixelRect& outer) {
    return inner.empty() || (fuzz::Contains(outer, inner.x, inner.y) &&
                             fuzz::Contains(outer, inner.right(), inner.bottom()));
}

// Only tile (tx, ty) of the map may differ.
bool MapDiffersAtMost(const Level& a, const Level& b, int tx, int ty) {
    for (std::size_t i = 0; i < a.Map.bytes.size(); ++i) {
        if (a.Map.bytes[i] != b.Map.bytes[i] && i != TileMap::Index(tx, ty)) {
            return false;
        }
    }
    return true;
}

void CheckPaint(const Level& before, const Level& after, int tx, int ty, bool mayIgnore,
                const PixelRect& drawn) {
    FUZZ_CHECK(MapDiffersAtMost(before, after, tx, ty));
    FUZZ_CHECK(mayIgnore || after.Map(tx, ty) == before.CurrentColor);
    FUZZ_CHECK(after.StartX == before.StartX && after.StartY == before.StartY);
    FUZZ_CHECK(after.EndX == before.EndX && after.EndY == before.EndY);
    FUZZ_CHECK(Within(drawn, TileZone(tx, ty)));
}

// A placing event moves one marker to (tx, ty), may repaint the tile it left,
// and changes nothing else of the level.
void CheckPlace(std::uint8_t oldX, std::uint8_t oldY, std::uint8_t newX, std::uint8_t newY, int tx,
                int ty, bool mayIgnore, const PixelRect& drawn) {
    const bool moved = newX == tx && newY == ty;
    FUZZ_CHECK(moved || (mayIgnore && newX == oldX && newY == oldY));
    PixelRect zone = TileZone(tx, ty);
    if (IsPlaced(oldX) && IsOnMap(oldX, oldY)) {
        zone = zone.united(TileZone(oldX, oldY));
    }
    FUZZ_CHECK(Within(drawn, zone));
}

void CheckAcceptedEdit(Session& s, const Level& before, float x, float y, const PixelRect& drawn) {
    const Level& after = s.level;
    const std::optional<int> tx = ExpectedTile(x);
    const std::optional<int> ty = ExpectedTile(y);
    const bool mayIgnore = !tx || !ty;
    const int col = tx.value_or(kMapSize - 1);
    const int row = ty.value_or(kMapSize - 1);
    FUZZ_CHECK(after.Unsaved || mayIgnore);
    FUZZ_CHECK(after.CubeColor == before.CubeColor && after.CurrentColor == before.CurrentColor);
    switch (before.EditMode) {
    case PaintTiles:
        CheckPaint(before, after, col, row, mayIgnore, drawn);
        break;
    case PlaceStart:
        FUZZ_CHECK(after.Map == before.Map && after.EndX == before.EndX &&
                   after.EndY == before.EndY);
        CheckPlace(before.StartX, before.StartY, after.StartX, after.StartY, col, row, mayIgnore,
                   drawn);
        s.start.fromFile &= after.StartX == before.StartX && after.StartY == before.StartY;
        break;
    case PlaceEnd:
        FUZZ_CHECK(after.Map == before.Map && after.StartX == before.StartX &&
                   after.StartY == before.StartY);
        CheckPlace(before.EndX, before.EndY, after.EndX, after.EndY, col, row, mayIgnore, drawn);
        s.end.fromFile &= after.EndX == before.EndX && after.EndY == before.EndY;
        break;
    default:
        FailCheck("edit mode other than 0, 1 or 3", __FILE__, __LINE__);
    }
}

void PointerEvent(Session& s, Event event, std::int16_t button, float x, float y) {
    const Level before = s.level;
    CanvasImage& image = s.canvas->image;
    bool accepted = Accepts(button, x, y);
    if (event == kMove) {
        PicMap_MouseMove(s.level, image, button, 0, x, y);
    } else if (event == kRelease) {
        PicMap_MouseUp(s.level, image, button, 0, x, y);
    } else {
        accepted = Accepts(1, x, y);
        float px = x;
        float py = y;
        PlotTile(s.level, image, px, py);
    }
    const PixelRect drawn = image.TakeDirtyRect();
    if (accepted) {
        CheckAcceptedEdit(s, before, x, y, drawn);
    } else {
        FUZZ_CHECK(drawn.empty());
        FUZZ_CHECK(s.level.Map == before.Map && s.level.Unsaved == before.Unsaved);
        FUZZ_CHECK(s.level.StartX == before.StartX && s.level.StartY == before.StartY);
        FUZZ_CHECK(s.level.EndX == before.EndX && s.level.EndY == before.EndY);
    }
    FUZZ_CHECK(s.level.EditMode == (event == kRelease ? PaintTiles : before.EditMode));
}

// As "LOAD" does once the file has passed: read the record, redraw, mark saved.
void Load(Session& s, ByteReader& input) {
    MapRecord record{};
    std::copy(MAP_MAGIC.begin(), MAP_MAGIC.end(), record.begin());
    const auto rest = input.Bytes(MAP_FILE_SIZE - MAP_MAGIC.size());
    std::copy(rest.begin(), rest.end(), record.begin() + MAP_MAGIC.size());
    FUZZ_CHECK(DecodeRecord(record, s.level) == MapReadStatus::Loaded);
    s.start.Loaded(s.level.StartX, s.level.StartY);
    s.end.Loaded(s.level.EndX, s.level.EndY);
    Redraw(s);
    s.level.Unsaved = false;
}

void RunEvent(Session& s, ByteReader& input) {
    const auto event = static_cast<Event>(input.Byte() % kEventCount);
    switch (event) {
    case kMove:
    case kRelease: {
        const auto button = static_cast<std::int16_t>(static_cast<std::int8_t>(input.Byte()));
        const float x = input.Coordinate();
        PointerEvent(s, event, button, x, input.Coordinate());
        break;
    }
    case kPlot: {
        const float x = input.Coordinate();
        PointerEvent(s, event, 1, x, input.Coordinate());
        break;
    }
    case kPlaceStart:
        s.level.EditMode = PlaceStart;
        break;
    case kPlaceEnd:
        s.level.EditMode = PlaceEnd;
        break;
    case kChooseColor:
        s.level.CurrentColor = static_cast<std::int16_t>(input.Byte() % 8);
        break;
    case kLoad:
        Load(s, input);
        break;
    case kRedraw:
        Redraw(s);
        break;
    default:
        break;
    }
    FUZZ_CHECK(s.canvas->GuardsIntact());
    s.start.Check(s.level.StartX, s.level.StartY);
    s.end.Check(s.level.EndX, s.level.EndY);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input({data, size});
    Session session;
    SetStartupValues(session.level);
    session.canvas->image.TakeDirtyRect();
    while (!input.done()) {
        RunEvent(session, input);
    }
    return 0;
}
