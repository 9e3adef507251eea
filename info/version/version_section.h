#pragma once

namespace rw {

// The ELF section that holds our own programs' version block; the generator
// writes it and the ELF locator looks for it.
inline constexpr char kVersionSectionName[] = ".rw_version";

}  // namespace rw
