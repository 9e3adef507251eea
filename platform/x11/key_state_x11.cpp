#include "platform/x11/key_state_x11.h"

#include "platform/base/virtual_keys.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib last: its macros (None, KeyPress, Bool ...) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <array>

namespace rw {
namespace {

Display* X11Display() {
  if (!qGuiApp) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->display() : nullptr;
}

// The main keyboard's keycode for the key; 0 when the keymap has none. The
// keypad digits carry XK_KP_0 and up, so they never match.
KeyCode KeycodeOf(Display* display, std::int64_t virtual_key) {
  const KeySym symbol = virtual_key == kSpaceKey ? XK_space : static_cast<KeySym>(XK_0 + (virtual_key - kDigitKey0));
  return XKeysymToKeycode(display, symbol);
}

}  // namespace

std::optional<bool> X11KeyIsDown(std::int64_t virtual_key) {
  Display* display = X11Display();
  if (!display) return std::nullopt;
  const KeyCode code = KeycodeOf(display, virtual_key);
  if (code == 0) return false;
  std::array<char, 32> keys{};
  XQueryKeymap(display, keys.data());
  return (static_cast<unsigned char>(keys[code / 8]) >> (code % 8) & 1u) != 0;
}

}  // namespace rw
