#pragma once

#include "level.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// The editor's full redraw of the level, drawn by the core onto its off-screen
// canvas, scale times larger (1 to 16) by nearest neighbour: pixel (x, y) of the
// result is canvas pixel (x / scale, y / scale). Format_RGB32.
QImage RenderLevel(const Level& level, int scale);

struct PngResult {
    bool ok = false;
    std::vector<std::uint8_t> bytes;
    std::string reason; // when !ok
};

// The image encoded as a PNG file's bytes, in memory.
PngResult EncodePng(const QImage& image);
