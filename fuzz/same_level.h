#pragma once

#include "level.h"

namespace fuzz {

// Every field of two levels, editor state included.
inline bool SameLevel(const Level& a, const Level& b) {
    return a.Unsaved == b.Unsaved && a.Map == b.Map && a.EditMode == b.EditMode &&
           a.CurrentColor == b.CurrentColor && a.ColorTable == b.ColorTable &&
           a.CubeColor == b.CubeColor && a.StartX == b.StartX && a.StartY == b.StartY &&
           a.EndX == b.EndX && a.EndY == b.EndY;
}

} // namespace fuzz
