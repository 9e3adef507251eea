#pragma once

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
  std::string error;  // not empty: one line naming the bad argument
};

// Reads the arguments after the program name, GNU style: long options,
// "--name=value" or "--name value" for those that take one, "--" ends the
// options. --help and --version win over everything after them. --monitor
// and --full-screen shape the window and so do not go with --monitors.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string ProgramUsage();

}  // namespace rw
