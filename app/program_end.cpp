#include "app/program_end.h"

#include "platform/services.h"

#include <cstdlib>

namespace rw {

void EndProgram() {
  ShutdownPlatform();
  std::exit(0);
}

}  // namespace rw
