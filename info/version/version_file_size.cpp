#include "info/version/version_file_size.h"

#include <QFile>

#include <sys/stat.h>

namespace rw {

namespace {

constexpr std::int64_t kMissing = -1;
constexpr std::int64_t kDirectory = -2;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

std::int64_t FileSize(const Text& path) {
  return FileSize(std::filesystem::path(QFile::encodeName(path).toStdString()));
}

std::int64_t FileSize(const std::filesystem::path& path) {
  const std::string& bytes = path.native();
  // A NUL inside the name would silently cut it short and name another file.
  if (bytes.empty() || bytes.find('\0') != std::string::npos) return kMissing;
  std::size_t end = bytes.size();
  while (end > 0 && IsSeparator(bytes[end - 1])) --end;
  // Nothing but separators names the root, the nearest thing to a bare drive.
  const std::string name = end == 0 ? std::string("/") : bytes.substr(0, end);
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) return kMissing;
  if (S_ISDIR(info.st_mode)) return kDirectory;
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace rw
