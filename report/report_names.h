#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace rw {

// A moment as the report gives it: ISO 8601 local time with the UTC offset
// ("2024-05-01T14:03:22+02:00"), and the same for file names
// ("2024-05-01_14-03-22").
struct ReportTime {
  std::string iso;
  std::string file_stamp;
};
ReportTime LocalReportTime(std::time_t moment);

// `text` as one part of a file name: ASCII letters, digits, '.', '+' and
// '-' stay, every other run of bytes (spaces, slashes, control characters,
// anything beyond ASCII) becomes one '-', and '-' and '.' at either end go,
// so that no part is hidden or climbs a folder; at most 40 bytes.
// "unbekannt" when nothing is left.
std::string FileNamePart(std::string_view text);

// "<stamp>_<maker>_<model>_<serial>.html": the stamp as LocalReportTime
// makes it, the other parts cleaned.
std::string ReportFileName(std::string_view stamp, std::string_view maker, std::string_view model,
                           std::string_view serial);

// The JSON file beside an HTML report: its name with the extension
// replaced by ".json" ("R.html" gives "R.json"), or with ".json" added
// where that would name the report itself or it has no extension.
std::filesystem::path JsonPathFor(const std::filesystem::path& html);

// The k-th name to try for a report asked for as `html`: the name itself
// for k = 1, else "-k" before its extension ("R.html", "R-2.html", ...).
std::filesystem::path NumberedName(const std::filesystem::path& html, int k);

// The folder for reports without --report: $XDG_DATA_HOME/rasterwacht/reports
// where that is an absolute path, else $HOME/.local/share/rasterwacht/reports;
// empty when neither is known. Null pointers stand for unset variables.
std::filesystem::path DefaultReportFolder(const char* xdg_data_home, const char* home);

}  // namespace rw
