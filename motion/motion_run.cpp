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

#include <algorithm>
#include <memory>

namespace rw {
namespace {

constexpr std::int64_t kStatusIntervalMs = 250;

// The band laid over every frame, and how often it changed: a buffer
// painted under another band holds none of the frame's own pixels there.
// The change count rides in the buffer's text version, above the status's.
struct Overlay {
  QImage band;
  std::int64_t top = 0;
  std::int64_t generation = 0;
};
Overlay g_overlay;
constexpr std::int64_t kGenerationStride = std::int64_t{1} << 40;

std::int64_t GenerationOf(const BufferContent& content) {
  return content.text_version < 0 ? -1 : content.text_version / kGenerationStride;
}

std::int64_t StatusVersionOf(const BufferContent& content) {
  return content.text_version < 0 ? -1 : content.text_version % kGenerationStride;
}

// The part of the band that lies on a w x h area.
FrameRect BandRect(std::int32_t width, std::int32_t height) {
  if (g_overlay.band.isNull()) return {};
  const std::int64_t top = std::clamp<std::int64_t>(g_overlay.top, 0, height);
  const std::int64_t bottom = std::clamp<std::int64_t>(g_overlay.top + g_overlay.band.height(), 0, height);
  const std::int64_t w = std::min<std::int64_t>(width, g_overlay.band.width());
  return {0, static_cast<std::int32_t>(top), static_cast<std::int32_t>(w), static_cast<std::int32_t>(bottom - top)};
}

void PaintBand(const FrameBuffer& buffer, const FrameRect& rect) {
  for (std::int32_t y = 0; y < rect.height; ++y) {
    const auto* from = reinterpret_cast<const std::uint32_t*>(g_overlay.band.constScanLine(rect.y - g_overlay.top + y));
    std::copy(from, from + rect.width, buffer.pixels + (rect.y + y) * buffer.stride_px);
  }
}

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
    HeldFrame held{content.frame, StatusVersionOf(content)};
    if (GenerationOf(content) != g_overlay.generation) held = {};
    const std::vector<AreaRect> painted = PaintMotionFrame(image, target, MovingRate(nominal_hz), held, frame);
    content = {held.frame, held.status_version < 0 ? -1 : held.status_version + g_overlay.generation * kGenerationStride};
    std::vector<FrameRect> rects = Rects(painted);
    const FrameRect band = BandRect(buffer.width_px, buffer.height_px);
    if (band.width > 0 && band.height > 0) {
      PaintBand(buffer, band);
      rects.push_back(band);
    }
    return rects;
  }

  std::vector<FrameRect> Differences(const BufferContent& from, const BufferContent& to) const {
    if (GenerationOf(from) != GenerationOf(to)) return {{0, 0, static_cast<std::int32_t>(ScreenWidth), static_cast<std::int32_t>(ScreenHeight)}};
    std::vector<FrameRect> rects =
        Rects(MotionFrameDifferences(image, ScreenWidth, ScreenHeight, MovingRate(nominal_hz),
                                     {from.frame, StatusVersionOf(from)}, {to.frame, StatusVersionOf(to)}));
    const FrameRect band = BandRect(static_cast<std::int32_t>(ScreenWidth), static_cast<std::int32_t>(ScreenHeight));
    if (band.width > 0 && band.height > 0) rects.push_back(band);
    return rects;
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
  return std::make_unique<TimerFrames>(MovingRate(run.nominal_hz), target,
                                       BufferContent{0, MotionStatusVersion() + g_overlay.generation * kGenerationStride},
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

void SetMotionOverlay(const QImage& band, std::int64_t top) {
  if (band.isNull() && g_overlay.band.isNull()) return;
  g_overlay.band = band.isNull() ? QImage() : band.convertToFormat(QImage::Format_RGB32);
  g_overlay.top = top;
  ++g_overlay.generation;
}

std::optional<FrameCounts> MotionRunCounts() {
  if (!g_run || !g_run->pacer) return std::nullopt;
  return g_run->pacer->Counts();
}

}  // namespace rw
