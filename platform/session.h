#pragma once

#include "platform/drawing.h"
#include "platform/pixel_target.h"
#include "platform/rgb.h"

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
  QFont font;
  // White-on-black scratch rows that text is rendered into before it is
  // blended onto the surface; null when it could not be made.
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

// Text strip (text_strip.cpp). The height a font needs: max(h + 20, 50),
// h the height measured for "Hg".
int TextStripHeight(const QFont& font);
// Replaces the strip by one as tall as the session's font needs, if taller.
void FitTextStrip(DrawingSession& session);
// Makes the strip of a new session for its default font.
void PrepareTextStrip(DrawingSession& session);

}  // namespace rw
