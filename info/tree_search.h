#pragma once

#include "platform/text.h"

#include <filesystem>
#include <optional>

namespace rw {

// Where a Windows path ("X:\a\b") lies on this machine, laid out as Wine lays
// out drives: below the folder that $WINEPREFIX/dosdevices/x: names
// ($HOME/.wine without WINEPREFIX), with "Z:" falling back to "/" when the
// prefix has no such folder. Nothing for a path without a drive letter or a
// drive without a folder.
std::optional<std::filesystem::path> LocalPathOf(const Text& windows_path);

// The first file called `name` at or below the folder `root`, depth first:
// the folder's own entries first, then its subfolders in name order. Names
// compare as the file system compares them (exactly); symbolic links to
// folders are not followed and unreadable folders are skipped. Nothing when
// `root` is no folder or holds no such file.
std::optional<std::filesystem::path> FindFirstBelow(const std::filesystem::path& root, const Text& name);

// Searches the tree below the Windows path `root` for `name`; on success
// writes the full path into `buffer` and returns true. A path longer than
// the buffer does not fit and counts as not found; the buffer then stays.
bool SearchTreeForFile(const Text& root, const Text& name, Text& buffer);

}  // namespace rw
