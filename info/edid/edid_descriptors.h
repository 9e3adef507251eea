#pragma once

#include "info/edid/edid_info.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rw {

// The timing of an 18-byte detailed timing descriptor, the `number`th of
// its block; nullopt for a display descriptor or a timing without pixels.
std::optional<EdidTiming> DetailedTimingFrom(std::span<const std::uint8_t> descriptor,
                                             TimingSource source, int block, int number);

// The text of a display descriptor: up to the line feed or the first byte
// that is not printable ASCII, trailing blanks dropped.
std::string DescriptorText(std::span<const std::uint8_t> descriptor);

// Adds what the `number`th 18-byte descriptor of `block` holds to info; a
// timing that cannot be a real mode is dropped with a warning.
void ReadDescriptor(std::span<const std::uint8_t> descriptor, int block, int number, EdidInfo& info);

}  // namespace rw
