#pragma once

#include "platform/base/rgb.h"

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace rw::test {

// A text label of an image: its cell's top-left corner, the text and its
// colours.
struct ReferenceLabel {
  int x = 0;
  int y = 0;
  QString text;
  Colour glyph = 0;
  Colour background = 0;
};

// One of the further test images as its definition gives it on a w x h
// area, written out plainly, pixel by pixel: the colour of every pixel
// outside the labels, and the labels.
struct ReferenceImage {
  std::function<Colour(int x, int y)> pixel;
  std::vector<ReferenceLabel> labels;
};

ReferenceImage ReferenceFor(const std::string& id, int w, int h);

}  // namespace rw::test
