#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// What the arguments of rasterwacht ask for. Without any, the program runs
// its window exactly as it always has.
struct CommandLine {
  enum class Action { Run, Help, Version, Monitors };
  Action action = Action::Run;
  bool json = false;  // --monitors as one JSON document
  std::string monitor;       // --monitor: connector name or list index; empty for the primary
  bool full_screen = false;  // --full-screen
  std::string pattern;       // --pattern: the id of the first image; empty for none
  std::optional<std::int64_t> first_pattern;  // that image's number in the series
  std::string error;  // not empty: one line naming the bad argument
  bool error_lists_choices = false;  // the error line itself names what is allowed
};

// Reads the arguments after the program name, GNU style: long options,
// "--name=value" or "--name value" for those that take one, "--" ends the
// options. --help and --version win over everything after them. --monitor,
// --full-screen and --pattern shape the window and so do not go with
// --monitors.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string ProgramUsage();

}  // namespace rw
