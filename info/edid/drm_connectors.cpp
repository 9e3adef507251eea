#include "info/edid/drm_connectors.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace rw {
namespace {

// 255 extension blocks after the base block is the most an EDID can have.
constexpr std::size_t kMaxEdidBytes = 256 * 128;

std::vector<std::uint8_t> ReadAtMost(const std::filesystem::path& path, std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes(limit);
  if (!in) return {};
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

// The first line of a small text file.
std::string ReadWord(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = ReadAtMost(path, 64);
  std::string word(bytes.begin(), bytes.end());
  return word.substr(0, word.find('\n'));
}

// "card0-DP-1" gives "DP-1"; folders of cards themselves ("card0") and
// anything else give nothing.
std::optional<std::string> ConnectorName(const std::string& folder) {
  if (folder.rfind("card", 0) != 0) return std::nullopt;
  std::size_t at = 4;
  while (at < folder.size() && std::isdigit(static_cast<unsigned char>(folder[at]))) ++at;
  if (at == 4 || at + 1 >= folder.size() || folder[at] != '-') return std::nullopt;
  return folder.substr(at + 1);
}

}  // namespace

std::string DrmFolder() {
  const char* chosen = std::getenv("RASTERWACHT_DRM_DIR");
  return chosen && *chosen ? chosen : "/sys/class/drm";
}

std::vector<DrmConnector> ReadDrmConnectors(const std::string& folder) {
  std::vector<DrmConnector> connectors;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return connectors;
  for (const auto& entry : it) {
    const std::string folder_name = entry.path().filename().string();
    const std::optional<std::string> name = ConnectorName(folder_name);
    if (!name || !entry.is_directory(error)) continue;
    DrmConnector c;
    c.folder = folder_name;
    c.name = *name;
    c.connected = ReadWord(entry.path() / "status") == "connected";
    c.enabled = ReadWord(entry.path() / "enabled") == "enabled";
    c.edid = ReadAtMost(entry.path() / "edid", kMaxEdidBytes);
    connectors.push_back(std::move(c));
  }
  std::sort(connectors.begin(), connectors.end(),
            [](const DrmConnector& a, const DrmConnector& b) { return a.folder < b.folder; });
  return connectors;
}

}  // namespace rw
