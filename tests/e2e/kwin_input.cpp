// Input for the end-to-end tests under KWin: one fake-input device that
// stays for as long as standard input is open, driven by lines on standard
// input:
//   move X Y             the pointer to device pixel (X, Y) of the output
//   move_logical X Y     the pointer to (X, Y) in KWin's logical units
//   button CODE press    (or release): a Linux button code, 272 left, 273 right
//   wheel N              N notches, negative away from the user
//   key CODE press       (or release): a Linux key code, 8 for 7, 1 for Escape
// Usage: kwin_input SCALE, the output's scale that turns device pixels into
// logical units. Each command is sent at once and answered by "ok" on
// standard output once KWin has it; a line it does not know by "error ...".
#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

org_kde_kwin_fake_input* g_input = nullptr;

void OnGlobal(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
    g_input = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
  }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistry = {OnGlobal, OnGlobalRemove};

// ButtonState: the protocol's state for "press" or "release", or -1.
int ButtonState(const std::string& word) {
  if (word == "press") return WL_POINTER_BUTTON_STATE_PRESSED;
  if (word == "release") return WL_POINTER_BUTTON_STATE_RELEASED;
  return -1;
}

// Send: one command line to KWin; false for a line it does not know.
bool Send(const std::string& line, double scale) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  if (command == "move" || command == "move_logical") {
    double x = 0, y = 0;
    if (!(words >> x >> y)) return false;
    if (command == "move") {
      x /= scale;
      y /= scale;
    }
    org_kde_kwin_fake_input_pointer_motion_absolute(g_input, wl_fixed_from_double(x), wl_fixed_from_double(y));
    return true;
  }
  if (command == "button" || command == "key") {
    std::uint32_t code = 0;
    std::string word;
    if (!(words >> code >> word) || ButtonState(word) < 0) return false;
    if (command == "button") {
      org_kde_kwin_fake_input_button(g_input, code, ButtonState(word));
    } else {
      org_kde_kwin_fake_input_keyboard_key(g_input, code, ButtonState(word));
    }
    return true;
  }
  if (command == "wheel") {
    int notches = 0;
    if (!(words >> notches)) return false;
    // One notch is 15 units of scrolling, as libinput reports a wheel's click.
    org_kde_kwin_fake_input_axis(g_input, WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15 * notches));
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const double scale = argc == 2 ? std::strtod(argv[1], &end) : 0;
  if (argc != 2 || *end != '\0' || !(scale > 0)) {
    std::fprintf(stderr, "Usage: kwin_input SCALE\n");
    return 2;
  }
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fprintf(stderr, "kwin_input: no compositor\n");
    return 1;
  }
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistry, nullptr);
  wl_display_roundtrip(display);
  if (!g_input) {
    std::fprintf(stderr, "kwin_input: the compositor offers no org_kde_kwin_fake_input version 4\n");
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(g_input, "Rasterwacht tests", "End-to-end tests drive the program");
  if (wl_display_roundtrip(display) < 0) {
    std::fprintf(stderr, "kwin_input: the compositor refused the fake input\n");
    return 1;
  }

  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.empty()) continue;
    if (!Send(line, scale)) {
      std::cout << "error: unknown command '" << line << "'" << std::endl;
      continue;
    }
    if (wl_display_roundtrip(display) < 0) {
      std::fprintf(stderr, "kwin_input: the compositor has gone\n");
      return 1;
    }
    std::cout << "ok" << std::endl;
  }
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return 0;
}
