// Pointer editing: one accepted move in each edit mode, from PicMap_MouseMove
// through PlotTile into the off-screen image, and a drag of 1,000 moves.

#include "busy_level.h"
#include "canvas_image.h"
#include "pointer_editing.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Position {
    float x;
    float y;
};

// One whole-pixel position inside each tile, row by row, each at a different
// place within its tile, all of them accepted.
std::array<Position, kMapSize * kMapSize> TilePositions() {
    std::array<Position, kMapSize * kMapSize> positions{};
    for (int i = 0; i < kMapSize * kMapSize; ++i) {
        const int within = 1 + i % (kTileSize - 1);
        positions[static_cast<std::size_t>(i)] = {
            static_cast<float>(kTileSize * (i % kMapSize) + within),
            static_cast<float>(kTileSize * (i / kMapSize) + kTileSize - 1 - within)};
    }
    return positions;
}

// A hand's drag across the canvas: a smooth loop reported a few pixels apart,
// so that some moves stay on their tile and some cross to the next one.
std::vector<Position> DragPath(int moves) {
    std::vector<Position> path;
    path.reserve(static_cast<std::size_t>(moves));
    for (int k = 0; k < moves; ++k) {
        const double t = 2 * std::acos(-1.0) * k / moves;
        path.push_back({static_cast<float>(std::lround(128 + 120 * std::sin(3 * t))),
                        static_cast<float>(std::lround(128 + 120 * std::sin(2 * t + 1)))});
    }
    return path;
}

void PointerMove(benchmark::State& state, std::int16_t mode) {
    Level level = BusyLevel();
    level.EditMode = mode;
    auto image = std::make_unique<CanvasImage>();
    const auto positions = TilePositions();
    std::size_t next = 0;
    for (auto _ : state) {
        const Position p = positions[next];
        PicMap_MouseMove(level, *image, kLeftButton, 0, p.x, p.y);
        next = (next + 1) % positions.size();
        benchmark::ClobberMemory();
    }
}

constexpr int kDragMoves = 1000;

void Drag1000(benchmark::State& state) {
    Level level = BusyLevel();
    level.CurrentColor = 4;
    auto image = std::make_unique<CanvasImage>();
    const std::vector<Position> path = DragPath(kDragMoves);
    for (auto _ : state) {
        for (const Position& p : path) {
            PicMap_MouseMove(level, *image, kLeftButton, 0, p.x, p.y);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kDragMoves);
}

} // namespace

BENCHMARK_CAPTURE(PointerMove, PaintTiles, PaintTiles);
BENCHMARK_CAPTURE(PointerMove, PlaceStart, PlaceStart);
BENCHMARK_CAPTURE(PointerMove, PlaceEnd, PlaceEnd);
BENCHMARK(Drag1000);
