#pragma once

#include "level.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <type_traits>

namespace level_test {

template <typename T>
void NoteDifference(std::string& notes, const char* name, const T& expected, const T& actual) {
    if (expected == actual) {
        return;
    }
    std::ostringstream note;
    note << "\n  " << name << ": expected " << +expected << ", got " << +actual;
    notes += note.str();
}

// Names the first element that differs.
template <typename T, std::size_t N>
void NoteDifference(std::string& notes, const char* name, const std::array<T, N>& expected,
                    const std::array<T, N>& actual) {
    for (std::size_t i = 0; i < N; ++i) {
        if (expected[i] == actual[i]) {
            continue;
        }
        std::ostringstream note;
        note << "\n  " << name << "[" << i << "] differs";
        if constexpr (std::is_arithmetic_v<T>) {
            note << ": expected " << +expected[i] << ", got " << +actual[i];
        }
        notes += note.str();
        return;
    }
}

// Compares every field of two levels, editor state included. The structured
// bindings name each field, so a field added to Level stops this from building
// until it is compared as well.
inline ::testing::AssertionResult SameLevel(const Level& expected, const Level& actual) {
    const auto& [eUnsaved, eMap, eEditMode, eCurrentColor, eColorTable, eCubeColor, eStartX,
                 eStartY, eEndX, eEndY] = expected;
    const auto& [aUnsaved, aMap, aEditMode, aCurrentColor, aColorTable, aCubeColor, aStartX,
                 aStartY, aEndX, aEndY] = actual;
    std::string notes;
    NoteDifference(notes, "Unsaved", eUnsaved, aUnsaved);
    NoteDifference(notes, "Map.bytes", eMap.bytes, aMap.bytes);
    NoteDifference(notes, "EditMode", eEditMode, aEditMode);
    NoteDifference(notes, "CurrentColor", eCurrentColor, aCurrentColor);
    NoteDifference(notes, "ColorTable", eColorTable, aColorTable);
    NoteDifference(notes, "CubeColor", eCubeColor, aCubeColor);
    NoteDifference(notes, "StartX", eStartX, aStartX);
    NoteDifference(notes, "StartY", eStartY, aStartY);
    NoteDifference(notes, "EndX", eEndX, aEndX);
    NoteDifference(notes, "EndY", eEndY, aEndY);
    if (notes.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "levels differ:" << notes;
}

} // namespace level_test
