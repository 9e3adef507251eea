#pragma once

#include <cstdint>

namespace rw {

// Codes of the events that WaitEvent returns and the callers test. The first
// three are queued by the services; the last two are raw input.
inline constexpr std::int64_t ControlEvent = 13100;
inline constexpr std::int64_t MenuEvent = 13101;
inline constexpr std::int64_t CloseEvent = 13116;
inline constexpr std::int64_t MouseWheelMessage = 522;
inline constexpr std::int64_t RightButtonMessage = 516;

// Raw input that the callers ignore; each only needs a code of its own.
inline constexpr std::int64_t KeyDownMessage = 0x100;
inline constexpr std::int64_t KeyUpMessage = 0x101;
inline constexpr std::int64_t MouseMoveMessage = 0x200;
inline constexpr std::int64_t LeftButtonMessage = 0x201;
inline constexpr std::int64_t LeftButtonUpMessage = 0x202;
inline constexpr std::int64_t LeftDoubleClickMessage = 0x203;
inline constexpr std::int64_t RightButtonUpMessage = 0x205;
inline constexpr std::int64_t RightDoubleClickMessage = 0x206;
inline constexpr std::int64_t MiddleButtonMessage = 0x207;
inline constexpr std::int64_t MiddleButtonUpMessage = 0x208;
inline constexpr std::int64_t MiddleDoubleClickMessage = 0x209;
inline constexpr std::int64_t ExtraButtonMessage = 0x20B;
inline constexpr std::int64_t ExtraButtonUpMessage = 0x20C;
inline constexpr std::int64_t ExtraDoubleClickMessage = 0x20D;
inline constexpr std::int64_t SidewaysWheelMessage = 0x20E;

// Returns the code of the next event and makes it the current one; blocks in
// the Qt event loop until one arrives. With no window open nothing could
// ever arrive, so it then returns 0 at once instead of hanging.
std::int64_t WaitEvent();

// The object number of the current event (control, menu command or window
// for queued events; 0 for raw input).
std::int64_t EventObject();

// The parameter word of the current event: for a wheel turn the delta in
// bits 16 to 31 (signed 16 bits, 120 per notch, positive away from the
// user); 0 for everything else.
std::int64_t EventParameter();

}  // namespace rw
