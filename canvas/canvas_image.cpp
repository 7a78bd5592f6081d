#include "canvas_image.h"

#include "segment_clip.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// A circle's centre further out than this is brought in to it before any
// integer arithmetic: with a radius of at most kMaxRadius such a circle misses
// the canvas either way.
constexpr double kFarAway = 1 << 28;

// Lines are first cut to this square about the canvas, along their own
// direction, so that the integer arithmetic below cannot overflow. It lies far
// enough out that the cut never changes which canvas pixels a line covers.
constexpr double kLineMargin = 1 << 20;
constexpr double kLineLow = -kLineMargin;
constexpr double kLineHigh = 255 + kLineMargin;

// Circles with a larger radius are not drawn; their outline would take too long
// to trace, and at that size it can meet the canvas only from absurdly far away.
constexpr double kMaxRadius = 1 << 24;

long long ToPixel(double c) {
    return static_cast<long long>(std::floor(std::clamp(c, -kFarAway, kFarAway)));
}

// The pixel of a coordinate, infinities taken as the largest finite values.
double PixelOf(float c) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    return std::floor(std::clamp(double{c}, -kLargest, kLargest));
}

bool AnyNan(std::initializer_list<float> values) {
    return std::any_of(values.begin(), values.end(), [](float v) { return std::isnan(v); });
}

// The whole pixels from lo to hi, both included, within 0 .. size - 1; empty
// (first > second) when the span misses the canvas.
std::pair<int, int> ClipSpan(float a, float b, int size) {
    const double lo = std::min(a, b);
    const double hi = std::max(a, b);
    if (hi < 0 || lo >= size) {
        return {1, 0};
    }
    const auto first = lo <= 0 ? 0 : static_cast<int>(std::floor(lo));
    const auto last = hi >= size ? size - 1 : static_cast<int>(std::floor(hi));
    return {first, last};
}

long long FloorDiv(long long numerator, long long denominator) {
    const long long q = numerator / denominator;
    return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? q - 1 : q;
}

// Sets count pixels from first on. The blocks of eight let the compiler store
// them a vector at a time at every optimisation level, where a plain loop or
// std::fill of a count known only at run time is stored one pixel at a time
// without the full loop vectoriser (-O2).
void FillRow(std::uint32_t* first, int count, std::uint32_t pixel) {
    for (; count >= 8; count -= 8, first += 8) {
        for (int i = 0; i < 8; ++i) {
            first[i] = pixel;
        }
    }
    std::fill_n(first, count, pixel);
}

// The minor coordinate of every step k = first .. last of a line along its major
// axis: floor((2 k minor + major) / (2 major)), the exact one rounded half up,
// kept as a quotient and a remainder from step to step. As minor <= major the
// remainder passes the divisor at most once a step, so no step divides.
template <typename StepFn>
void TraceLine(long long first, long long last, long long major, long long minor, StepFn step) {
    const long long divisor = std::max(2 * major, 1LL);
    long long offset = FloorDiv(2 * first * minor + major, divisor);
    long long remainder = 2 * first * minor + major - offset * divisor;
    for (long long k = first; k <= last; ++k) {
        step(k, offset);
        remainder += 2 * minor;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++offset;
        }
    }
}

// The midpoint circle of radius r about (x0, y0), traced over one octant and
// mirrored eight ways: hands each pixel of the outline to plot.
template <typename PlotFn> void TraceCircle(long long x0, long long y0, long long r, PlotFn plot) {
    long long x = r;
    long long y = 0;
    long long decision = 1 - r;
    while (y <= x) {
        plot(x0 + x, y0 + y);
        plot(x0 - x, y0 + y);
        plot(x0 + x, y0 - y);
        plot(x0 - x, y0 - y);
        plot(x0 + y, y0 + x);
        plot(x0 - y, y0 + x);
        plot(x0 + y, y0 - x);
        plot(x0 - y, y0 - x);
        ++y;
        if (decision < 0) {
            decision += 2 * y + 1;
        } else {
            --x;
            decision += 2 * (y - x) + 1;
        }
    }
}

} // namespace

CanvasImage::CanvasImage() {
    pixels_.fill(Pack(kBlack));
}

Rgb CanvasImage::PixelAt(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * kWidth + x)];
    return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
            static_cast<std::uint8_t>(p)};
}

PixelRect CanvasImage::TakeDirtyRect() {
    return std::exchange(dirty_, PixelRect{});
}

// Sets one pixel if it lies on the canvas and widens extent to hold it.
void CanvasImage::Plot(long long x, long long y, std::uint32_t pixel, Extent& extent) {
    if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) {
        const auto px = static_cast<int>(x);
        const auto py = static_cast<int>(y);
        Set(px, py, pixel);
        extent.Add(px, py);
    }
}

