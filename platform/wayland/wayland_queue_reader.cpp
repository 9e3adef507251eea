#include "platform/wayland/wayland_queue_reader.h"

#include <wayland-client.h>

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace rw {

WaylandQueueReader::WaylandQueueReader(wl_display* display, wl_event_queue* queue)
    : display_(display), queue_(queue) {
  wake_fd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake_fd_ < 0) {
    broken_ = true;
    return;
  }
  thread_ = std::thread(&WaylandQueueReader::Run, this);
}

WaylandQueueReader::~WaylandQueueReader() {
  stop_ = true;
  if (wake_fd_ >= 0) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_fd_, &one, sizeof one);
  }
  {
    const std::lock_guard lock(mutex_);
    done_.notify_all();
  }
  if (thread_.joinable()) thread_.join();
  if (wake_fd_ >= 0) close(wake_fd_);
}

void WaylandQueueReader::DispatchOnMainThread() {
  if (wl_display_dispatch_queue_pending(display_, queue_) < 0) broken_ = true;
  {
    const std::lock_guard lock(mutex_);
    waiting_ = false;
  }
  done_.notify_all();
}

void WaylandQueueReader::Run() {
  const int display_fd = wl_display_get_fd(display_);
  while (!stop_) {
    if (wl_display_prepare_read_queue(display_, queue_) != 0) {
      // Events wait in the queue: the main thread dispatches them.
      std::unique_lock lock(mutex_);
      waiting_ = true;
      QMetaObject::invokeMethod(&context_, [this] { DispatchOnMainThread(); }, Qt::QueuedConnection);
      done_.wait(lock, [this] { return !waiting_ || stop_; });
      continue;
    }
    pollfd fds[2] = {{display_fd, POLLIN, 0}, {wake_fd_, POLLIN, 0}};
    const int ready = poll(fds, 2, -1);
    if (ready > 0 && (fds[0].revents & POLLIN)) {
      if (wl_display_read_events(display_) < 0) {
        broken_ = true;
        return;
      }
      continue;
    }
    wl_display_cancel_read(display_);
    if (ready < 0 && errno != EINTR) {
      broken_ = true;
      return;
    }
    if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
      broken_ = true;
      return;
    }
  }
}

}  // namespace rw
