#include "info/edid/pnp_makers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rw {
namespace {

// Sorted by id, for the binary search.
constexpr std::array<std::pair<std::string_view, std::string_view>, 50> kMakers = {{
    {"ACI", "ASUS"},
    {"ACR", "Acer"},
    {"AOC", "AOC"},
    {"APP", "Apple"},
    {"AUO", "AU Optronics"},
    {"AUS", "ASUS"},
    {"BBY", "Insignia"},
    {"BNQ", "BenQ"},
    {"BOE", "BOE"},
    {"CMN", "Chimei Innolux"},
    {"CMO", "Chi Mei Optoelectronics"},
    {"CPQ", "Compaq"},
    {"CSO", "CSOT"},
    {"CTX", "CTX"},
    {"DEL", "Dell"},
    {"EIZ", "EIZO"},
    {"ENC", "EIZO"},
    {"FUS", "Fujitsu Siemens"},
    {"GBT", "Gigabyte"},
    {"GSM", "LG Electronics"},
    {"GWY", "Gateway"},
    {"HEI", "Hyundai"},
    {"HIQ", "Hyundai ImageQuest"},
    {"HPN", "HP"},
    {"HSD", "HannStar"},
    {"HWP", "HP"},
    {"IVM", "iiyama"},
    {"IVO", "InfoVision"},
    {"LEN", "Lenovo"},
    {"LGD", "LG Display"},
    {"LPL", "LG Philips"},
    {"MEI", "Panasonic"},
    {"MSI", "MSI"},
    {"MST", "MStar"},
    {"NCP", "Nanjing CEC Panda"},
    {"NEC", "NEC"},
    {"PHL", "Philips"},
    {"QDS", "Quanta Display"},
    {"SAM", "Samsung"},
    {"SDC", "Samsung Display"},
    {"SEC", "Seiko Epson"},
    {"SHP", "Sharp"},
    {"SNY", "Sony"},
    {"SPT", "Sceptre"},
    {"STN", "Samsung"},
    {"TCL", "TCL"},
    {"TSB", "Toshiba"},
    {"VIZ", "Vizio"},
    {"VSC", "ViewSonic"},
    {"XMI", "Xiaomi"},
}};
static_assert(std::is_sorted(kMakers.begin(), kMakers.end()));

}  // namespace

std::string_view MakerName(std::string_view pnp_id) {
  const auto at = std::lower_bound(kMakers.begin(), kMakers.end(), pnp_id,
                                   [](const auto& entry, std::string_view id) { return entry.first < id; });
  if (at == kMakers.end() || at->first != pnp_id) return {};
  return at->second;
}

}  // namespace rw
