#include "patterns/wheel_steps.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/wake_up.h"
#include "platform/window/window.h"
#include "platform/window/window_widget.h"
#include "tests/window/window_fixture.h"

#include <QCloseEvent>
#include <QTimer>

#include <set>

namespace rw {
namespace {

using Events = WindowServices;

struct Seen {
  std::int64_t code;
  std::int64_t object;
  std::int64_t parameter;
  bool operator==(const Seen&) const = default;
};

// Reads events until the queue runs dry; only valid with no window open,
// where an empty queue gives 0 at once.
std::vector<Seen> Drain() {
  std::vector<Seen> seen;
  while (const std::int64_t code = WaitEvent()) seen.push_back({code, EventObject(), EventParameter()});
  return seen;
}

TEST_F(Events, ComeInOrderWithoutRepeatingTheLastWaitingOne) {
  QueueEvent(ControlEvent, 1, 0);
  QueueEvent(ControlEvent, 1, 0);  // equal to the last waiting: dropped
  QueueEvent(MenuEvent, 3, 0);
  QueueEvent(ControlEvent, 1, 0);  // the last waiting one differs now
  QueueEvent(ControlEvent, 1, 1);  // another window: not equal
  EXPECT_EQ(Drain(), (std::vector<Seen>{{ControlEvent, 1, 0}, {MenuEvent, 3, 0}, {ControlEvent, 1, 0}, {ControlEvent, 1, 0}}));

  // Once read, an equal event is new again.
  QueueEvent(MenuEvent, 3, 0);
  EXPECT_EQ(WaitEvent(), MenuEvent);
  QueueEvent(MenuEvent, 3, 0);
  EXPECT_EQ(WaitEvent(), MenuEvent);
  EXPECT_EQ(EventObject(), 3);
}

TEST_F(Events, WithNoWindowAnEmptyQueueGivesZeroInsteadOfWaiting) {
  EXPECT_EQ(WaitEvent(), 0);
  EXPECT_EQ(EventObject(), 0);
  EXPECT_EQ(EventParameter(), 0);
}

TEST_F(Events, WaitBlocksUntilSomethingArrives) {
  Open(0);
  QTimer::singleShot(20, [] { QueueEvent(MenuEvent, 7, 0); });
  EXPECT_EQ(WaitEvent(), MenuEvent);
  EXPECT_EQ(EventObject(), 7);

  // Input posted to the window is delivered while waiting.
  QWheelEvent* wheel = new QWheelEvent({5, 5}, {5, 5}, QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                       Qt::NoScrollPhase, false);
  QCoreApplication::postEvent(Native(0), wheel);
  EXPECT_EQ(WaitEvent(), MouseWheelMessage);
  EXPECT_EQ(WheelStepsOf(EventParameter()), 1);  // toward the user
}

TEST_F(Events, CloseRequestQueuesCloseEventAndKeepsTheWindow) {
  Open(0);
  Open(1);
  QCloseEvent request;
  QCoreApplication::sendEvent(Native(1), &request);
  EXPECT_EQ(WaitEvent(), CloseEvent);
  EXPECT_EQ(EventObject(), 1);
  EXPECT_EQ(EventParameter(), 0);
  ASSERT_NE(WindowHandle(1), nullptr);
  EXPECT_TRUE(WindowHandle(1)->isVisible());

  // Closing through the widget asks the same way.
  EXPECT_FALSE(WindowHandle(0)->close());
  EXPECT_EQ(WaitEvent(), CloseEvent);
  EXPECT_EQ(EventObject(), 0);
}

TEST_F(Events, CloseWindowDropsEveryWaitingEventOfThatWindow) {
  Open(0);
  Open(1);
  QueueEvent(ControlEvent, 5, 1);
  SendWheel(Native(1), {0, 120});
  QueueEvent(ControlEvent, 2, 0);
  SendMouse(Native(1), QEvent::MouseButtonPress, Qt::RightButton);
  CloseWindow(1);
  EXPECT_EQ(WaitEvent(), ControlEvent);
  EXPECT_EQ(EventObject(), 2);
  CloseWindow(0);  // nothing left open: an empty queue gives 0
  EXPECT_EQ(WaitEvent(), 0);
}

TEST_F(Events, AWakeUpTurnsTheLoopOnceAndALaterRequestReplacesAnEarlier) {
  Open(0);
  RequestWakeUp(40);
  RequestWakeUp(10);
  EXPECT_EQ(WaitEvent(), WakeUpMessage);
  QTimer::singleShot(150, [] { QueueEvent(MenuEvent, 4, 0); });
  EXPECT_EQ(WaitEvent(), MenuEvent);  // the first request never fired

  // It belongs to no window: closing one keeps it.
  RequestWakeUp(0);
  QCoreApplication::processEvents();
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), WakeUpMessage);
}

