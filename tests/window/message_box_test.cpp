#include "platform/window/message_box.h"
#include "tests/window/window_fixture.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace rw {
namespace {

using MessageBoxes = WindowServices;

TEST_F(MessageBoxes, OneOkButtonNoIconAndTheOtherWindowsTakeNoInput) {
  QWidget* main = Open(0);
  Open(1);
  main->activateWindow();
  QCoreApplication::processEvents();
  QWidget* front = QApplication::activeWindow();

  bool inspected = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    inspected = true;
    EXPECT_EQ(box->windowTitle(), u"Info!"_qs);
    EXPECT_EQ(box->text(), u"Datei nicht gefunden! <b>&</b>"_qs);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    if (front) {
      EXPECT_EQ(box->parentWidget(), front);
    }
    SendMouse(Native(0), QEvent::MouseButtonPress, Qt::RightButton);
    SendWheel(Native(1), {0, 120});
    SendKey(Native(1), QEvent::KeyPress, Qt::Key_Space);
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(ShowMessage(u"Info!"_qs, u"Datei nicht gefunden! <b>&</b>"_qs, 0), kOkButton);
  EXPECT_TRUE(inspected);
  QueueEvent(MenuEvent, 42, 0);
  EXPECT_EQ(WaitEvent(), MenuEvent);  // the blocked windows queued nothing before it
  EXPECT_EQ(EventObject(), 42);
}

TEST_F(MessageBoxes, BelongToTheWindowJustOpenedWhichIsInFrontAfterwards) {
  QWidget* main = Open(0);
  main->activateWindow();
  QCoreApplication::processEvents();
  // No event is read between opening the page and its box: the activation
  // of the page has not been reported yet.
  ASSERT_NE(OpenWindow(1, 0, 0, 440, 380, u"Infos+Hilfe-Fenster"_qs, 0xCC0001), 0);
  QWidget* page = WindowHandle(1);
  QWidget* owner = main;
  QTimer::singleShot(0, [&owner] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    owner = box->parentWidget();
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage(u"Info!"_qs, u"Datei nicht gefunden!"_qs, 0);
  EXPECT_EQ(owner, page);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::activeWindow(), page);
}

TEST_F(MessageBoxes, WithoutAProgramWindowTheBoxHasNoOwner) {
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->parentWidget(), nullptr);
    box->button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(ShowMessage(u"Fehlermeldung"_qs, u"Arial 5 konnte nicht geladen werden!"_qs, 0), kOkButton);
}

}  // namespace
}  // namespace rw
