#include "platform/text/fonts.h"

#include "platform/text/font_rendering.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace rw {
namespace {

constexpr int kFallbackDpi = 96;
// Taller fonts are refused: their text strip alone would be hundreds of MiB.
constexpr std::int64_t kMaxFontHeight_px = 2048;

int g_screen_dpi = kFallbackDpi;

std::map<std::int64_t, std::unique_ptr<QFont>>& Store() {
  static std::map<std::int64_t, std::unique_ptr<QFont>> store;
  return store;
}

// With no font installed Qt still hands out a font, one that draws every
// character as an empty box. A font is usable when it (or the fallbacks the
// renderer adds to it) has glyphs for the letters and digits the test images
// write. Another family standing in for the one asked for is fine.
bool IsUsable(const QFont& font) {
  const QFontMetrics metrics(font);
  for (const char16_t c : u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") {
    if (c != 0 && !metrics.inFont(QChar(c))) return false;
  }
  return true;
}

}  // namespace

void StartFontService(double wayland_scale) {
  g_screen_dpi = kFallbackDpi;
  if (!QGuiApplication::instance()) return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  // Wayland has no dots per inch, only the desktop's scale: a desktop at
  // 150 % is read as 144 dpi, as X11 desktops set Xft.dpi for it. Qt's
  // own figure there is 96 times the scale rounded up.
  const double dpi_raw = QGuiApplication::platformName() == u"wayland"_qs
                             ? 96.0 * wayland_scale
                             : screen->logicalDotsPerInchY() * screen->devicePixelRatio();
  const long dpi = std::lround(dpi_raw);
  if (dpi > 0 && dpi < 100000) g_screen_dpi = static_cast<int>(dpi);
}

void SetScreenDpiForTesting(int dpi) { g_screen_dpi = dpi > 0 ? dpi : kFallbackDpi; }

int ScreenDpi() { return g_screen_dpi; }

std::int64_t FontPixelHeight(std::int64_t points) {
  // Beyond 32 bits no font is made anyway; the clamp keeps the product in range.
  const std::int64_t p = std::clamp<std::int64_t>(points, INT32_MIN, INT32_MAX);
  const std::int64_t scaled = p * g_screen_dpi;
  return scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72;
}

std::int64_t LoadFont(std::int64_t number, const Text& family, std::int64_t points) {
  Store().erase(number);
  if (!QGuiApplication::instance()) return 0;
  const std::int64_t height_px = FontPixelHeight(points);
  if (height_px <= 0 || height_px > kMaxFontHeight_px) return 0;
  QFont font(family);
  font.setPixelSize(static_cast<int>(height_px));
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  const QFont fixed = WithFixedRendering(font);
  if (!IsUsable(fixed)) return 0;
  Store()[number] = std::make_unique<QFont>(fixed);
  return 1;
}

FontRef FontHandle(std::int64_t number) {
  const auto it = Store().find(number);
  return it == Store().end() ? nullptr : it->second.get();
}

void ReleaseAllFonts() { Store().clear(); }

}  // namespace rw
