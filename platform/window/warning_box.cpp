#include "platform/window/warning_box.h"

#include "platform/window/key_state.h"
#include "platform/window/window_table.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace rw {

bool ConfirmMessage(const Text& title, const Text& text) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  QPointer<QWidget> owner = FrontWindow();
  QMessageBox box(owner);
  box.setWindowTitle(title);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  box.setWindowModality(Qt::ApplicationModal);
  box.setIcon(QMessageBox::NoIcon);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  // A box with one button would take Escape for it; here Escape leaves.
  box.setEscapeButton(box.addButton(QMessageBox::Cancel));
  box.button(QMessageBox::Cancel)->hide();
  box.setDefaultButton(ok);
  box.exec();
  // Where keys are tracked from their events, a release that went to the
  // box (or to no window of ours) left the key down.
  ForgetTrackedKeys();
  if (owner && WindowNumberOf(owner) >= 0) {
    owner->raise();
    owner->activateWindow();
  }
  return box.clickedButton() == ok;
}

}  // namespace rw
