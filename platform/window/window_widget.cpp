#include "platform/window/window_widget.h"

#include "platform/wayland/pixel_surface.h"
#include "platform/window/controls_font.h"
#include "platform/window/controls_image_view.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window_overlay.h"
#include "platform/window/window_placement.h"
#include "platform/window/window_table.h"
#include "platform/window/window_units.h"

#include <QCloseEvent>
#include <QPainter>
#include <QWindow>

namespace rw {

ProgramWindow::ProgramWindow(std::int64_t number, Qt::WindowFlags hints, QSize inner_px)
    : QWidget(nullptr, hints),
      number_(number),
      inner_px_(inner_px),
      native_(PixelSurface::Available()),
      overlay_(new WindowOverlay(this)) {
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
  // Controls take the window's font.
  setFont(ControlFont());
}

// The pixel surface goes before the window's own Wayland surface does.
ProgramWindow::~ProgramWindow() { pixels_.reset(); }

QImage ProgramWindow::CurrentPicture() const {
  if (surface_buffer_) return *surface_buffer_;
  for (const QObject* child : children()) {
    const auto* view = dynamic_cast<const ImageView*>(child);
    if (view && view->image()) return *view->image();
  }
  return QImage();
}

void ProgramWindow::ShowPicture() {
  if (!native_) return;
  const QImage picture = CurrentPicture();
  QWindow* window = windowHandle();
  if (picture.isNull() || !window) return;
  bool window_must_commit = false;
  if (!pixels_ || !pixels_->Serves(*window)) {
    pixels_ = PixelSurface::Create(*window);
    if (!pixels_) return;  // no Wayland surface yet: the first paint brings it
    window_must_commit = true;
  }
  // Where Qt draws the decorations itself, the content starts inside them;
  // the picture starts at the next whole step of the scale, so that it lies
  // on whole device pixels wherever the window does.
  const QMargins frame = window->frameMargins();
  const std::int64_t step = WindowScale().denominator;
  const auto on_step = [step](int v) { return static_cast<int>((v + step - 1) / step * step); };
  const QPoint offset(on_step(frame.left()), on_step(frame.top()));
  window_must_commit = window_must_commit || offset != pixels_offset_;
  pixels_offset_ = offset;
  pixels_->Show(picture, WindowScale(), offset, palette().color(QPalette::Window));
  // A new sub-surface, and its position, take effect with the window's own
  // next commit, which a repaint brings.
  if (window_must_commit) update();
}

std::shared_ptr<QImage> ProgramWindow::SurfaceBuffer() {
  const QSize inner = native_ ? inner_px_ : size();
  if (inner.isEmpty()) return nullptr;
  // The buffer already is what the window shows: go on drawing into it.
  const std::shared_ptr<QImage>& shown = native_ ? surface_buffer_ : overlay_->buffer();
  if (shown && (native_ || overlay_->isVisible()) && shown->size() == inner) return shown;
  auto buffer = std::make_shared<QImage>(inner, QImage::Format_RGB32);
  if (buffer->isNull()) return nullptr;
  buffer->fill(palette().color(QPalette::Window));
  if (native_) {
    QPainter painter(buffer.get());
    painter.drawImage(0, 0, CurrentPicture());
  } else {
    render(buffer.get());
  }
  return buffer;
}

void ProgramWindow::ShowSurfaceBuffer(std::shared_ptr<QImage> buffer) {
  if (!native_) {
    overlay_->ShowBuffer(std::move(buffer));
    return;
  }
  surface_buffer_ = std::move(buffer);
  ShowPicture();
}

void ProgramWindow::HideSurfaceBuffer() {
  overlay_->hide();
  overlay_->ShowBuffer(nullptr);
  surface_buffer_.reset();
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
    // On Wayland this comes before the compositor maps the window, so a
    // maximised state that it chooses at mapping (mutter does so for a window
    // this large) is kept: undone, mutter centres the window at three
    // quarters of the screen, and grown back to its size from there it hangs
    // over the screen's edges, while maximised it shows the picture 1:1 at
    // the desktop's top-left.
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

void ProgramWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  // The first paint, or one after Qt made the window a new Wayland surface.
  if (native_ && (!pixels_ || (windowHandle() && !pixels_->Serves(*windowHandle())))) ShowPicture();
}

}  // namespace rw
