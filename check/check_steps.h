#pragma once

#include "report/check_record.h"
#include "report/motion_figures.h"

#include <optional>
#include <span>
#include <string_view>

namespace rw {

// Where an image's question strip lies: over rows that do not carry what the
// image tests.
enum class StripSide { Top, Bottom };

// One step of the check: an image of the series and what is asked about it.
struct CheckStep {
  std::string_view id;          // the image's id in the series
  std::u16string_view look_for;  // what to look for, one line
  ReadingKind reading;
  StripSide strip;
  // For an image that measures while it is shown (the motion images): the
  // figures when the step is left. nullptr for still images.
  std::optional<MotionFigures> (*motion_figures)();
};

// The steps in the order a technician goes through them.
std::span<const CheckStep> CheckSteps();

}  // namespace rw
