#include "platform/raster/session.h"

#include "platform/raster/image_store.h"
#include "platform/raster/pixel_target.h"

#include <utility>

namespace rw {
namespace {

std::unique_ptr<DrawingSession> g_session;

bool Addressable(const QImage* image) {
  return image && !image->isNull() && image->format() == QImage::Format_RGB32;
}

}  // namespace

DrawingSession* CurrentSession() { return g_session.get(); }

DrawingSurface* MakeSurface(SurfaceKind kind, QImage* target, int depth_bits, std::function<void()> finished) {
  auto* surface = new DrawingSurface;
  surface->kind = kind;
  surface->target = target;
  surface->depth_bits = depth_bits;
  surface->finished = std::move(finished);
  return surface;
}

DrawingSurface* ImageSurface(std::int64_t number) {
  QImage* image = ImageHandle(number);
  if (!Addressable(image)) return nullptr;
  return MakeSurface(SurfaceKind::Image, image, 24, {});
}

std::int64_t BeginDrawing(DrawingSurface* surface) {
  if (!surface) return 0;
  std::unique_ptr<DrawingSurface> owned(surface);
  // Sessions do not nest; one left open is closed rather than lost.
  EndDrawing();
  QImage* target = owned->target;
  if (!Addressable(target)) return 0;

  auto session = std::make_unique<DrawingSession>();
  session->surface = std::move(owned);
  g_session = std::move(session);

  g_pixel_target.first_row = reinterpret_cast<std::uint32_t*>(target->bits());
  g_pixel_target.row_stride_px = target->bytesPerLine() / 4;
  g_pixel_target.width_px = target->width();
  g_pixel_target.height_px = target->height();
  return 1;
}

void EndDrawing() {
  if (!g_session) return;
  std::unique_ptr<DrawingSession> ended = std::move(g_session);
  g_pixel_target = PixelTarget{};
  if (ended->surface->finished) ended->surface->finished();
}

}  // namespace rw
