#pragma once

#include "rgb.h"

// The window's seven colour swatches: the six cube faces, picBox(0) to
// picBox(5), numbered as the faces, and picColor, the current drawing colour.
enum class Swatch {
    Top = 0,
    Left = 1,
    Back = 2,
    Right = 3,
    Front = 4,
    Bottom = 5,
    Current = 6, // picColor
};

// picBox(face) for face 0..5.
constexpr Swatch FaceSwatch(int face) { return static_cast<Swatch>(face); }

// The one operation of a swatch, implemented by the window.
class SwatchPainter {
public:
    virtual ~SwatchPainter() = default;

    // The whole swatch shows color from now on, until it is set again. Changes no
    // other control and does not repaint the canvas.
    virtual void SetSwatchColor(Swatch swatch, Rgb color) = 0;

protected:
    SwatchPainter() = default;
    SwatchPainter(const SwatchPainter&) = default;
    SwatchPainter& operator=(const SwatchPainter&) = default;
};
