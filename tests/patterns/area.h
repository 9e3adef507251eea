#pragma once

#include "platform/base/rgb.h"

#include <QImage>

#include <cstdint>
#include <functional>

namespace rw::test {

// Makes a drawing area of w x h pixels: the globals, image 0 (white) and
// fonts 0 and 1, with an empty metrics text so that the caption draws
// nothing unless a test sets one.
void MakeArea(std::int64_t w, std::int64_t h);

// Runs `paint` in a session on image 0 and returns a copy of the image. With
// Direct::Yes the patterns may write pixels directly, as in a full redraw.
enum class Direct { No, Yes };
QImage PaintOnArea(const std::function<void()>& paint, Direct direct = Direct::No);

// The colour of pixel (x, y) of an image of the store's format.
Colour ColourAt(const QImage& image, int x, int y);

// Number of pixels of the rectangle [x0, x1) x [y0, y1) that are not `colour`.
std::int64_t CountOther(const QImage& image, int x0, int y0, int x1, int y1, Colour colour);

// The generator's next value, to see whether two runs drew equally often.
std::int64_t NextRandom();

}  // namespace rw::test
