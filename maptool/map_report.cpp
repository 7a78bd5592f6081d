#include "map_report.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <optional>

namespace {

constexpr int kLastColor = 7;

constexpr std::array<const char*, kFaceCount> kFaceNames{"Top",   "Left",  "Back",
                                                         "Right", "Front", "Bottom"};
constexpr std::array<const char*, kLastColor + 1> kColorNames{
    "Black", "Red", "Green", "Blue", "Yellow", "Magenta", "Cyan", "White"};

// Built in a buffer: GCC 12 warns falsely (-Wrestrict) on the same text made by
// adding strings.
std::string Point(int x, int y) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "(%d, %d)", x, y);
    return text.data();
}

// "start not placed", "start at (x, y) outside 0-15", or nothing for a marker on
// the board. The column alone says whether a marker is placed, as in the editor.
std::optional<std::string> MarkerOddity(const char* name, std::uint8_t x, std::uint8_t y) {
    if (!IsPlaced(x)) {
        return std::string(name) + " not placed";
    }
    if (!IsOnMap(x, y)) {
        return std::string(name) + " at " + Point(x, y) + " outside 0-15";
    }
    return std::nullopt;
}

// "N <what>s outside 0-7, first <where>", or "1 <what> outside 0-7, <where>".
std::string ColourOddity(std::size_t count, const char* what, const std::string& where) {
    if (count == 1) {
        return "1 " + std::string(what) + " outside 0-7, " + where;
    }
    return std::to_string(count) + " " + what + "s outside 0-7, first " + where;
}

std::optional<std::string> TileOddity(const TileMap& map) {
    std::size_t count = 0;
    std::string first;
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            if (map(x, y) > kLastColor && count++ == 0) {
                first = "at " + Point(x, y);
            }
        }
    }
    return count == 0 ? std::nullopt : std::optional(ColourOddity(count, "tile colour", first));
}

std::optional<std::string> CubeOddity(const std::array<std::uint8_t, kFaceCount>& faces) {
    std::size_t count = 0;
    std::string first;
    for (int face = 0; face < kFaceCount; ++face) {
        if (faces[static_cast<std::size_t>(face)] > kLastColor && count++ == 0) {
            first = "on the " + std::string(FaceName(face)) + " face";
        }
    }
    return count == 0 ? std::nullopt : std::optional(ColourOddity(count, "cube colour", first));
}

} // namespace

std::string DescribeReadFailure(const MapReadResult& result) {
    switch (result.status) {
    case MapReadStatus::NotMapFile:
        return "not a map file";
    case MapReadStatus::Incomplete:
        return "incomplete (" + std::to_string(result.bytesRead) + " of " +
               std::to_string(MAP_FILE_SIZE) + " bytes)";
    case MapReadStatus::CannotRead:
        return "cannot be read: " + result.reason;
    case MapReadStatus::Loaded:
        break;
    }
    return "loaded";
}

std::vector<std::string> FindOddities(const Level& level) {
    std::vector<std::string> oddities;
    for (auto oddity : {MarkerOddity("start", level.StartX, level.StartY),
                        MarkerOddity("end", level.EndX, level.EndY), TileOddity(level.Map),
                        CubeOddity(level.CubeColor)}) {
        if (oddity) {
            oddities.push_back(std::move(*oddity));
        }
    }
    return oddities;
}

CheckOutcome CheckMapFile(const std::string& path) {
    Level level;
    SetStartupValues(level);
    const MapReadResult result = ReadMapFile(path, level);
    if (!result.loaded()) {
        return {path + ": " + DescribeReadFailure(result), false};
    }
    const std::vector<std::string> oddities = FindOddities(level);
    if (oddities.empty()) {
        return {path + ": ok", true};
    }
    std::string line = path + ": " + oddities.front();
    for (std::size_t i = 1; i < oddities.size(); ++i) {
        line += "; " + oddities[i];
    }
    return {line, false};
}

const char* FaceName(int face) {
    return kFaceNames.at(static_cast<std::size_t>(face));
}

const char* ColorName(int index) {
    return index >= 0 && index <= kLastColor ? kColorNames[static_cast<std::size_t>(index)]
                                             : nullptr;
}
