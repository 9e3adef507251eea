#pragma once

#include <cstdint>

namespace rw {

// What the window system answered about one picture handed over for the
// next refresh: when it reached the screen and on which refresh, or that it
// never did.
struct FrameFeedback {
  // The picture was never shown (Wayland's discarded, X11's Skip).
  bool discarded = false;
  // When it was shown, on a monotonic clock.
  std::int64_t time_ns = 0;
  // The output's refresh counter at that moment (Wayland's seq, X11's MSC);
  // 0 where the window system keeps none.
  std::uint64_t counter = 0;
  // The refresh period the answer names; 0 where it names none.
  std::int64_t refresh_ns = 0;
  // How far the answer can be trusted (Wayland's presentation flags; an X
  // server's MSC counts vertical blanks, so vsync holds there).
  bool vsync = false;
  bool hw_clock = false;
  bool hw_completion = false;
};

}  // namespace rw
