#include "platform/message_box.h"

#include "platform/window_table.h"

#include <QApplication>
#include <QMessageBox>

namespace rw {

std::int64_t ShowMessage(const Text& title, const Text& text, std::int64_t /*flags*/) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  QWidget* owner = QApplication::activeWindow();
  if (WindowNumberOf(owner) < 0) owner = nullptr;
  QMessageBox box(owner);
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  return kOkButton;
}

}  // namespace rw
