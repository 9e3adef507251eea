#pragma once

#include <filesystem>
#include <string>

namespace rw {

// The report as the check stands, kept so that the answers survive a
// display that goes away mid-check: the display's last words then write it
// to `path` (its JSON on standard output where that fails).
void KeepForRescue(const std::filesystem::path& path, bool create_folder, std::string html, std::string json);

// The report no longer needs rescuing (it was written or printed).
void ForgetRescue();

// Writes what is kept, once; what the last words do.
void WriteRescue();

// Prints `json` on standard output, the answers' last resort; a closed
// output loses them but does not end the program.
void PrintLastResort(const std::string& json);

}  // namespace rw
