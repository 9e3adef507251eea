#include "motion/timer_frames.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

std::int64_t NowNs() {
  static QElapsedTimer clock;
  if (!clock.isValid()) clock.start();
  return clock.nsecsElapsed();
}

}  // namespace

TimerFrames::TimerFrames(double refresh_hz, FrameBuffer target, BufferContent content, FramePainter painter,
                         std::function<void()> show)
    : period_ns_(std::llround(1e9 / (std::isfinite(refresh_hz) && refresh_hz > 0 ? refresh_hz : 60.0))),
      target_(target),
      content_(content),
      painter_(std::move(painter)),
      show_(std::move(show)),
      start_ns_(NowNs()) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  statistics_.Add(FrameFeedback{false, start_ns_, 0, 0, false, false, false});
  Schedule();
}

void TimerFrames::Schedule() {
  const std::int64_t due_ns = start_ns_ + (frame_ + 1) * period_ns_;
  const std::int64_t wait_ms = std::max<std::int64_t>(0, (due_ns - NowNs() + 999'999) / 1'000'000);
  timer_.start(static_cast<int>(std::min<std::int64_t>(wait_ms, 1000)));
}

void TimerFrames::Tick() {
  const std::int64_t now = NowNs();
  const std::int64_t due = (now - start_ns_) / period_ns_;
  if (due > frame_) {
    frame_ = due;
    painter_.paint(target_, content_, frame_);
    if (show_) show_();
    statistics_.Add(FrameFeedback{false, now, 0, 0, false, false, false});
  }
  Schedule();
}

}  // namespace rw
