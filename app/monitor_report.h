#pragma once

#include "info/edid/edid_info.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// Where a monitor lies on the desktop, and the mode it runs.
struct MonitorPlacement {
  bool primary = false;
  int x = 0;
  int y = 0;
  int width = 0;  // current mode, device pixels
  int height = 0;
  double refresh_hz = 0;  // 0: unknown
  int depth = 0;          // bits per pixel; 0: unknown
  double scale = 1;       // the desktop's scale factor on this monitor
};

// One connected monitor as --monitors describes it.
struct MonitorRecord : MonitorPlacement {
  std::string connector;  // as the window system names it
  std::optional<EdidInfo> edid;
  std::vector<std::uint8_t> edid_bytes;  // the EDID that edid was read from
};

// Whether the desktop runs the panel's native resolution (either way
// round, for a turned panel; one tile or the whole of a tiled one);
// nullopt without an EDID that declares one or lets it be guessed.
std::optional<bool> RunsNative(const MonitorRecord& monitor);

// The verdict line: "native", "probably native (...)", "not native: ..."
// or "unknown: ...".
std::string NativeVerdict(const MonitorRecord& monitor);

// Pixels per inch of the whole panel at its native resolution; nullopt
// without a real size, with sizes that disagree, or without a native
// resolution.
std::optional<double> PixelDensity(const EdidInfo& edid);

// One block per monitor, in the given order.
std::string MonitorsText(const std::vector<MonitorRecord>& monitors);

// One JSON document: an array of one object per monitor.
std::string MonitorsJson(const std::vector<MonitorRecord>& monitors);

}  // namespace rw
