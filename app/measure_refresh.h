#pragma once

namespace rw {

// Whether the command line asked for --measure-refresh.
bool MeasureWasAsked();

// After StartProgram, instead of the event loop: frame-sequence in full
// screen on the chosen monitor, one frame per refresh, for the seconds asked
// from its first shown frame (or until Escape), then the figures on
// standard output, and the program ends with exit code 0. No warning box:
// the caller asked for the images.
[[noreturn]] void RunMeasureRefresh();

}  // namespace rw
