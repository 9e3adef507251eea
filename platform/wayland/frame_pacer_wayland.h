#pragma once

#include "platform/base/device_scale.h"
#include "platform/frames/frame_pacer.h"
#include "platform/frames/frame_painter.h"
#include "platform/frames/frame_statistics.h"

#include <QColor>
#include <QPoint>
#include <QSize>

#include <array>
#include <memory>
#include <vector>

class QWindow;
struct wl_callback;
struct wl_output;
struct wl_subsurface;
struct wl_surface;
struct wp_presentation_feedback;
struct wp_viewport;

namespace rw {

struct WaylandGlobals;
class ShmFrameBuffer;
class WaylandQueueReader;

// Frames paced by the compositor on a sub-surface of the program's own over
// a window: each wl_surface.frame callback has the next frame painted into
// a released buffer of a pool of three and committed with a presentation
// feedback (while fewer than 16 wait for their answer). Its damage is what differs from the frame committed before,
// which the compositor may have kept a copy of. The picture lies one picture pixel on one device pixel, as a
// PixelSurface shows it, above the window's pixel surface.
//
// The frame numbers and, where the compositor never reports a picture as
// presented (headless sway discards every feedback), the counts come from
// the callbacks' own times: the compositor's pace, in whole milliseconds.
// Where it does report, the counts come from its presentation times.
class WaylandFramePacer : public FramePacer {
 public:
  // `picture` device pixels at `offset` (logical units from the window
  // surface's top-left) at `scale`; the rest of the logical span it covers
  // gets `padding`. Frame 0 is committed at once. nullptr when the window
  // has no Wayland surface or the buffers cannot be had.
  static std::unique_ptr<WaylandFramePacer> Create(QWindow& window, QSize picture, DeviceScale scale, QPoint offset,
                                                   QColor padding, FramePainter painter);
  ~WaylandFramePacer() override;

  FrameCounts Counts() const override;
  bool Broken() const override;

 private:
  struct Feedback {
    WaylandFramePacer* pacer;
    wp_presentation_feedback* proxy;
  };

  WaylandFramePacer(WaylandGlobals& globals, wl_surface* parent, QSize picture, FramePainter painter);
  void Commit(ShmFrameBuffer& buffer);
  void TryDraw();
  void OnFrameDone(std::uint32_t time_ms);
  void Answered(Feedback* feedback, const FrameFeedback& answer, bool presented);

  static void OnCallbackDone(void* data, wl_callback* callback, std::uint32_t time_ms);
  static void OnSyncOutput(void*, wp_presentation_feedback*, wl_output*);
  static void OnPresented(void* data, wp_presentation_feedback*, std::uint32_t tv_sec_hi, std::uint32_t tv_sec_lo,
                          std::uint32_t tv_nsec, std::uint32_t refresh, std::uint32_t seq_hi, std::uint32_t seq_lo,
                          std::uint32_t flags);
  static void OnDiscarded(void* data, wp_presentation_feedback*);

  WaylandGlobals& globals_;
  wl_surface* parent_;
  wl_surface* surface_ = nullptr;
  wl_subsurface* subsurface_ = nullptr;
  wp_viewport* viewport_ = nullptr;
  wl_callback* callback_ = nullptr;
  QSize picture_;
  FramePainter painter_;
  std::array<std::unique_ptr<ShmFrameBuffer>, 3> buffers_;
  std::vector<std::unique_ptr<Feedback>> feedbacks_;
  BufferContent shown_;  // what the last commit showed
  std::unique_ptr<WaylandQueueReader> reader_;
  FrameStatistics callbacks_;  // the callbacks' own times
  bool any_callback_ = false;
  std::uint32_t last_callback_ms_ = 0;
  std::int64_t callback_epoch_ms_ = 0;
  FrameStatistics answers_;    // the presentation feedback
  bool presented_any_ = false;
  bool draw_due_ = false;
  std::int64_t next_frame_ = 0;
};

}  // namespace rw
