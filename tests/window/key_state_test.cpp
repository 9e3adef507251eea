#include "platform/base/clock.h"
#include "platform/window/key_state.h"
#include "tests/window/window_fixture.h"

#include <thread>

namespace rw {
namespace {

using KeyState = WindowServices;

std::vector<std::int64_t> KeysDown() {
  std::vector<std::int64_t> down;
  for (std::int64_t vk = 0; vk < 0x100; ++vk) {
    if (KeyIsDown(vk)) down.push_back(vk);
  }
  return down;
}

TEST_F(KeyState, FollowsPressesAndReleasesOfSpaceAndTheMainDigits) {
  ForgetTrackedKeys();
  Open(0);
  QWindow* window = Native(0);
  EXPECT_TRUE(KeysDown().empty());

  SendKey(window, QEvent::KeyPress, Qt::Key_5);
  SendKey(window, QEvent::KeyPress, Qt::Key_Space);
  EXPECT_EQ(KeysDown(), (std::vector<std::int64_t>{0x20, 0x35}));

  // Auto-repeat's release and press pairs keep the key down.
  SendKey(window, QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, true);
  EXPECT_TRUE(KeyIsDown(0x35));
  SendKey(window, QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, true);
  SendKey(window, QEvent::KeyRelease, Qt::Key_5);
  SendKey(window, QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_TRUE(KeysDown().empty());

  // Keypad digits and other keys do not count.
  SendKey(window, QEvent::KeyPress, Qt::Key_8, Qt::KeypadModifier);
  SendKey(window, QEvent::KeyPress, Qt::Key_Percent);
  SendKey(window, QEvent::KeyPress, Qt::Key_Delete);
  SendKey(window, QEvent::KeyPress, Qt::Key_Adiaeresis);
  EXPECT_TRUE(KeysDown().empty());

  SendKey(window, QEvent::KeyPress, Qt::Key_0);
  SendKey(window, QEvent::KeyPress, Qt::Key_9);
  EXPECT_EQ(KeysDown(), (std::vector<std::int64_t>{0x30, 0x39}));
  EXPECT_FALSE(KeyIsDown(-1));
  EXPECT_FALSE(KeyIsDown(0x130));
}

TEST_F(KeyState, FollowsBackspaceAndTheLettersUnderTheirCapitals) {
  ForgetTrackedKeys();
  Open(0);
  QWindow* window = Native(0);
  SendKey(window, QEvent::KeyPress, Qt::Key_A);
  SendKey(window, QEvent::KeyPress, Qt::Key_Backspace);
  SendKey(window, QEvent::KeyPress, Qt::Key_Z, Qt::ShiftModifier);
  SendKey(window, QEvent::KeyPress, Qt::Key_M);
  EXPECT_EQ(KeysDown(), (std::vector<std::int64_t>{0x08, 0x41, 0x4D, 0x5A}));
  SendKey(window, QEvent::KeyRelease, Qt::Key_M);
  SendKey(window, QEvent::KeyRelease, Qt::Key_Backspace);
  EXPECT_EQ(KeysDown(), (std::vector<std::int64_t>{0x41, 0x5A}));
  EXPECT_FALSE(KeyIsDown(0x61));  // small letters have no codes of their own
  SendKey(window, QEvent::KeyRelease, Qt::Key_A);
  SendKey(window, QEvent::KeyRelease, Qt::Key_Z);
  EXPECT_TRUE(KeysDown().empty());
}

TEST_F(KeyState, LosingTheKeyboardForgetsWhatWasHeld) {
  ForgetTrackedKeys();
  Open(0);
  SendKey(Native(0), QEvent::KeyPress, Qt::Key_3);
  ASSERT_TRUE(KeyIsDown(0x33));
  QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
  QCoreApplication::sendEvent(qApp, &inactive);
  EXPECT_FALSE(KeyIsDown(0x33));
}

TEST(MillisecondClock, NeverRunsBackwardsAndCountsMilliseconds) {
  std::int64_t previous = MillisecondClock();
  EXPECT_GE(previous, 0);
  for (int i = 0; i < 100000; ++i) {
    const std::int64_t now = MillisecondClock();
    ASSERT_GE(now, previous);
    previous = now;
  }
  const std::int64_t before = MillisecondClock();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const std::int64_t after = MillisecondClock();
  EXPECT_GE(after - before, 30);
  EXPECT_LT(after - before, 30000);
}

}  // namespace
}  // namespace rw
