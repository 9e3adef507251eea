#include "info/edid/monitor_edid_match.h"

#include "info/edid/edid_parse.h"
#include "info/edid/pnp_makers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace rw {
namespace {

std::string Folded(std::string_view text) {
  std::string out;
  for (char c : text) out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool MakerMatches(const EdidInfo& edid, const std::string& maker) {
  const std::string m = Folded(maker);
  if (m.empty()) return false;
  if (m == Folded(edid.manufacturer_id)) return true;
  // "Dell Inc." for DEL, "Samsung Electric Company" for SAM.
  const std::string name = Folded(MakerName(edid.manufacturer_id));
  return !name.empty() && m.rfind(name, 0) == 0;
}

bool ModelMatches(const EdidInfo& edid, const std::string& model) {
  const std::string m = Folded(model);
  if (edid.name && m == Folded(*edid.name)) return true;
  char hex[8];
  std::snprintf(hex, sizeof hex, "%04x", edid.product_code);
  return m == std::to_string(edid.product_code) || m == hex || m == std::string("0x") + hex;
}

bool SerialMatches(const EdidInfo& edid, const std::string& serial) {
  const std::string s = Folded(serial);
  return s == Folded(SerialText(edid)) || (edid.serial_number != 0 && s == std::to_string(edid.serial_number));
}

}  // namespace

int MatchDrmConnector(const std::vector<DrmConnector>& connectors, const ScreenIdentity& screen) {
  for (std::size_t k = 0; k < connectors.size(); ++k) {
    const DrmConnector& c = connectors[k];
    if (c.connected && c.name == screen.connector && ParseEdid(c.edid).ok()) return static_cast<int>(k);
  }
  if (screen.model.empty() && screen.serial.empty()) return -1;
  int found = -1;
  for (std::size_t k = 0; k < connectors.size(); ++k) {
    const DrmConnector& c = connectors[k];
    if (!c.connected) continue;
    const Parsed<EdidInfo> edid = ParseEdid(c.edid);
    if (!edid.ok() || !MakerMatches(edid.value(), screen.maker)) continue;
    if (!screen.model.empty() && !ModelMatches(edid.value(), screen.model)) continue;
    if (!screen.serial.empty() && !SerialMatches(edid.value(), screen.serial)) continue;
    if (found >= 0) return -1;  // two alike: no telling which is which
    found = static_cast<int>(k);
  }
  return found;
}

}  // namespace rw
