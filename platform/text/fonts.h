#pragma once

#include "platform/base/rgb.h"
#include "platform/base/text.h"

#include <cstdint>

class QFont;

namespace rw {

// A loaded font as the platform knows it; nullptr means none.
using FontRef = const QFont*;

// Reads the screen's vertical dots per inch once (96 when it cannot be read);
// on Wayland, which has none, they follow from the desktop's scale, which
// the window service measures. Called by the platform start; tests may call
// it again with a value.
void StartFontService(double wayland_scale = 1.0);
void SetScreenDpiForTesting(int dpi);
int ScreenDpi();

// Em height in pixels for `points` at the screen dpi, halves away from zero.
std::int64_t FontPixelHeight(std::int64_t points);

// Loads font `number` ("Arial" resolves to Liberation Sans, and a family that
// is not installed to the desktop's substitute); non-zero on success, 0 when
// the family resolves to no font that can draw letters and digits.
std::int64_t LoadFont(std::int64_t number, const Text& family, std::int64_t points);

// The font stored under `number`, nullptr when there is none.
FontRef FontHandle(std::int64_t number);

// Makes `font` the current session's drawing font; nullptr changes nothing.
void SetDrawingFont(FontRef font);

// Makes `colour` the background of the current session's text cells (black
// at the start of every session); without a session nothing happens.
void SetTextBackground(Colour colour);

// Draws `text` with its cell's top-left pixel at (x, y), opaque on the
// session's background colour; returns the x just right of the cell.
std::int64_t DrawText(std::int64_t x, std::int64_t y, const Text& text);
std::int64_t DrawText(std::int64_t x, std::int64_t y, const Text& text, Colour colour);

// How far DrawText would advance for `text` in the current session's font,
// in pixels; 0 without a session.
std::int64_t TextWidth(const Text& text);

// The height of a text cell in the current session's font (ascent and
// descent), in pixels; 0 without a session.
std::int64_t TextCellHeight();

// Releases every font (the platform shutdown calls it).
void ReleaseAllFonts();

}  // namespace rw
