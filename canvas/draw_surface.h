#pragma once

#include "rgb.h"

// The canvas's drawing operations, in canvas pixels: origin at the top-left
// pixel, x to the right, y downwards. Every figure is drawn with a solid pen one
// pixel wide that replaces the pixels it covers, and is clipped silently at the
// canvas's edges; a figure wholly outside draws nothing.
class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Fills every pixel from min(x1, x2) to max(x1, x2) across and from
    // min(y1, y2) to max(y1, y2) down, both corners included.
    virtual void FillBox(float x1, float y1, float x2, float y2, Rgb color) = 0;

    // A line from (x1, y1) to (x2, y2), both end points included, the same pixels
    // whichever end comes first. A diagonal line covers exactly the pixels
    // (x1 + k * sx, y1 + k * sy) for k = 0 .. |x2 - x1|.
    virtual void DrawLine(float x1, float y1, float x2, float y2, Rgb color) = 0;

    // The outline of the circle about (cx, cy): one pixel wide, symmetric about
    // the centre, reaching cx +- radius and cy +- radius on the lines through the
    // centre and staying inside that square. The inside is not touched.
    virtual void DrawCircle(float cx, float cy, float radius, Rgb color) = 0;

protected:
    DrawSurface() = default;
    DrawSurface(const DrawSurface&) = default;
    DrawSurface& operator=(const DrawSurface&) = default;
};
