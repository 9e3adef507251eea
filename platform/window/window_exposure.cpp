#include "platform/window/window_exposure.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

namespace rw {
namespace {

// Ends its loop when the window it watches is exposed.
class ExposureWatch : public QObject {
 public:
  ExposureWatch(QWindow& window, QEventLoop& loop) : window_(window), loop_(loop) { window.installEventFilter(this); }
  ~ExposureWatch() override { window_.removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Expose) {
      QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWindow& window_;
  QEventLoop& loop_;
};

}  // namespace

bool AwaitExposure(QWindow& window, int most_ms) {
  const QDeadlineTimer deadline(most_ms);
  QEventLoop loop;
  ExposureWatch watch(window, loop);
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  while (!window.isExposed() && !deadline.hasExpired()) {
    timeout.start(static_cast<int>(deadline.remainingTime()));
    loop.exec();
  }
  return window.isExposed();
}

}  // namespace rw
