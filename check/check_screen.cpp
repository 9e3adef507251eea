#include "check/check_screen.h"

#include "check/check_thumbnail.h"
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

std::vector<std::uint8_t> CheckScreen::ShowImage(std::int64_t pattern, StripSide side,
                                                 const std::optional<StripView>& strip) {
  pattern_ = pattern;
  side_ = side;
  RedrawPattern(pattern);
  const QImage* image = DrawToImage == 1 ? ImageHandle(0) : nullptr;
  drawn_ = image ? image->copy() : QImage();
  std::vector<std::uint8_t> thumbnail = ThumbnailPng(drawn_, kThumbnailWidthPx);
  DrawStrip(strip);
  Present();
  return thumbnail;
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
}

void CheckScreen::DrawStrip(const std::optional<StripView>& strip) {
  if (!strip || !BeginDrawing(Surface())) return;
  SetDrawingFont(FontHandle(0));
  DrawCheckStrip(*strip, CheckStripRows(side_, ScreenHeight));
  EndDrawing();
}

void CheckScreen::ShowSummary(const SummaryView& view, std::int64_t font) {
  pattern_ = -1;
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
