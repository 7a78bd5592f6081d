// Drawing into the off-screen image: the full redraw against the memory floor
// of filling the same 256 by 256 pixels once, and the figures a pointer edit
// draws.

#include "busy_level.h"
#include "canvas_drawing.h"
#include "canvas_image.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>

namespace {

constexpr auto kImageBytes =
    static_cast<std::int64_t>(CanvasImage::kWidth * CanvasImage::kHeight * 4);
constexpr int kTileCount = kMapSize * kMapSize;

// The anchor of tile number i of the 256, row by row.
float AnchorX(int i) {
    return static_cast<float>(kTileSize * (i % kMapSize));
}
float AnchorY(int i) {
    return static_cast<float>(kTileSize * (i / kMapSize));
}

// Every tile, both markers and the six face swatches, as a repaint draws them.
void FullRedraw(benchmark::State& state) {
    const Level level = BusyLevel();
    auto image = std::make_unique<CanvasImage>();
    KeptSwatches swatches;
    for (auto _ : state) {
        comRedraw_Click(level, *image, swatches);
        benchmark::DoNotOptimize(image->Bits());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kImageBytes);
}

// The floor: the same number of pixels, in the same layout, set by one std::fill.
void FillFloor(benchmark::State& state) {
    struct alignas(64) Pixels {
        std::array<std::uint32_t, CanvasImage::kWidth * CanvasImage::kHeight> words;
    };
    auto pixels = std::make_unique<Pixels>();
    std::uint32_t value = 0xFF000000u;
    for (auto _ : state) {
        std::fill(pixels->words.begin(), pixels->words.end(), value++);
        benchmark::DoNotOptimize(pixels->words.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kImageBytes);
}

// One tile's box, a different tile each time, as painting a tile fills it.
void FillBoxTile(benchmark::State& state) {
    auto image = std::make_unique<CanvasImage>();
    DrawSurface& surface = *image;
    constexpr auto last = static_cast<float>(kTileSize - 1);
    int tile = 0;
    for (auto _ : state) {
        const float x = AnchorX(tile);
        const float y = AnchorY(tile);
        surface.FillBox(x, y, x + last, y + last, Rgb{255, 0, 0});
        tile = (tile + 1) % kTileCount;
        benchmark::ClobberMemory();
    }
}

template <void (*Draw)(DrawSurface&, float, float)> void DrawMarker(benchmark::State& state) {
    auto image = std::make_unique<CanvasImage>();
    DrawSurface& surface = *image;
    int tile = 0;
    for (auto _ : state) {
        Draw(surface, AnchorX(tile), AnchorY(tile));
        tile = (tile + 1) % kTileCount;
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(FullRedraw);
BENCHMARK(FillFloor);
BENCHMARK(FillBoxTile);
BENCHMARK(DrawMarker<DrawStart>)->Name("DrawStart");
BENCHMARK(DrawMarker<DrawEnd>)->Name("DrawEnd");
