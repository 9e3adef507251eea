#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// One monitor of the X server's RandR 1.5 monitor list.
struct RandrMonitor {
  std::string name;  // the monitor's name: its output's (DP-1) or the one it was given
  bool primary = false;
  int x = 0;
  int y = 0;
  int width = 0;   // pixels
  int height = 0;  // pixels
  double refresh_hz = 0;            // of its first output's mode; 0 when it has none
  std::vector<std::uint8_t> edid;  // its first output's EDID property; empty without
};

// The monitors of the X server that $DISPLAY names, in the server's order;
// nullopt without an X server or without RandR 1.5.
std::optional<std::vector<RandrMonitor>> ReadRandrMonitors();

}  // namespace rw
