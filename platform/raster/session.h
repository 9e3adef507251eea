#pragma once

#include "platform/base/rgb.h"
#include "platform/raster/drawing.h"
#include "platform/raster/pixel_target.h"

#include <QFont>
#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>

namespace rw {

struct DrawingSurface {
  SurfaceKind kind = SurfaceKind::Image;
  QImage* target = nullptr;  // not owned
  int depth_bits = 24;
  std::function<void()> finished;
};

// The state of the one open drawing session.
struct DrawingSession {
  std::unique_ptr<DrawingSurface> surface;
  Colour front_colour = 0xFFFFFF;
  Colour background_colour = 0;
  // The colour last applied for filling, lines and text; unset at the start
  // so that the first primitive always applies its own.
  bool pen_set = false;
  Colour pen_colour = 0;
  std::uint32_t pen_pixel = 0;
  // The text background last applied, likewise.
  bool text_background_set = false;
  Colour text_background = 0;
  // The text service's state in this session, made at its first text call:
  // the drawing font (the platform's default until one is chosen) and the
  // white-on-black scratch rows that text is rendered into before it is
  // blended onto the surface, null when they could not be made.
  bool text_prepared = false;
  QFont font;
  QImage text_strip;
};

// The open session, or nullptr.
DrawingSession* CurrentSession();

// Makes `colour` the pen colour of the open session if it differs, and
// returns its stored pixel.
inline std::uint32_t ApplyPenColour(DrawingSession& session, Colour colour) {
  if (!session.pen_set || session.pen_colour != colour) {
    session.pen_set = true;
    session.pen_colour = colour;
    session.pen_pixel = PixelOf(colour);
  }
  return session.pen_pixel;
}

}  // namespace rw
