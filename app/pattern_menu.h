#pragma once

#include <cstdint>
#include <optional>

namespace rw {

// The menu command of the information page; the nine images of the program
// without options have the commands 0 to 8.
inline constexpr std::int64_t kInformationCommand = 9;

// Builds popup menu 0: the first PatternCount images of the test series
// with their keys, the further ones after a separator, and the information
// page last. If the menu cannot be created it stays without items.
void BuildPatternMenu();

// The menu command of image `pattern`: its number for the nine, 100 more
// for the further images, so that none meets the information page's.
std::int64_t PatternCommand(std::int64_t pattern);

// The image that menu command `command` chooses among the first
// PatternCount; nullopt for the information page and unknown commands.
std::optional<std::int64_t> CommandPattern(std::int64_t command);

}  // namespace rw
