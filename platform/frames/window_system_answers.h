#pragma once

#include "platform/frames/frame_feedback.h"

#include <cstdint>

namespace rw {

// The window systems' own words about a shown picture, as answers.

// wp_presentation_feedback.presented: the time (seconds and nanoseconds of
// the compositor's presentation clock), the refresh period it names (0 for
// none), the output's refresh counter seq (0 where it keeps none) and its
// flags (VSYNC 0x1, HW_CLOCK 0x2, HW_COMPLETION 0x4, ZERO_COPY 0x8).
FrameFeedback PresentedAnswer(std::uint64_t seconds, std::uint32_t nanoseconds, std::uint32_t refresh_ns,
                              std::uint64_t seq, std::uint32_t flags);

// PresentCompleteNotify of an X server: its mode (0 Copy, 1 Flip, 2 Skip,
// 3 SuboptimalCopy), UST in microseconds and MSC. The MSC counts vertical
// blanks; only a flip is done and timed by the display hardware itself, a
// copy is the server's work at a blank it was told of, and a skipped
// picture was never shown.
FrameFeedback PresentCompleteAnswer(std::uint8_t mode, std::uint64_t ust_us, std::uint64_t msc);

}  // namespace rw
