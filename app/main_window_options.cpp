#include "app/main_window_options.h"

#include "app/monitor_list.h"
#include "info/full_screen_area.h"
#include "patterns/series.h"
#include "platform/display/desktops.h"
#include "platform/display/program_screen.h"
#include "platform/text/fonts.h"
#include "platform/window/services.h"
#include "platform/window/window.h"
#include "platform/window/window_units.h"
#include "state/globals.h"
#include "state/program_end.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace rw {
namespace {

constexpr std::int64_t kFramedWindowFlags = 0xCF0000;
constexpr int kExitUsage = 2;

MainWindowOptions g_options;

bool HasScreenNamed(const std::string& name) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->name().toStdString() == name) return true;
  }
  return false;
}

}  // namespace

void SetMainWindowOptions(MainWindowOptions options) { g_options = std::move(options); }

const MainWindowOptions& CurrentMainWindowOptions() { return g_options; }

std::optional<std::string> ResolveMonitorName(const std::string& name, const std::vector<std::string>& connectors) {
  for (const std::string& connector : connectors) {
    if (connector == name) return connector;
  }
  std::size_t index = 0;
  const char* end = name.data() + name.size();
  const auto [stop, error] = std::from_chars(name.data(), end, index);
  if (name.empty() || error != std::errc() || stop != end || index >= connectors.size()) return std::nullopt;
  return connectors[index];
}

void ChooseMonitor() {
  if (g_options.monitor.empty()) return;
  std::vector<std::string> connectors;
  for (const MonitorRecord& record : MonitorRecordsFrom(ReadScreenReports(), {})) {
    connectors.push_back(record.connector);
  }
  const std::optional<std::string> connector = ResolveMonitorName(g_options.monitor, connectors);
  if (!connector || !HasScreenNamed(*connector)) {
    std::fprintf(stderr, "rasterwacht: no monitor '%s'; 'rasterwacht --monitors' lists them\n",
                 g_options.monitor.c_str());
    EndProgram(kExitUsage);
  }
  SetProgramScreen(QString::fromStdString(*connector));
  // The platform start read the primary screen's scale and dots per inch;
  // pictures and fonts follow the chosen one.
  ForgetWindowScale();
  StartFontService(WindowScale().Value());
}

void ChooseSeries() {
  if (!g_options.full_screen && !g_options.first_pattern) return;
  PatternCount = static_cast<std::int64_t>(TestSeries().size());
  NextPattern = g_options.first_pattern.value_or(0);
}

void SizeDrawingArea() {
  if (g_options.full_screen) UseWholeDisplayArea();
}

MainWindowPlacement PlaceMainWindow() {
  MainWindowPlacement placement;
  placement.flags = g_options.full_screen ? kFullScreenFlag : kFramedWindowFlags;
  if (g_options.full_screen || !g_options.monitor.empty()) {
    placement.x = DesktopX(0);
    placement.y = DesktopY(0);
  }
  return placement;
}

}  // namespace rw
