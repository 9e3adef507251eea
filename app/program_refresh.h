#pragma once

#include <string>

namespace rw {

// The program's monitor as its frames are measured against: its connector
// and the nominal refresh rate of its current mode (0 when unknown), from
// the window system's monitor list.
struct ProgramMode {
  std::string connector;
  double refresh_hz = 0;
};

// Read once, on first use, after the program's monitor is chosen.
const ProgramMode& ProgramMonitorMode();

}  // namespace rw
