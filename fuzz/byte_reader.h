#pragma once

#include "rgb.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

namespace fuzz {

// Reads a fuzzer's input from the front as a stream of small values. Reading
// past the end gives zeros, so every input is a complete script; done() tells
// the script's loop when to stop.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool done() const { return bytes_.empty(); }

    std::uint8_t Byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }

    // Little-endian.
    std::uint16_t Word() {
        const auto low = Byte();
        return static_cast<std::uint16_t>(low | Byte() << 8);
    }
    std::uint32_t Long() {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }

    // Up to count bytes, fewer at the end of the input.
    std::span<const std::uint8_t> Bytes(std::size_t count) {
        const auto taken = bytes_.first(std::min(count, bytes_.size()));
        bytes_ = bytes_.subspan(taken.size());
        return taken;
    }

    Rgb Color() {
        const auto r = Byte();
        const auto g = Byte();
        return {r, g, Byte()};
    }

    // A coordinate in one of three forms, chosen by a tag byte:
    //   0: a signed 16-bit count of quarter pixels (whole, half and quarter
    //      pixels on, around and far beyond the canvas);
    //   1: any 32-bit pattern as a float (NaN, infinities, huge, subnormal);
    //   2: one of the values in kSpecialCoordinates, by index.
    float Coordinate() {
        switch (Byte() % 3) {
        case 0:
            return static_cast<float>(static_cast<std::int16_t>(Word())) / 4;
        case 1:
            return std::bit_cast<float>(Long());
        default:
            return kSpecialCoordinates[Byte() % kSpecialCoordinates.size()];
        }
    }

    // Values at the canvas's edges, the edges of the snapping and of float.
    static constexpr std::array<float, 22> kSpecialCoordinates{
        std::numeric_limits<float>::quiet_NaN(),
        -std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        0.0f,
        -0.0f,
        std::numeric_limits<float>::denorm_min(),
        std::numeric_limits<float>::min(),
        0.5f,
        1.0f,
        15.5f,
        16.0f,
        255.0f,
        255.25f,
        255.5f,
        255.75f,
        255.99998f, // the float just below 256
        256.0f,
        4080.0f, // where a marker that is not placed is drawn
        std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),
        -1.0f,
    };

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace fuzz
