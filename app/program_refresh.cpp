#include "app/program_refresh.h"

#include "app/monitor_list.h"
#include "platform/display/program_screen.h"

#include <optional>

namespace rw {

const ProgramMode& ProgramMonitorMode() {
  static std::optional<ProgramMode> mode;
  if (mode) return *mode;
  mode.emplace();
  const std::vector<ScreenReport> reports = ReadScreenReports();
  const QScreen* screen = ProgramScreen();
  const std::string chosen = screen ? screen->name().toStdString() : std::string();
  const ScreenReport* found = nullptr;
  for (const ScreenReport& report : reports) {
    if (report.identity.connector == chosen) found = &report;
  }
  if (!found) {
    for (const ScreenReport& report : reports) {
      if (report.primary && !found) found = &report;
    }
  }
  if (found) {
    mode->connector = found->identity.connector;
    mode->refresh_hz = found->refresh_hz > 0 ? found->refresh_hz : 0;
  } else if (screen) {
    mode->connector = chosen;
    mode->refresh_hz = screen->refreshRate();
  }
  return *mode;
}

}  // namespace rw
