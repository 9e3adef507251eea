#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// What the arguments of rasterwacht ask for. Without any, the program runs
// its window exactly as it always has.
struct CommandLine {
  enum class Action { Run, Help, Version, Monitors, MeasureRefresh };
  Action action = Action::Run;
  bool json = false;  // --monitors or --measure-refresh as one JSON document
  std::optional<std::int64_t> seconds;  // --seconds: how long --measure-refresh measures (5 unless given)
  std::string monitor;       // --monitor: connector name or list index; empty for the primary
  bool full_screen = false;  // --full-screen
  std::string pattern;       // --pattern: the id of the first image; empty for none
  std::optional<std::int64_t> first_pattern;  // that image's number in the series
  bool check = false;         // --check: the guided check with its report
  std::string report;         // --report: the report's HTML file; empty for the default folder
  std::string operator_name;  // --operator: who checks; empty for nobody named
  std::string error;  // not empty: one line naming the bad argument
  bool error_lists_choices = false;  // the error line itself names what is allowed
};

// Reads the arguments after the program name, GNU style: long options,
// "--name=value" or "--name value" for those that take one, "--" ends the
// options. --help and --version win over everything after them. --monitor,
// --full-screen, --pattern and --check shape the window and so do not go
// with --monitors; --check has its own order of images, not --pattern's, and
// --report and --operator belong to it. --measure-refresh takes --seconds,
// --monitor and --json, and no other option that shapes the window.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string ProgramUsage();

}  // namespace rw
