#include "platform/display_probe.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rw {
namespace {

bool XServerAnswers() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return false;
  Display* display = XOpenDisplay(name);
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

// A compositor listens on $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY (or on the
// absolute path WAYLAND_DISPLAY names).
bool WaylandAnswers() {
  const char* name = std::getenv("WAYLAND_DISPLAY");
  if (!name || !*name) return false;
  std::string path = name;
  if (path.front() != '/') {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return false;
    path = std::string(runtime) + "/" + path;
  }
  sockaddr_un address{};
  if (path.size() >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  close(fd);
  return connected;
}

// Qt takes the entries of QT_QPA_PLATFORM in order, each "name[:options]".
bool ChosenPlatformAnswers(std::string_view list) {
  while (!list.empty()) {
    const auto end = list.find(';');
    std::string_view entry = list.substr(0, end);
    entry = entry.substr(0, entry.find(':'));
    if (entry == "xcb") {
      if (XServerAnswers()) return true;
    } else if (entry.starts_with("wayland")) {
      if (WaylandAnswers()) return true;
    } else if (!entry.empty()) {
      return true;  // offscreen, minimal, vnc, ...: nothing to reach first
    }
    if (end == std::string_view::npos) break;
    list.remove_prefix(end + 1);
  }
  return false;
}

}  // namespace

bool DisplayAvailable() {
  if (const char* chosen = std::getenv("QT_QPA_PLATFORM"); chosen && *chosen) {
    return ChosenPlatformAnswers(chosen);
  }
  const bool x11 = XServerAnswers();
  const bool wayland = WaylandAnswers();
  if (x11 != wayland) setenv("QT_QPA_PLATFORM", x11 ? "xcb" : "wayland", 1);
  return x11 || wayland;
}

}  // namespace rw
