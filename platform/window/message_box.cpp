#include "platform/window/message_box.h"

#include "platform/window/window_table.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace rw {

std::int64_t ShowMessage(const Text& title, const Text& text, std::int64_t /*flags*/) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  // The owner is the window in front, even if the window manager has not yet
  // reported it active: a box owned by another window would lift that one
  // over it.
  QPointer<QWidget> owner = FrontWindow();
  QMessageBox box(owner);
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  // The window the box belonged to is the one in front when it has gone.
  if (owner && WindowNumberOf(owner) >= 0) {
    owner->raise();
    owner->activateWindow();
  }
  return kOkButton;
}

}  // namespace rw
