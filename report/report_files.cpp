#include "report/report_files.h"

#include "report/report_names.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rw {
namespace {

// How many numbered names are tried before giving up.
constexpr int kMostNames = 9999;

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// Makes `folder` and every missing folder above it; 0 or an errno value.
int MakeFolders(const std::filesystem::path& folder) {
  std::filesystem::path partial;
  for (const std::filesystem::path& part : folder) {
    partial /= part;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  }
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0) return errno;
  return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

// A temporary file in `folder` holding `data`, flushed to the disk; its path,
// or nullopt with `error` set (nothing left behind).
std::optional<std::filesystem::path> WriteTemporary(const std::filesystem::path& folder, std::string_view data,
                                                    int& error) {
  std::string name = (folder / ".rasterwacht-report-XXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) {
    error = errno;
    return std::nullopt;
  }
  // mkstemp makes the file private; a report is an ordinary document.
  const mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  std::size_t written = 0;
  error = 0;
  while (written < data.size()) {
    const ssize_t n = write(fd, data.data() + written, data.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error != 0) {
    unlink(name.c_str());
    return std::nullopt;
  }
  return std::filesystem::path(name);
}

bool Exists(const std::filesystem::path& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// Moves `from` to `to` unless `to` exists; 0, EEXIST or another errno value.
int MoveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
  // File systems without that rename: a hard link refuses an existing name
  // as well.
  if (link(from.c_str(), to.c_str()) == 0) {
    unlink(from.c_str());
    return 0;
  }
  if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) return errno;
  // Nor links (FAT): the check and the rename are two steps there.
  if (Exists(to)) return EEXIST;
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

SaveOutcome Failure(const std::filesystem::path& wanted, int error) {
  SaveOutcome outcome;
  outcome.html_path = wanted;
  outcome.json_path = JsonPathFor(wanted);
  outcome.reason = FileErrorText(error);
  return outcome;
}

}  // namespace

std::string FileErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return "keine Schreibberechtigung für den Ordner";
    case EROFS: return "das Dateisystem ist nur lesbar eingehängt";
    case ENOSPC: return "kein Platz mehr auf dem Datenträger";
    case EDQUOT: return "das Speicherkontingent ist erschöpft";
    case ENOENT: return "der Ordner existiert nicht";
    case ENOTDIR: return "ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "der Name ist ein Ordner";
    case ENAMETOOLONG: return "der Name ist zu lang";
    case EEXIST: return "kein freier Dateiname mehr";
    case EIO: return "Ein-/Ausgabefehler des Datenträgers";
    default: return "Systemfehler " + std::to_string(error) + " (" + std::strerror(error) + ")";
  }
}

SaveOutcome SaveReport(const std::filesystem::path& wanted, std::string_view html, std::string_view json,
                       bool create_folder) {
  const std::filesystem::path folder = FolderOf(wanted);
  if (wanted.filename().empty()) return Failure(wanted, EISDIR);
  if (create_folder) {
    if (const int error = MakeFolders(folder)) return Failure(wanted, error);
  }
  int error = 0;
  const std::optional<std::filesystem::path> html_temp = WriteTemporary(folder, html, error);
  if (!html_temp) return Failure(wanted, error);
  const std::optional<std::filesystem::path> json_temp = WriteTemporary(folder, json, error);
  if (!json_temp) {
    unlink(html_temp->c_str());
    return Failure(wanted, error);
  }
  error = EEXIST;
  for (int k = 1; k <= kMostNames && error == EEXIST; ++k) {
    const std::filesystem::path html_path = NumberedName(wanted, k);
    const std::filesystem::path json_path = JsonPathFor(html_path);
    if (Exists(html_path) || Exists(json_path)) continue;
    error = MoveWithoutReplacing(*json_temp, json_path);
    if (error != 0) continue;
    error = MoveWithoutReplacing(*html_temp, html_path);
    if (error == 0) {
      SyncFolder(folder);
      SaveOutcome outcome;
      outcome.saved = true;
      outcome.html_path = html_path;
      outcome.json_path = json_path;
      return outcome;
    }
    // The HTML name was taken meanwhile: the JSON goes back to wait.
    std::rename(json_path.c_str(), json_temp->c_str());
  }
  unlink(html_temp->c_str());
  unlink(json_temp->c_str());
  return Failure(wanted, error);
}

}  // namespace rw
