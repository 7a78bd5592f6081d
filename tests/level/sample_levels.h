#pragma once

#include "level.h"

#include <cstdint>
#include <vector>

namespace level_test {

// A level in the middle of editing: every field away from its start-up value,
// and a colour table entry changed so that any rewrite of the table shows.
inline Level EditingLevel() {
    Level level;
    SetStartupValues(level);
    level.Unsaved = true;
    level.EditMode = PlaceStart;
    level.CurrentColor = 3;
    level.ColorTable[700] = Rgb{1, 2, 3};
    level.CubeColor = {1, 2, 3, 4, 5, 6};
    level.StartX = 2;
    level.StartY = 3;
    level.EndX = 12;
    level.EndY = 13;
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            level.Map(x, y) = static_cast<std::uint8_t>((x + y) % 8);
        }
    }
    return level;
}

// A finished level whose cube colours, markers and tiles all differ from
// EditingLevel's.
inline Level SavedLevel() {
    Level level;
    SetStartupValues(level);
    level.CubeColor = {6, 5, 4, 0, 2, 1};
    level.StartX = 0;
    level.StartY = 15;
    level.EndX = 15;
    level.EndY = 0;
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            level.Map(x, y) = static_cast<std::uint8_t>((3 * x + 5 * y + 1) % 8);
        }
    }
    return level;
}

// The level with its cube colours, markers and tiles taken from source.
inline Level WithLevelProperOf(Level level, const Level& source) {
    level.Map = source.Map;
    level.CubeColor = source.CubeColor;
    level.StartX = source.StartX;
    level.StartY = source.StartY;
    level.EndX = source.EndX;
    level.EndY = source.EndY;
    return level;
}

// The map file bytes of a level, put together field by field in file order.
inline std::vector<std::uint8_t> RecordOf(const Level& level) {
    std::vector<std::uint8_t> bytes{'K', 'u', 'B', 'm', 'A', 'p', '1', '0'};
    bytes.insert(bytes.end(), level.CubeColor.begin(), level.CubeColor.end());
    bytes.insert(bytes.end(), {level.StartX, level.StartY, level.EndX, level.EndY});
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            bytes.push_back(level.Map(x, y));
        }
    }
    return bytes;
}

} // namespace level_test
