#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <memory>

struct wl_buffer;
struct wl_shm;
struct wl_event_queue;

namespace rw {

// One shared-memory buffer of XRGB pixels, which is QImage::Format_RGB32's
// layout, so that a picture goes in by plain row copies.
class ShmPicture {
 public:
  // A buffer of width x height pixels holding `picture` at its top-left and
  // `padding` elsewhere; nullptr when the memory cannot be had.
  static std::unique_ptr<ShmPicture> Create(wl_shm* shm, wl_event_queue* queue, const QImage& picture,
                                            std::int64_t width, std::int64_t height, QColor padding);
  ~ShmPicture();
  ShmPicture(const ShmPicture&) = delete;
  ShmPicture& operator=(const ShmPicture&) = delete;

  wl_buffer* buffer() const { return buffer_; }

  // Whether the compositor has let go of the buffer since it was attached
  // (an attached buffer may be freed only then).
  bool released() const { return released_; }
  void MarkAttached() { released_ = false; }

 private:
  ShmPicture(wl_buffer* buffer, void* pixels, std::size_t bytes) : buffer_(buffer), pixels_(pixels), bytes_(bytes) {}
  static void OnRelease(void* data, wl_buffer* buffer);

  wl_buffer* buffer_;
  void* pixels_;
  std::size_t bytes_;
  bool released_ = true;
};

}  // namespace rw
