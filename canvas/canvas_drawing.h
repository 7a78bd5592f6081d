#pragma once

#include "draw_surface.h"
#include "level.h"
#include "swatches.h"

// Drawing the level on the canvas. These only read the level; the canvas keeps
// nothing the editor relies on, and a full redraw brings it and the six face
// swatches back into agreement with the level.

// Fills tile (x, y), 0 <= x, y < 16, with the colour of its index. This wipes any
// marker drawn on it.
void DrawTile(const Level& level, DrawSurface& surface, int x, int y);

// The start marker for the tile whose top-left pixel is (px, py): five rings
// about (px + 7, py + 7), radius 6 black, 5, 4 and 3 white, 2 black. It covers
// px + 1 .. px + 13 across and down; the pixels between the rings keep their
// colour. An anchor beyond the canvas draws nothing.
void DrawStart(DrawSurface& surface, float px, float py);

// The end marker for the tile whose top-left pixel is (px, py): the tile's two
// diagonals in white, each edged on both sides by a black line, all inside the
// tile. The white arms are drawn last and so are unbroken.
void DrawEnd(DrawSurface& surface, float px, float py);

// The full redraw ("REFRESH"): every tile column by column, each column top to
// bottom; then the start marker and the end marker at 16 times their stored
// bytes (a marker not placed lands at 4080, off the canvas); then the six face
// swatches in their cube colours. The current-colour swatch is not touched.
void comRedraw_Click(const Level& level, DrawSurface& surface, SwatchPainter& swatches);

// The canvas's repaint: the full redraw, whatever part of it was exposed.
void PicMap_Paint(const Level& level, DrawSurface& surface, SwatchPainter& swatches);
