#include "platform/window_widget.h"

#include "platform/controls_font.h"
#include "platform/events.h"
#include "platform/events_queue.h"
#include "platform/window_overlay.h"

#include <QCloseEvent>

namespace rw {

ProgramWindow::ProgramWindow(std::int64_t number, Qt::WindowFlags hints)
    : QWidget(nullptr, hints), number_(number), overlay_(new WindowOverlay(this)) {
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
  // Controls take the window's font.
  setFont(ControlFont());
}

std::shared_ptr<QImage> ProgramWindow::SurfaceBuffer() {
  const QSize inner = size();
  if (inner.isEmpty()) return nullptr;
  // The overlay already is what the window shows: go on drawing into it.
  if (overlay_->isVisible() && overlay_->buffer() && overlay_->buffer()->size() == inner) return overlay_->buffer();
  auto buffer = std::make_shared<QImage>(inner, QImage::Format_RGB32);
  if (buffer->isNull()) return nullptr;
  buffer->fill(palette().color(QPalette::Window));
  render(buffer.get());
  return buffer;
}

void ProgramWindow::ShowSurfaceBuffer(std::shared_ptr<QImage> buffer) { overlay_->ShowBuffer(std::move(buffer)); }

void ProgramWindow::HideSurfaceBuffer() {
  overlay_->hide();
  overlay_->ShowBuffer(nullptr);
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  QueueEvent(CloseEvent, number_, number_);
}

}  // namespace rw
