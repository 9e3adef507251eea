#include "platform/window/key_presses.h"
#include "platform/window/message_box.h"
#include "tests/window/window_fixture.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace rw {
namespace {

class KeyPresses : public WindowServices {
 protected:
  void TearDown() override {
    KeepKeyPresses(false);
    WindowServices::TearDown();
  }

  static void Press(QWindow* window, int key, const QString& text, bool repeat = false) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, repeat);
    QCoreApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, repeat);
    QCoreApplication::sendEvent(window, &release);
  }
};

TEST_F(KeyPresses, KeptInOrderWithTheirTextOnlyWhileAsked) {
  Open(0);
  QWindow* window = Native(0);
  Press(window, Qt::Key_J, u"j"_qs);
  EXPECT_FALSE(TakeKeyPress());  // not kept before they are asked for

  KeepKeyPresses(true);
  Press(window, Qt::Key_N, u"n"_qs);
  Press(window, Qt::Key_Adiaeresis, u"ä"_qs);
  Press(window, Qt::Key_Less, u"<"_qs, true);
  Press(window, Qt::Key_Return, u"\r"_qs);
  // Each press also ends a wait for the next event.
  EXPECT_EQ(WaitEvent(), KeyDownMessage);
  const std::vector<std::pair<int, QString>> want = {
      {Qt::Key_N, u"n"_qs}, {Qt::Key_Adiaeresis, u"ä"_qs}, {Qt::Key_Less, u"<"_qs}, {Qt::Key_Return, u"\r"_qs}};
  for (const auto& [key, text] : want) {
    const std::optional<KeyPress> press = TakeKeyPress();
    ASSERT_TRUE(press);
    EXPECT_EQ(press->key, key);
    EXPECT_EQ(press->text, text);
    EXPECT_EQ(press->auto_repeat, key == Qt::Key_Less);
  }
  EXPECT_FALSE(TakeKeyPress());

  Press(window, Qt::Key_A, u"a"_qs);
  DiscardKeyPresses();
  EXPECT_FALSE(TakeKeyPress());
  Press(window, Qt::Key_B, u"b"_qs);
  KeepKeyPresses(false);
  EXPECT_FALSE(TakeKeyPress());
}

TEST_F(KeyPresses, NoneWhileAModalBoxTakesThem) {
  Open(0);
  KeepKeyPresses(true);
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    Press(Native(0), Qt::Key_J, u"j"_qs);
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage(u"Box"_qs, u"Text"_qs, 0);
  EXPECT_FALSE(TakeKeyPress());
}

// The box that offers to write the report again: its answer, whichever way
// it is closed.
TEST_F(KeyPresses, TheRetryBoxTellsRetryFromCancel) {
  QWidget* main = Open(0);
  main->activateWindow();
  QCoreApplication::processEvents();
  for (const int way : {0, 1, 2}) {
    QTimer::singleShot(0, [way] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->windowTitle(), u"Nicht gespeichert"_qs);
      EXPECT_EQ(box->text(), u"Grund: <voll>"_qs);
      EXPECT_EQ(box->textFormat(), Qt::PlainText);
      ASSERT_EQ(box->buttons().size(), 2);
      EXPECT_EQ(box->defaultButton()->text(), u"&Erneut versuchen"_qs);
      EXPECT_EQ(box->escapeButton()->text(), u"&Abbrechen"_qs);
      if (way == 0) box->defaultButton()->click();
      if (way == 1) box->escapeButton()->click();
      if (way == 2) box->reject();
    });
    EXPECT_EQ(AskToRetry(u"Nicht gespeichert"_qs, u"Grund: <voll>"_qs), way == 0) << way;
  }
}

}  // namespace
}  // namespace rw
