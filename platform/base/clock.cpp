#include "platform/base/clock.h"

#include <QElapsedTimer>

namespace rw {

std::int64_t MillisecondClock() {
  static const QElapsedTimer started = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
  }();
  return started.elapsed();
}

}  // namespace rw
