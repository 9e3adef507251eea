#include "platform/window/wake_up.h"

#include "platform/window/events_queue.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace rw {
namespace {

// Belongs to no window, so closing a window never drops it.
constexpr std::int64_t kNoWindow = -1;

QPointer<QTimer> g_timer;

void QueueWakeUp() { QueueRawEvent(WakeUpMessage, kNoWindow, 0); }

}  // namespace

void RequestWakeUp(std::int64_t delay_ms) {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application) return;
  if (!g_timer) {
    g_timer = new QTimer(application);
    g_timer->setSingleShot(true);
    g_timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(g_timer, &QTimer::timeout, &QueueWakeUp);
  }
  const auto delay = std::clamp<std::int64_t>(delay_ms, 0, std::numeric_limits<int>::max());
  g_timer->start(static_cast<int>(delay));
}

void CancelWakeUp() {
  if (g_timer) g_timer->stop();
}

}  // namespace rw
