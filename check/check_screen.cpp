#include "check/check_screen.h"

#include "check/check_thumbnail.h"
#include "motion/motion_run.h"
#include "motion/motion_warning.h"
#include "patterns/redraw.h"
#include "platform/raster/drawing.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/window/controls.h"
#include "state/globals.h"

#include <cstring>

namespace rw {
namespace {

constexpr int kThumbnailWidthPx = 240;

DrawingSurface* Surface() { return DrawToImage == 1 ? ImageSurface(0) : WindowSurface(0); }

}  // namespace

CheckScreen::~CheckScreen() { StopMotion(); }

std::vector<std::uint8_t> CheckScreen::ShowImage(std::int64_t pattern, StripSide side,
                                                 const std::optional<StripView>& strip) {
  pattern_ = pattern;
  side_ = side;
  const bool moving = IsMotionImage(pattern) && ConfirmMotionWarning();
  if (IsMotionImage(pattern)) PrepareMotionRun(pattern, nominal_hz_);
  RedrawPattern(pattern);
  const QImage* image = DrawToImage == 1 ? ImageHandle(0) : nullptr;
  drawn_ = image ? image->copy() : QImage();
  std::vector<std::uint8_t> thumbnail = ThumbnailPng(drawn_, kThumbnailWidthPx);
  DrawStrip(strip);
  // The new picture is up before the frames of the one before stop.
  Present();
  StopMotion();
  if (moving) {
    LayStripOverFrames(strip);
    StartMotionRun(pattern, nominal_hz_);
  }
  return thumbnail;
}

void CheckScreen::StopMotion() {
  StopMotionRun();
  SetMotionOverlay(QImage(), 0);
}

// The frames carry the strip as image 0 now shows it.
void CheckScreen::LayStripOverFrames(const std::optional<StripView>& strip) {
  const QImage* image = DrawToImage == 1 ? ImageHandle(0) : nullptr;
  if (!strip || !image) {
    SetMotionOverlay(QImage(), 0);
    return;
  }
  const StripRows rows = CheckStripRows(side_, ScreenHeight);
  SetMotionOverlay(image->copy(0, static_cast<int>(rows.top), image->width(), static_cast<int>(rows.height)), rows.top);
}

void CheckScreen::ShowStrip(const std::optional<StripView>& strip) {
  if (pattern_ < 0) return;
  QImage* image = DrawToImage == 1 ? ImageHandle(0) : nullptr;
  if (image && !drawn_.isNull() && image->size() == drawn_.size()) {
    // Only the strip's rows change: they get the image's own pixels back.
    std::memcpy(image->bits(), drawn_.constBits(), static_cast<std::size_t>(drawn_.sizeInBytes()));
  } else {
    RedrawPattern(pattern_);
  }
  DrawStrip(strip);
  Present();
  if (MotionRunning()) LayStripOverFrames(strip);
}

void CheckScreen::DrawStrip(const std::optional<StripView>& strip) {
  if (!strip || !BeginDrawing(Surface())) return;
  SetDrawingFont(FontHandle(0));
  DrawCheckStrip(*strip, CheckStripRows(side_, ScreenHeight));
  EndDrawing();
}

void CheckScreen::ShowSummary(const SummaryView& view, std::int64_t font) {
  pattern_ = -1;
  StopMotion();
  if (!BeginDrawing(Surface())) return;
  SetDrawingFont(FontHandle(font) ? FontHandle(font) : FontHandle(0));
  DrawCheckSummary(view);
  EndDrawing();
  Present();
}

void CheckScreen::Present() {
  if (DrawToImage == 1) SetImageViewImage(0, ImageHandle(0));
}

}  // namespace rw
