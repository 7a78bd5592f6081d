// The drawing surface: the input is a script of FillBox, DrawLine and DrawCircle
// calls with any floats. After every call the dirty rectangle lies inside the
// image and covers every pixel that changed, nothing outside the image has been
// written, and the changed pixels lie within the figure's bounds. For whole
// numbers, where the result is fully defined, the figure is also checked
// exactly: every pixel of a box, every pixel of a diagonal line, the four points
// of a circle on the lines through its centre, and its symmetry.
//
// Script: a sequence of calls, each an opcode byte (modulo 3) and its operands:
//   0 FillBox    x1, y1, x2, y2, colour (3 bytes)
//   1 DrawLine   x1, y1, x2, y2, colour
//   2 DrawCircle cx, cy, radius, colour
// Coordinates are read by ByteReader::Coordinate.

#include "byte_reader.h"
#include "fuzz_check.h"
#include "guarded_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

using fuzz::ByteReader;

constexpr int kSize = CanvasImage::kWidth;
static_assert(CanvasImage::kHeight == kSize);

using Pixels = std::array<std::uint32_t, kSize * kSize>;

// The bounds of a figure along one axis, in canvas coordinates.
struct Span {
    double lo;
    double hi;
};

Span SpanOf(float a, float b) {
    return {std::min<double>(a, b), std::max<double>(a, b)};
}

bool IsWhole(float v) {
    return std::isfinite(v) && v == std::floor(v);
}

struct Figure {
    Span x;
    Span y;
    bool whole; // every argument a whole number
};

// A changed pixel must lie within the figure's bounds; with fractional
// arguments the mapping to pixels is left open, so a pixel's slack is allowed.
FUZZ_NO_COVERAGE bool InBounds(const Figure& f, int px, int py) {
    const double slack = f.whole ? 0 : 1;
    return px >= std::floor(f.x.lo) - slack && px <= std::floor(f.x.hi) + slack &&
           py >= std::floor(f.y.lo) - slack && py <= std::floor(f.y.hi) + slack;
}

// The canvas and the picture before the current call, made once and cleared to
// black for each input.
struct Session {
    std::unique_ptr<fuzz::GuardedCanvas> canvas = std::make_unique<fuzz::GuardedCanvas>();
    std::unique_ptr<Pixels> shadow = std::make_unique<Pixels>();

    void Clear() {
        canvas->image.FillBox(0, 0, kSize - 1, kSize - 1, kBlack);
        canvas->image.TakeDirtyRect();
        shadow->fill(CanvasImage::Pack(kBlack));
    }

    FUZZ_NO_COVERAGE std::uint32_t At(int x, int y) const {
        return canvas->image.Bits()[static_cast<std::size_t>(y * kSize + x)];
    }
    FUZZ_NO_COVERAGE std::uint32_t Before(int x, int y) const {
        return shadow->data()[static_cast<std::size_t>(y * kSize + x)];
    }
    FUZZ_NO_COVERAGE bool Is(int x, int y, std::uint32_t pixel) const {
        return x < 0 || x >= kSize || y < 0 || y >= kSize || At(x, y) == pixel;
    }
};

// Compares the picture with the one before the call, row by row, and keeps it.
FUZZ_NO_COVERAGE void CheckChangedPixels(Session& s, const Figure& figure, const PixelRect& dirty) {
    const std::uint32_t* now = s.canvas->image.Bits();
    for (int y = 0; y < kSize; ++y) {
        const auto row = static_cast<std::size_t>(y * kSize);
        if (std::memcmp(now + row, s.shadow->data() + row, kSize * sizeof(std::uint32_t)) == 0) {
            continue;
        }
        for (int x = 0; x < kSize; ++x) {
            if (now[row + static_cast<std::size_t>(x)] != s.Before(x, y)) {
                FUZZ_CHECK(fuzz::Contains(dirty, x, y));
                FUZZ_CHECK(InBounds(figure, x, y));
            }
        }
        std::memcpy(s.shadow->data() + row, now + row, kSize * sizeof(std::uint32_t));
    }
}

FUZZ_NO_COVERAGE int Clip(double v) {
    return static_cast<int>(std::clamp(v, -1.0, double{kSize}));
}

FUZZ_NO_COVERAGE void CheckWholeBox(const Session& s, const Figure& f, std::uint32_t pixel) {
    for (int y = std::max(Clip(f.y.lo), 0); y <= std::min(Clip(f.y.hi), kSize - 1); ++y) {
        for (int x = std::max(Clip(f.x.lo), 0); x <= std::min(Clip(f.x.hi), kSize - 1); ++x) {
            FUZZ_CHECK(s.At(x, y) == pixel);
        }
    }
}

