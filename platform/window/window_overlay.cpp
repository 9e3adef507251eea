#include "platform/window/window_overlay.h"

#include <QPainter>
#include <QPaintEvent>

namespace rw {

WindowOverlay::WindowOverlay(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void WindowOverlay::ShowBuffer(std::shared_ptr<QImage> buffer) {
  buffer_ = std::move(buffer);
  if (!buffer_) return;
  setGeometry(0, 0, buffer_->width(), buffer_->height());
  raise();
  show();
  update();
}

void WindowOverlay::paintEvent(QPaintEvent* event) {
  if (!buffer_) return;
  QPainter painter(this);
  painter.drawImage(event->rect(), *buffer_, event->rect());
}

}  // namespace rw
