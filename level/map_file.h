#pragma once

#include "level.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// A map file is one record of 274 raw bytes:
//
//   offset  size  content
//        0     8  MAP_MAGIC, "KuBmAp10"
//        8     6  CubeColor(0) .. CubeColor(5), Top Left Back Right Front Bottom
//       14     4  StartX, StartY, EndX, EndY
//       18   256  Map, tile (x, y) at 18 + x + 16 * y
//
// Every field after the magic is one unsigned byte, taken as it stands.

inline constexpr std::array<std::uint8_t, 8> MAP_MAGIC{'K', 'u', 'B', 'm', 'A', 'p', '1', '0'};
inline constexpr std::size_t MAP_FILE_SIZE = 274;

inline constexpr std::size_t kCubeColorOffset = 8;
inline constexpr std::size_t kMarkerOffset = 14;
inline constexpr std::size_t kTileOffset = 18;

using MapRecord = std::array<std::uint8_t, MAP_FILE_SIZE>;

enum class MapReadStatus {
    Loaded,     // the whole record was read into the level
    NotMapFile, // the first 8 bytes are not MAP_MAGIC (this includes files shorter than 8 bytes)
    Incomplete, // the magic matches but the file ends before byte 274
    CannotRead, // the file could not be opened or read; see reason
};

struct MapReadResult {
    MapReadStatus status = MapReadStatus::CannotRead;
    std::size_t bytesRead = 0; // bytes of the record the file held, at most MAP_FILE_SIZE
    std::string reason;        // the system's words, for CannotRead only

    bool loaded() const { return status == MapReadStatus::Loaded; }
};

struct MapWriteResult {
    bool ok = false;
    std::string reason; // the system's words when !ok

    explicit operator bool() const { return ok; }
};

// The 274 bytes of the record for the level's cube colours, markers and tiles,
// written as the level holds them.
MapRecord EncodeRecord(const Level& level);

// Takes a record from bytes read from the start of a file. Returns Loaded and
// stores the cube colours, markers and tiles into the level only when the magic
// matches and all 274 bytes are present; bytes past 274 are ignored. On every
// other outcome the level is left untouched.
MapReadStatus DecodeRecord(std::span<const std::uint8_t> bytes, Level& level);

// Reads the map file at path into the level. Reads at most MAP_FILE_SIZE bytes
// and never past the end of the file. The level changes only when the result is
// Loaded, and then only in Map, CubeColor, StartX, StartY, EndX and EndY. The file
// is closed before the function returns.
MapReadResult ReadMapFile(const std::string& path, Level& level);

// Saves the level's record to path without ever destroying the old file: the
// bytes go to a new file in the same folder, which is flushed to disk and then
// renamed over the target, so an existing map is replaced whole or not at all.
// A symbolic link is followed and the file it names is replaced; an existing
// file keeps its permission bits. On failure no temporary file is left behind,
// the target is untouched and the reason is returned. The level is only read.
MapWriteResult WriteMapFile(const std::string& path, const Level& level);
