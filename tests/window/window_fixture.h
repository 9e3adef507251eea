#pragma once

#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/menu.h"
#include "platform/window/wake_up.h"
#include "platform/window/window.h"
#include "platform/window/window_table.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace rw {

// Every test starts with no window and an empty queue, and leaves the same.
class WindowServices : public testing::Test {
 protected:
  void SetUp() override {
    Reset();
    // A test that waits for an event that never comes fails instead of
    // hanging: the watchdog's event ends the wait.
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [] { QueueEvent(kWatchdogEvent, 0, -1); });
    watchdog_.start(5000);
  }
  void TearDown() override {
    watchdog_.stop();
    Reset();
  }

  static constexpr std::int64_t kWatchdogEvent = -99;
  QTimer watchdog_;

  static void Reset() {
    CancelWakeUp();
    CloseAllWindows();
    ReleaseAllMenus();
    QCoreApplication::processEvents();
    DiscardAllEvents();
  }

  // Opens a plain resizable window and drops the events its opening raised.
  static QWidget* Open(std::int64_t number, int width = 120, int height = 80) {
    EXPECT_NE(OpenWindow(number, 10, 10, width, height, u"Fenster"_qs, 0xCF0000), 0);
    QCoreApplication::processEvents();
    DiscardAllEvents();
    return WindowHandle(number);
  }

  // The QWindow that Qt delivers the window's input to.
  static QWindow* Native(std::int64_t number) {
    QWidget* window = WindowHandle(number);
    return window ? window->windowHandle() : nullptr;
  }
};

}  // namespace rw

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace rw {

// Input as the platform hands it to a window: to its QWindow, at `at`.
inline void SendMouse(QWindow* window, QEvent::Type type, Qt::MouseButton button, QPointF at = {5, 5}) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, at, window->mapToGlobal(at), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &event);
}

inline void SendWheel(QWindow* window, QPoint angle_delta) {
  QWheelEvent event({5, 5}, window->mapToGlobal(QPointF(5, 5)), QPoint(), angle_delta, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(window, &event);
}

inline void SendKey(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    bool auto_repeat = false) {
  QKeyEvent event(type, key, modifiers, QString(), auto_repeat);
  QCoreApplication::sendEvent(window, &event);
}

}  // namespace rw
