#pragma once

#include <cstdint>
#include <vector>

namespace rw {

// Half-widths of the rows of a filled disc of `radius` as the rasteriser's
// midpoint method covers them: element k is the largest column offset that
// the disc covers on the rows centre + k and centre - k (the row covers the
// offsets -h to h). Empty for a negative radius.
std::vector<std::int32_t> DiscRowHalfWidths(std::int64_t radius);

// The same into `rows`, reusing its storage.
void DiscRowHalfWidths(std::int64_t radius, std::vector<std::int32_t>& rows);

}  // namespace rw
