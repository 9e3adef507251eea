#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rw {

// `text` with every byte that does not belong to a well-formed UTF-8
// sequence (stray continuation bytes, overlong forms, surrogates, code points
// past U+10FFFF, cut sequences) replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// A JSON string literal of `text`, quotes included: '"' and '\' escaped,
// control characters as \uXXXX, malformed UTF-8 as U+FFFD, all else as it is.
std::string JsonString(std::string_view text);

// `text` as HTML character data or attribute value: & < > " ' as
// references, control characters other than tab and line feed dropped,
// malformed UTF-8 as U+FFFD.
std::string HtmlText(std::string_view text);

// RFC 4648 base64 with padding.
std::string Base64(std::span<const std::uint8_t> bytes);

// Two lower-case hex digits per byte, nothing between them.
std::string HexBytes(std::span<const std::uint8_t> bytes);

// The shortest decimal text of `value` with at most `decimals` decimals and
// a point ("59.94", "60", "1.5"); `comma` gives a decimal comma instead.
std::string DecimalText(double value, int decimals, bool comma = false);

}  // namespace rw
