#pragma once

#include <string>
#include <string_view>

namespace rw {

// The maker's name for a three-letter PNP id of the common monitor and
// panel makers, or the empty text for any other id.
std::string_view MakerName(std::string_view pnp_id);

}  // namespace rw
