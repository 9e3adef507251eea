#include "app/check_program.h"

#include "app/main_window_options.h"
#include "app/monitor_list.h"
#include "app/program_refresh.h"
#include "check/check_run.h"
#include "info/edid/pnp_makers.h"
#include "info/version/version_reader.h"
#include "platform/display/program_screen.h"
#include "platform/x11/window_manager_x11.h"
#include "report/report_names.h"
#include "state/globals.h"

#include <QGuiApplication>

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

namespace rw {
namespace {

std::string Size(int width, int height) { return std::to_string(width) + " × " + std::to_string(height); }

std::optional<std::string> NonEmpty(std::string text) {
  if (text.empty()) return std::nullopt;
  return text;
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The window manager or compositor, as far as the program can tell: on X11
// the window manager's own name; otherwise the desktop's name from the
// session, or the compositor that announces its socket to its clients.
std::optional<std::string> CompositorName() {
  if (QGuiApplication::platformName() == u"xcb") {
    if (std::string name = X11WindowManagerName(); !name.empty()) return name;
  }
  if (std::string desktop = Environment("XDG_CURRENT_DESKTOP"); !desktop.empty()) return desktop;
  if (!Environment("SWAYSOCK").empty()) return "sway";
  if (!Environment("HYPRLAND_INSTANCE_SIGNATURE").empty()) return "Hyprland";
  return std::nullopt;
}

std::string WindowSystem() {
  const QString platform = QGuiApplication::platformName();
  if (platform == u"xcb") return "X11";
  if (platform == u"wayland") return "Wayland";
  return platform.toStdString();
}

// The monitor the program runs on: the one --monitor chose, else the primary.
MonitorRecord ProgramMonitor() {
  const std::vector<MonitorRecord> records = MonitorRecordsFrom(ReadScreenReports(), ReadDrmConnectors(DrmFolder()));
  const std::string chosen = ProgramScreenName().toStdString();
  for (const MonitorRecord& record : records) {
    if (!chosen.empty() && record.connector == chosen) return record;
  }
  if (!records.empty()) return records.front();
  MonitorRecord none;
  none.width = static_cast<int>(ScreenWidth);
  none.height = static_cast<int>(ScreenHeight);
  return none;
}

ReportDesktop ReportDesktopOf(const MonitorRecord& record, const std::string& date_time,
                              const CheckOptions& options) {
  ReportDesktop desktop;
  desktop.window_system = WindowSystem();
  desktop.compositor = CompositorName();
  desktop.width = record.width;
  desktop.height = record.height;
  if (record.refresh_hz > 0) desktop.refresh_hz = record.refresh_hz;
  desktop.scale = record.scale;
  desktop.native = RunsNative(record);
  desktop.native_verdict = NativeVerdict(record);
  desktop.native_verdict_de = NativeVerdictGerman(record);
  desktop.program_version = OwnFileVersion().toStdString();
  desktop.date_time = date_time;
  desktop.operator_name = NonEmpty(options.operator_name);
  return desktop;
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return {};
}

}  // namespace

bool CheckWasAsked() { return CurrentMainWindowOptions().check.has_value(); }

ReportMonitor ReportMonitorOf(const MonitorRecord& record) {
  ReportMonitor m;
  m.connector = record.connector;
  if (!record.edid) return m;
  const EdidInfo& e = *record.edid;
  m.manufacturer_id = NonEmpty(e.manufacturer_id);
  m.manufacturer_name = NonEmpty(std::string(MakerName(e.manufacturer_id)));
  m.model_name = e.name;
  m.product_code = e.product_code;
  m.serial = NonEmpty(SerialText(e));
  if (e.serial_number != 0) m.serial_number = e.serial_number;
  m.serial_text = NonEmpty(e.serial_text);
  m.year = e.year;
  m.model_year = e.model_year;
  if (e.image_size) {
    m.image_width_mm = e.image_size->width_mm;
    m.image_height_mm = e.image_size->height_mm;
  }
  m.diagonal_inches = PanelDiagonalInches(e);
  if (e.native) {
    m.native_width = e.native->width;
    m.native_height = e.native->height;
  }
  if (e.native_source == NativeSource::Declared) m.native_source = "declared";
  if (e.native_source == NativeSource::Guessed) m.native_source = "guessed";
  m.warnings = e.warnings;
  m.edid = record.edid_bytes;
  return m;
}

std::string NativeVerdictGerman(const MonitorRecord& m) {
  if (!m.edid) return "unbekannt: keine EDID nennt die native Auflösung";
  const std::optional<bool> native = RunsNative(m);
  if (!native) return "unbekannt: die EDID nennt keine native Auflösung";
  const bool guessed = m.edid->native_source == NativeSource::Guessed;
  const std::string panel = Size(m.edid->native->width, m.edid->native->height);
  if (*native) {
    return guessed ? "wahrscheinlich nativ (" + panel + ", aus dem größten Timing der EDID geschätzt)"
                   : "nativ (" + panel + ")";
  }
  return "nicht nativ: der Desktop läuft mit " + Size(m.width, m.height) + ", das Panel hat " + panel +
         (guessed ? " (geschätzt)" : "") + "; Linienraster zeigen die Skalierung, nicht den Monitor";
}

std::filesystem::path DefaultReportPath(const std::filesystem::path& folder, const std::string& stamp,
                                        const ReportMonitor& monitor) {
  std::string model = monitor.model_name.value_or("");
  if (model.empty() && monitor.product_code) model = std::to_string(*monitor.product_code);
  return folder / ReportFileName(stamp, monitor.manufacturer_id.value_or(""), model, monitor.serial.value_or(""));
}

void RunCheckProgram() {
  const CheckOptions options = CurrentMainWindowOptions().check.value_or(CheckOptions{});
  const ReportTime time = LocalReportTime(std::time(nullptr));
  const MonitorRecord record = ProgramMonitor();
  CheckSetup setup;
  setup.monitor = ReportMonitorOf(record);
  setup.desktop = ReportDesktopOf(record, time.iso, options);
  setup.nominal_hz = ProgramMonitorMode().refresh_hz;
  if (!options.report.empty()) {
    setup.report = options.report;
  } else {
    const char* data_home = std::getenv("XDG_DATA_HOME");
    const std::string home = HomeFolder().string();
    setup.report = DefaultReportPath(DefaultReportFolder(data_home, home.c_str()), time.file_stamp, setup.monitor);
    setup.create_folder = true;
  }
  RunCheck(setup);
}

}  // namespace rw
