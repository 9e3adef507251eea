#include "patterns/motion_frames.h"

#include "patterns/patterns.h"
#include "patterns/series.h"
#include "platform/raster/drawing.h"
#include "platform/raster/session.h"
#include "platform/text/fonts.h"
#include "state/globals.h"

#include <QImage>

#include <algorithm>
#include <cstring>

namespace rw {
namespace {

std::int64_t g_frame = 0;
double g_refresh_hz = 60.0;
Text g_status;
std::int64_t g_status_version = 0;

// The status strip as last rendered: its text's version and the width it
// was rendered for.
struct StatusStrip {
  std::int64_t version = -1;
  std::int64_t width = -1;
  std::int64_t rows = 0;
  QImage pixels;
};
StatusStrip g_strip;

void Fill(const PixelTarget& t, AreaRect rect, Colour colour) {
  const AreaRect r = Clipped(rect, t.width_px, t.height_px);
  if (r.Empty()) return;
  const std::uint32_t pixel = PixelOf(colour);
  for (std::int64_t y = r.y; y < r.y + r.height; ++y) {
    std::fill_n(t.Row(static_cast<std::int32_t>(y)) + r.x, r.width, pixel);
  }
}

void DrawStatusText(const Text& status) {
  SetTextBackground(Rgb(0, 0, 0));
  DrawText(4, 6, status, Rgb(255, 255, 255));
}

// Renders the strip for the current text at width w, unless it is current;
// false when it is not and cannot be (another session is open).
bool StripReady(std::int64_t w, std::int64_t h) {
  const std::int64_t rows = std::min(kStatusRows, h);
  if (g_strip.version == g_status_version && g_strip.width == w && g_strip.rows == rows) return true;
  if (CurrentSession() || w <= 0 || rows <= 0) return false;
  QImage pixels(static_cast<int>(w), static_cast<int>(rows), QImage::Format_RGB32);
  if (pixels.isNull()) return false;
  pixels.fill(0xFF000000u);
  if (!g_status.isEmpty() && BeginDrawing(MakeSurface(SurfaceKind::Image, &pixels, 24, {}))) {
    SetDrawingFont(FontHandle(0));
    DrawStatusText(g_status);
    EndDrawing();
  }
  g_strip = {g_status_version, w, rows, std::move(pixels)};
  return true;
}

void CopyStrip(const PixelTarget& t) {
  const std::int64_t columns = std::min<std::int64_t>(g_strip.width, t.width_px);
  for (std::int64_t y = 0; y < g_strip.rows && y < t.height_px; ++y) {
    std::memcpy(t.Row(static_cast<std::int32_t>(y)), g_strip.pixels.constScanLine(static_cast<int>(y)),
                static_cast<std::size_t>(columns) * sizeof(std::uint32_t));
  }
}

// Everything below the status strip, whole.
void PaintBody(MotionImage image, const PixelTarget& t, std::int64_t w, std::int64_t h, double refresh_hz,
               std::int64_t n) {
  if (image == MotionImage::Motion) {
    for (int k = 0; k < 3; ++k) {
      const MotionLane lane = LaneOf(w, h, k);
      Fill(t, Clipped({0, lane.top, w, lane.height}, w, h, kStatusRows), lane.ground);
      Fill(t, Clipped(SquareRect(w, h, refresh_hz, k, n), w, h, kStatusRows), lane.square);
    }
    return;
  }
  Fill(t, Clipped({0, kStatusRows, w, h - kStatusRows}, w, h, kStatusRows), Rgb(0, 0, 0));
  for (int i = 0; i < kSequenceBoxes; ++i) {
    Fill(t, Clipped(SequenceBox(w, h, i), w, h, kStatusRows), SequenceBoxColour(i, n));
  }
  Fill(t, Clipped(SequenceStrip(w, h), w, h, kStatusRows), SequenceStripColour(n));
}

// The parts below the strip that differ between frames `from` and `to`,
// painted for `to`.
std::vector<AreaRect> PaintChanges(MotionImage image, const PixelTarget& t, double refresh_hz, std::int64_t from,
                                   std::int64_t to) {
  const std::int64_t w = t.width_px;
  const std::int64_t h = t.height_px;
  std::vector<AreaRect> changed;
  auto paint = [&](AreaRect rect, Colour colour) {
    const AreaRect r = Clipped(rect, w, h, kStatusRows);
    if (r.Empty()) return;
    Fill(t, r, colour);
    changed.push_back(r);
  };
  if (image == MotionImage::Motion) {
    for (int k = 0; k < 3; ++k) {
      const MotionLane lane = LaneOf(w, h, k);
      paint(SquareRect(w, h, refresh_hz, k, from), lane.ground);
      paint(SquareRect(w, h, refresh_hz, k, to), lane.square);
    }
    return changed;
  }
  const int old_box = static_cast<int>(from % kSequenceBoxes);
  const int new_box = static_cast<int>(to % kSequenceBoxes);
  if (old_box != new_box) {
    paint(SequenceBox(w, h, old_box), SequenceBoxColour(old_box, to));
    paint(SequenceBox(w, h, new_box), SequenceBoxColour(new_box, to));
  }
  // On a low area the strip covers part of the boxes: it goes over them again.
  paint(SequenceStrip(w, h), SequenceStripColour(to));
  return changed;
}

void DrawWhole(MotionImage image) {
  const PixelTarget& t = g_pixel_target;
  const std::int64_t w = std::min<std::int64_t>(ScreenWidth, t.width_px);
  const std::int64_t h = std::min<std::int64_t>(ScreenHeight, t.height_px);
  if (w <= 0 || h <= 0) return;
  PaintBody(image, t, w, h, g_refresh_hz, g_frame);
  Fill(t, {0, 0, w, std::min(kStatusRows, h)}, Rgb(0, 0, 0));
  // The text is cut at the strip's last row (a large font would reach into
  // the image below it).
  PixelTarget& clip = g_pixel_target;
  const std::int32_t height = clip.height_px;
  clip.height_px = static_cast<std::int32_t>(std::min(kStatusRows, h));
  DrawStatusText(g_status);
  clip.height_px = height;
}

}  // namespace

std::optional<MotionImage> MotionImageOf(std::int64_t pattern) {
  const SeriesImage* image = SeriesImageAt(pattern);
  if (!image) return std::nullopt;
  if (image->id == "motion") return MotionImage::Motion;
  if (image->id == "frame-sequence") return MotionImage::FrameSequence;
  return std::nullopt;
}

void SetMotionFrame(std::int64_t frame, double refresh_hz) {
  g_frame = std::max<std::int64_t>(frame, 0);
  g_refresh_hz = refresh_hz;
}

std::int64_t MotionFrameNumber() { return g_frame; }

double MotionRefreshHz() { return g_refresh_hz; }

void SetMotionStatus(const Text& status) {
  if (status == g_status) return;
  g_status = status;
  ++g_status_version;
}

std::int64_t MotionStatusVersion() { return g_status_version; }

std::vector<AreaRect> PaintMotionFrame(MotionImage image, const PixelTarget& target, double refresh_hz,
                                       HeldFrame& held, std::int64_t frame) {
  const std::int64_t w = target.width_px;
  const std::int64_t h = target.height_px;
  if (w <= 0 || h <= 0 || !target.first_row) return {};
  frame = std::max<std::int64_t>(frame, 0);
  std::vector<AreaRect> changed;
  if (held.frame < 0) {
    PaintBody(image, target, w, h, refresh_hz, frame);
    changed.push_back({0, 0, w, h});
    // Until the text can be drawn the strip is at least black.
    Fill(target, {0, 0, w, std::min(kStatusRows, h)}, Rgb(0, 0, 0));
    held.status_version = -1;
  } else if (held.frame != frame) {
    changed = PaintChanges(image, target, refresh_hz, held.frame, frame);
  }
  held.frame = frame;
  if (held.status_version != g_status_version && StripReady(w, h)) {
    CopyStrip(target);
    held.status_version = g_status_version;
    changed.push_back({0, 0, w, std::min(kStatusRows, h)});
  }
  return changed;
}

std::vector<AreaRect> MotionFrameDifferences(MotionImage image, std::int64_t w, std::int64_t h, double refresh_hz,
                                             const HeldFrame& from, const HeldFrame& to) {
  if (w <= 0 || h <= 0) return {};
  if (from.frame < 0 || to.frame < 0) return {{0, 0, w, h}};
  std::vector<AreaRect> differ;
  auto add = [&](AreaRect rect) {
    const AreaRect r = Clipped(rect, w, h, kStatusRows);
    if (!r.Empty()) differ.push_back(r);
  };
  if (from.frame != to.frame) {
    if (image == MotionImage::Motion) {
      for (int k = 0; k < 3; ++k) {
        add(SquareRect(w, h, refresh_hz, k, from.frame));
        add(SquareRect(w, h, refresh_hz, k, to.frame));
      }
    } else {
      const int from_box = static_cast<int>(from.frame % kSequenceBoxes);
      const int to_box = static_cast<int>(to.frame % kSequenceBoxes);
      if (from_box != to_box) {
        add(SequenceBox(w, h, from_box));
        add(SequenceBox(w, h, to_box));
      }
      if (from.frame % 2 != to.frame % 2) add(SequenceStrip(w, h));
    }
  }
  if (from.status_version != to.status_version) differ.push_back({0, 0, w, std::min(kStatusRows, h)});
  return differ;
}

void DrawMotion() { DrawWhole(MotionImage::Motion); }

void DrawFrameSequence() { DrawWhole(MotionImage::FrameSequence); }

}  // namespace rw
