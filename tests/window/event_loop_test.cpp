#include "app/event_loop.h"
#include "platform/base/clock.h"
#include "platform/window/key_state.h"
#include "platform/window/wake_up.h"
#include "state/globals.h"
#include "tests/window/window_fixture.h"

namespace rw {
namespace {

using KeyPoll = WindowServices;

// A key pressed right after a poll (one a pointer movement brought) and held
// until after the interval: the release is the next input, too late to see
// the key, so the skipped poll must turn the loop again by itself.
TEST_F(KeyPoll, AKeyPressedJustAfterAPollIsSeenWhenTheIntervalIsOver) {
  ForgetTrackedKeys();
  Open(0);
  RedrawPending = 0;
  NextPattern = 2;
  LastKeyPoll = MillisecondClock();
  SendKey(Native(0), QEvent::KeyPress, Qt::Key_7);
  EXPECT_EQ(WaitEvent(), KeyDownMessage);
  PollKeyboard();
  EXPECT_EQ(RedrawPending, 0);  // within the 100 ms: not read yet

  // Only wake-ups come now: the one at the end of the interval, and one a
  // millisecond later where the timer and the clock round apart.
  const std::int64_t previous_poll = LastKeyPoll;
  for (int turn = 0; turn < 3 && RedrawPending == 0; ++turn) {
    ASSERT_EQ(WaitEvent(), WakeUpMessage);
    PollKeyboard();
  }
  EXPECT_EQ(RedrawPending, 1);
  EXPECT_EQ(NextPattern, 7);
  EXPECT_GE(LastKeyPoll - previous_poll, 100);
  SendKey(Native(0), QEvent::KeyRelease, Qt::Key_7);
}

TEST_F(KeyPoll, ASkippedPollWithNoKeyHeldAsksForNoWakeUp) {
  ForgetTrackedKeys();
  Open(0);
  RedrawPending = 0;
  LastKeyPoll = MillisecondClock();
  PollKeyboard();
  QTimer::singleShot(250, [] { QueueEvent(MenuEvent, 1, 0); });
  EXPECT_EQ(WaitEvent(), MenuEvent);
  EXPECT_EQ(RedrawPending, 0);
}

}  // namespace
}  // namespace rw
