#pragma once

#include <cstdint>

namespace rw {

// Raw event that only turns the waiting loop once more; callers ignore it.
inline constexpr std::int64_t WakeUpMessage = 0x113;

// Queues one WakeUpMessage after `delay_ms` milliseconds (at once for 0 or
// less). A request replaces one that has not fired yet, so at most one is
// ever pending.
void RequestWakeUp(std::int64_t delay_ms);

// Drops a pending request (the platform shutdown calls it).
void CancelWakeUp();

}  // namespace rw
