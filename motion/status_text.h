#pragma once

#include "platform/base/text.h"
#include "platform/frames/frame_statistics.h"

namespace rw {

// The status strip's German text for a run's counts on a mode of
// `nominal_hz` (0 when unknown), for example "59,95 Hz gemessen, Modus
// 60,00 Hz, 1234 Bilder gezeigt, 0 verpasst, 0 verworfen, Zeitquelle:
// Hardware".
Text MotionStatusText(const FrameCounts& counts, double nominal_hz);

}  // namespace rw
