#include "info/tree_search.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace rw {
namespace {

// Deeper trees than this are not searched: a bound against pathological
// (bind-mounted) folder structures that link-following alone cannot see.
constexpr int kMaxDepth = 64;

fs::path WinePrefix() {
  if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return prefix;
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/") / ".wine";
}

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::optional<fs::path> SearchFolder(const fs::path& folder, const fs::path& name, int depth) {
  std::error_code error;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  if (error) return std::nullopt;  // unreadable: skipped
  std::vector<fs::path> subfolders;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    const fs::directory_entry& entry = *it;
    std::error_code kind_error;
    // symlink_status: a link to a folder is a link, never a folder to enter.
    const fs::file_status status = entry.symlink_status(kind_error);
    if (kind_error) continue;
    if (fs::is_directory(status)) {
      subfolders.push_back(entry.path());
    } else if (entry.path().filename() == name) {
      return entry.path();
    }
  }
  if (depth >= kMaxDepth) return std::nullopt;
  std::sort(subfolders.begin(), subfolders.end());
  for (const fs::path& subfolder : subfolders) {
    if (auto found = SearchFolder(subfolder, name, depth + 1)) return found;
  }
  return std::nullopt;
}

}  // namespace

std::optional<fs::path> LocalPathOf(const Text& windows_path) {
  if (windows_path.size() < 2 || windows_path[1] != u':' || !windows_path[0].isLetter()) return std::nullopt;
  const QChar drive = windows_path[0].toLower();
  const fs::path device = WinePrefix() / "dosdevices" / (QString(drive) + u':').toStdString();
  fs::path base;
  if (IsFolder(device)) {
    base = device;
  } else if (drive == u'z') {
    base = "/";
  } else {
    return std::nullopt;
  }
  const QStringList parts = windows_path.mid(2).split(u'\\', Qt::SkipEmptyParts);
  for (const QString& part : parts) base /= part.toStdString();
  return base;
}

std::optional<fs::path> FindFirstBelow(const fs::path& root, const Text& name) {
  if (name.isEmpty() || !IsFolder(root)) return std::nullopt;
  return SearchFolder(root, fs::path(name.toStdString()), 0);
}

bool SearchTreeForFile(const Text& root, const Text& name, Text& buffer) {
  const std::optional<fs::path> local_root = LocalPathOf(root);
  if (!local_root) return false;
  const std::optional<fs::path> found = FindFirstBelow(*local_root, name);
  if (!found) return false;
  const Text path = QString::fromStdString(found->string());
  if (path.size() > buffer.size()) return false;
  buffer = path;
  return true;
}

}  // namespace rw
