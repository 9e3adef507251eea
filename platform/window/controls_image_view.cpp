#include "platform/window/controls_image_view.h"

#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window_table.h"
#include "platform/window/window_units.h"
#include "platform/window/window_widget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

namespace rw {

ImageView::ImageView(std::int64_t number, QWidget* parent) : QWidget(parent), number_(number) {
  setFocusPolicy(Qt::NoFocus);
}

void ImageView::SetImage(QImage* image) {
  image_ = image;
  if (image_ && !image_->isNull()) resize(LogicalWindowSize(image_->width(), image_->height()));
  if (auto* window = dynamic_cast<ProgramWindow*>(this->window()); window && window->ShowsPicturesNatively()) {
    window->ShowPicture();
    return;
  }
  update();
}

void ImageView::paintEvent(QPaintEvent* event) {
  if (!image_ || image_->isNull()) return;
  // The window shows the image past Qt, exactly; this widget lies beneath.
  if (auto* window = dynamic_cast<ProgramWindow*>(this->window()); window && window->ShowsPicturesNatively()) return;
  QPainter painter(this);
  const QRect area = event->rect() & image_->rect();
  painter.drawImage(area.topLeft(), *image_, area);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) QueueEvent(ControlEvent, number_, WindowNumberOf(this));
  QWidget::mousePressEvent(event);
}

}  // namespace rw
