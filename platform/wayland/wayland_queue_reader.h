#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

struct wl_display;
struct wl_event_queue;

namespace rw {

// Reads the program's own event queue while Qt reads its own: a thread of
// its own waits on the connection (as a second reader, the way libwayland
// lets several threads read one connection) and, whenever events for the
// queue have arrived, has the main thread dispatch them. The thread waits
// until that is done, so the listeners run on the main thread only, while
// the Qt event loop turns. Made and destroyed on the main thread.
class WaylandQueueReader {
 public:
  WaylandQueueReader(wl_display* display, wl_event_queue* queue);
  ~WaylandQueueReader();
  WaylandQueueReader(const WaylandQueueReader&) = delete;
  WaylandQueueReader& operator=(const WaylandQueueReader&) = delete;

  // Whether reading failed: the connection is gone.
  bool Broken() const { return broken_; }

 private:
  void Run();
  void DispatchOnMainThread();

  wl_display* display_;
  wl_event_queue* queue_;
  QObject context_;  // lives on the main thread; queued calls die with it
  int wake_fd_ = -1;
  std::atomic<bool> stop_{false};
  std::atomic<bool> broken_{false};
  std::mutex mutex_;
  std::condition_variable done_;
  bool waiting_ = false;  // events handed to the main thread, not yet dispatched
  std::thread thread_;
};

}  // namespace rw
