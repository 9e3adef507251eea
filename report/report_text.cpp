#include "report/report_text.h"

#include <charconv>
#include <cstdio>

namespace rw {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the well-formed UTF-8 sequence at the start of `text`, 0
// when it is malformed (RFC 3629's table of well-formed byte sequences).
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // bounds of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const std::size_t length = SequenceLength(text);
    if (length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
    } else {
      out += text.substr(0, length);
      text.remove_prefix(length);
    }
  }
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : ValidUtf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string HtmlText(std::string_view text) {
  std::string out;
  for (const char c : ValidUtf8(text)) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
          out += c;
        } else if (c == '\t' || c == '\n') {
          out += c;
        }
        break;
    }
  }
  return out;
}

std::string Base64(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t k = 0;
  for (; k + 3 <= bytes.size(); k += 3) {
    const std::uint32_t group = bytes[k] << 16 | bytes[k + 1] << 8 | bytes[k + 2];
    out += kDigits[group >> 18 & 63];
    out += kDigits[group >> 12 & 63];
    out += kDigits[group >> 6 & 63];
    out += kDigits[group & 63];
  }
  const std::size_t rest = bytes.size() - k;
  if (rest > 0) {
    const std::uint32_t group = bytes[k] << 16 | (rest == 2 ? bytes[k + 1] << 8 : 0);
    out += kDigits[group >> 18 & 63];
    out += kDigits[group >> 12 & 63];
    out += rest == 2 ? kDigits[group >> 6 & 63] : '=';
    out += '=';
  }
  return out;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const std::uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::string DecimalText(double value, int decimals, bool comma) {
  // to_chars, unlike printf, ignores the locale that Qt's start sets.
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string out = error == std::errc() ? std::string(text, end) : std::string("0");
  if (out.find('.') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
  }
  if (out == "-0") out = "0";
  if (comma) {
    for (char& c : out) {
      if (c == '.') c = ',';
    }
  }
  return out;
}

}  // namespace rw
