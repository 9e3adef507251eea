#include "app/event_loop.h"

#include "info/information_page.h"
#include "patterns/redraw.h"
#include "platform/base/clock.h"
#include "platform/raster/image_store.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/key_state.h"
#include "platform/window/menu.h"
#include "platform/window/wake_up.h"
#include "platform/window/window.h"
#include "state/globals.h"

namespace rw {
namespace {

constexpr std::int64_t kKeyPollIntervalMs = 100;

void RepaintIfPending() {
  if (RedrawPending != 1) return;
  RedrawPattern(NextPattern);
  if (DrawToImage == 1) SetImageViewImage(0, ImageHandle(0));
  NextPattern = NextPattern + 1 > 8 ? 0 : NextPattern + 1;
  RedrawPending = 0;
}

void RunInformationPage() {
  ShowInformationPage();
  if (InfoClosed == 1 || CurrentEvent == CloseEvent) {
    CloseWindow(1);
    SetControlTarget(WindowHandle(0));
    InfoClosed = 0;
    // The close request that ended the page must not end the program.
    CurrentEvent = 0;
  }
}

void HandleMenuCommand(std::int64_t command) {
  if (command >= 0 && command <= 8) {
    NextPattern = command;
    RedrawPending = 1;
  } else if (command == 9) {
    RunInformationPage();
  }
}

bool PolledKeyHeld() {
  if (KeyIsDown(kSpaceKey)) return true;
  for (std::int64_t digit = 0; digit <= 8; ++digit) {
    if (KeyIsDown(kDigitKey0 + digit)) return true;
  }
  return false;
}

}  // namespace

void PollKeyboard() {
  const std::int64_t since_last_poll = MillisecondClock() - LastKeyPoll;
  if (since_last_poll < kKeyPollIntervalMs) {
    // The next event may only be the key's release, when it is too late to
    // see the key: turn the loop once more when the interval is over.
    if (PolledKeyHeld()) RequestWakeUp(kKeyPollIntervalMs - since_last_poll);
    return;
  }
  if (KeyIsDown(kSpaceKey)) RedrawPending = 1;
  for (std::int64_t digit = 0; digit <= 8; ++digit) {
    if (KeyIsDown(kDigitKey0 + digit)) {
      RedrawPending = 1;
      NextPattern = digit;
    }
  }
  LastKeyPoll = MillisecondClock();
}

void HandleEvent() {
  switch (CurrentEvent) {
    case MouseWheelMessage:
      if (MonochromeMode == 1) RepaintWheelArea();
      break;
    case RightButtonMessage:
      ShowPopupMenu(0, WindowHandle(0));
      break;
    case MenuEvent:
      HandleMenuCommand(EventObject());
      break;
    default:
      break;
  }
}

void RunEventLoop() {
  for (;;) {
    PollKeyboard();
    RepaintIfPending();
    CurrentEvent = WaitEvent();
    HandleEvent();
    if (CurrentEvent == CloseEvent) return;
  }
}

}  // namespace rw
