// ReadScreenReports: the window system's side of the monitor list.

#include "app/monitor_list.h"
#include "platform/display/desktops.h"
#include "platform/display/program_outputs.h"
#include "platform/x11/randr_monitors.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace rw {
namespace {

const QScreen* ScreenNamed(const std::string& name) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->name().toStdString() == name) return screen;
  }
  return nullptr;
}

void TakeMakerModelSerial(const QScreen& screen, ScreenIdentity& identity) {
  identity.maker = screen.manufacturer().toStdString();
  identity.model = screen.model().toStdString();
  identity.serial = screen.serialNumber().toStdString();
}

// Depth of the screen of that name, as the desktop records give it.
int DepthOf(const std::vector<DesktopRecord>& desktops, const std::string& name) {
  for (const DesktopRecord& d : desktops) {
    if (d.name.toStdString() == name) return d.depth;
  }
  return desktops.empty() ? 0 : desktops.front().depth;
}

std::vector<ScreenReport> FromRandr(const std::vector<RandrMonitor>& monitors,
                                    const std::vector<DesktopRecord>& desktops) {
  std::vector<ScreenReport> reports;
  for (const RandrMonitor& m : monitors) {
    ScreenReport r;
    r.identity.connector = m.name;
    r.primary = m.primary;
    r.x = m.x;
    r.y = m.y;
    r.width = m.width;
    r.height = m.height;
    r.refresh_hz = m.refresh_hz;
    r.depth = DepthOf(desktops, m.name);
    // Only Qt's screen of the same name can tell maker, model and serial;
    // the scale, where there is none, is the primary screen's.
    if (const QScreen* screen = ScreenNamed(m.name)) {
      r.scale = screen->devicePixelRatio();
      TakeMakerModelSerial(*screen, r.identity);
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
      r.scale = primary->devicePixelRatio();
    }
    r.edid = m.edid;
    reports.push_back(std::move(r));
  }
  return reports;
}

// Wayland outputs by their modes and true scales: Qt's screens there are
// logical sizes times a scale rounded up to a whole number.
std::vector<ScreenReport> FromWayland(const std::vector<WaylandOutput>& outputs) {
  std::vector<ScreenReport> reports;
  for (const WaylandOutput& output : outputs) {
    if (output.mode_width <= 0 || output.mode_height <= 0) continue;
    const DeviceScale scale = ScaleOf(output);
    ScreenReport r;
    r.identity.connector = output.name;
    if (const QScreen* screen = ScreenNamed(output.name)) {
      TakeMakerModelSerial(*screen, r.identity);
    }
    r.primary = reports.empty();
    r.x = static_cast<int>(DesktopXOf(output));
    r.y = static_cast<int>(DesktopYOf(output));
    r.width = output.DesktopWidth();
    r.height = output.DesktopHeight();
    r.refresh_hz = output.refresh_mhz / 1000.0;
    // Wayland names no depth; its outputs store 8 bits per channel in 32.
    r.depth = 32;
    r.scale = scale.Value();
    reports.push_back(std::move(r));
  }
  return reports;
}

std::vector<ScreenReport> FromQt(const std::vector<DesktopRecord>& desktops) {
  std::vector<ScreenReport> reports;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const qreal ratio = screen->devicePixelRatio();
    const QRect g = screen->geometry();
    ScreenReport r;
    r.identity.connector = screen->name().toStdString();
    TakeMakerModelSerial(*screen, r.identity);
    r.primary = screen == primary;
    r.x = static_cast<int>(std::lround(g.x() * ratio));
    r.y = static_cast<int>(std::lround(g.y() * ratio));
    r.width = static_cast<int>(std::lround(g.width() * ratio));
    r.height = static_cast<int>(std::lround(g.height() * ratio));
    r.refresh_hz = screen->refreshRate();
    r.depth = DepthOf(desktops, r.identity.connector);
    r.scale = ratio;
    reports.push_back(std::move(r));
  }
  return reports;
}

}  // namespace

std::vector<ScreenReport> ReadScreenReports() {
  if (QGuiApplication::platformName() == u"wayland") {
    if (auto reports = FromWayland(WaylandOutputsPrimaryFirst()); !reports.empty()) return reports;
  }
  const std::vector<DesktopRecord> desktops = ReadScreens();
  if (QGuiApplication::platformName() == u"xcb") {
    if (const auto monitors = ReadRandrMonitors(); monitors && !monitors->empty()) {
      return FromRandr(*monitors, desktops);
    }
  }
  return FromQt(desktops);
}

}  // namespace rw
