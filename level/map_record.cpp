#include "map_file.h"

#include <algorithm>

MapRecord EncodeRecord(const Level& level) {
    MapRecord record{};
    std::copy(MAP_MAGIC.begin(), MAP_MAGIC.end(), record.begin());
    std::copy(level.CubeColor.begin(), level.CubeColor.end(), record.begin() + kCubeColorOffset);
    record[kMarkerOffset + 0] = level.StartX;
    record[kMarkerOffset + 1] = level.StartY;
    record[kMarkerOffset + 2] = level.EndX;
    record[kMarkerOffset + 3] = level.EndY;
    std::copy(level.Map.bytes.begin(), level.Map.bytes.end(), record.begin() + kTileOffset);
    return record;
}

MapReadStatus DecodeRecord(std::span<const std::uint8_t> bytes, Level& level) {
    if (bytes.size() < MAP_MAGIC.size() ||
        !std::equal(MAP_MAGIC.begin(), MAP_MAGIC.end(), bytes.begin())) {
        return MapReadStatus::NotMapFile;
    }
    if (bytes.size() < MAP_FILE_SIZE) {
        return MapReadStatus::Incomplete;
    }
    const auto faces = bytes.subspan(kCubeColorOffset, kFaceCount);
    std::copy(faces.begin(), faces.end(), level.CubeColor.begin());
    level.StartX = bytes[kMarkerOffset + 0];
    level.StartY = bytes[kMarkerOffset + 1];
    level.EndX = bytes[kMarkerOffset + 2];
    level.EndY = bytes[kMarkerOffset + 3];
    const auto tiles = bytes.subspan(kTileOffset, level.Map.bytes.size());
    std::copy(tiles.begin(), tiles.end(), level.Map.bytes.begin());
    return MapReadStatus::Loaded;
}
