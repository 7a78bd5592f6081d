#pragma once

#include "canvas_drawing.h"
#include "fuzz_check.h"
#include "guarded_canvas.h"
#include "level.h"
#include "swatches.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Records the colour each swatch was last given and how often it was set.
class SwatchLog final : public SwatchPainter {
public:
    void SetSwatchColor(Swatch swatch, Rgb color) override {
        const auto index = static_cast<std::size_t>(swatch);
        FUZZ_CHECK(index < colors.size());
        colors[index] = color;
        ++counts[index];
    }

    std::array<Rgb, 7> colors{};
    std::array<int, 7> counts{};
};

inline bool IsMarkerTile(std::uint8_t markerX, std::uint8_t markerY, int x, int y) {
    return IsOnMap(markerX, markerY) && markerX == x && markerY == y;
}

// Runs the full redraw on a fresh canvas and checks the picture: every tile
// without a marker is one flat box of its colour, a marker's tile holds only its
// colour, black and white, the six face swatches show the cube colours, the
// current-colour swatch is left alone, and nothing outside the image is touched.
FUZZ_NO_COVERAGE inline void CheckFullRedraw(const Level& level, GuardedCanvas& canvas) {
    constexpr std::uint32_t kBlackPixel = CanvasImage::Pack(kBlack);
    constexpr std::uint32_t kWhitePixel = CanvasImage::Pack(kWhite);
    SwatchLog swatches;
    comRedraw_Click(level, canvas.image, swatches);
    FUZZ_CHECK(canvas.GuardsIntact());
    FUZZ_CHECK(InsideImage(canvas.image.TakeDirtyRect()));
    for (int ty = 0; ty < kMapSize; ++ty) {
        for (int tx = 0; tx < kMapSize; ++tx) {
            const std::uint32_t tile = CanvasImage::Pack(LookUpColor(level, level.Map(tx, ty)));
            const bool marked = IsMarkerTile(level.StartX, level.StartY, tx, ty) ||
                                IsMarkerTile(level.EndX, level.EndY, tx, ty);
            for (int y = kTileSize * ty; y < kTileSize * (ty + 1); ++y) {
                const std::uint32_t* row = canvas.image.Bits() + y * CanvasImage::kWidth;
                for (int x = kTileSize * tx; x < kTileSize * (tx + 1); ++x) {
                    const std::uint32_t p = row[x];
                    FUZZ_CHECK(p == tile || (marked && (p == kBlackPixel || p == kWhitePixel)));
                }
            }
        }
    }
    for (int face = 0; face < kFaceCount; ++face) {
        const auto f = static_cast<std::size_t>(face);
        FUZZ_CHECK(swatches.counts[f] == 1);
        FUZZ_CHECK(swatches.colors[f] == LookUpColor(level, level.CubeColor[f]));
    }
    FUZZ_CHECK(swatches.counts[static_cast<std::size_t>(Swatch::Current)] == 0);
}

} // namespace fuzz
