#pragma once

#include "draw_surface.h"
#include "pixel_rect.h"

#include <algorithm>
#include <array>
#include <cstdint>

// The off-screen canvas: 256 by 256 RGB pixels, black at first, drawn by our own
// rasterisers. The window shows these very pixels.
//
// Coordinates: pixel (i, j) covers the square [i, i + 1) x [j, j + 1), so a
// coordinate c falls on pixel floor(c). Whole-number coordinates name their
// pixel; 37.5 falls on pixel 37 and -0.25 on pixel -1, off the canvas. A circle's
// radius is rounded to the nearest whole pixel. NaN coordinates draw nothing.
//
// The image also keeps the rectangle of pixels drawn since TakeDirtyRect was
// last called, so that the window repaints only that part.
class CanvasImage final : public DrawSurface {
public:
    static constexpr int kWidth = 256;
    static constexpr int kHeight = 256;

    CanvasImage();

    void FillBox(float x1, float y1, float x2, float y2, Rgb color) override;
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override;
    void DrawCircle(float cx, float cy, float radius, Rgb color) override;

    // The colour of pixel (x, y), 0 <= x, y < 256.
    Rgb PixelAt(int x, int y) const;

    // Rows of 256 pixels, top to bottom, each pixel 0xFFRRGGBB in one 32-bit word:
    // the layout of QImage::Format_RGB32, so the window can show it without a copy.
    const std::uint32_t* Bits() const { return pixels_.data(); }
    static constexpr int kBytesPerLine = kWidth * 4;

    // The pixels drawn since the last call (empty when none); starts afresh.
    PixelRect TakeDirtyRect();

    static constexpr std::uint32_t Pack(Rgb c) {
        return 0xFF000000u | static_cast<std::uint32_t>(c.r) << 16 |
               static_cast<std::uint32_t>(c.g) << 8 | c.b;
    }

private:
    // The pixels one figure has set so far.
    struct Extent {
        int left = kWidth, top = kHeight, right = -1, bottom = -1;
        void Add(int x, int y) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        PixelRect Rect() const { return {left, top, right - left + 1, bottom - top + 1}; }
    };

    void Plot(long long x, long long y, std::uint32_t pixel, Extent& extent);
    // Sets pixel (x, y), which the caller has made sure lies on the canvas.
    void Set(int x, int y, std::uint32_t pixel) {
        pixels_[static_cast<std::size_t>(y * kWidth + x)] = pixel;
    }
    void MarkDirty(const PixelRect& rect) { dirty_ = dirty_.united(rect); }

    std::array<std::uint32_t, kWidth * kHeight> pixels_;
    PixelRect dirty_;
};
