#pragma once

#include <optional>

namespace rw {

// Does what the arguments ask for when that is not the program's window
// (help, version, the monitor list, or a bad argument) and gives the exit
// code; nullopt when the window is to run.
std::optional<int> RunCommandLine(int& argc, char** argv);

}  // namespace rw
