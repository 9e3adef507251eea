#pragma once

#include "platform/frames/frame_statistics.h"

#include <QImage>

#include <cstdint>
#include <optional>

namespace rw {

// A motion image's run on window 0: one new frame per refresh of the output
// the window is on, until it stops. Only one runs at a time.

// Whether image `pattern` of the series moves.
bool IsMotionImage(std::int64_t pattern);

// Before the redraw of motion image `pattern`: it draws frame 0, moving as
// on a mode of `nominal_hz` (0 when unknown: as at 60 Hz), with the status
// strip's first text.
void PrepareMotionRun(std::int64_t pattern, double nominal_hz);

// After that redraw showed frame 0: the frames run from here, paced by the
// window system where it can, else by a timer, with the status text
// renewed four times a second. A run that was going stops first.
void StartMotionRun(std::int64_t pattern, double nominal_hz);

// Stops the frames (nothing runs, no CPU is used); the last frame stays.
void StopMotionRun();

bool MotionRunning();

// Lays `band` over every frame from row `top` on (the guided check's question
// strip), also of a run that starts later; a null band takes it away, and
// the rows beneath show the image's own pixels again.
void SetMotionOverlay(const QImage& band, std::int64_t top);

// The counts of the run going; nullopt while none runs.
std::optional<FrameCounts> MotionRunCounts();

}  // namespace rw
