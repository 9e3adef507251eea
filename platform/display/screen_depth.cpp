#include "platform/display/screen_depth.h"

#include <QGuiApplication>
#include <QScreen>

namespace rw {
namespace {

constexpr int kLeastPaintableDepthBits = 15;

}  // namespace

bool ScreenShowsPictures() {
  if (!qGuiApp) return false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->depth() >= kLeastPaintableDepthBits;
}

}  // namespace rw
