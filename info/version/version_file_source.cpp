#include "info/version/version_file_source.h"

#include "info/version/version_bytes.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rw {

std::unique_ptr<FileByteSource> FileByteSource::Open(const Text& path) {
  return Open(std::filesystem::path(QFile::encodeName(path).toStdString()));
}

std::unique_ptr<FileByteSource> FileByteSource::Open(const std::filesystem::path& path) {
  const std::string& name = path.native();
  // A NUL inside the name would silently cut it short and open another file.
  if (name.empty() || name.find('\0') != std::string::npos) return nullptr;
  // O_NONBLOCK so that a FIFO swapped in after the size check cannot hang open().
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileByteSource>(
      new FileByteSource(fd, static_cast<std::uint64_t>(info.st_size)));
}

FileByteSource::~FileByteSource() { ::close(fd_); }

bool FileByteSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
  if (!RangeFits(offset, out.size(), size_)) return false;
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n =
        ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // error, or the file shrank under us
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace rw
