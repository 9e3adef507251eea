#pragma once

#include "platform/frames/frame_pacer.h"
#include "platform/frames/frame_painter.h"
#include "platform/frames/frame_statistics.h"

#include <QTimer>

#include <cstdint>
#include <functional>

namespace rw {

// Frames where the window system paces none: a timer at the nominal rate
// has each frame painted into `target` and `show` called; frame n is due n
// periods after the start, so a late tick skips numbers instead of slowing
// the motion. Nothing tells when a picture reached the screen, so the
// counts are the timer's own.
class TimerFrames : public FramePacer {
 public:
  // `target` holds frame 0, with `content`, when the timer starts.
  TimerFrames(double refresh_hz, FrameBuffer target, BufferContent content, FramePainter painter,
              std::function<void()> show);

  FrameCounts Counts() const override { return statistics_.Counts(); }
  bool Broken() const override { return false; }

 private:
  void Tick();
  void Schedule();

  std::int64_t period_ns_;
  FrameBuffer target_;
  BufferContent content_;
  FramePainter painter_;
  std::function<void()> show_;
  QTimer timer_;
  std::int64_t start_ns_;
  std::int64_t frame_ = 0;
  FrameStatistics statistics_{true};
};

}  // namespace rw
