#include "platform/display/desktops.h"

#include "platform/display/program_outputs.h"
#include "platform/display/program_screen.h"
#include "platform/x11/x11_server.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace rw {
namespace {

std::vector<DesktopRecord> g_records;
DesktopSource g_source;

// One field of record i of the last scan; 0 for an index outside it.
std::int64_t FieldOf(std::int64_t i, std::int32_t DesktopRecord::*field) {
  if (i < 0 || i >= static_cast<std::int64_t>(g_records.size())) return 0;
  return g_records[static_cast<std::size_t>(i)].*field;
}

// Bits per pixel stored for a visual of `depth`, as a desktop's colour
// depth is usually quoted: the X server's own figure where it has one.
int BitsPerPixel(int depth) {
  if (const int bits = X11BitsPerPixel(depth); bits > 0) return bits;
  // Elsewhere the same storage rule: 24 significant bits live in 32.
  return depth == 24 ? 32 : depth;
}

DesktopRecord RecordOf(const QScreen* screen) {
  const qreal ratio = screen->devicePixelRatio();
  const QRect logical = screen->geometry();
  DesktopRecord record;
  record.x = static_cast<std::int32_t>(std::lround(logical.x() * ratio));
  record.y = static_cast<std::int32_t>(std::lround(logical.y() * ratio));
  record.width = static_cast<std::int32_t>(std::lround(logical.width() * ratio));
  record.height = static_cast<std::int32_t>(std::lround(logical.height() * ratio));
  const qreal hz = screen->refreshRate();
  record.frequency = hz > 0 && hz < 10000 ? static_cast<std::int32_t>(std::lround(hz)) : 0;
  record.depth = BitsPerPixel(screen->depth());
  record.name = screen->name().left(32);
  return record;
}

// A Wayland output by its current mode: Qt reports logical sizes there,
// times a scale that it rounds up to a whole number.
DesktopRecord RecordOf(const WaylandOutput& output) {
  DesktopRecord record;
  record.x = static_cast<std::int32_t>(DesktopXOf(output));
  record.y = static_cast<std::int32_t>(DesktopYOf(output));
  record.width = output.DesktopWidth();
  record.height = output.DesktopHeight();
  record.frequency = static_cast<std::int32_t>((output.refresh_mhz + 500) / 1000);
  // Wayland names no depth; its outputs show 8 bits per channel, stored
  // in 32 bits as on X11.
  record.depth = 32;
  record.name = QString::fromStdString(output.name).left(32);
  return record;
}

}  // namespace

std::vector<DesktopRecord> ReadScreens() {
  std::vector<DesktopRecord> records;
  if (!qGuiApp) return records;
  if (QGuiApplication::platformName() == u"wayland"_qs) {
    for (const WaylandOutput& output : WaylandOutputsPrimaryFirst()) {
      if (output.mode_width > 0 && output.mode_height > 0) records.push_back(RecordOf(output));
    }
    if (!records.empty()) return records;
  }
  QScreen* primary = ProgramScreen();
  if (!primary) return records;
  records.push_back(RecordOf(primary));
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) records.push_back(RecordOf(screen));
  }
  return records;
}

void SetDesktopSource(DesktopSource source) { g_source = std::move(source); }

std::int64_t ScanDesktops() {
  g_records = g_source ? g_source() : ReadScreens();
  return static_cast<std::int64_t>(g_records.size());
}

std::int64_t DesktopWidth(std::int64_t i) { return FieldOf(i, &DesktopRecord::width); }

std::int64_t DesktopHeight(std::int64_t i) { return FieldOf(i, &DesktopRecord::height); }

std::int64_t DesktopX(std::int64_t i) { return FieldOf(i, &DesktopRecord::x); }

std::int64_t DesktopY(std::int64_t i) { return FieldOf(i, &DesktopRecord::y); }

std::int64_t DesktopDepth(std::int64_t i) { return FieldOf(i, &DesktopRecord::depth); }

}  // namespace rw
