#pragma once

namespace rw {

// Releases everything the platform services hold and ends the process with
// `exit_code` (0 unless given). Never returns.
[[noreturn]] void EndProgram(int exit_code = 0);

}  // namespace rw
