#include "platform/raster/drawing.h"

#include "platform/window/window_table.h"
#include "platform/window/window_widget.h"

#include <QPointer>
#include <QScreen>

#include <memory>

namespace rw {

DrawingSurface* WindowSurface(std::int64_t number) {
  ProgramWindow* window = FindProgramWindow(number);
  if (!window) return nullptr;
  std::shared_ptr<QImage> buffer = window->SurfaceBuffer();
  if (!buffer) return nullptr;
  const QScreen* screen = window->screen();
  const int depth_bits = screen ? screen->depth() : 24;
  // The callback holds the buffer, so it lives as long as the session even
  // if the window is closed meanwhile.
  QPointer<ProgramWindow> shown_on(window);
  return MakeSurface(SurfaceKind::Window, buffer.get(), depth_bits, [shown_on, buffer] {
    if (shown_on) shown_on->ShowSurfaceBuffer(buffer);
  });
}

}  // namespace rw
