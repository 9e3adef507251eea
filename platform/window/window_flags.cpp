#include "platform/window/window_flags.h"

#include "platform/window/window.h"

namespace rw {

Qt::WindowFlags WindowHintsFor(std::int64_t flags) {
  // Customize: only the buttons asked for, none that the window manager adds
  // by default.
  Qt::WindowFlags hints = Qt::Window | Qt::CustomizeWindowHint;
  const bool title_bar = (flags & kTitleBarFlag) == kTitleBarFlag;
  if (!title_bar && !IsResizable(flags)) return hints | Qt::FramelessWindowHint;
  if (title_bar) hints |= Qt::WindowTitleHint;
  if (flags & kSystemMenuFlag) hints |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (flags & kMinimizeBoxFlag) hints |= Qt::WindowMinimizeButtonHint;
  if (flags & kMaximizeBoxFlag) hints |= Qt::WindowMaximizeButtonHint;
  return hints;
}

bool IsResizable(std::int64_t flags) { return (flags & kSizingBorderFlag) != 0; }

}  // namespace rw
