#include "platform/window/key_state.h"

#include "platform/x11/key_state_x11.h"

#include <array>

namespace rw {
namespace {

// SPACE, Backspace, the digits 0 to 9, the letters A to Z.
constexpr int kDigitSlot0 = 2;
constexpr int kLetterSlotA = kDigitSlot0 + 10;
std::array<bool, kLetterSlotA + 26> g_tracked_down{};

// Slot of a virtual key in g_tracked_down, -1 for keys not tracked.
int SlotOfVirtualKey(std::int64_t virtual_key) {
  if (virtual_key == kSpaceKey) return 0;
  if (virtual_key == kBackspaceKey) return 1;
  if (virtual_key >= kDigitKey0 && virtual_key <= kDigitKey9) return static_cast<int>(virtual_key - kDigitKey0) + kDigitSlot0;
  if (virtual_key >= kLetterKeyA && virtual_key <= kLetterKeyZ) return static_cast<int>(virtual_key - kLetterKeyA) + kLetterSlotA;
  return -1;
}

int SlotOfQtKey(int qt_key, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) return -1;
  if (qt_key == Qt::Key_Space) return 0;
  if (qt_key == Qt::Key_Backspace) return 1;
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return qt_key - Qt::Key_0 + kDigitSlot0;
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return qt_key - Qt::Key_A + kLetterSlotA;
  return -1;
}

}  // namespace

bool KeyIsDown(std::int64_t virtual_key) {
  const int slot = SlotOfVirtualKey(virtual_key);
  if (slot < 0) return false;
  if (const std::optional<bool> x11 = X11KeyIsDown(virtual_key)) return *x11;
  return g_tracked_down[static_cast<std::size_t>(slot)];
}

void TrackKeyEvent(int qt_key, Qt::KeyboardModifiers modifiers, bool pressed) {
  const int slot = SlotOfQtKey(qt_key, modifiers);
  if (slot >= 0) g_tracked_down[static_cast<std::size_t>(slot)] = pressed;
}

void ForgetTrackedKeys() { g_tracked_down.fill(false); }

}  // namespace rw
