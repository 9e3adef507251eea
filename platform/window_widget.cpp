#include "platform/window_widget.h"

#include "platform/controls_font.h"
#include "platform/events.h"
#include "platform/events_queue.h"
#include "platform/window_overlay.h"
#include "platform/window_placement.h"
#include "platform/window_table.h"

#include <QCloseEvent>
#include <QWindow>

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

void ProgramWindow::ShowPlaced(QPoint frame_position, QSize inner, bool centred) {
  frame_position_ = frame_position;
  inner_ = inner;
  centred_ = centred;
  move(frame_position);
  show();
  if (centred) CentreOnPrimaryScreen(*this);
  // The window manager's choices at mapping arrive before the window is
  // first exposed; after that a maximised state is the user's.
  may_restore_ = true;
  if (QWindow* native = windowHandle()) native->installEventFilter(this);
}

bool ProgramWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed()) {
    may_restore_ = false;
    watched->removeEventFilter(this);
  }
  return QWidget::eventFilter(watched, event);
}

void ProgramWindow::FrameExtentsChanged() {
  const QWindow* native = windowHandle();
  if (!centred_ || !native) return;
  const QMargins frame = native->frameMargins();
  if (frame == centred_with_) return;
  centred_with_ = frame;
  CentreOnPrimaryScreen(*this);
}

void ProgramWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) NoteFrontWindow(this, isActiveWindow());
  if (event->type() == QEvent::WindowStateChange && may_restore_ && windowState().testFlag(Qt::WindowMaximized)) {
    may_restore_ = false;
    QMetaObject::invokeMethod(this, &ProgramWindow::RestoreNormalState, Qt::QueuedConnection);
  }
  QWidget::changeEvent(event);
}

void ProgramWindow::RestoreNormalState() {
  setWindowState(windowState() & ~Qt::WindowMaximized);
  resize(inner_);
  if (centred_) {
    CentreOnPrimaryScreen(*this);
  } else {
    MoveFrameTo(*this, frame_position_);
  }
}

void ProgramWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  QueueEvent(CloseEvent, number_, number_);
}

}  // namespace rw