TEST_F(Events, AWindowDestroyedByAnotherClientAsksToBeClosedUntilItIs) {
  Open(0);
  Open(1);
  static_cast<ProgramWindow*>(WindowHandle(0))->MarkDestroyedOutside();
  QueueEvent(MenuEvent, 3, 1);
  EXPECT_EQ(WaitEvent(), MenuEvent);  // what waits comes first
  ASSERT_EQ(WaitEvent(), CloseEvent);
  EXPECT_EQ(EventObject(), 0);
  // A loop that used the request up (the information page's) gets it again.
  ASSERT_EQ(WaitEvent(), CloseEvent);
  EXPECT_EQ(EventObject(), 0);
  CloseWindow(0);
  QTimer::singleShot(50, [] { QueueEvent(MenuEvent, 4, 1); });
  EXPECT_EQ(WaitEvent(), MenuEvent);
}

TEST_F(Events, WheelCarriesItsDeltaInTheHighHalfOfTheParameter) {
  struct Turn {
    int delta;
    std::int64_t parameter;
    std::int64_t notches;
  };
  const Turn turns[] = {
      {120, 0x00780000, 1},   {-120, 0xFF880000, -1}, {240, 0x00F00000, 2},      {60, 0x003C0000, 0},
      {-119, 0xFF890000, 0},  {200, 0x00C80000, 1},   {-250, 0xFF060000, -2},   {40000, 0x7FFF0000, 273},
      {-40000, 0x80000000, -273},
  };
  Open(0);
  for (const Turn& turn : turns) {
    SendWheel(Native(0), {0, turn.delta});
    EXPECT_EQ(WaitEvent(), MouseWheelMessage) << turn.delta;
    EXPECT_EQ(EventParameter(), turn.parameter) << turn.delta;
    EXPECT_EQ(WheelStepsOf(EventParameter()), -turn.notches) << turn.delta;
  }
  // A sideways turn is no MouseWheelMessage and carries no notches, nor does
  // a queued event.
  SendWheel(Native(0), {120, 0});
  QueueEvent(ControlEvent, 0, 0);
  EXPECT_NE(WaitEvent(), MouseWheelMessage);
  EXPECT_EQ(EventParameter(), 0);
  EXPECT_EQ(WaitEvent(), ControlEvent);
  EXPECT_EQ(EventParameter(), 0);
}

TEST_F(Events, EveryInputTurnsTheLoopAndOnlyARightPressIs516) {
  Open(0);
  QWindow* native = Native(0);
  SendMouse(native, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(WaitEvent(), RightButtonMessage);
  EXPECT_EQ(EventParameter(), 0);

  SendKey(native, QEvent::KeyPress, Qt::Key_Space);
  SendKey(native, QEvent::KeyRelease, Qt::Key_Space);
  SendMouse(native, QEvent::MouseMove, Qt::NoButton, {7, 7});
  SendMouse(native, QEvent::MouseMove, Qt::NoButton, {8, 8});  // merged with the one before
  SendMouse(native, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(native, QEvent::MouseButtonRelease, Qt::LeftButton);
  SendMouse(native, QEvent::MouseButtonRelease, Qt::RightButton);
  SendMouse(native, QEvent::MouseButtonPress, Qt::MiddleButton);
  const std::set<std::int64_t> callers_codes = {ControlEvent, MenuEvent, CloseEvent, MouseWheelMessage,
                                                RightButtonMessage};
  std::set<std::int64_t> codes;
  for (int i = 0; i < 7; ++i) {
    const std::int64_t code = WaitEvent();
    EXPECT_FALSE(callers_codes.contains(code)) << code;
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 7u);  // each kind of input has a code of its own
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);  // the two moves gave one event
}

TEST_F(Events, ARightPressOverAControlArrivesOnce) {
  Open(0);
  ASSERT_NE(CreateLabel(1, 0, 0, 60, 20, u"Beschriftung"_qs), 0);
  SendMouse(Native(0), QEvent::MouseButtonPress, Qt::RightButton, {10, 10});
  EXPECT_EQ(WaitEvent(), RightButtonMessage);
  CloseWindow(0);
  EXPECT_EQ(WaitEvent(), 0);
}

}  // namespace
}  // namespace rw
