#pragma once

#include "level.h"

#include <string>

// The level proper as plain text, one item a line, so that two versions of a map
// compare well with diff:
//
//   Top     7 White          six lines, one a face, its colour index and name;
//   ...                      an index outside 0-7 reads "200 (shown black)"
//   start   (2, 3)           "(255, 3) not placed", "(4, 16) outside 0-15"
//   end     (12, 13)
//   tiles
//     0   1 200 ...          16 rows of 16 values, top row first, each right
//                            aligned in 3 columns, one space apart
std::string DumpLevel(const Level& level);
