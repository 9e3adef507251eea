#include "patterns/wheel_steps.h"

namespace rw {
namespace {

EventWordSource g_event_word;

}  // namespace

void SetEventWordSource(EventWordSource source) { g_event_word = std::move(source); }

std::int16_t WheelStepsOf(std::int64_t parameter_word) {
  const auto delta = static_cast<std::int16_t>(static_cast<std::uint16_t>((static_cast<std::uint64_t>(parameter_word) >> 16) & 0xFFFFu));
  return static_cast<std::int16_t>(-(delta / 120));
}

std::int16_t WheelSteps() { return g_event_word ? WheelStepsOf(g_event_word()) : 0; }

}  // namespace rw
