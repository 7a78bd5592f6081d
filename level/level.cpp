#include "level.h"

#include <algorithm>

namespace {

constexpr std::array<Rgb, 8> kPalette{{
    {0, 0, 0},       // 0 Black
    {255, 0, 0},     // 1 Red
    {0, 255, 0},     // 2 Green
    {0, 0, 255},     // 3 Blue
    {255, 255, 0},   // 4 Yellow
    {255, 0, 255},   // 5 Magenta
    {0, 255, 255},   // 6 Cyan
    {255, 255, 255}, // 7 White
}};

constexpr std::uint8_t kStartupTile = 0;
constexpr std::uint8_t kStartupFace = 7;
constexpr std::int16_t kStartupColor = 7;

} // namespace

void SetStartupValues(Level& level) {
    level.Unsaved = false;
    level.Map.bytes.fill(kStartupTile);
    level.EditMode = PaintTiles;
    level.CurrentColor = kStartupColor;
    level.ColorTable.fill(kBlack);
    std::copy(kPalette.begin(), kPalette.end(), level.ColorTable.begin());
    level.CubeColor.fill(kStartupFace);
    level.StartX = NOT_PLACED;
    level.StartY = NOT_PLACED;
    level.EndX = NOT_PLACED;
    level.EndY = NOT_PLACED;
}
