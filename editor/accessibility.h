#pragma once

// Makes the editor's own widgets known to screen readers and UI automation: the
// canvas as a canvas, a face swatch as a button that can be pressed and that
// describes its colour, the current-colour swatch as a picture of its colour.
// Safe to call more than once.
void InstallEditorAccessibility();
