#include "platform/wayland/shm_frame_buffer.h"

#include <wayland-client.h>

#include <algorithm>
#include <sys/mman.h>
#include <unistd.h>

namespace rw {
namespace {

constexpr std::int32_t kMaxSide_px = 1 << 15;

}  // namespace

std::unique_ptr<ShmFrameBuffer> ShmFrameBuffer::Create(wl_shm* shm, wl_event_queue* queue, std::int32_t width,
                                                       std::int32_t height, std::uint32_t fill) {
  if (width < 1 || height < 1 || width > kMaxSide_px || height > kMaxSide_px) return nullptr;
  const std::int64_t stride = std::int64_t{width} * 4;
  const auto bytes = static_cast<std::size_t>(stride * height);
  const int fd = memfd_create("rasterwacht-frames", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
    close(fd);
    return nullptr;
  }
  void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (memory == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(bytes));
  close(fd);
  wl_buffer* buffer =
      wl_shm_pool_create_buffer(pool, 0, width, height, static_cast<int32_t>(stride), WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(buffer), queue);
  auto* pixels = static_cast<std::uint32_t*>(memory);
  std::fill_n(pixels, static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
  std::unique_ptr<ShmFrameBuffer> made(new ShmFrameBuffer(buffer, pixels, bytes, width));
  static const wl_buffer_listener listener = {&ShmFrameBuffer::OnRelease};
  wl_buffer_add_listener(buffer, &listener, made.get());
  return made;
}

FrameBuffer ShmFrameBuffer::Pixels(std::int32_t width, std::int32_t height) const {
  return {pixels_, stride_px_, std::min(width, stride_px_),
          std::min<std::int32_t>(height, static_cast<std::int32_t>(bytes_ / 4 / static_cast<std::size_t>(stride_px_)))};
}

void ShmFrameBuffer::OnRelease(void* data, wl_buffer*) {
  auto* buffer = static_cast<ShmFrameBuffer*>(data);
  buffer->released_ = true;
  if (buffer->on_release) buffer->on_release();
}

ShmFrameBuffer::~ShmFrameBuffer() {
  wl_buffer_destroy(buffer_);
  munmap(pixels_, bytes_);
}

}  // namespace rw
