#include "segment_clip.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool ClipSegment(Segment& s, double lo, double hi) {
    const double middle = (lo + hi) / 2;
    const auto farness = [middle](double x, double y) {
        return std::max(std::abs(x - middle), std::abs(y - middle));
    };
    if (farness(s.x2, s.y2) < farness(s.x1, s.y1)) {
        s = {s.x2, s.y2, s.x1, s.y1};
    }
    const double boxLo[2] = {std::max(lo, std::min(s.x1, s.x2)),
                             std::max(lo, std::min(s.y1, s.y2))};
    const double boxHi[2] = {std::min(hi, std::max(s.x1, s.x2)),
                             std::min(hi, std::max(s.y1, s.y2))};
    if (boxLo[0] > boxHi[0] || boxLo[1] > boxHi[1]) {
        return false;
    }
    struct Cut {
        double t;
        int axis = -1; // 0 x, 1 y, -1 no cut
        double at = 0;
    };
    const double d[2] = {s.x2 - s.x1, s.y2 - s.y1};
    const double start[2] = {s.x1, s.y1};
    Cut enter{0};
    Cut leave{1};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            continue; // inside the square on this axis: the box test above said so
        }
        const double near = d[axis] > 0 ? lo : hi;
        const double far = d[axis] > 0 ? hi : lo;
        const double tNear = (near - start[axis]) / d[axis];
        const double tFar = (far - start[axis]) / d[axis];
        if (tNear > enter.t) {
            enter = {tNear, axis, near};
        }
        if (tFar < leave.t) {
            leave = {tFar, axis, far};
        }
    }
    if (enter.t > leave.t) {
        return false;
    }
    const auto point = [&](const Cut& cut, double x, double y) {
        if (cut.axis >= 0) {
            x = cut.axis == 0 ? cut.at : s.x1 + cut.t * d[0];
            y = cut.axis == 1 ? cut.at : s.y1 + cut.t * d[1];
        }
        return std::pair{std::clamp(x, boxLo[0], boxHi[0]), std::clamp(y, boxLo[1], boxHi[1])};
    };
    const auto [x1, y1] = point(enter, s.x1, s.y1);
    const auto [x2, y2] = point(leave, s.x2, s.y2);
    s = {x1, y1, x2, y2};
    return true;
}
