#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace rw {

// Why a file or block was rejected, and at which byte offset of it. The public
// reader turns every error into the empty text; tests and the fuzzer read these.
struct ParseError {
  std::string what;
  std::uint64_t offset = 0;

  std::string Describe() const { return what + " at byte " + std::to_string(offset); }
};

inline ParseError Fail(std::string what, std::uint64_t offset) {
  return ParseError{std::move(what), offset};
}

// A parsed value or the error that stopped the parse.
template <typename T>
class Parsed {
 public:
  Parsed(T value) : value_(std::move(value)) {}           // NOLINT: implicit by design
  Parsed(ParseError error) : error_(std::move(error)) {}  // NOLINT: implicit by design

  bool ok() const { return value_.has_value(); }
  const T& value() const { return *value_; }
  T& value() { return *value_; }
  const ParseError& error() const { return error_; }

 private:
  std::optional<T> value_;
  ParseError error_;
};

}  // namespace rw
