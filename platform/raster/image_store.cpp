#include "platform/raster/image_store.h"

#include "platform/raster/session.h"

#include <QImage>

#include <map>
#include <memory>

namespace rw {
namespace {

// Larger images are refused rather than attempted: a side beyond what any
// display has, or more than 1 GiB of pixels, is a caller's mistake.
constexpr std::int64_t kMaxSide_px = 32767;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

std::map<std::int64_t, std::unique_ptr<QImage>>& Store() {
  static std::map<std::int64_t, std::unique_ptr<QImage>> store;
  return store;
}

// A session drawing into an image that is about to go ends first.
void EndSessionOn(const QImage* image) {
  const DrawingSession* session = CurrentSession();
  if (session && session->surface->target == image) EndDrawing();
}

}  // namespace

std::int64_t CreateImage(std::int64_t number, std::int64_t width_px, std::int64_t height_px) {
  EndSessionOn(ImageHandle(number));
  Store().erase(number);
  if (width_px <= 0 || height_px <= 0) return 0;
  if (width_px > kMaxSide_px || height_px > kMaxSide_px || width_px * height_px > kMaxPixels) return 0;
  auto image = std::make_unique<QImage>(static_cast<int>(width_px), static_cast<int>(height_px),
                                        QImage::Format_RGB32);
  if (image->isNull()) return 0;
  image->fill(0xFF000000u);
  Store()[number] = std::move(image);
  return 1;
}

QImage* ImageHandle(std::int64_t number) {
  const auto it = Store().find(number);
  return it == Store().end() ? nullptr : it->second.get();
}

void ReleaseAllImages() {
  for (const auto& [number, image] : Store()) EndSessionOn(image.get());
  Store().clear();
}

}  // namespace rw
