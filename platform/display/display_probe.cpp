#include "platform/display/display_probe.h"

#include "platform/display/platform_plugins.h"
#include "platform/x11/x11_server.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rw {
namespace {

// The socket a Wayland client connects to: $WAYLAND_DISPLAY (a name in
// $XDG_RUNTIME_DIR or an absolute path), else the default name wayland-0.
std::string WaylandSocketPath() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  std::string path = name && *name ? name : "wayland-0";
  if (path.front() == '/') return path;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (!runtime || !*runtime) return {};
  return std::string(runtime) + "/" + path;
}

bool WaylandAnswers() {
  const std::string path = WaylandSocketPath();
  sockaddr_un address{};
  if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  close(fd);
  return connected;
}

bool IsWaylandPlatform(std::string_view name) { return name == "wayland" || name.starts_with("wayland-"); }

// Whether platform `name` ("xcb", "wayland", "wayland-egl", "offscreen", ...)
// can show the program's windows here.
bool Reachable(std::string_view name) {
  if (name == "offscreen") return PlatformPluginInstalled("offscreen");
  if (name == "xcb") return PlatformPluginInstalled("xcb") && XServerAnswers();
  if (IsWaylandPlatform(name)) return PlatformPluginInstalled(std::string(name)) && WaylandAnswers();
  return false;
}

void Choose(std::string_view entry) { setenv("QT_QPA_PLATFORM", std::string(entry).c_str(), 1); }

// Qt takes the entries of QT_QPA_PLATFORM in order, each "name[:options]";
// the first that can be reached is kept as the only one, so that Qt never
// tries (and complains about) the others.
bool ChooseFromList(std::string_view list) {
  while (!list.empty()) {
    const auto end = list.find(';');
    const std::string_view entry = list.substr(0, end);
    if (Reachable(entry.substr(0, entry.find(':')))) {
      Choose(entry);
      return true;
    }
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return false;
}

}  // namespace

bool DisplayAvailable() {
  if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen && *chosen) return ChooseFromList(chosen);
  if (PlatformPluginInstalled("wayland") && WaylandAnswers()) {
    Choose("wayland");
    return true;
  }
  if (PlatformPluginInstalled("xcb") && XServerAnswers()) {
    Choose("xcb");
    return true;
  }
  return false;
}

}  // namespace rw
