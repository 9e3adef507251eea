#pragma once

#include "platform/base/text.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace rw {

// Where a Windows path ("X:\a\b") lies on this machine, laid out as Wine lays
// out drives: below the folder that $WINEPREFIX/dosdevices/x: names
// ($HOME/.wine without WINEPREFIX), with "Z:" falling back to "/" when the
// prefix has no such folder. Nothing for a path without a drive letter or a
// drive without a folder.
std::optional<std::filesystem::path> LocalPathOf(const Text& windows_path);

// What a search may spend before it gives up and counts as not found.
struct SearchLimits {
  std::uint64_t entries = 20'000;  // folder entries looked at, folders opened
  std::chrono::milliseconds time{250};
};

// The first file called `name` at or below the folder `root`, depth first:
// the folder's own entries first, then its subfolders in name order. Names
// compare as the file system compares them (exactly); symbolic links are
// never followed, the root included (a root that is a link has no tree),
// and unreadable folders are skipped. Nothing when `root` is no folder,
// holds no such file, or the search runs out of `limits` first.
std::optional<std::filesystem::path> FindFirstBelow(const std::filesystem::path& root, const Text& name,
                                                    const SearchLimits& limits = {});

// A path as a text for people to read; bytes that are no valid UTF-8 show as
// replacement characters.
Text PathText(const std::filesystem::path& path);

// Searches the tree below the Windows path `root` for `name`; on success
// writes the full path into `buffer` and returns true. Paths stay bytes, as
// the file system gives them. A path with more characters than the buffer
// does not fit and counts as not found; the buffer then stays.
bool SearchTreeForFile(const Text& root, const Text& name, std::filesystem::path& buffer);

}  // namespace rw
