#include "platform/text/text_strip.h"

#include "platform/text/font_rendering.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>

namespace rw {
namespace {

// Text is never rendered without an application: Qt's font database needs one.
bool CanRenderText() { return QGuiApplication::instance() != nullptr; }

}  // namespace

int TextStripHeight(const QFont& font) {
  const int text_height_px = QFontMetrics(font).size(Qt::TextSingleLine, QStringLiteral("Hg")).height();
  return std::max(text_height_px + 20, 50);
}

void FitTextStrip(DrawingSession& session) {
  if (!CanRenderText()) return;
  const int needed_px = TextStripHeight(session.font);
  if (!session.text_strip.isNull() && session.text_strip.height() >= needed_px) return;
  QImage strip(session.surface->target->width(), needed_px, QImage::Format_RGB32);
  // A strip that cannot be had leaves the old one (text is cut to its height).
  if (strip.isNull()) return;
  strip.fill(0xFF000000u);
  session.text_strip = std::move(strip);
}

void PrepareTextStrip(DrawingSession& session) {
  if (session.text_prepared) return;
  session.text_prepared = true;
  // The platform's default system font; without an application there is
  // none to ask for, and text is not drawn then anyway.
  if (!CanRenderText()) return;
  session.font = WithFixedRendering(QGuiApplication::font());
  FitTextStrip(session);
}

}  // namespace rw
