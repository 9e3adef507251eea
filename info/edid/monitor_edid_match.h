#pragma once

#include "info/edid/drm_connectors.h"

#include <string>
#include <vector>

namespace rw {

// What the window system says about one of its monitors.
struct ScreenIdentity {
  std::string connector;  // DP-1, HDMI-A-1, DisplayPort-0, ...
  std::string maker;      // PNP id or maker name; may be empty
  std::string model;      // model name or product code; may be empty
  std::string serial;     // may be empty
};

// The index of the connected connector whose EDID describes `screen`, or
// -1. The connector of the same name wins; where names differ (some X11
// drivers name outputs apart from the kernel), the one EDID whose maker and
// model or serial equal the screen's, if exactly one does.
int MatchDrmConnector(const std::vector<DrmConnector>& connectors, const ScreenIdentity& screen);

}  // namespace rw
