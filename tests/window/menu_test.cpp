#include "platform/window/menu.h"
#include "tests/window/window_fixture.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <functional>

namespace rw {
namespace {

using Menus = WindowServices;

void BuildPatternMenu() {
  ASSERT_NE(NewPopupMenu(0), 0);
  for (int command = 0; command <= 9; ++command) {
    AddMenuItem(command, u"Eintrag "_qs + QString::number(command) + u"\tTaste &"_qs + QString::number(command));
  }
}

// Runs `while_open` with the open menu once ShowPopupMenu's own loop runs.
void ShowAndThen(std::function<void(QMenu&)> while_open) {
  QTimer::singleShot(0, [while_open] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    while_open(*menu);
    if (menu->isVisible()) menu->close();
  });
  ShowPopupMenu(0, WindowHandle(0));
}

void Type(QMenu& menu, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&menu, &press);
}

TEST_F(Menus, TypingAMnemonicChoosesItsItemAsMenuEvent) {
  Open(0);
  BuildPatternMenu();
  QCursor::setPos(100, 60);
  QCoreApplication::processEvents();
  DiscardAllEvents();  // the pointer's move
  QPoint shown_at;
  ShowAndThen([&shown_at](QMenu& menu) {
    shown_at = menu.pos();
    Type(menu, Qt::Key_9, u"9"_qs);
  });
  EXPECT_EQ(shown_at, QCursor::pos() - QPoint(1, 1));
  EXPECT_EQ(WaitEvent(), MenuEvent);
  EXPECT_EQ(EventObject(), 9);
  EXPECT_EQ(EventParameter(), 0);

  ShowAndThen([](QMenu& menu) { menu.actions().at(3)->trigger(); });
  EXPECT_EQ(WaitEvent(), MenuEvent);
  EXPECT_EQ(EventObject(), 3);
}

TEST_F(Menus, EscapeClosesWithoutAChoice) {
  Open(0);
  BuildPatternMenu();
  bool was_open = false;
  ShowAndThen([&was_open](QMenu& menu) {
    was_open = menu.isVisible();
    Type(menu, Qt::Key_Escape, QString());
    EXPECT_FALSE(menu.isVisible());
  });
  EXPECT_TRUE(was_open);
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);
}

TEST_F(Menus, ItemsGoToTheMenuCreatedLastAndKeepTheirTextsWhole) {
  ASSERT_NE(NewPopupMenu(0), 0);
  AddMenuItem(4, u"1-Pixel-Punkte in Zufallsfarben\tTaste &4"_qs);
  ASSERT_NE(NewPopupMenu(1), 0);
  AddMenuItem(7, u"Farbbalken\tTaste &7"_qs);
  ASSERT_EQ(PopupMenu(0)->actions().size(), 1);
  ASSERT_EQ(PopupMenu(1)->actions().size(), 1);
  const QAction* item = PopupMenu(1)->actions().front();
  EXPECT_EQ(item->text(), u"Farbbalken\tTaste &7"_qs);
  EXPECT_TRUE(item->isEnabled());
  EXPECT_FALSE(item->isCheckable());
  EXPECT_EQ(NewPopupMenu(-1), 0);
}

}  // namespace
}  // namespace rw
