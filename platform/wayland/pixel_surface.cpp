#include "platform/wayland/pixel_surface.h"

#include "platform/wayland/shm_picture.h"
#include "platform/wayland/wayland_globals.h"

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

namespace rw {
namespace {

wl_surface* SurfaceOf(QWindow& window) {
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  if (!native || !window.handle()) return nullptr;
  return static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window));
}

template <typename T>
void OnOurQueue(T* proxy, wl_event_queue* queue) {
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(proxy), queue);
}

void OnPreferredScale(void* data, wp_fractional_scale_v1*, uint32_t scale_120) {
  if (scale_120 > 0 && scale_120 < (1u << 20)) static_cast<WaylandGlobals*>(data)->preferred_scale_120 = static_cast<std::int32_t>(scale_120);
}

const wp_fractional_scale_v1_listener kFractionalScaleListener = {OnPreferredScale};

}  // namespace

bool PixelSurface::Available() { return ProgramWaylandGlobals() != nullptr; }

bool PixelSurface::Serves(QWindow& window) const { return SurfaceOf(window) == parent_; }

bool PixelSurface::ExactAt(DeviceScale scale) {
  const WaylandGlobals* globals = ProgramWaylandGlobals();
  return globals && (globals->viewporter || scale.IsInteger());
}

std::unique_ptr<PixelSurface> PixelSurface::Create(QWindow& window) {
  WaylandGlobals* globals = ProgramWaylandGlobals();
  if (!globals) return nullptr;
  wl_surface* parent = SurfaceOf(window);
  if (!parent) return nullptr;
  wl_surface* surface = wl_compositor_create_surface(globals->compositor);
  OnOurQueue(surface, globals->queue);
  wl_subsurface* subsurface = wl_subcompositor_get_subsurface(globals->subcompositor, surface, parent);
  OnOurQueue(subsurface, globals->queue);
  // Its own commits show at once; Qt's repaints of the window below do not
  // hold them back.
  wl_subsurface_set_desync(subsurface);
  wl_region* nothing = wl_compositor_create_region(globals->compositor);
  wl_surface_set_input_region(surface, nothing);
  wl_region_destroy(nothing);
  wp_viewport* viewport = nullptr;
  if (globals->viewporter) {
    viewport = wp_viewporter_get_viewport(globals->viewporter, surface);
    OnOurQueue(viewport, globals->queue);
  }
  auto pixels = std::unique_ptr<PixelSurface>(new PixelSurface(*globals, parent, surface, subsurface, viewport));
  if (globals->fractional_scale_manager) {
    pixels->fractional_scale_ = wp_fractional_scale_manager_v1_get_fractional_scale(globals->fractional_scale_manager, surface);
    OnOurQueue(pixels->fractional_scale_, globals->queue);
    wp_fractional_scale_v1_add_listener(pixels->fractional_scale_, &kFractionalScaleListener, globals);
  }
  return pixels;
}

PixelSurface::PixelSurface(WaylandGlobals& globals, wl_surface* parent, wl_surface* surface,
                           wl_subsurface* subsurface, wp_viewport* viewport)
    : globals_(globals), parent_(parent), surface_(surface), subsurface_(subsurface), viewport_(viewport) {}

// With the surface gone the compositor reads none of its buffers any more,
// released or not.
PixelSurface::~PixelSurface() {
  if (fractional_scale_) wp_fractional_scale_v1_destroy(fractional_scale_);
  if (viewport_) wp_viewport_destroy(viewport_);
  wl_subsurface_destroy(subsurface_);
  wl_surface_destroy(surface_);
  shown_.reset();
  retired_.clear();
  wl_display_flush(globals_.display);
}

void PixelSurface::Show(const QImage& picture, DeviceScale scale, QPoint offset, QColor padding) {
  // Frees the buffers that the compositor has released meanwhile.
  wl_display_dispatch_queue_pending(globals_.display, globals_.queue);
  std::erase_if(retired_, [](const std::unique_ptr<ShmPicture>& picture) { return picture->released(); });
  if (picture.isNull()) return;
  // With a viewport the buffer covers the logical span exactly; without
  // one only a whole-number buffer scale can, and at a fractional scale the
  // compositor enlarges the picture (the user was told).
  const bool viewport = viewport_ != nullptr;
  const bool exact = viewport || scale.IsInteger();
  const DeviceScale span_scale = exact ? scale : DeviceScale{};
  const std::int64_t logical_width = LogicalSpan(picture.width(), span_scale);
  const std::int64_t logical_height = LogicalSpan(picture.height(), span_scale);
  const std::int64_t buffer_scale = !viewport && exact ? scale.numerator : 1;
  const std::int64_t width = DeviceSpan(logical_width, span_scale);
  const std::int64_t height = DeviceSpan(logical_height, span_scale);
  std::unique_ptr<ShmPicture> next = ShmPicture::Create(globals_.shm, globals_.queue, picture, width, height, padding);
  if (!next) return;
  if (offset != offset_) {
    // Takes effect with the window's next commit.
    wl_subsurface_set_position(subsurface_, offset.x(), offset.y());
    offset_ = offset;
  }
  wl_surface_set_buffer_scale(surface_, static_cast<int32_t>(buffer_scale));
  if (viewport) {
    wp_viewport_set_destination(viewport_, static_cast<int32_t>(logical_width), static_cast<int32_t>(logical_height));
  }
  wl_surface_attach(surface_, next->buffer(), 0, 0);
  next->MarkAttached();
  wl_surface_damage_buffer(surface_, 0, 0, static_cast<int32_t>(width), static_cast<int32_t>(height));
  wl_surface_commit(surface_);
  wl_display_flush(globals_.display);
  if (shown_) retired_.push_back(std::move(shown_));
  shown_ = std::move(next);
}

}  // namespace rw
