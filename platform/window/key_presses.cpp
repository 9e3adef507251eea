#include "platform/window/key_presses.h"

#include <deque>

namespace rw {
namespace {

// A program that stops taking them must not grow without end.
constexpr std::size_t kMostKept = 4096;

bool g_keeping = false;
std::deque<KeyPress> g_presses;

}  // namespace

void KeepKeyPresses(bool on) {
  g_keeping = on;
  if (!on) g_presses.clear();
}

std::optional<KeyPress> TakeKeyPress() {
  if (g_presses.empty()) return std::nullopt;
  KeyPress press = std::move(g_presses.front());
  g_presses.pop_front();
  return press;
}

void DiscardKeyPresses() { g_presses.clear(); }

void NoteKeyPress(const KeyPress& press) {
  if (!g_keeping || g_presses.size() >= kMostKept) return;
  g_presses.push_back(press);
}

}  // namespace rw
