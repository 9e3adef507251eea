#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_event_queue;
struct wl_shm;
struct wl_subcompositor;
struct wp_fractional_scale_manager_v1;
struct wp_presentation;
struct wp_viewporter;

namespace rw {

// What the compositor announced of one output, in its own units.
struct WaylandOutput {
  std::string name;               // connector name, e.g. HEADLESS-1 or DP-1
  std::int32_t mode_width = 0;    // current mode, device pixels, before the transform
  std::int32_t mode_height = 0;
  std::int32_t refresh_mhz = 0;   // 0 when unknown
  std::int32_t transform = 0;     // wl_output transform; odd values turn by 90 degrees
  std::int32_t integer_scale = 1; // wl_output scale (a fractional one rounded up)
  std::int32_t logical_x = 0;     // position and size on the desktop, logical units
  std::int32_t logical_y = 0;
  std::int32_t logical_width = 0; // 0 when the compositor has no xdg-output
  std::int32_t logical_height = 0;

  // The mode as the desktop sees it: width and height swapped when turned.
  std::int32_t DesktopWidth() const { return transform % 2 ? mode_height : mode_width; }
  std::int32_t DesktopHeight() const { return transform % 2 ? mode_width : mode_height; }
};

// The program's own view of Qt's Wayland connection: its objects live on an
// event queue of their own, so that Qt's dispatching never sees them.
struct WaylandGlobals {
  wl_display* display = nullptr;
  wl_event_queue* queue = nullptr;
  wl_compositor* compositor = nullptr;
  wl_subcompositor* subcompositor = nullptr;
  wl_shm* shm = nullptr;
  wp_viewporter* viewporter = nullptr;  // nullptr where the compositor has none
  // The compositor's word on the scale it draws a surface at, where it
  // gives one (KWin does); nullptr elsewhere.
  wp_fractional_scale_manager_v1* fractional_scale_manager = nullptr;
  // The last scale other than 1 the compositor preferred for one of the
  // program's pixel surfaces, in 120ths; 0 while it named none.
  std::int32_t preferred_scale_120 = 0;
  wp_presentation* presentation = nullptr;  // nullptr where the compositor has none
  std::vector<WaylandOutput> outputs;   // in the order the compositor announced them
};

// The globals on Qt's connection, bound on first use; nullptr when the
// application does not run on Wayland or the connection gives too little
// (no compositor, sub-compositor or shared memory).
WaylandGlobals* ProgramWaylandGlobals();

// Takes in what the compositor told of its outputs since the last look
// (an output that came, changed or went), waiting briefly for an output
// that is still being described.
void RefreshWaylandOutputs();

// Destroys the program's objects on the connection, once no pixel surface
// uses them any more (the platform shutdown, after the windows).
void ReleaseProgramWaylandGlobals();

}  // namespace rw
