#include "platform/window/message_box.h"

#include "platform/window/window_table.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace rw {

namespace {

// The owner is the window in front, even if the window manager has not yet
// reported it active: a box owned by another window would lift that one
// over it.
void Prepare(QMessageBox& box, const Text& title, const Text& text) {
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setWindowModality(Qt::ApplicationModal);
}

// The window the box belonged to is the one in front when it has gone.
void Refront(const QPointer<QWidget>& owner) {
  if (owner && WindowNumberOf(owner) >= 0) {
    owner->raise();
    owner->activateWindow();
  }
}

}  // namespace

std::int64_t ShowMessage(const Text& title, const Text& text, std::int64_t /*flags*/) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;
  QPointer<QWidget> owner = FrontWindow();
  QMessageBox box(owner);
  Prepare(box, title, text);
  box.setIcon(QMessageBox::NoIcon);
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  Refront(owner);
  return kOkButton;
}

bool AskToRetry(const Text& title, const Text& text) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  QPointer<QWidget> owner = FrontWindow();
  QMessageBox box(owner);
  Prepare(box, title, text);
  box.setIcon(QMessageBox::Warning);
  QPushButton* retry = box.addButton(u"&Erneut versuchen"_qs, QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(u"&Abbrechen"_qs, QMessageBox::RejectRole);
  box.setDefaultButton(retry);
  box.setEscapeButton(cancel);
  box.exec();
  Refront(owner);
  return box.clickedButton() == retry;
}

}  // namespace rw
