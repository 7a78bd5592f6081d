#pragma once

#include "draw_surface.h"
#include "level.h"

#include <cstdint>

// Mouse buttons as bits, as the canvas reports them.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// True for an event that edits: the left button alone, and a position strictly
// inside the canvas, 0 < x < 256 and 0 < y < 256. NaN fails.
bool IsAcceptedEvent(std::int16_t button, float x, float y);

// A pointer move over the canvas, with the buttons held during it. An accepted
// move plots at (x, y); any other does nothing. shift is not used.
void PicMap_MouseMove(Level& level, DrawSurface& surface, std::int16_t button, std::int16_t shift,
                      float x, float y);

// A pointer release on the canvas, with the button released. An accepted release
// plots at (x, y); then, accepted or not, the edit mode returns to PaintTiles.
void PicMap_MouseUp(Level& level, DrawSurface& surface, std::int16_t button, std::int16_t shift,
                    float x, float y);

// Applies the edit mode at an accepted position and sets Unsaved before drawing.
//
// Each coordinate is snapped to its tile: n is the nearest whole pixel (ties to
// even), the coordinate becomes coordinate - (n mod 16) and the tile is n div 16.
// A whole-number coordinate thus becomes its tile's first pixel; a fractional one
// keeps its distance from its nearest pixel. A coordinate from 255.5 to 256,
// whose nearest pixel would be 256, is taken as pixel 255, on tile 15.
//
// PaintTiles fills the box (x, y)..(x + 15, y + 15) in CurrentColor, draws again
// a marker standing on the tile, and stores CurrentColor in the tile. PlaceStart
// and PlaceEnd repaint the marker's old tile (when the marker is placed and both
// its stored coordinates lie on the map), move the marker to the tile and draw it.
//
// On return x and y hold the snapped coordinates. A position that was not
// accepted changes nothing.
void PlotTile(Level& level, DrawSurface& surface, float& x, float& y);
