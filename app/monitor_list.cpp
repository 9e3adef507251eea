#include "app/monitor_list.h"

#include "info/edid/edid_parse.h"

#include <algorithm>

namespace rw {

std::vector<MonitorRecord> MonitorRecordsFrom(const std::vector<ScreenReport>& screens,
                                              const std::vector<DrmConnector>& connectors) {
  std::vector<MonitorRecord> records;
  for (const ScreenReport& s : screens) {
    MonitorRecord r;
    static_cast<MonitorPlacement&>(r) = s;
    r.connector = s.identity.connector;
    const std::vector<std::uint8_t>* bytes = &s.edid;
    Parsed<EdidInfo> edid = ParseEdid(*bytes);
    if (!edid.ok()) {
      if (const int k = MatchDrmConnector(connectors, s.identity); k >= 0) {
        bytes = &connectors[static_cast<std::size_t>(k)].edid;
        edid = ParseEdid(*bytes);
      }
    }
    if (edid.ok()) {
      r.edid = std::move(edid.value());
      r.edid_bytes = *bytes;
    }
    records.push_back(std::move(r));
  }
  // A desktop where none is marked primary (X11 without a primary output)
  // treats its first monitor as the primary one.
  const bool any_primary = std::any_of(records.begin(), records.end(), [](const MonitorRecord& r) { return r.primary; });
  if (!any_primary && !records.empty()) records.front().primary = true;
  std::stable_partition(records.begin(), records.end(), [](const MonitorRecord& r) { return r.primary; });
  return records;
}

}  // namespace rw
