#pragma once

#include "platform/wayland/wayland_outputs.h"

#include <vector>

namespace rw {

// The outputs of the compositor Qt is connected to, the program's screen
// (the primary one unless another was chosen) first; empty when the program
// does not run on Wayland.
std::vector<WaylandOutput> WaylandOutputsPrimaryFirst();

}  // namespace rw
