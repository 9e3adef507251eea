#pragma once

#include "platform/frames/frame_pacer.h"
#include "platform/frames/frame_painter.h"

#include <QSize>

#include <cstdint>
#include <memory>

namespace rw {

// Starts frames over window `number`'s picture (`picture` device pixels at
// its top-left) paced by the window system itself: the compositor's frame
// callbacks on Wayland, the Present extension on X11. Frame 0 is painted
// at once. nullptr where neither is to be had; the caller then paces by a
// timer.
std::unique_ptr<FramePacer> StartNativeFrames(std::int64_t number, QSize picture, FramePainter painter);

// Frames hold objects on the display connection: their owner names how to
// stop them, and the platform shutdown runs that first, while the
// connection still stands. nullptr takes it back.
void SetFramesStop(void (*stop)());
void StopFramesBeforeShutdown();

}  // namespace rw