void CanvasImage::FillBox(float x1, float y1, float x2, float y2, Rgb color) {
    if (AnyNan({x1, y1, x2, y2})) {
        return;
    }
    const auto [left, right] = ClipSpan(x1, x2, kWidth);
    const auto [top, bottom] = ClipSpan(y1, y2, kHeight);
    if (left > right || top > bottom) {
        return;
    }
    const std::uint32_t pixel = Pack(color);
    const int width = right - left + 1;
    for (int y = top; y <= bottom; ++y) {
        FillRow(pixels_.data() + y * kWidth + left, width, pixel);
    }
    MarkDirty({left, top, width, bottom - top + 1});
}

// The line is traced along its major axis from the end with the smaller major
// coordinate, so both orders of the ends give the same pixels. At step k the
// minor coordinate is the exact one rounded half up, which for a diagonal is
// exactly k. Steps off the canvas along the major axis are skipped, not tested.
void CanvasImage::DrawLine(float x1, float y1, float x2, float y2, Rgb color) {
    if (AnyNan({x1, y1, x2, y2})) {
        return;
    }
    Segment s{PixelOf(x1), PixelOf(y1), PixelOf(x2), PixelOf(y2)};
    if (!ClipSegment(s, kLineLow, kLineHigh)) {
        return;
    }
    long long ax = std::llround(s.x1), ay = std::llround(s.y1);
    long long bx = std::llround(s.x2), by = std::llround(s.y2);
    const bool xMajor = std::llabs(bx - ax) >= std::llabs(by - ay);
    if (!xMajor) {
        std::swap(ax, ay);
        std::swap(bx, by);
    }
    if (bx < ax) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    const long long major = bx - ax;
    const long long minor = std::llabs(by - ay);
    const long long step = by < ay ? -1 : 1;
    const long long limit = xMajor ? kWidth - 1 : kHeight - 1;
    const long long first = std::max(0LL, -ax);
    const long long last = std::min(major, limit - ax);
    if (first > last) {
        return;
    }
    const std::uint32_t pixel = Pack(color);
    const long long mFirst =
        ay + step * FloorDiv(2 * first * minor + major, std::max(2 * major, 1LL));
    const long long mLast =
        ay + step * FloorDiv(2 * last * minor + major, std::max(2 * major, 1LL));
    const long long minorLimit = xMajor ? kHeight - 1 : kWidth - 1;
    if (std::min(mFirst, mLast) >= 0 && std::max(mFirst, mLast) <= minorLimit) {
        // The minor coordinate only ever moves one way, so with both ends on the
        // canvas every step is: no step needs a test, and the ends give the extent.
        TraceLine(first, last, major, minor, [&](long long k, long long offset) {
            const auto p = static_cast<int>(ax + k);
            const auto m = static_cast<int>(ay + step * offset);
            xMajor ? Set(p, m, pixel) : Set(m, p, pixel);
        });
        const auto lo = static_cast<int>(std::min(mFirst, mLast));
        const auto hi = static_cast<int>(std::max(mFirst, mLast));
        const auto from = static_cast<int>(ax + first);
        const auto to = static_cast<int>(ax + last);
        MarkDirty(xMajor ? PixelRect{from, lo, to - from + 1, hi - lo + 1}
                         : PixelRect{lo, from, hi - lo + 1, to - from + 1});
        return;
    }
    Extent extent;
    TraceLine(first, last, major, minor, [&](long long k, long long offset) {
        const long long m = ay + step * offset;
        xMajor ? Plot(ax + k, m, pixel, extent) : Plot(m, ax + k, pixel, extent);
    });
    MarkDirty(extent.Rect());
}

// The midpoint circle algorithm, traced over one octant and mirrored eight ways
// about the centre pixel.
void CanvasImage::DrawCircle(float cx, float cy, float radius, Rgb color) {
    if (AnyNan({cx, cy, radius}) || radius < 0 || radius > kMaxRadius) {
        return;
    }
    const auto r = static_cast<long long>(std::floor(double{radius} + 0.5));
    const long long x0 = ToPixel(cx);
    const long long y0 = ToPixel(cy);
    if (x0 + r < 0 || x0 - r >= kWidth || y0 + r < 0 || y0 - r >= kHeight) {
        return;
    }
    const std::uint32_t pixel = Pack(color);
    if (x0 - r >= 0 && x0 + r < kWidth && y0 - r >= 0 && y0 + r < kHeight) {
        // The whole outline lies on the canvas: no pixel needs a test, and as it
        // reaches all four sides of its square, the square is its extent.
        TraceCircle(x0, y0, r, [&](long long x, long long y) {
            Set(static_cast<int>(x), static_cast<int>(y), pixel);
        });
        const auto side = static_cast<int>(2 * r + 1);
        MarkDirty({static_cast<int>(x0 - r), static_cast<int>(y0 - r), side, side});
        return;
    }
    Extent extent;
    TraceCircle(x0, y0, r, [&](long long x, long long y) { Plot(x, y, pixel, extent); });
    MarkDirty(extent.Rect());
}
