#include "canvas_drawing.h"

#include <array>

namespace {

struct Ring {
    float radius;
    Rgb color;
};

constexpr std::array<Ring, 5> kStartRings{{
    {6, kBlack},
    {5, kWhite},
    {4, kWhite},
    {3, kWhite},
    {2, kBlack},
}};
constexpr float kStartCentre = 7;

// Offsets from the anchor: from (x1, y1) to (x2, y2), in drawing order.
struct Stroke {
    float x1, y1, x2, y2;
    Rgb color;
};

constexpr std::array<Stroke, 6> kEndStrokes{{
    {1, 0, 15, 14, kBlack}, // right of the falling diagonal
    {0, 1, 14, 15, kBlack}, // below the falling diagonal
    {14, 0, 0, 14, kBlack}, // left of the rising diagonal
    {15, 1, 1, 15, kBlack}, // below the rising diagonal
    {0, 0, 15, 15, kWhite}, // the falling diagonal
    {15, 0, 0, 15, kWhite}, // the rising diagonal
}};

float Anchor(std::uint8_t coordinate) { return static_cast<float>(kTileSize * coordinate); }

} // namespace

void DrawTile(const Level& level, DrawSurface& surface, int x, int y) {
    const auto left = static_cast<float>(kTileSize * x);
    const auto top = static_cast<float>(kTileSize * y);
    constexpr auto last = static_cast<float>(kTileSize - 1);
    surface.FillBox(left, top, left + last, top + last, LookUpColor(level, level.Map(x, y)));
}

void DrawStart(DrawSurface& surface, float px, float py) {
    for (const Ring& ring : kStartRings) {
        surface.DrawCircle(px + kStartCentre, py + kStartCentre, ring.radius, ring.color);
    }
}

void DrawEnd(DrawSurface& surface, float px, float py) {
    for (const Stroke& s : kEndStrokes) {
        surface.DrawLine(px + s.x1, py + s.y1, px + s.x2, py + s.y2, s.color);
    }
}

void comRedraw_Click(const Level& level, DrawSurface& surface, SwatchPainter& swatches) {
    for (int x = 0; x < kMapSize; ++x) {
        for (int y = 0; y < kMapSize; ++y) {
            DrawTile(level, surface, x, y);
        }
    }
    DrawStart(surface, Anchor(level.StartX), Anchor(level.StartY));
    DrawEnd(surface, Anchor(level.EndX), Anchor(level.EndY));
    for (int face = 0; face < kFaceCount; ++face) {
        swatches.SetSwatchColor(FaceSwatch(face),
                                LookUpColor(level, level.CubeColor[static_cast<std::size_t>(face)]));
    }
}

void PicMap_Paint(const Level& level, DrawSurface& surface, SwatchPainter& swatches) {
    comRedraw_Click(level, surface, swatches);
}
