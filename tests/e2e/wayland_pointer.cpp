// A pointer for the end-to-end tests under a wlroots compositor: one
// virtual pointer that stays for as long as standard input is open, so that
// the program keeps its wl_pointer, driven by lines on standard input:
//   move X Y W H        to (X, Y) of an area of W x H (the output)
//   button CODE press   (or release): a Linux button code, 272 left, 273 right
//   wheel N             N notches, negative away from the user
// Each command is sent at once.
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>

namespace {

zwlr_virtual_pointer_manager_v1* g_manager = nullptr;
wl_seat* g_seat = nullptr;

void OnGlobal(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    g_manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !g_seat) {
    g_seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistry = {OnGlobal, OnGlobalRemove};

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fprintf(stderr, "wayland_pointer: no compositor\n");
    return 1;
  }
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistry, nullptr);
  wl_display_roundtrip(display);
  if (!g_manager) {
    std::fprintf(stderr, "wayland_pointer: the compositor has no virtual pointers\n");
    return 1;
  }
  zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g_manager, g_seat);
  wl_display_roundtrip(display);

  std::uint32_t time_ms = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string command;
    words >> command;
    time_ms += 10;
    if (command == "move") {
      std::uint32_t x = 0, y = 0, w = 1, h = 1;
      words >> x >> y >> w >> h;
      zwlr_virtual_pointer_v1_motion_absolute(pointer, time_ms, x, y, w, h);
    } else if (command == "button") {
      std::uint32_t code = 0;
      std::string state;
      words >> code >> state;
      zwlr_virtual_pointer_v1_button(pointer, time_ms, code,
                                     state == "press" ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    } else if (command == "wheel") {
      int notches = 0;
      words >> notches;
      zwlr_virtual_pointer_v1_axis_source(pointer, WL_POINTER_AXIS_SOURCE_WHEEL);
      zwlr_virtual_pointer_v1_axis_discrete(pointer, time_ms, WL_POINTER_AXIS_VERTICAL_SCROLL,
                                            wl_fixed_from_int(15 * notches), notches);
    } else {
      continue;
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
