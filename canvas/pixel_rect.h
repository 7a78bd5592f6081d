#pragma once

#include <algorithm>

// A rectangle of whole pixels, left/top inclusive, width and height >= 0.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    int right() const { return x + width - 1; }
    int bottom() const { return y + height - 1; }

    // The smallest rectangle holding both; an empty one adds nothing.
    PixelRect united(const PixelRect& other) const {
        if (other.empty()) {
            return *this;
        }
        if (empty()) {
            return other;
        }
        const int left = std::min(x, other.x);
        const int top = std::min(y, other.y);
        return {left, top, std::max(right(), other.right()) - left + 1,
                std::max(bottom(), other.bottom()) - top + 1};
    }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
