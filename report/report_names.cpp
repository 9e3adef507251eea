#include "report/report_names.h"

namespace rw {
namespace {

constexpr std::size_t kPartBytes = 40;

bool KeptInName(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '+' ||
         c == '-';
}

std::string Trimmed(std::string text) {
  const auto end_char = [](char c) { return c == '-' || c == '.'; };
  while (!text.empty() && end_char(text.back())) text.pop_back();
  std::size_t first = 0;
  while (first < text.size() && end_char(text[first])) ++first;
  return text.substr(first);
}

}  // namespace

ReportTime LocalReportTime(std::time_t moment) {
  std::tm local{};
  localtime_r(&moment, &local);
  char date[32], stamp[32], offset[8];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  std::strftime(offset, sizeof offset, "%z", &local);
  // %z gives "+0200"; ISO 8601's extended form wants "+02:00".
  std::string zone = offset;
  if (zone.size() == 5) zone.insert(3, ":");
  return {std::string(date) + zone, stamp};
}

std::string FileNamePart(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (KeptInName(c)) {
      out += c;
    } else if (out.empty() || out.back() != '-') {
      out += '-';
    }
  }
  out = Trimmed(std::move(out));
  if (out.size() > kPartBytes) out = Trimmed(out.substr(0, kPartBytes));
  return out.empty() ? "unbekannt" : out;
}

std::string ReportFileName(std::string_view stamp, std::string_view maker, std::string_view model,
                           std::string_view serial) {
  return std::string(stamp) + "_" + FileNamePart(maker) + "_" + FileNamePart(model) + "_" + FileNamePart(serial) +
         ".html";
}

std::filesystem::path JsonPathFor(const std::filesystem::path& html) {
  std::filesystem::path json = html;
  if (!html.has_extension() || html.extension() == ".json") return json += ".json";
  return json.replace_extension(".json");
}

std::filesystem::path NumberedName(const std::filesystem::path& html, int k) {
  if (k <= 1) return html;
  std::filesystem::path name = html.parent_path() / html.stem();
  name += "-" + std::to_string(k);
  name += html.extension();
  return name;
}

std::filesystem::path DefaultReportFolder(const char* xdg_data_home, const char* home) {
  std::filesystem::path base;
  if (xdg_data_home && std::filesystem::path(xdg_data_home).is_absolute()) {
    base = xdg_data_home;
  } else if (home && *home) {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return base / "rasterwacht" / "reports";
}

}  // namespace rw
