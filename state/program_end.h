#pragma once

namespace rw {

// Releases everything the platform services hold and ends the process with
// exit code 0. Never returns.
[[noreturn]] void EndProgram();

}  // namespace rw
