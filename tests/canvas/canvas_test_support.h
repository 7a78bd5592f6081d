#pragma once

// Stand-ins and pixel helpers shared by the canvas tests: a DrawSurface and a
// SwatchPainter that log their calls, the calls the two markers are made of, and
// ways to compare pictures as sets of pixels.

#include "canvas_image.h"
#include "draw_surface.h"
#include "level.h"
#include "pixel_rect.h"
#include "swatches.h"

#include <algorithm>
#include <array>
#include <compare>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// Printers for the canvas's own value types, found by gtest through ADL.
inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ")";
}
inline void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "rect(x " << r.x << ", y " << r.y << ", " << r.width << " by " << r.height << ")";
}
inline void PrintTo(Swatch s, std::ostream* os) {
    *os << "swatch " << static_cast<int>(s);
}

namespace canvas_test {

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};

// The eight colours of the colour options, by index.
inline constexpr std::array<Rgb, 8> kPalette{
    {kBlack, kRed, kGreen, kBlue, kYellow, {255, 0, 255}, {0, 255, 255}, kWhite}};

inline Level StartupLevel() {
    Level level;
    SetStartupValues(level);
    return level;
}

// Names the instances of a table of cases after the row's name field.
template <typename Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---- Pixels ----

struct Pixel {
    int x = 0;
    int y = 0;
    friend auto operator<=>(const Pixel&, const Pixel&) = default;
};
inline void PrintTo(const Pixel& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

using PixelSet = std::set<Pixel>;

template <typename Predicate> PixelSet PixelsWhere(Predicate predicate) {
    PixelSet pixels;
    for (int y = 0; y < CanvasImage::kHeight; ++y) {
        for (int x = 0; x < CanvasImage::kWidth; ++x) {
            if (predicate(x, y)) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

inline PixelSet PixelsOfColor(const CanvasImage& image, Rgb color) {
    return PixelsWhere([&](int x, int y) { return image.PixelAt(x, y) == color; });
}

inline PixelSet ChangedPixels(const CanvasImage& before, const CanvasImage& after) {
    return PixelsWhere([&](int x, int y) { return before.PixelAt(x, y) != after.PixelAt(x, y); });
}

// The smallest rectangle holding every pixel of the set; empty for an empty set.
inline PixelRect BoundingRect(const PixelSet& pixels) {
    PixelRect rect;
    for (const Pixel& p : pixels) {
        rect = rect.united({p.x, p.y, 1, 1});
    }
    return rect;
}

inline PixelRect TileRect(int x, int y) {
    return {kTileSize * x, kTileSize * y, kTileSize, kTileSize};
}

inline bool Contains(const PixelRect& rect, Pixel p) {
    return p.x >= rect.x && p.x <= rect.right() && p.y >= rect.y && p.y <= rect.bottom();
}

inline PixelSet PixelsOf(const PixelRect& rect) {
    return PixelsWhere([&](int x, int y) { return Contains(rect, {x, y}); });
}

// An image with every pixel in color and an empty dirty rectangle, so that
// whatever a test draws on it afterwards shows as a change.
inline CanvasImage FilledImage(Rgb color) {
    CanvasImage image;
    image.FillBox(0, 0, 255, 255, color);
    image.TakeDirtyRect();
    return image;
}

// ---- Recorded calls ----

enum class Figure { Box, Line, Circle };

// One DrawSurface call: a box or a line from (a, b) to (c, d), or a circle about
// (a, b) of radius c.
struct DrawCall {
    Figure figure = Figure::Box;
    float a = 0, b = 0, c = 0, d = 0;
    Rgb color;
    friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

inline void PrintTo(const DrawCall& call, std::ostream* os) {
    switch (call.figure) {
    case Figure::Box:
        *os << "FillBox(" << call.a << ", " << call.b << ", " << call.c << ", " << call.d;
        break;
    case Figure::Line:
        *os << "DrawLine(" << call.a << ", " << call.b << ", " << call.c << ", " << call.d;
        break;
    case Figure::Circle:
        *os << "DrawCircle(" << call.a << ", " << call.b << ", " << call.c;
        break;
    }
    *os << ", ";
    ::PrintTo(call.color, os);
    *os << ")";
}

inline DrawCall BoxCall(float x1, float y1, float x2, float y2, Rgb color) {
    return {Figure::Box, x1, y1, x2, y2, color};
}
inline DrawCall LineCall(float x1, float y1, float x2, float y2, Rgb color) {
    return {Figure::Line, x1, y1, x2, y2, color};
}
inline DrawCall CircleCall(float cx, float cy, float radius, Rgb color) {
    return {Figure::Circle, cx, cy, radius, 0, color};
}

// The box that draws tile (x, y) in a colour.
inline DrawCall TileBoxCall(int x, int y, Rgb color) {
    const auto left = static_cast<float>(kTileSize * x);
    const auto top = static_cast<float>(kTileSize * y);
    return BoxCall(left, top, left + 15, top + 15, color);
}

// The start marker at anchor (px, py): five rings about (px + 7, py + 7).
inline std::vector<DrawCall> StartMarkerCalls(float px, float py) {
    const float cx = px + 7;
    const float cy = py + 7;
    return {CircleCall(cx, cy, 6, kBlack), CircleCall(cx, cy, 5, kWhite),
            CircleCall(cx, cy, 4, kWhite), CircleCall(cx, cy, 3, kWhite),
            CircleCall(cx, cy, 2, kBlack)};
}

// The end marker at anchor (px, py): four black edges, then the two white diagonals.
inline std::vector<DrawCall> EndMarkerCalls(float px, float py) {
    return {LineCall(px + 1, py, px + 15, py + 14, kBlack),
            LineCall(px, py + 1, px + 14, py + 15, kBlack),
            LineCall(px + 14, py, px, py + 14, kBlack),
            LineCall(px + 15, py + 1, px + 1, py + 15, kBlack),
            LineCall(px, py, px + 15, py + 15, kWhite),
            LineCall(px + 15, py, px, py + 15, kWhite)};
}

inline std::vector<DrawCall> Concat(std::initializer_list<std::vector<DrawCall>> parts) {
    std::vector<DrawCall> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Logs every call in order and draws it on its own image as well, so that a test
// can look at both what was asked for and what the picture became.
class RecordingSurface final : public DrawSurface {
public:
    void FillBox(float x1, float y1, float x2, float y2, Rgb color) override {
        calls.push_back(BoxCall(x1, y1, x2, y2, color));
        image.FillBox(x1, y1, x2, y2, color);
    }
    void DrawLine(float x1, float y1, float x2, float y2, Rgb color) override {
        calls.push_back(LineCall(x1, y1, x2, y2, color));
        image.DrawLine(x1, y1, x2, y2, color);
    }
    void DrawCircle(float cx, float cy, float radius, Rgb color) override {
        calls.push_back(CircleCall(cx, cy, radius, color));
        image.DrawCircle(cx, cy, radius, color);
    }

    std::vector<DrawCall> calls;
    CanvasImage image;
};

struct SwatchCall {
    Swatch swatch = Swatch::Top;
    Rgb color;
    friend bool operator==(const SwatchCall&, const SwatchCall&) = default;
};

inline void PrintTo(const SwatchCall& call, std::ostream* os) {
    ::PrintTo(call.swatch, os);
    *os << " := ";
    ::PrintTo(call.color, os);
}

class RecordingSwatches final : public SwatchPainter {
public:
    void SetSwatchColor(Swatch swatch, Rgb color) override { calls.push_back({swatch, color}); }

    std::vector<SwatchCall> calls;
};

} // namespace canvas_test
