#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_flags.h"
#include "tests/window/window_fixture.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace rw {
namespace {

using Windows = WindowServices;

TEST_F(Windows, OpenWithTheInnerSizeTitleAndPositionAsked) {
  ASSERT_NE(OpenWindow(0, 30, 40, 1274, 958, u"Rasterwacht, Auflösung: 1280*1024"_qs, 0xCF0000), 0);
  QWidget* window = WindowHandle(0);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->size(), QSize(1274, 958));
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(30, 40));
  EXPECT_EQ(window->windowTitle(), u"Rasterwacht, Auflösung: 1280*1024"_qs);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowState(), Qt::WindowNoState);
  EXPECT_EQ(window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_EQ(ControlTarget(), window);
}

TEST_F(Windows, FlagsChooseTheFrameAndWhetherTheSizeIsFixed) {
  const Qt::WindowFlags main = WindowHintsFor(0xCF0000);
  EXPECT_TRUE(main.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(main.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(main.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(main.testFlag(Qt::WindowMaximizeButtonHint));

  const Qt::WindowFlags info = WindowHintsFor(0xCC0001);
  EXPECT_TRUE(info.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(info.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(info.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(info.testFlag(Qt::WindowMaximizeButtonHint));

  EXPECT_FALSE(WindowHintsFor(0xC00000).testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(WindowHintsFor(0).testFlag(Qt::FramelessWindowHint));

  // Without a sizing border the window keeps its size.
  ASSERT_NE(OpenWindow(2, 0, 0, 200, 100, u"fest"_qs, 0xC80000), 0);
  EXPECT_EQ(WindowHandle(2)->minimumSize(), QSize(200, 100));
  EXPECT_EQ(WindowHandle(2)->maximumSize(), QSize(200, 100));
  ASSERT_NE(OpenWindow(3, 0, 0, 200, 100, u"frei"_qs, 0xCC0000), 0);
  EXPECT_LT(WindowHandle(3)->minimumWidth(), 200);
  EXPECT_GT(WindowHandle(3)->maximumWidth(), 200);
}

TEST_F(Windows, CentredFlagCentresTheFrameOnThePrimaryScreen) {
  ASSERT_NE(OpenWindow(1, 0, 0, 440, 380, u"Infos+Hilfe-Fenster"_qs, 0xCC0001), 0);
  // The window system reports the new position back as an event.
  QCoreApplication::processEvents();
  QWidget* window = WindowHandle(1);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect frame = window->frameGeometry();
  EXPECT_EQ(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
  EXPECT_EQ(frame.top() - screen.top(), (screen.height() - frame.height()) / 2);
  EXPECT_EQ(window->size(), QSize(440, 380));

  // A window larger than the screen starts at its top-left corner.
  ASSERT_NE(OpenWindow(2, 50, 50, screen.width() + 100, screen.height() + 100, u"groß"_qs, 0xCC0001), 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(WindowHandle(2)->frameGeometry().topLeft(), screen.topLeft());
}

TEST_F(Windows, AMaximisedStateAtMappingIsUndoneOnceLaterOnesStay) {
  ASSERT_NE(OpenWindow(0, 20, 30, 300, 200, u"Rasterwacht"_qs, 0xCF0000), 0);
  QWidget* window = WindowHandle(0);
  // What a window manager does while it maps the window, before the window
  // is first exposed.
  window->setWindowState(Qt::WindowMaximized);
  for (int i = 0; i < 100 && !window->windowHandle()->isExposed(); ++i) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(window->windowState(), Qt::WindowNoState);
  EXPECT_EQ(window->size(), QSize(300, 200));
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(20, 30));

  // Only once.
  window->setWindowState(Qt::WindowMaximized);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->windowState(), Qt::WindowMaximized);

  // Once a window is on the screen, maximising it is the user's choice.
  ASSERT_NE(OpenWindow(1, 0, 0, 300, 200, u"Infos+Hilfe-Fenster"_qs, 0xCF0000), 0);
  QWidget* shown = WindowHandle(1);
  for (int i = 0; i < 100 && !shown->windowHandle()->isExposed(); ++i) QCoreApplication::processEvents();
  shown->setWindowState(Qt::WindowMaximized);
  QCoreApplication::processEvents();
  EXPECT_EQ(shown->windowState(), Qt::WindowMaximized);
}

TEST_F(Windows, ImpossibleWindowsLeaveTheNumberFree) {
  EXPECT_EQ(OpenWindow(0, 0, 0, 0, 100, u"x"_qs, 0xCF0000), 0);
  EXPECT_EQ(OpenWindow(0, 0, 0, 100, -5, u"x"_qs, 0xCF0000), 0);
  EXPECT_EQ(OpenWindow(0, 0, 0, 100000, 100, u"x"_qs, 0xCF0000), 0);
  EXPECT_EQ(OpenWindow(-1, 0, 0, 100, 100, u"x"_qs, 0xCF0000), 0);
  EXPECT_EQ(WindowHandle(0), nullptr);
  EXPECT_EQ(WindowHandle(-1), nullptr);
  EXPECT_EQ(ControlTarget(), nullptr);
  // Far-off positions are clamped, not overflowed.
  EXPECT_NE(OpenWindow(0, INT64_MAX, INT64_MIN, 100, 100, u"x"_qs, 0xCF0000), 0);
}

TEST_F(Windows, ReopeningANumberReplacesTheWindow) {
  Open(0);
  QueueEvent(ControlEvent, 1, 0);
  ASSERT_NE(OpenWindow(0, 0, 0, 300, 200, u"neu"_qs, 0xCF0000), 0);
  EXPECT_EQ(WindowHandle(0)->size(), QSize(300, 200));
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);  // the old window's event went with it
}

TEST_F(Windows, ControlTargetFollowsOpenAndSetAndForgetsClosedWindows) {
  QWidget* main = Open(0);
  QWidget* info = Open(1);
  EXPECT_EQ(ControlTarget(), info);
  EXPECT_EQ(SetControlTarget(main), info);
  EXPECT_EQ(ControlTarget(), main);
  QWidget stranger;
  EXPECT_EQ(SetControlTarget(&stranger), main);  // not ours: unchanged
  EXPECT_EQ(SetControlTarget(nullptr), main);
  EXPECT_EQ(ControlTarget(), main);
  CloseWindow(0);
  EXPECT_EQ(ControlTarget(), nullptr);
  EXPECT_EQ(CreateLabel(1, 0, 0, 10, 10, u"x"_qs), 0);
}

TEST_F(Windows, UnknownNumbersDoNothing) {
  Open(0);
  CloseWindow(7);
  CloseWindow(-3);
  EXPECT_EQ(WindowHandle(7), nullptr);
  QImage image(4, 4, QImage::Format_RGB32);
  SetImageViewImage(7, &image);
  ShowPopupMenu(7, WindowHandle(0));
  AddMenuItem(1, u"ohne Menü"_qs);
  EXPECT_EQ(ControlWidget(7), nullptr);
  EXPECT_NE(WindowHandle(0), nullptr);
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);
}

TEST_F(Windows, TabMovesTheFocusAmongTabStopsInCreationOrder) {
  ASSERT_NE(OpenWindow(1, 0, 0, 440, 380, u"Infos+Hilfe-Fenster"_qs, 0xCC0001), 0);
  CreateLabel(1, 250, 10, 100, 17, u"Programm-Version: "_qs);
  CreateTextField(2, 355, 10, 75, 17, u"1.0"_qs, 0x801);
  CreateLabel(3, 10, 330, 300, 17, u"(c)"_qs);
  CreateButton(5, 380, 315, 50, 50, u"OK!"_qs);
  CreateTextField(6, 10, 60, 75, 17, u""_qs, 0);
  QWidget* window = WindowHandle(1);
  QWidget* order[] = {ControlWidget(2), ControlWidget(5), ControlWidget(6), ControlWidget(2)};
  order[0]->setFocus();
  for (int i = 1; i < 4; ++i) {
    SendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), order[i]) << i;
  }
  SendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(window->focusWidget(), ControlWidget(6));
}

}  // namespace
}  // namespace rw
