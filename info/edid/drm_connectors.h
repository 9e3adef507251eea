#pragma once

// The kernel's view of the monitors: one folder per connector under
// /sys/class/drm (card0-DP-1, ...), each with status, enabled and edid.
// Readable by every user, under X11, Wayland or no window system at all.

#include <cstdint>
#include <string>
#include <vector>

namespace rw {

struct DrmConnector {
  std::string folder;      // card0-DP-1
  std::string name;        // DP-1: the folder without its card
  bool connected = false;  // status says "connected"
  bool enabled = false;    // enabled says "enabled"
  std::vector<std::uint8_t> edid;  // empty when there is none or it cannot be read
};

// The folder to read: $RASTERWACHT_DRM_DIR when set and not empty, else
// /sys/class/drm.
std::string DrmFolder();

// The connectors in `folder`, sorted by folder name; none when it cannot be
// read. Files that cannot be read leave their fields at the defaults.
std::vector<DrmConnector> ReadDrmConnectors(const std::string& folder);

}  // namespace rw
