#include "state/program_end.h"

#include "platform/window/services.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace rw {
namespace {

// Longer than a normal end takes on a loaded machine (well under 100 ms).
constexpr std::chrono::seconds kMostEndTime{3};

}  // namespace

void EndProgram(int exit_code) {
  // Qt's end of its Wayland connection has been seen to hang, rarely and
  // only on a busy machine, after the program's own objects were released:
  // the process then ends as it would have, with everything it wrote.
  std::thread([exit_code] {
    std::this_thread::sleep_for(kMostEndTime);
    std::fflush(nullptr);
    std::_Exit(exit_code);
  }).detach();
  ShutdownPlatform();
  std::exit(exit_code);
}

}  // namespace rw
