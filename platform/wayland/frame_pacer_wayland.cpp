#include "platform/wayland/frame_pacer_wayland.h"

#include "platform/frames/window_system_answers.h"
#include "platform/wayland/shm_frame_buffer.h"
#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_queue_reader.h"

#include "presentation-time-client-protocol.h"
#include "viewporter-client-protocol.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <limits>

namespace rw {
namespace {

constexpr std::size_t kMaxPendingFeedbacks = 16;

wl_surface* SurfaceOf(QWindow& window) {
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  if (!native || !window.handle()) return nullptr;
  return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
}

}  // namespace

WaylandFramePacer::WaylandFramePacer(WaylandGlobals& globals, wl_surface* parent, QSize picture, FramePainter painter)
    : globals_(globals), parent_(parent), picture_(picture), painter_(std::move(painter)) {}

std::unique_ptr<WaylandFramePacer> WaylandFramePacer::Create(QWindow& window, QSize picture, DeviceScale scale,
                                                             QPoint offset, QColor padding, FramePainter painter) {
  WaylandGlobals* globals = ProgramWaylandGlobals();
  if (!globals || picture.isEmpty() || !painter) return nullptr;
  wl_surface* parent = SurfaceOf(window);
  if (!parent) return nullptr;
  // The buffer covers the picture's logical span as PixelSurface::Show's
  // does: with a viewport exactly, without one by a whole buffer scale.
  const bool viewport = globals->viewporter != nullptr;
  const bool exact = viewport || scale.IsInteger();
  const DeviceScale span_scale = exact ? scale : DeviceScale{};
  const std::int64_t logical_width = LogicalSpan(picture.width(), span_scale);
  const std::int64_t logical_height = LogicalSpan(picture.height(), span_scale);
  const auto width = static_cast<std::int32_t>(DeviceSpan(logical_width, span_scale));
  const auto height = static_cast<std::int32_t>(DeviceSpan(logical_height, span_scale));

  std::unique_ptr<WaylandFramePacer> pacer(new WaylandFramePacer(*globals, parent, picture, std::move(painter)));
  for (std::unique_ptr<ShmFrameBuffer>& buffer : pacer->buffers_) {
    buffer = ShmFrameBuffer::Create(globals->shm, globals->queue, width, height, padding.rgb());
    if (!buffer) return nullptr;
    buffer->on_release = [raw = pacer.get()] { raw->TryDraw(); };
  }
  wl_surface* surface = wl_compositor_create_surface(globals->compositor);
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(surface), globals->queue);
  pacer->surface_ = surface;
  pacer->subsurface_ = wl_subcompositor_get_subsurface(globals->subcompositor, surface, parent);
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(pacer->subsurface_), globals->queue);
  wl_subsurface_set_position(pacer->subsurface_, offset.x(), offset.y());
  wl_subsurface_set_desync(pacer->subsurface_);
  wl_region* nothing = wl_compositor_create_region(globals->compositor);
  wl_surface_set_input_region(surface, nothing);
  wl_region_destroy(nothing);
  if (viewport) {
    pacer->viewport_ = wp_viewporter_get_viewport(globals->viewporter, surface);
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(pacer->viewport_), globals->queue);
    wp_viewport_set_destination(pacer->viewport_, static_cast<int32_t>(logical_width),
                                static_cast<int32_t>(logical_height));
  }
  wl_surface_set_buffer_scale(surface, static_cast<int32_t>(!viewport && exact ? scale.numerator : 1));
  pacer->reader_ = std::make_unique<WaylandQueueReader>(globals->display, globals->queue);
  pacer->draw_due_ = true;
  pacer->TryDraw();
  return pacer;
}

// The reader goes first: no listener of these objects may run once they go.
WaylandFramePacer::~WaylandFramePacer() {
  reader_.reset();
  if (callback_) wl_callback_destroy(callback_);
  for (const std::unique_ptr<Feedback>& feedback : feedbacks_) wp_presentation_feedback_destroy(feedback->proxy);
  if (viewport_) wp_viewport_destroy(viewport_);
  if (subsurface_) wl_subsurface_destroy(subsurface_);
  if (surface_) wl_surface_destroy(surface_);
  for (std::unique_ptr<ShmFrameBuffer>& buffer : buffers_) buffer.reset();
  wl_display_flush(globals_.display);
}

bool WaylandFramePacer::Broken() const { return !reader_ || reader_->Broken(); }

FrameCounts WaylandFramePacer::Counts() const {
  if (presented_any_) return answers_.Counts();
  // A compositor that never called a picture presented is not believed
  // about discarding them either: its callbacks are all it says.
  FrameCounts counts = callbacks_.Counts();
  counts.source = TimeSource::Compositor;
  return counts;
}

