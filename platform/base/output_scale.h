#pragma once

#include "platform/base/device_scale.h"

#include <cstdint>

namespace rw {

// What an output's sizes tell of its scale.
struct OutputScale {
  // Surface units to device pixels: what a client's buffer is scaled by.
  DeviceScale surface;
  // The desktop's logical positions to device pixels: 1 where the
  // compositor lays outputs out in device pixels (mutter's whole-number
  // scaling), else the surface scale.
  DeviceScale layout;
  // Whether the sizes pin the scale down. Where they do not (a mode that is
  // no whole number of logical units at any step of 1/120 the sizes allow),
  // `surface` is only the nearest step, and no picture can be promised 1:1.
  bool exact = true;
  // An exact ratio that is no step of 1/120 (mutter's 1920 / 1104): the
  // compositor carries it out in floating point, a hair off, so no picture
  // lands 1:1 (mutter 43 drops a column in the middle of the screen).
  bool off_grid = false;
};

// The scale of an output of mode mode_w x mode_h device pixels (as the
// desktop sees it, turned) whose logical size is logical_w x logical_h
// (0 where the compositor tells none) and whose wl_output scale is
// `integer_scale`:
// - no logical size, or one equal to the mode: the whole-number scale (the
//   compositor then lays out in device pixels and only the buffers scale);
// - a step of 1/120 whose logical size is exactly the mode: that step;
// - a mode that divides exactly by a ratio no such step gives (mutter picks
//   its fractional scales so that the mode divides: 1920 / 1104 for
//   "175 %"): that ratio, in lowest terms;
// - otherwise the nearest step, not exact.
OutputScale ScaleOfOutput(std::int64_t mode_w, std::int64_t mode_h, std::int64_t logical_w, std::int64_t logical_h,
                          std::int64_t integer_scale);

}  // namespace rw
