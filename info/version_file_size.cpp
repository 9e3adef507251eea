#include "info/version_file_size.h"

#include <QFile>

#include <sys/stat.h>

namespace rw {

namespace {

constexpr std::int64_t kMissing = -1;
constexpr std::int64_t kDirectory = -2;

bool IsSeparator(QChar c) { return c == u'/' || c == u'\\'; }

}  // namespace

std::int64_t FileSize(const Text& path) {
  if (path.isEmpty() || path.contains(QChar(u'\0'))) return kMissing;
  qsizetype end = path.size();
  while (end > 0 && IsSeparator(path[end - 1])) --end;
  // Nothing but separators names the root, the nearest thing to a bare drive.
  const Text name = end == 0 ? Text(u"/"_qs) : path.left(end);
  struct stat info {};
  if (::stat(QFile::encodeName(name).constData(), &info) != 0) return kMissing;
  if (S_ISDIR(info.st_mode)) return kDirectory;
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace rw
