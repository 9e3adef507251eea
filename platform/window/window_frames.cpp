#include "platform/window/window_frames.h"

#include "platform/wayland/frame_pacer_wayland.h"
#include "platform/window/window_table.h"
#include "platform/window/window_units.h"
#include "platform/window/window_widget.h"
#include "platform/x11/present_frames.h"

#include <QGuiApplication>
#include <QWindow>

namespace rw {
namespace {

void (*g_stop)() = nullptr;

}  // namespace

void SetFramesStop(void (*stop)()) { g_stop = stop; }

void StopFramesBeforeShutdown() {
  if (g_stop) g_stop();
}

std::unique_ptr<FramePacer> StartNativeFrames(std::int64_t number, QSize picture, FramePainter painter) {
  ProgramWindow* window = FindProgramWindow(number);
  QWindow* handle = window ? window->windowHandle() : nullptr;
  if (!handle || picture.isEmpty()) return nullptr;
  if (window->ShowsPicturesNatively()) {
    // Over the window's pixel surface, where that shows its pictures.
    std::unique_ptr<FramePacer> pacer =
        WaylandFramePacer::Create(*handle, picture, WindowScale(), window->PictureOffset(),
                                  window->palette().color(QPalette::Window), std::move(painter));
    // The new sub-surface appears with the window's own next commit.
    if (pacer) window->update();
    return pacer;
  }
  if (QGuiApplication::platformName() == u"xcb") {
    return X11PresentFrames::Create(static_cast<std::uint32_t>(handle->winId()), picture.width(), picture.height(),
                                    handle->windowStates().testFlag(Qt::WindowFullScreen), std::move(painter));
  }
  return nullptr;
}

}  // namespace rw
