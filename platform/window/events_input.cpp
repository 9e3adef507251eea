#include "platform/window/events_input.h"

#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/key_presses.h"
#include "platform/window/key_state.h"
#include "platform/window/window_table.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace rw {
namespace {

struct ButtonCodes {
  std::int64_t down;
  std::int64_t up;
  std::int64_t double_click;
};

ButtonCodes CodesOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return {RightButtonMessage, RightButtonUpMessage, RightDoubleClickMessage};
    case Qt::MiddleButton: return {MiddleButtonMessage, MiddleButtonUpMessage, MiddleDoubleClickMessage};
    case Qt::XButton1:
    case Qt::XButton2: return {ExtraButtonMessage, ExtraButtonUpMessage, ExtraDoubleClickMessage};
    default: return {LeftButtonMessage, LeftButtonUpMessage, LeftDoubleClickMessage};
  }
}

// The wheel's parameter word: the delta as signed 16 bits in bits 16 to 31.
std::int64_t WheelParameter(int delta) {
  const auto clamped = static_cast<std::int16_t>(std::clamp(delta, -32768, 32767));
  return static_cast<std::int64_t>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(clamped)) << 16);
}

void QueueMouse(const QMouseEvent& mouse, std::int64_t window) {
  const ButtonCodes codes = CodesOf(mouse.button());
  switch (mouse.type()) {
    case QEvent::MouseButtonPress: QueueRawEvent(codes.down, window, 0); break;
    case QEvent::MouseButtonRelease: QueueRawEvent(codes.up, window, 0); break;
    case QEvent::MouseButtonDblClick: QueueRawEvent(codes.double_click, window, 0); break;
    default: QueueRawEvent(MouseMoveMessage, window, 0); break;
  }
}

void QueueWheel(const QWheelEvent& wheel, std::int64_t window) {
  const QPoint delta = wheel.angleDelta();
  if (delta.y() != 0) {
    QueueRawEvent(MouseWheelMessage, window, WheelParameter(delta.y()));
  } else if (delta.x() != 0) {
    // Parameter 0: callers read the notches of whatever event came last, and
    // a sideways turn must not move anything.
    QueueRawEvent(SidewaysWheelMessage, window, 0);
  }
}

// Input that goes to an open popup menu belongs to it; while a modal box is
// up, the other windows take none.
bool IsTakenElsewhere(const QObject* receiver) {
  if (QApplication::activePopupWidget()) return true;
  const QWindow* modal = QGuiApplication::modalWindow();
  return modal && modal != receiver;
}

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: return true;
    default: return false;
  }
}

// Watches the events that Qt hands to the program's QWindows: each piece of
// input arrives there exactly once, before Qt passes it on to the widget
// beneath (the application filter would see it once per widget it
// propagates through). It never consumes anything.
class InputTranslator : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::ApplicationStateChange &&
        static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive) {
      ForgetTrackedKeys();
      return false;
    }
    if (!IsInput(event->type()) || !receiver->isWindowType()) return false;
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      TrackKey(*static_cast<QKeyEvent*>(event));
    }
    const std::int64_t window = WindowNumberOfHandle(receiver);
    if (window < 0 || IsTakenElsewhere(receiver)) return false;
    Translate(*event, window);
    return false;
  }

 private:
  static void TrackKey(const QKeyEvent& key) {
    if (key.isAutoRepeat()) return;
    TrackKeyEvent(key.key(), key.modifiers(), key.type() == QEvent::KeyPress);
  }

  static void Translate(const QEvent& event, std::int64_t window) {
    switch (event.type()) {
      case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        NoteKeyPress({key.key(), key.modifiers(), key.text(), key.isAutoRepeat()});
        QueueRawEvent(KeyDownMessage, window, 0);
        break;
      }
      case QEvent::KeyRelease: QueueRawEvent(KeyUpMessage, window, 0); break;
      case QEvent::Wheel: QueueWheel(static_cast<const QWheelEvent&>(event), window); break;
      default: QueueMouse(static_cast<const QMouseEvent&>(event), window); break;
    }
  }
};

QPointer<InputTranslator> g_translator;

}  // namespace

void InstallInputTranslator() {
  QCoreApplication* application = QCoreApplication::instance();
  if (!application || g_translator) return;
  // Windows are closed by the program only; Qt must not end its loops when
  // the last one goes.
  QGuiApplication::setQuitOnLastWindowClosed(false);
  g_translator = new InputTranslator(application);
  application->installEventFilter(g_translator);
}

}  // namespace rw
