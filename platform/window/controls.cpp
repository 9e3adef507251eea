#include "platform/window/controls.h"

#include "platform/window/controls_image_view.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window_table.h"
#include "platform/window/window_units.h"
#include "platform/window/window_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace rw {
namespace {

std::map<std::int64_t, QPointer<QWidget>> g_controls;

bool CanCreate(std::int64_t number, std::int64_t width, std::int64_t height) {
  return number >= 0 && width >= 0 && height >= 0 && ControlTarget();
}

// Puts `control` (a child of the control target) under `number`.
std::int64_t Place(std::int64_t number, QWidget* control, std::int64_t x, std::int64_t y, std::int64_t width,
                   std::int64_t height) {
  const auto previous = g_controls.find(number);
  if (previous != g_controls.end()) delete previous->second.data();
  control->setGeometry(LogicalControlRect(x, y, width, height));
  control->show();
  g_controls[number] = control;
  return 1;
}

void QueueClick(std::int64_t number, const QWidget* control) {
  QueueEvent(ControlEvent, number, WindowNumberOf(control));
}

}  // namespace

std::int64_t CreateImageView(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                             std::int64_t height, QImage* image) {
  if (!CanCreate(number, width, height)) return 0;
  auto* view = new ImageView(number, ControlTarget());
  Place(number, view, x, y, width, height);
  view->SetImage(image);
  return 1;
}

void SetImageViewImage(std::int64_t number, QImage* image) {
  auto* view = dynamic_cast<ImageView*>(ControlWidget(number));
  if (!view) return;
  if (auto* window = dynamic_cast<ProgramWindow*>(view->window())) window->HideSurfaceBuffer();
  view->SetImage(image);
}

std::int64_t CreateLabel(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                         std::int64_t height, const Text& text) {
  if (!CanCreate(number, width, height)) return 0;
  auto* label = new QLabel(ControlTarget());
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setText(text);
  return Place(number, label, x, y, width, height);
}

std::int64_t CreateTextField(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                             std::int64_t height, const Text& text, std::int64_t flags) {
  if (!CanCreate(number, width, height)) return 0;
  auto* field = new QLineEdit(text, ControlTarget());
  field->setFrame(true);
  field->setReadOnly((flags & kReadOnlyFieldFlag) != 0);
  field->setAlignment(((flags & kCentredFieldFlag) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
  field->setFocusPolicy(Qt::StrongFocus);
  field->setCursorPosition(0);
  return Place(number, field, x, y, width, height);
}

std::int64_t CreateButton(std::int64_t number, std::int64_t x, std::int64_t y, std::int64_t width,
                          std::int64_t height, const Text& text) {
  if (!CanCreate(number, width, height)) return 0;
  auto* button = new QPushButton(text, ControlTarget());
  button->setFocusPolicy(Qt::StrongFocus);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [number, button] { QueueClick(number, button); });
  return Place(number, button, x, y, width, height);
}

QWidget* ControlWidget(std::int64_t number) {
  const auto found = g_controls.find(number);
  return found == g_controls.end() ? nullptr : found->second.data();
}

}  // namespace rw
