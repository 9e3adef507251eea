#include "platform/display/display_loss.h"

#include "platform/wayland/wayland_connection_watch.h"
#include "platform/x11/x11_connection_watch.h"

#include <QGuiApplication>

#include <atomic>
#include <cstdlib>
#include <unistd.h>

namespace rw {
namespace {

std::atomic<void (*)()> g_last_words{nullptr};

void SayLastWords() {
  if (void (*last_words)() = g_last_words.exchange(nullptr)) last_words();
}

[[noreturn]] void EndNow() {
  SayLastWords();
  _exit(kDisplayLostExitCode);
}

// Qt's X11 and Wayland plugins call exit(1) when their connection breaks.
// This handler is registered after the application object, so it runs
// before the static objects made earlier are torn down.
void OnExit() { EndIfDisplayLost(); }

}  // namespace

void WatchDisplayConnection() {
  if (!qGuiApp) return;
  WatchWaylandConnection();
  WatchX11Connection(kDisplayLostExitCode, SayLastWords);
  static const bool registered = std::atexit(OnExit) == 0;
  (void)registered;
}

void StopWatchingDisplayConnection() {
  StopWatchingX11Connection();
  StopWatchingWaylandConnection();
}

void SetLastWords(void (*last_words)()) { g_last_words = last_words; }

void EndIfDisplayLost() {
  if (X11ConnectionBroken() || WaylandConnectionBroken()) EndNow();
}

}  // namespace rw
