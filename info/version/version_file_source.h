#pragma once

#include "info/version/version_byte_source.h"
#include "platform/base/text.h"

#include <filesystem>
#include <memory>

namespace rw {

// A read-only regular file, read with positioned reads. Anything that is not a
// regular file (directory, pipe, device) does not open, so no read can block.
class FileByteSource final : public ByteSource {
 public:
  // The opened file, or null when path names no readable regular file.
  static std::unique_ptr<FileByteSource> Open(const Text& path);
  static std::unique_ptr<FileByteSource> Open(const std::filesystem::path& path);
  ~FileByteSource() override;
  FileByteSource(const FileByteSource&) = delete;
  FileByteSource& operator=(const FileByteSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const override;

 private:
  FileByteSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  int fd_;
  std::uint64_t size_;
};

}  // namespace rw
