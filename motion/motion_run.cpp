#include "motion/motion_run.h"

#include "motion/status_text.h"
#include "motion/timer_frames.h"
#include "patterns/motion_frames.h"
#include "platform/base/clock.h"
#include "platform/frames/shown_motion.h"
#include "platform/raster/image_store.h"
#include "platform/window/controls.h"
#include "platform/window/window_frames.h"
#include "state/globals.h"

#include <QImage>

#include <memory>

namespace rw {
namespace {

constexpr std::int64_t kStatusIntervalMs = 250;

// The rate the squares move at: the nominal one, 60 Hz where it is unknown.
double MovingRate(double nominal_hz) { return nominal_hz > 0 ? nominal_hz : 60.0; }

struct Run {
  MotionImage image = MotionImage::Motion;
  double nominal_hz = 0;
  std::unique_ptr<FramePacer> pacer;
  std::int64_t status_ms = 0;

  void RenewStatusIfDue() {
    if (!pacer || MillisecondClock() - status_ms < kStatusIntervalMs) return;
    status_ms = MillisecondClock();
    SetMotionStatus(MotionStatusText(pacer->Counts(), nominal_hz));
  }

  std::vector<FrameRect> Paint(const FrameBuffer& buffer, BufferContent& content, std::int64_t frame) {
    RenewStatusIfDue();
    const PixelTarget target{buffer.pixels, buffer.stride_px, buffer.width_px, buffer.height_px};
    HeldFrame held{content.frame, content.text_version};
    const std::vector<AreaRect> painted = PaintMotionFrame(image, target, MovingRate(nominal_hz), held, frame);
    content = {held.frame, held.status_version};
    return Rects(painted);
  }

  std::vector<FrameRect> Differences(const BufferContent& from, const BufferContent& to) const {
    return Rects(MotionFrameDifferences(image, ScreenWidth, ScreenHeight, MovingRate(nominal_hz),
                                        {from.frame, from.text_version}, {to.frame, to.text_version}));
  }

  FramePainter Painter() {
    return {[this](const FrameBuffer& b, BufferContent& c, std::int64_t n) { return Paint(b, c, n); },
            [this](const BufferContent& from, const BufferContent& to) { return Differences(from, to); }};
  }

  static std::vector<FrameRect> Rects(const std::vector<AreaRect>& area_rects) {
    std::vector<FrameRect> rects;
    rects.reserve(area_rects.size());
    for (const AreaRect& r : area_rects) {
      rects.push_back({static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y),
                       static_cast<std::int32_t>(r.width), static_cast<std::int32_t>(r.height)});
    }
    return rects;
  }
};

// Never destroyed at exit: its objects on the display connection go in
// StopMotionRun, which the platform shutdown runs, or with the process.
Run* g_run = nullptr;

// Where no window system paces frames: a timer, painting into image 0,
// which the image view shows. Nothing runs without that image.
std::unique_ptr<FramePacer> TimerPacedFrames(Run& run) {
  QImage* image = ImageHandle(0);
  if (DrawToImage != 1 || !image || image->width() != ScreenWidth || image->height() != ScreenHeight) return nullptr;
  const FrameBuffer target{reinterpret_cast<std::uint32_t*>(image->bits()), image->bytesPerLine() / 4, image->width(),
                           image->height()};
  return std::make_unique<TimerFrames>(MovingRate(run.nominal_hz), target, BufferContent{0, MotionStatusVersion()},
                                       run.Painter(), [] { SetImageViewImage(0, ImageHandle(0)); });
}

}  // namespace

bool IsMotionImage(std::int64_t pattern) { return MotionImageOf(pattern).has_value(); }

void PrepareMotionRun(std::int64_t pattern, double nominal_hz) {
  if (!IsMotionImage(pattern)) return;
  SetMotionFrame(0, MovingRate(nominal_hz));
  SetMotionStatus(MotionStatusText(FrameCounts{}, nominal_hz));
}

void StartMotionRun(std::int64_t pattern, double nominal_hz) {
  StopMotionRun();
  const std::optional<MotionImage> image = MotionImageOf(pattern);
  if (!image) return;
  g_run = new Run;
  g_run->image = *image;
  g_run->nominal_hz = nominal_hz;
  g_run->status_ms = MillisecondClock();
  Run& run = *g_run;
  run.pacer = StartNativeFrames(0, QSize(static_cast<int>(ScreenWidth), static_cast<int>(ScreenHeight)), run.Painter());
  if (!run.pacer) run.pacer = TimerPacedFrames(run);
  SetFramesStop(&StopMotionRun);
  SetShownMotionSource([] {
    ShownMotion shown;
    if (g_run && g_run->pacer) shown.counts = g_run->pacer->Counts();
    if (g_run) shown.nominal_hz = g_run->nominal_hz;
    return shown;
  });
}

void StopMotionRun() {
  if (!g_run) return;
  SetShownMotionSource(nullptr);
  SetFramesStop(nullptr);
  delete g_run;
  g_run = nullptr;
}

bool MotionRunning() { return g_run != nullptr; }

std::optional<FrameCounts> MotionRunCounts() {
  if (!g_run || !g_run->pacer) return std::nullopt;
  return g_run->pacer->Counts();
}

}  // namespace rw