// A diagonal line covers (x1 + k sx, y1 + k sy) for k = 0 .. |x2 - x1|.
FUZZ_NO_COVERAGE void CheckWholeDiagonal(const Session& s, float x1, float y1, float x2, float y2,
                                         std::uint32_t pixel) {
    const double dx = double{x2} - x1;
    const double dy = double{y2} - y1;
    if (std::fabs(dx) != std::fabs(dy) || std::fabs(dx) > 1 << 24) {
        return;
    }
    const double sx = dx < 0 ? -1 : 1;
    const double sy = dy < 0 ? -1 : 1;
    // Only the steps whose column lies on the canvas.
    const double kFirst =
        std::max(0.0, std::min(sx * (0 - double{x1}), sx * (kSize - 1 - double{x1})));
    const double kLast =
        std::min(std::fabs(dx), std::max(sx * (0 - double{x1}), sx * (kSize - 1 - double{x1})));
    for (double k = kFirst; k <= kLast; ++k) {
        const double px = x1 + k * sx;
        const double py = y1 + k * sy;
        if (py >= 0 && py < kSize) {
            FUZZ_CHECK(s.At(static_cast<int>(px), static_cast<int>(py)) == pixel);
        }
    }
}

// Reaches the four points on the lines through the centre, and every pixel
// drawn has its seven mirror images (those on the canvas) drawn as well.
FUZZ_NO_COVERAGE void CheckWholeCircle(const Session& s, float cx, float cy, float radius,
                                       std::uint32_t pixel) {
    if (std::fabs(cx) > 1 << 20 || std::fabs(cy) > 1 << 20 || radius > 1 << 20) {
        return;
    }
    const auto x0 = static_cast<int>(cx);
    const auto y0 = static_cast<int>(cy);
    const auto r = static_cast<int>(radius);
    FUZZ_CHECK(s.Is(x0 + r, y0, pixel) && s.Is(x0 - r, y0, pixel));
    FUZZ_CHECK(s.Is(x0, y0 + r, pixel) && s.Is(x0, y0 - r, pixel));
    for (int y = std::max(0, y0 - r); y <= std::min(kSize - 1, y0 + r); ++y) {
        for (int x = std::max(0, x0 - r); x <= std::min(kSize - 1, x0 + r); ++x) {
            if (s.At(x, y) != pixel || s.Before(x, y) == pixel) {
                continue; // not drawn by this call
            }
            const int dx = x - x0;
            const int dy = y - y0;
            FUZZ_CHECK(s.Is(x0 - dx, y0 + dy, pixel) && s.Is(x0 + dx, y0 - dy, pixel) &&
                       s.Is(x0 - dx, y0 - dy, pixel) && s.Is(x0 + dy, y0 + dx, pixel) &&
                       s.Is(x0 - dy, y0 + dx, pixel) && s.Is(x0 + dy, y0 - dx, pixel) &&
                       s.Is(x0 - dy, y0 - dx, pixel));
        }
    }
}

void RunCall(Session& s, ByteReader& input) {
    const int op = input.Byte() % 3;
    const float a = input.Coordinate();
    const float b = input.Coordinate();
    const float c = input.Coordinate();
    const float d = op == 2 ? 0.0f : input.Coordinate();
    const Rgb color = input.Color();
    const std::uint32_t pixel = CanvasImage::Pack(color);
    CanvasImage& image = s.canvas->image;

    Figure figure{};
    if (op == 0) {
        image.FillBox(a, b, c, d, color);
        figure = {SpanOf(a, c), SpanOf(b, d), IsWhole(a) && IsWhole(b) && IsWhole(c) && IsWhole(d)};
    } else if (op == 1) {
        image.DrawLine(a, b, c, d, color);
        figure = {SpanOf(a, c), SpanOf(b, d), IsWhole(a) && IsWhole(b) && IsWhole(c) && IsWhole(d)};
    } else {
        image.DrawCircle(a, b, c, color);
        figure = {{double{a} - c, double{a} + c},
                  {double{b} - c, double{b} + c},
                  IsWhole(a) && IsWhole(b) && IsWhole(c)};
    }

    FUZZ_CHECK(s.canvas->GuardsIntact());
    const PixelRect dirty = image.TakeDirtyRect();
    FUZZ_CHECK(fuzz::InsideImage(dirty));
    if (figure.whole && op == 0) {
        CheckWholeBox(s, figure, pixel);
    } else if (figure.whole && op == 1) {
        CheckWholeDiagonal(s, a, b, c, d, pixel);
    } else if (figure.whole && c >= 0) {
        CheckWholeCircle(s, a, b, c, pixel);
    }
    CheckChangedPixels(s, figure, dirty);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input({data, size});
    static Session session;
    session.Clear();
    while (!input.done()) {
        RunCall(session, input);
    }
    return 0;
}
