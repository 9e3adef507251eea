#pragma once

#include "platform/frames/frame_pacer.h"
#include "platform/frames/frame_painter.h"
#include "platform/frames/frame_statistics.h"

#include <cstdint>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace rw {

// Frames paced by the X server's Present extension, on a connection of the
// program's own (its events never pass Qt): each frame is painted into one
// of three pixmaps that the server has let go (IdleNotify), uploaded where
// it changed, and presented for the refresh after the last one completed
// (the MSC after it); each PresentCompleteNotify is the answer about one
// picture and paces the next. In full screen the window asks a compositing
// manager to leave it alone (_NET_WM_BYPASS_COMPOSITOR = 1) while the
// frames run.
class X11PresentFrames : public FramePacer {
 public:
  // Frames of width x height pixels at the top-left of X window `window`.
  // nullptr where the server has no Present, the window a depth other than
  // 24 or 32 bits, or a pixel layout other than 32 bits in the host's order.
  static std::unique_ptr<X11PresentFrames> Create(std::uint32_t window, std::int32_t width, std::int32_t height,
                                                  bool full_screen, FramePainter painter);
  ~X11PresentFrames() override;

  FrameCounts Counts() const override { return answers_.Counts(); }
  bool Broken() const override;

 private:
  struct Slot {
    std::uint32_t pixmap = 0;
    std::vector<std::uint32_t> pixels;  // what the pixmap holds, painted here first
    BufferContent content;
    bool idle = true;
  };
  struct Connection;

  X11PresentFrames(std::unique_ptr<Connection> connection, std::uint32_t window, std::int32_t width,
                   std::int32_t height, FramePainter painter);
  void ReadEvents();
  void TryDraw();
  void Upload(Slot& slot, const std::vector<FrameRect>& rects);
  void AwaitLastPicture();

  std::unique_ptr<Connection> connection_;
  std::uint32_t window_;
  std::int32_t width_;
  std::int32_t height_;
  FramePainter painter_;
  std::vector<Slot> slots_;
  std::uint8_t depth_ = 24;
  std::uint32_t gc_ = 0;
  std::uint32_t event_id_ = 0;
  std::uint32_t bypass_atom_ = 0;
  std::uint32_t serial_ = 0;            // of the last picture presented
  std::uint32_t completed_serial_ = 0;  // of the last one completed
  std::unique_ptr<QSocketNotifier> notifier_;
  FrameStatistics answers_;
  bool any_complete_ = false;
  std::uint64_t first_msc_ = 0;
  std::uint64_t last_msc_ = 0;
  bool draw_due_ = false;
  std::int64_t next_frame_ = 0;
};

}  // namespace rw
