#include "state/program_end.h"

#include "platform/window/services.h"

#include <cstdlib>

namespace rw {

void EndProgram() {
  ShutdownPlatform();
  std::exit(0);
}

}  // namespace rw
