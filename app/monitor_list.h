#pragma once

#include "app/monitor_report.h"
#include "info/edid/drm_connectors.h"
#include "info/edid/monitor_edid_match.h"

#include <cstdint>
#include <vector>

namespace rw {

// What the window system says about one of its monitors.
struct ScreenReport : MonitorPlacement {
  ScreenIdentity identity;  // connector name, and maker, model and serial where known
  std::vector<std::uint8_t> edid;  // the window system's own copy; may be empty
};

// The monitors, the primary first (the first one when none is marked) and
// the others in the window system's order. Each gets the window system's EDID where that one reads, else the
// EDID of its kernel connector.
std::vector<MonitorRecord> MonitorRecordsFrom(const std::vector<ScreenReport>& screens,
                                              const std::vector<DrmConnector>& connectors);

// The window system's monitors: on X11 RandR's monitor list, on Wayland the
// compositor's outputs, elsewhere (or without RandR 1.5) Qt's screens.
// Needs a QGuiApplication.
std::vector<ScreenReport> ReadScreenReports();

}  // namespace rw
