#pragma once

#include "platform/frames/frame_painter.h"

#include <cstdint>
#include <functional>
#include <memory>

struct wl_buffer;
struct wl_shm;
struct wl_event_queue;

namespace rw {

// A shared-memory buffer of XRGB pixels that frames are painted into again
// and again: the compositor reads it between attaching and releasing, the
// program writes it only while it is released.
class ShmFrameBuffer {
 public:
  // width x height pixels, all `fill`; nullptr when the memory cannot be had.
  static std::unique_ptr<ShmFrameBuffer> Create(wl_shm* shm, wl_event_queue* queue, std::int32_t width,
                                                std::int32_t height, std::uint32_t fill);
  ~ShmFrameBuffer();
  ShmFrameBuffer(const ShmFrameBuffer&) = delete;
  ShmFrameBuffer& operator=(const ShmFrameBuffer&) = delete;

  wl_buffer* buffer() const { return buffer_; }
  // The top-left width x height pixels (of the whole buffer's rows).
  FrameBuffer Pixels(std::int32_t width, std::int32_t height) const;

  bool released() const { return released_; }
  void MarkAttached() { released_ = false; }

  // What the painter left in it.
  BufferContent content;
  // Runs when the compositor releases the buffer.
  std::function<void()> on_release;

 private:
  ShmFrameBuffer(wl_buffer* buffer, std::uint32_t* pixels, std::size_t bytes, std::int32_t stride_px)
      : buffer_(buffer), pixels_(pixels), bytes_(bytes), stride_px_(stride_px) {}
  static void OnRelease(void* data, wl_buffer* buffer);

  wl_buffer* buffer_;
  std::uint32_t* pixels_;
  std::size_t bytes_;
  std::int32_t stride_px_;
  bool released_ = true;
};

}  // namespace rw
