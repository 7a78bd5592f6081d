#pragma once

#include "level.h"
#include "map_file.h"

#include <string>
#include <vector>

// The texts kubrel-map prints about a map file. They are stable: scripts and
// level designers' tooling may match them.

// Why a map file did not load, for any status but Loaded:
//   "not a map file"
//   "incomplete (100 of 274 bytes)"
//   "cannot be read: No such file or directory"
std::string DescribeReadFailure(const MapReadResult& result);

// What the editor would keep as it stands in a loaded level, in this order:
//   "start not placed" / "start at (4, 255) outside 0-15", the same for "end";
//   "3 tile colours outside 0-7, first at (5, 1)" (first in file order, row by
//   row) or "1 tile colour outside 0-7, at (5, 1)";
//   "2 cube colours outside 0-7, first on the Back face" or "1 cube colour
//   outside 0-7, on the Back face".
// Empty for a level that the editor could save back as a finished map.
std::vector<std::string> FindOddities(const Level& level);

struct CheckOutcome {
    std::string line; // "PATH: ok", or PATH, ": " and what is wrong, oddities joined by "; "
    bool passed = false;
};

// Reads the file with the editor's own reader and says what it found.
CheckOutcome CheckMapFile(const std::string& path);

// "Top", "Left", "Back", "Right", "Front", "Bottom" for faces 0 to 5.
const char* FaceName(int face);

// "Black" to "White" for 0 to 7; nullptr for any other index.
const char* ColorName(int index);
