#pragma once

#include <cstdint>
#include <span>

namespace rw {

// Random access to the bytes of a file or a buffer. The version locators read
// only through this, a header or a bounded table at a time, so a huge file is
// never read whole.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Fills out from offset; false when any of it lies past the end or the read fails.
  virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const = 0;
};

// A source over bytes the caller keeps alive.
class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace rw