void WaylandFramePacer::TryDraw() {
  if (!draw_due_ || Broken()) return;
  // Of the released buffers, the one holding the latest frame needs the least.
  ShmFrameBuffer* free = nullptr;
  for (const std::unique_ptr<ShmFrameBuffer>& buffer : buffers_) {
    if (buffer->released() && (!free || buffer->content.frame > free->content.frame)) free = buffer.get();
  }
  if (!free) return;  // the next release draws
  draw_due_ = false;
  painter_.paint(free->Pixels(picture_.width(), picture_.height()), free->content, next_frame_);
  Commit(*free);
}

void WaylandFramePacer::Commit(ShmFrameBuffer& buffer) {
  static const wl_callback_listener callback_listener = {&OnCallbackDone};
  static const wp_presentation_feedback_listener feedback_listener = {&OnSyncOutput, &OnPresented, &OnDiscarded};
  wl_surface_attach(surface_, buffer.buffer(), 0, 0);
  buffer.MarkAttached();
  // The first commit takes the whole buffer, its padding too.
  std::vector<FrameRect> damage = {{0, 0, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()}};
  if (shown_.frame >= 0) damage = painter_.differences(shown_, buffer.content);
  shown_ = buffer.content;
  const bool buffer_damage = wl_proxy_get_version(reinterpret_cast<wl_proxy*>(surface_)) >= 4;
  for (const FrameRect& r : damage) {
    if (buffer_damage) {
      wl_surface_damage_buffer(surface_, r.x, r.y, r.width, r.height);
    } else {
      wl_surface_damage(surface_, 0, 0, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());
    }
  }
  if (!callback_) {
    callback_ = wl_surface_frame(surface_);
    wl_callback_add_listener(callback_, &callback_listener, this);
  }
  // A compositor answers within a few refreshes; one that leaves them
  // unanswered (headless sway answers few) is not asked ever more.
  if (globals_.presentation && feedbacks_.size() < kMaxPendingFeedbacks) {
    auto feedback = std::make_unique<Feedback>(Feedback{this, wp_presentation_feedback(globals_.presentation, surface_)});
    wp_presentation_feedback_add_listener(feedback->proxy, &feedback_listener, feedback.get());
    feedbacks_.push_back(std::move(feedback));
  }
  wl_surface_commit(surface_);
  wl_display_flush(globals_.display);
}

void WaylandFramePacer::OnFrameDone(std::uint32_t time_ms) {
  // The callback's time is the compositor's, in milliseconds of a 32-bit
  // clock that wraps after 49 days.
  if (any_callback_ && time_ms < last_callback_ms_ && last_callback_ms_ - time_ms > 0x8000'0000u) {
    callback_epoch_ms_ += std::int64_t{1} << 32;
  }
  any_callback_ = true;
  last_callback_ms_ = time_ms;
  callbacks_.Add(FrameFeedback{false, (callback_epoch_ms_ + time_ms) * 1'000'000, 0, 0, false, false, false});
  next_frame_ = callbacks_.LastFrameNumber() + 1;
  draw_due_ = true;
  TryDraw();
}

void WaylandFramePacer::Answered(Feedback* feedback, const FrameFeedback& answer, bool presented) {
  answers_.Add(answer);
  presented_any_ = presented_any_ || presented;
  wp_presentation_feedback_destroy(feedback->proxy);
  std::erase_if(feedbacks_, [feedback](const std::unique_ptr<Feedback>& f) { return f.get() == feedback; });
}

void WaylandFramePacer::OnCallbackDone(void* data, wl_callback* callback, std::uint32_t time_ms) {
  auto* pacer = static_cast<WaylandFramePacer*>(data);
  wl_callback_destroy(callback);
  pacer->callback_ = nullptr;
  pacer->OnFrameDone(time_ms);
}

void WaylandFramePacer::OnSyncOutput(void*, struct wp_presentation_feedback*, wl_output*) {}

void WaylandFramePacer::OnPresented(void* data, struct wp_presentation_feedback*, std::uint32_t tv_sec_hi,
                                    std::uint32_t tv_sec_lo, std::uint32_t tv_nsec, std::uint32_t refresh,
                                    std::uint32_t seq_hi, std::uint32_t seq_lo, std::uint32_t flags) {
  auto* feedback = static_cast<Feedback*>(data);
  const std::uint64_t seconds = (std::uint64_t{tv_sec_hi} << 32) | tv_sec_lo;
  const std::uint64_t seq = (std::uint64_t{seq_hi} << 32) | seq_lo;
  feedback->pacer->Answered(feedback, PresentedAnswer(seconds, tv_nsec, refresh, seq, flags), true);
}

void WaylandFramePacer::OnDiscarded(void* data, struct wp_presentation_feedback*) {
  auto* feedback = static_cast<Feedback*>(data);
  FrameFeedback discarded;
  discarded.discarded = true;
  feedback->pacer->Answered(feedback, discarded, false);
}

}  // namespace rw
