#include "info/tree_search.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <chrono>
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

// What one search may spend before it counts as not found: it runs on the
// only thread, ahead of a message box the user waits for.
struct Budget {
  std::uint64_t entries_left;
  std::chrono::steady_clock::time_point deadline;

  // Spends one entry (a folder opened counts as one more); false once spent.
  bool Spend() {
    if (entries_left == 0 || std::chrono::steady_clock::now() >= deadline) return false;
    --entries_left;
    return true;
  }
};

enum class Outcome { Found, NotHere, OutOfBudget };

Outcome SearchFolder(const fs::path& folder, const fs::path& name, int depth, Budget& budget, fs::path& found) {
  if (!budget.Spend()) return Outcome::OutOfBudget;
  std::error_code error;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
  if (error) return Outcome::NotHere;  // unreadable: skipped
  std::vector<fs::path> subfolders;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) break;
    if (!budget.Spend()) return Outcome::OutOfBudget;
    const fs::directory_entry& entry = *it;
    std::error_code kind_error;
    // symlink_status: a link to a folder is a link, never a folder to enter.
    const fs::file_status status = entry.symlink_status(kind_error);
    if (kind_error) continue;
    if (fs::is_directory(status)) {
      subfolders.push_back(entry.path());
    } else if (entry.path().filename() == name) {
      found = entry.path();
      return Outcome::Found;
    }
  }
  if (depth >= kMaxDepth) return Outcome::NotHere;
  std::sort(subfolders.begin(), subfolders.end());
  for (const fs::path& subfolder : subfolders) {
    const Outcome outcome = SearchFolder(subfolder, name, depth + 1, budget, found);
    if (outcome != Outcome::NotHere) return outcome;
  }
  return Outcome::NotHere;
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
  for (const QString& part : parts) base /= QFile::encodeName(part).toStdString();
  return base;
}

std::optional<fs::path> FindFirstBelow(const fs::path& root, const Text& name, const SearchLimits& limits) {
  if (name.isEmpty()) return std::nullopt;
  // The root itself must be a folder, not a link to one: a link could lead
  // anywhere, up to the whole file system. Links on the way to it (Wine's
  // drive links) are fine.
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(root, error))) return std::nullopt;
  Budget budget{limits.entries, std::chrono::steady_clock::now() + limits.time};
  fs::path found;
  const fs::path wanted = QFile::encodeName(name).toStdString();
  if (SearchFolder(root, wanted, 0, budget, found) != Outcome::Found) return std::nullopt;
  return found;
}

Text PathText(const fs::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.native())); }

bool SearchTreeForFile(const Text& root, const Text& name, fs::path& buffer) {
  const std::optional<fs::path> local_root = LocalPathOf(root);
  if (!local_root) return false;
  const std::optional<fs::path> found = FindFirstBelow(*local_root, name);
  if (!found) return false;
  if (PathText(*found).size() > PathText(buffer).size()) return false;
  buffer = *found;
  return true;
}

}  // namespace rw
