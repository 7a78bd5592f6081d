#pragma once

#include "canvas_image.h"
#include "fuzz_check.h"
#include "pixel_rect.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// A CanvasImage with guard bytes on both sides. Its pixels are an array inside
// the image object, so a write just past them stays inside this struct, where
// AddressSanitizer does not look; the guards show it.
struct GuardedCanvas {
    static constexpr std::size_t kGuardSize = 4096;
    static constexpr std::uint8_t kGuardByte = 0xA5;

    GuardedCanvas() {
        before.fill(kGuardByte);
        after.fill(kGuardByte);
    }

    FUZZ_NO_COVERAGE bool GuardsIntact() const {
        // Through raw pointers: the checked operator[] would cost more than the scan.
        const std::uint8_t* front = before.data();
        const std::uint8_t* back = after.data();
        bool intact = true;
        for (std::size_t i = 0; i < kGuardSize; ++i) {
            intact &= front[i] == kGuardByte && back[i] == kGuardByte;
        }
        return intact;
    }

    std::array<std::uint8_t, kGuardSize> before;
    CanvasImage image;
    std::array<std::uint8_t, kGuardSize> after;
};

FUZZ_NO_COVERAGE inline bool InsideImage(const PixelRect& rect) {
    return rect.empty() || (rect.x >= 0 && rect.y >= 0 && rect.right() < CanvasImage::kWidth &&
                            rect.bottom() < CanvasImage::kHeight);
}

FUZZ_NO_COVERAGE inline bool Contains(const PixelRect& rect, int x, int y) {
    return !rect.empty() && x >= rect.x && x <= rect.right() && y >= rect.y && y <= rect.bottom();
}

} // namespace fuzz
