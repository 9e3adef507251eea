#pragma once

#include "platform/base/device_scale.h"

#include <QColor>
#include <QImage>
#include <QPoint>

#include <memory>
#include <vector>

class QWindow;
struct wl_subsurface;
struct wl_surface;
struct wp_fractional_scale_v1;
struct wp_viewport;

namespace rw {

struct WaylandGlobals;
class ShmPicture;

// A sub-surface over a window's content that shows a picture one picture
// pixel on one device pixel, whatever the output's scale: its buffer is the
// picture itself, and a viewport (or, for a whole-number scale, the buffer
// scale) tells the compositor the logical size that covers exactly that
// many device pixels. It takes no input, so clicks and the wheel still reach
// the window beneath.
class PixelSurface {
 public:
  // nullptr when `window` has no Wayland surface (yet) or the compositor
  // cannot take the sub-surface.
  static std::unique_ptr<PixelSurface> Create(QWindow& window);
  ~PixelSurface();

  // Whether pictures come out 1:1 at `scale`: always with a viewport,
  // without one only at whole-number scales.
  static bool ExactAt(DeviceScale scale);

  // Shows `picture` with its top-left pixel at `offset` (logical units from
  // the surface's top-left, for decorations that Qt draws itself). The part
  // of the covered span beyond the picture gets `padding`.
  void Show(const QImage& picture, DeviceScale scale, QPoint offset, QColor padding);

  // Whether this still sits on `window`'s Wayland surface (Qt makes a new
  // one when a window is shown again).
  bool Serves(QWindow& window) const;

  // Whether the program runs on Wayland and shows its pictures through
  // pixel surfaces.
  static bool Available();

 private:
  PixelSurface(WaylandGlobals& globals, wl_surface* parent, wl_surface* surface, wl_subsurface* subsurface,
               wp_viewport* viewport);

  WaylandGlobals& globals_;
  wl_surface* parent_;
  wl_surface* surface_;
  wl_subsurface* subsurface_;
  wp_viewport* viewport_;
  wp_fractional_scale_v1* fractional_scale_ = nullptr;  // where the compositor tells its scale
  QPoint offset_;
  std::unique_ptr<ShmPicture> shown_;
  // Pictures shown before, kept until the compositor releases them.
  std::vector<std::unique_ptr<ShmPicture>> retired_;
};

}  // namespace rw
