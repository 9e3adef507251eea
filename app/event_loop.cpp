#include "app/event_loop.h"

#include "app/pattern_menu.h"
#include "app/program_refresh.h"
#include "app/startup.h"
#include "info/information_page.h"
#include "motion/motion_run.h"
#include "motion/motion_warning.h"
#include "patterns/redraw.h"
#include "patterns/series.h"
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

// Only with the whole series do Backspace and the title follow the image.
bool WholeSeries() { return PatternCount > kBasicPatterns; }

// The image on the screen; -1 before the first.
std::int64_t g_shown = -1;

std::int64_t After(std::int64_t pattern) { return pattern + 1 >= PatternCount ? 0 : pattern + 1; }

void RepaintIfPending() {
  if (RedrawPending != 1) return;
  RedrawPending = 0;
  if (IsMotionImage(NextPattern) && !ConfirmMotionWarning()) {
    // Left with Escape: the image before stays; at the start the first
    // image of the series comes instead.
    if (g_shown >= 0) {
      NextPattern = After(g_shown);
      return;
    }
    NextPattern = 0;
  }
  const bool moving = IsMotionImage(NextPattern);
  const double nominal_hz = moving ? ProgramMonitorMode().refresh_hz : 0;
  if (moving) PrepareMotionRun(NextPattern, nominal_hz);
  RedrawPattern(NextPattern);
  if (DrawToImage == 1) SetImageViewImage(0, ImageHandle(0));
  if (WholeSeries()) SetWindowTitle(0, MainWindowTitle(NextPattern));
  // The new picture is up before the frames of the old one stop, so that
  // their last frame never shows again.
  StopMotionRun();
  if (moving) StartMotionRun(NextPattern, nominal_hz);
  g_shown = NextPattern;
  NextPattern = After(NextPattern);
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
  if (const std::optional<std::int64_t> pattern = CommandPattern(command)) {
    NextPattern = *pattern;
    RedrawPending = 1;
  } else if (command == kInformationCommand) {
    RunInformationPage();
  }
}

bool PolledKeyHeld() {
  if (KeyIsDown(kSpaceKey) || (WholeSeries() && KeyIsDown(kBackspaceKey))) return true;
  for (std::int64_t pattern = 0; pattern < PatternCount; ++pattern) {
    if (KeyIsDown(SeriesImageAt(pattern)->key)) return true;
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
  if (WholeSeries() && KeyIsDown(kBackspaceKey)) {
    // NextPattern names the image after the one on the screen.
    RedrawPending = 1;
    NextPattern = (NextPattern - 2 + 2 * PatternCount) % PatternCount;
  }
  // The image's own key wins over SPACE and Backspace; of several, the one
  // latest in the series.
  for (std::int64_t pattern = 0; pattern < PatternCount; ++pattern) {
    if (KeyIsDown(SeriesImageAt(pattern)->key)) {
      RedrawPending = 1;
      NextPattern = pattern;
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
