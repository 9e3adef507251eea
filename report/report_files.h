#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rw {

// Where a report went, or why it could not be written.
struct SaveOutcome {
  bool saved = false;
  std::filesystem::path html_path;  // the names chosen; on failure the ones asked for
  std::filesystem::path json_path;
  std::string reason;  // German, for the message box; empty when saved
};

// Writes the HTML report under the name `wanted` and the JSON beside it
// (JsonPathFor), each through a temporary file in the same folder that is
// renamed into place only when complete. Never replaces a file: where the
// name or its JSON name is taken, the next NumberedName is tried whose two
// names are both free. `create_folder` makes missing folders first (mode
// 0700). On failure nothing of this call stays behind.
SaveOutcome SaveReport(const std::filesystem::path& wanted, std::string_view html, std::string_view json,
                       bool create_folder);

// German words for why a file operation failed with `error` (an errno value).
std::string FileErrorText(int error);

}  // namespace rw
