#pragma once

namespace rw {

// Builds popup menu 0 with the ten items, commands 0 to 9 from the top. If
// the menu cannot be created it stays without items.
void BuildPatternMenu();

}  // namespace rw
