#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>

struct wl_buffer;
struct wl_shm;
struct wl_event_queue;

namespace rw {

// One shared-memory buffer of XRGB pixels, which is QImage::Format_RGB32's
// layout, so that a picture goes in by plain row copies. It frees itself
// once the compositor has released it after its owner let go of it.
class ShmPicture {
 public:
  // A buffer of width x height pixels holding `picture` at its top-left and
  // `padding` elsewhere; nullptr when the memory cannot be had.
  static ShmPicture* Create(wl_shm* shm, wl_event_queue* queue, const QImage& picture, std::int64_t width,
                            std::int64_t height, QColor padding);

  wl_buffer* buffer() const { return buffer_; }

  // Hands the buffer over: it is freed as soon as the compositor has
  // released it (at once if it never was attached, or already released).
  void Abandon(bool attached);

 private:
  ShmPicture(wl_buffer* buffer, void* pixels, std::size_t bytes) : buffer_(buffer), pixels_(pixels), bytes_(bytes) {}
  ~ShmPicture();
  static void OnRelease(void* data, wl_buffer* buffer);

  wl_buffer* buffer_;
  void* pixels_;
  std::size_t bytes_;
  bool released_ = false;
  bool abandoned_ = false;
};

}  // namespace rw
