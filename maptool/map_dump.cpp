#include "map_dump.h"

#include "map_report.h"

#include <cstddef>
#include <iomanip>
#include <sstream>

namespace {

constexpr int kLabelWidth = 8;
constexpr int kValueWidth = 3;

void PutLabel(std::ostream& out, const char* label) {
    out << std::left << std::setw(kLabelWidth) << label << std::right;
}

void PutFace(std::ostream& out, int face, std::uint8_t index) {
    PutLabel(out, FaceName(face));
    out << int{index};
    if (const char* name = ColorName(index)) {
        out << ' ' << name << '\n';
    } else {
        out << " (shown black)\n";
    }
}

void PutMarker(std::ostream& out, const char* label, std::uint8_t x, std::uint8_t y) {
    PutLabel(out, label);
    out << '(' << int{x} << ", " << int{y} << ')';
    if (!IsPlaced(x)) {
        out << " not placed";
    } else if (!IsOnMap(x, y)) {
        out << " outside 0-15";
    }
    out << '\n';
}

void PutTiles(std::ostream& out, const TileMap& map) {
    out << "tiles\n";
    for (int y = 0; y < kMapSize; ++y) {
        for (int x = 0; x < kMapSize; ++x) {
            out << (x == 0 ? "" : " ") << std::setw(kValueWidth) << int{map(x, y)};
        }
        out << '\n';
    }
}

} // namespace

std::string DumpLevel(const Level& level) {
    std::ostringstream out;
    for (int face = 0; face < kFaceCount; ++face) {
        PutFace(out, face, level.CubeColor[static_cast<std::size_t>(face)]);
    }
    PutMarker(out, "start", level.StartX, level.StartY);
    PutMarker(out, "end", level.EndX, level.EndY);
    PutTiles(out, level.Map);
    return out.str();
}
