#pragma once

#include "info/edid/edid_info.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rw {

// The timing of an 18-byte detailed timing descriptor; nullopt for a
// display descriptor or a timing without pixels.
std::optional<EdidTiming> DetailedTimingFrom(std::span<const std::uint8_t> descriptor,
                                             TimingSource source, int block);

// The text of a display descriptor: up to the line feed, trailing blanks
// dropped, anything unprintable as '?'.
std::string DescriptorText(std::span<const std::uint8_t> descriptor);

// Adds what one 18-byte descriptor of `block` holds to info.
void ReadDescriptor(std::span<const std::uint8_t> descriptor, int block, EdidInfo& info);

}  // namespace rw
