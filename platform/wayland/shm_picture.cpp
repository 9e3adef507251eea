#include "platform/wayland/shm_picture.h"

#include <wayland-client.h>

#include <cstring>
#include <limits>
#include <sys/mman.h>
#include <unistd.h>

namespace rw {
namespace {

constexpr std::int64_t kMaxSide_px = 1 << 15;

}  // namespace

std::unique_ptr<ShmPicture> ShmPicture::Create(wl_shm* shm, wl_event_queue* queue, const QImage& picture,
                                               std::int64_t width, std::int64_t height, QColor padding) {
  if (width < 1 || height < 1 || width > kMaxSide_px || height > kMaxSide_px) return nullptr;
  const std::int64_t stride = width * 4;
  const auto bytes = static_cast<std::size_t>(stride * height);
  const int fd = memfd_create("rasterwacht-picture", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
    close(fd);
    return nullptr;
  }
  void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (pixels == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(bytes));
  close(fd);
  wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, static_cast<int32_t>(width), static_cast<int32_t>(height),
                                                static_cast<int32_t>(stride), WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(buffer), queue);

  // Format_RGB32 is 0xFFRRGGBB in native (little-endian) order: XRGB8888.
  const QImage source = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
  const std::uint32_t fill = padding.rgb();
  auto* rows = static_cast<std::uint32_t*>(pixels);
  const std::int64_t copy_width = std::min<std::int64_t>(width, source.width());
  for (std::int64_t y = 0; y < height; ++y) {
    std::uint32_t* row = rows + y * width;
    std::int64_t x = 0;
    if (y < source.height()) {
      std::memcpy(row, source.constScanLine(static_cast<int>(y)), static_cast<std::size_t>(copy_width) * 4);
      x = copy_width;
    }
    for (; x < width; ++x) row[x] = fill;
  }

  std::unique_ptr<ShmPicture> made(new ShmPicture(buffer, pixels, bytes));
  static const wl_buffer_listener listener = {&ShmPicture::OnRelease};
  wl_buffer_add_listener(buffer, &listener, made.get());
  return made;
}

void ShmPicture::OnRelease(void* data, wl_buffer*) { static_cast<ShmPicture*>(data)->released_ = true; }

ShmPicture::~ShmPicture() {
  wl_buffer_destroy(buffer_);
  munmap(pixels_, bytes_);
}

}  // namespace rw
