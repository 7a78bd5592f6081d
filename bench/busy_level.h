#pragma once

#include "level.h"
#include "swatches.h"

#include <array>
#include <cstdint>

// The level the benchmarks draw and edit: every tile set, all eight colours
// spread over the board, both markers placed on tiles of their own and six
// different cube colours. A full redraw of it draws everything a redraw can.
inline Level BusyLevel() {
    Level level;
    SetStartupValues(level);
    std::uint32_t state = 12345;
    for (auto& tile : level.Map.bytes) {
        state = state * 1664525u + 1013904223u; // a fixed sequence, the same every run
        tile = static_cast<std::uint8_t>(state >> 29);
    }
    level.CubeColor = {1, 2, 3, 4, 5, 6};
    level.StartX = 3;
    level.StartY = 4;
    level.EndX = 12;
    level.EndY = 9;
    return level;
}

// Swatches that only keep the colour they were given, as cheap as a swatch can be.
class KeptSwatches final : public SwatchPainter {
public:
    void SetSwatchColor(Swatch swatch, Rgb color) override {
        colors_[static_cast<std::size_t>(swatch)] = color;
    }
    const std::array<Rgb, 7>& colors() const { return colors_; }

private:
    std::array<Rgb, 7> colors_{};
};
