#pragma once

#include <string>

namespace rw {

// Whether Qt would find the platform plugin for `platform` ("xcb",
// "wayland", "offscreen", ...) in the folders it loads plugins from: its
// library paths (the installation's, a qt.conf beside the program, and
// QT_PLUGIN_PATH) and QT_QPA_PLATFORM_PLUGIN_PATH. Callable before the
// application object exists.
bool PlatformPluginInstalled(const std::string& platform);

}  // namespace rw
