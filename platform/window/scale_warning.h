#pragma once

#include "platform/base/device_scale.h"
#include "platform/base/text.h"

#include <cstdint>

namespace rw {

// What the program knows of how its pictures reach the device pixels.
struct ScaleFacts {
  DeviceScale scale;
  bool scale_known = true;          // the output's sizes pin the scale down
  bool off_grid = false;            // a ratio the compositor carries out only a hair off (OutputScale)
  bool viewporter = true;           // the compositor can take a buffer 1:1 at this scale
  bool full_screen = false;         // the window covers its output from the output's corner
  bool client_decorations = false;  // Qt draws the frame: the compositor places the surface by its own rules
  std::int64_t mode_width = 0;      // the output's mode, device pixels
  std::int64_t mode_height = 0;
};

enum class ScaleVerdict {
  Exact,           // every picture lands 1:1
  NoViewport,      // a fractional scale, and no way to hand over a buffer 1:1
  WindowNotExact,  // a fractional scale, and nothing tells that the window lies on whole device pixels
  ScaleUnknown,    // the mode is no whole number of logical units: the scale is only guessed
  OffGrid,         // a ratio like mutter's 1920 / 1104, which the compositor does not carry out exactly
};

ScaleVerdict JudgeScale(const ScaleFacts& facts);

// The box's text for a verdict other than Exact.
Text ScaleWarningText(ScaleVerdict verdict, const ScaleFacts& facts);

// Tells the user once, in a message box, when the desktop's scale keeps the
// pictures from being shown pixel for pixel: a resampled test image must
// never pass for the monitor's own. Judged from the program's screen and a
// window the compositor has configured (`full_screen`, and whether Qt draws
// its frame); on X11 and where all is exact it says nothing. The box comes
// up when the program next waits for events.
void WarnOnceIfPicturesScaled(bool full_screen, bool client_decorations);

}  // namespace rw
