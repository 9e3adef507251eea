#include "app/command_line_run.h"

#include "app/command_line.h"
#include "app/main_window_options.h"
#include "app/monitor_list.h"
#include "patterns/series.h"
#include "info/version/version_reader.h"
#include "platform/display/display_probe.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <vector>

namespace rw {
namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "rasterwacht: %s\n", message.c_str());
  return code;
}

// Qt's own chatter is not part of the list; only fatal messages get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "rasterwacht: %s\n", message.toLocal8Bit().constData());
}

int ListMonitors(bool json, int& argc, char** argv) {
  if (!DisplayAvailable()) return Fail(kExitFailure, "no display found");
  qInstallMessageHandler(QuietQtMessages);
  // Qt's scaling stays on here: the screens' pixel ratio is the desktop scale.
  const QGuiApplication application(argc, argv);
  const std::vector<MonitorRecord> monitors =
      MonitorRecordsFrom(ReadScreenReports(), ReadDrmConnectors(DrmFolder()));
  if (monitors.empty()) return Fail(kExitFailure, "no monitor found");
  const std::string text = json ? MonitorsJson(monitors) : MonitorsText(monitors);
  std::fputs(text.c_str(), stdout);
  return 0;
}

}  // namespace

std::optional<int> RunCommandLine(int& argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  const CommandLine line = ParseCommandLine(arguments);
  if (!line.error.empty()) {
    std::fprintf(stderr, "rasterwacht: %s\n", line.error.c_str());
    if (!line.error_lists_choices) std::fputs("Try 'rasterwacht --help' for more information.\n", stderr);
    return kExitUsage;
  }
  switch (line.action) {
    case CommandLine::Action::Help:
      std::fputs(ProgramUsage().c_str(), stdout);
      return 0;
    case CommandLine::Action::Version: {
      // The number comes from the version block in this very file, so it is
      // what the information page reads from it.
      const Text version = OwnFileVersion();
      std::printf("rasterwacht %s\n", version.isEmpty() ? "(no version block)" : version.toUtf8().constData());
      return version.isEmpty() ? kExitFailure : 0;
    }
    case CommandLine::Action::Monitors:
      return ListMonitors(line.json, argc, argv);
    case CommandLine::Action::Run:
      SetMainWindowOptions({line.monitor, line.full_screen || line.check, line.first_pattern,
                            line.check ? std::optional(CheckOptions{line.report, line.operator_name}) : std::nullopt,
                            std::nullopt});
      break;
    case CommandLine::Action::MeasureRefresh:
      // It asked for figures: without a display that is a failure, not the
      // quiet end of the window without one.
      if (!DisplayAvailable()) return Fail(kExitFailure, "no display found");
      SetMainWindowOptions({line.monitor, true, SeriesNumberOf("frame-sequence"), std::nullopt,
                            MeasureOptions{line.seconds.value_or(5), line.json}});
      break;
  }
  return std::nullopt;
}

}  // namespace rw
