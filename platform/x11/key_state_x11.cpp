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

// The keysym of one of KeyIsDown's codes: letters by their small letter,
// which is what the keymap lists first.
KeySym SymbolOf(std::int64_t virtual_key) {
  if (virtual_key == kSpaceKey) return XK_space;
  if (virtual_key == kBackspaceKey) return XK_BackSpace;
  if (virtual_key >= kLetterKeyA && virtual_key <= kLetterKeyZ) return static_cast<KeySym>(XK_a + (virtual_key - kLetterKeyA));
  return static_cast<KeySym>(XK_0 + (virtual_key - kDigitKey0));
}

// The main keyboard's keycode for the key; 0 when the keymap has none. The
// keypad digits carry XK_KP_0 and up, so they never match.
KeyCode KeycodeOf(Display* display, std::int64_t virtual_key) { return XKeysymToKeycode(display, SymbolOf(virtual_key)); }

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
