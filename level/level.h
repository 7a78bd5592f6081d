#pragma once

#include "rgb.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Edit modes: what a pointer action on the canvas does. Mode 2 is not used.
inline constexpr std::int16_t PaintTiles = 0; // paint the tile under the pointer
inline constexpr std::int16_t PlaceStart = 1; // move the start tile under the pointer
inline constexpr std::int16_t PlaceEnd = 3;   // move the end tile under the pointer

// A marker whose column holds this value is not placed; its row is not looked at.
inline constexpr std::uint8_t NOT_PLACED = 255;

inline constexpr int kMapSize = 16;  // tiles across and down
inline constexpr int kTileSize = 16; // pixels across and down one tile
inline constexpr int kFaceCount = 6; // Top, Left, Back, Right, Front, Bottom
inline constexpr std::size_t kColorTableSize = 701;

// The 16 by 16 tiles as one run of 256 colour indexes, row after row, each row
// left to right: tile (x, y) is byte x + 16 * y. Callers keep x and y in 0..15.
struct TileMap {
    std::array<std::uint8_t, kMapSize * kMapSize> bytes{};

    std::uint8_t& operator()(int x, int y) { return bytes[Index(x, y)]; }
    std::uint8_t operator()(int x, int y) const { return bytes[Index(x, y)]; }

    static constexpr std::size_t Index(int x, int y) {
        return static_cast<std::size_t>(x + kMapSize * y);
    }
    friend bool operator==(const TileMap&, const TileMap&) = default;
};

// The editor's one document and its edit state. A plain record: the window's
// handlers read and change its fields directly. Cube colours, markers and tiles
// are what a map file holds; the rest lives only in memory.
//
// A default-constructed Level is all zeros; SetStartupValues gives it the
// values the editor starts with.
struct Level {
    bool Unsaved = false; // an accepted pointer edit since start-up, save or load
    TileMap Map;
    std::int16_t EditMode = PaintTiles;
    std::int16_t CurrentColor = 0; // always 0..7
    std::array<Rgb, kColorTableSize> ColorTable{};
    std::array<std::uint8_t, kFaceCount> CubeColor{}; // indexed by face number
    std::uint8_t StartX = 0;
    std::uint8_t StartY = 0;
    std::uint8_t EndX = 0;
    std::uint8_t EndY = 0;
};

// Gives every field of the level its start-up value: all tiles black (0), all
// cube faces white (7), no start and no end, painting in white, nothing unsaved,
// and the colour table with its eight colours and black everywhere else.
void SetStartupValues(Level& level);

// The colour of a colour index, 0 <= index <= 700. Every index from 8 up is black.
inline Rgb LookUpColor(const Level& level, std::size_t index) { return level.ColorTable[index]; }

// True when the marker with this column is placed.
inline constexpr bool IsPlaced(std::uint8_t column) { return column != NOT_PLACED; }

// True when both coordinates name a tile of the map.
inline constexpr bool IsOnMap(std::uint8_t x, std::uint8_t y) {
    return x < kMapSize && y < kMapSize;
}
