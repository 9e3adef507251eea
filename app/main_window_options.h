#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// What --check asks for besides the full-screen window.
struct CheckOptions {
  std::string report;         // the report's HTML file; empty: the default folder
  std::string operator_name;  // empty: nobody named
};

// What --measure-refresh asks for besides the full-screen window.
struct MeasureOptions {
  std::int64_t seconds = 5;
  bool json = false;
};

// How the command line shapes the main window. The defaults are the
// program without arguments: the primary monitor, a framed window at the
// desktop's top-left.
struct MainWindowOptions {
  std::string monitor;  // connector name or index in the monitor list; empty: the primary
  bool full_screen = false;
  std::optional<std::int64_t> first_pattern;  // --pattern: the image shown first
  std::optional<CheckOptions> check;          // --check (which also sets full_screen)
  std::optional<MeasureOptions> measure;      // --measure-refresh (likewise)
};

void SetMainWindowOptions(MainWindowOptions options);
const MainWindowOptions& CurrentMainWindowOptions();

// The connector that `name` means among `connectors` (the monitor list's
// order, the primary first): a connector of that name, else a decimal index
// into the list; nullopt for neither.
std::optional<std::string> ResolveMonitorName(const std::string& name, const std::vector<std::string>& connectors);

// Makes the monitor of --monitor the program's screen, before the metrics
// are read. A name that no monitor has ends the program with one line on
// stderr and exit code 2.
void ChooseMonitor();

// After InitialiseGlobals: --full-screen and --pattern make the whole test
// series reachable (PatternCount) and --pattern chooses the first image.
void ChooseSeries();

// After ReadDisplayMetrics: in full-screen mode the drawing area is the
// monitor's whole mode.
void SizeDrawingArea();

// Where and how window 0 opens: at the desktop's top-left with a frame, or
// at the chosen monitor's top-left, or covering it in full-screen mode.
struct MainWindowPlacement {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t flags = 0;
};
MainWindowPlacement PlaceMainWindow();

}  // namespace rw
