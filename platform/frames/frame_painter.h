#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace rw {

// A buffer that frames are painted into: rows of 0xFFRRGGBB pixels (the
// image store's layout), width_px x height_px of them.
struct FrameBuffer {
  std::uint32_t* pixels = nullptr;
  std::ptrdiff_t stride_px = 0;
  std::int32_t width_px = 0;
  std::int32_t height_px = 0;
};

// A rectangle of a frame buffer, in pixels.
struct FrameRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// What a buffer holds as the painter last left it, so that the next frame
// needs to paint only what differs: the frame's number and the version of
// its status text; -1 for a buffer whose pixels are unknown.
struct BufferContent {
  std::int64_t frame = -1;
  std::int64_t text_version = -1;
};

// What draws the frames of a run, for whoever paces them.
struct FramePainter {
  // Paints frame number `frame` into `buffer`, which holds `content`
  // (updated to what it holds afterwards), and returns the rectangles it
  // wrote.
  std::function<std::vector<FrameRect>(const FrameBuffer& buffer, BufferContent& content, std::int64_t frame)> paint;
  // The rectangles in which a frame with content `to` differs from one
  // with `from`: what a compositor must take anew when the second replaces
  // the first. The whole frame where `from` is unknown.
  std::function<std::vector<FrameRect>(const BufferContent& from, const BufferContent& to)> differences;

  explicit operator bool() const { return paint && differences; }
};

}  // namespace rw
