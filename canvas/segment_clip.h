#pragma once

// A straight segment between two points, in canvas pixels.
struct Segment {
    double x1, y1, x2, y2;
};

// Cuts the segment to the square lo..hi on both axes (Liang-Barsky); false when
// nothing of it lies inside. Points of the segment inside the square stay put.
// Three things keep ends far out from costing precision where it matters: the
// cut is measured from the end nearer the square; where it lies on an edge, that
// coordinate is the edge itself; and the cut points are kept inside both the
// square and the segment's own bounding box.
bool ClipSegment(Segment& s, double lo, double hi);
