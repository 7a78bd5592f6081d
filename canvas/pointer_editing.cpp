#include "pointer_editing.h"

#include "canvas_drawing.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kCanvasSize = static_cast<float>(kMapSize * kTileSize);
constexpr int kLastPixel = kMapSize * kTileSize - 1;

struct SnappedCoordinate {
    float pixel; // where the tile's box and markers are drawn
    int tile;    // 0..15
};

SnappedCoordinate Snap(float coordinate) {
    // nearbyint rounds to nearest, ties to even, in the default rounding mode.
    const int n = std::min(static_cast<int>(std::nearbyint(coordinate)), kLastPixel);
    const int r = n % kTileSize;
    const float pixel = coordinate - static_cast<float>(r);
    return {pixel, static_cast<int>(std::nearbyint(pixel / kTileSize))};
}

// Moves one marker to tile (tx, ty), drawn at (x, y), after wiping its old tile.
template <typename DrawMarker>
void MoveMarker(Level& level, DrawSurface& surface, std::uint8_t& column, std::uint8_t& row,
                float x, float y, int tx, int ty, DrawMarker draw) {
    if (IsPlaced(column) && IsOnMap(column, row)) {
        DrawTile(level, surface, column, row);
    }
    column = static_cast<std::uint8_t>(tx);
    row = static_cast<std::uint8_t>(ty);
    draw(surface, x, y);
}

void PaintTile(Level& level, DrawSurface& surface, float x, float y, int tx, int ty) {
    constexpr auto last = static_cast<float>(kTileSize - 1);
    const auto colorIndex = static_cast<std::size_t>(level.CurrentColor);
    surface.FillBox(x, y, x + last, y + last, LookUpColor(level, colorIndex));
    if (level.StartX == tx && level.StartY == ty) {
        DrawStart(surface, x, y);
    }
    if (level.EndX == tx && level.EndY == ty) {
        DrawEnd(surface, x, y);
    }
    level.Map(tx, ty) = static_cast<std::uint8_t>(level.CurrentColor);
}

} // namespace

bool IsAcceptedEvent(std::int16_t button, float x, float y) {
    return button == kLeftButton && x > 0 && y > 0 && x < kCanvasSize && y < kCanvasSize;
}

void PicMap_MouseMove(Level& level, DrawSurface& surface, std::int16_t button,
                      std::int16_t /*shift*/, float x, float y) {
    if (IsAcceptedEvent(button, x, y)) {
        PlotTile(level, surface, x, y);
    }
}

void PicMap_MouseUp(Level& level, DrawSurface& surface, std::int16_t button,
                    std::int16_t /*shift*/, float x, float y) {
    if (IsAcceptedEvent(button, x, y)) {
        PlotTile(level, surface, x, y);
    }
    level.EditMode = PaintTiles;
}

void PlotTile(Level& level, DrawSurface& surface, float& x, float& y) {
    if (!IsAcceptedEvent(kLeftButton, x, y)) {
        return;
    }
    const SnappedCoordinate sx = Snap(x);
    const SnappedCoordinate sy = Snap(y);
    x = sx.pixel;
    y = sy.pixel;
    level.Unsaved = true;
    switch (level.EditMode) {
    case PaintTiles:
        PaintTile(level, surface, x, y, sx.tile, sy.tile);
        break;
    case PlaceStart:
        MoveMarker(level, surface, level.StartX, level.StartY, x, y, sx.tile, sy.tile, DrawStart);
        break;
    case PlaceEnd:
        MoveMarker(level, surface, level.EndX, level.EndY, x, y, sx.tile, sy.tile, DrawEnd);
        break;
    default:
        break;
    }
}
