#pragma once

#include <cstdint>

namespace rw {

// The services' side of the event queue.

// Queues an event of the services (ControlEvent, MenuEvent, CloseEvent) for
// window `window`, parameter word 0; an event equal to the last one still
// waiting is not queued again.
void QueueEvent(std::int64_t code, std::int64_t object, std::int64_t window);

// Queues raw input that reached window `window`. Mouse moves that follow
// each other unread are merged into the latest.
void QueueRawEvent(std::int64_t code, std::int64_t window, std::int64_t parameter);

// Drops every waiting event of window `window`.
void DiscardWindowEvents(std::int64_t window);

// Drops every waiting event and clears the current one.
void DiscardAllEvents();

}  // namespace rw
