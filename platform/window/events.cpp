#include "platform/window/events.h"

#include "platform/window/events_queue.h"
#include "platform/window/window_table.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <deque>

namespace rw {
namespace {

struct WaitingEvent {
  std::int64_t code = 0;
  std::int64_t object = 0;
  std::int64_t window = 0;
  std::int64_t parameter = 0;

  bool operator==(const WaitingEvent&) const = default;
};

std::deque<WaitingEvent> g_queue;
WaitingEvent g_current;
// The loop WaitEvent blocks in; whatever queues an event ends it.
QEventLoop* g_wait_loop = nullptr;

void Append(const WaitingEvent& event) {
  g_queue.push_back(event);
  if (g_wait_loop) g_wait_loop->quit();
}

}  // namespace

void QueueEvent(std::int64_t code, std::int64_t object, std::int64_t window) {
  const WaitingEvent event{code, object, window, 0};
  if (!g_queue.empty() && g_queue.back() == event) return;
  Append(event);
}

void QueueRawEvent(std::int64_t code, std::int64_t window, std::int64_t parameter) {
  const WaitingEvent event{code, 0, window, parameter};
  if (code == MouseMoveMessage && !g_queue.empty() && g_queue.back().code == MouseMoveMessage &&
      g_queue.back().window == window) {
    g_queue.back() = event;
    return;
  }
  Append(event);
}

void DiscardWindowEvents(std::int64_t window) {
  std::erase_if(g_queue, [window](const WaitingEvent& event) { return event.window == window; });
}

void DiscardAllEvents() {
  g_queue.clear();
  g_current = {};
}

std::int64_t WaitEvent() {
  // A window that is gone asks to be closed until it is: its close request
  // may have been used up by a loop that closed another window.
  if (g_queue.empty()) {
    if (const std::int64_t dead = WindowDestroyedOutside(); dead >= 0) QueueEvent(CloseEvent, dead, dead);
  }
  if (g_queue.empty() && QCoreApplication::instance() && AnyWindowOpen() && !g_wait_loop) {
    QEventLoop loop;
    g_wait_loop = &loop;
    loop.exec();
    g_wait_loop = nullptr;
  }
  if (g_queue.empty()) {
    g_current = {};
    return 0;
  }
  g_current = g_queue.front();
  g_queue.pop_front();
  return g_current.code;
}

std::int64_t EventObject() { return g_current.object; }

std::int64_t EventParameter() { return g_current.parameter; }

}  // namespace rw
