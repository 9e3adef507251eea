#include "app/monitor_report.h"

#include "app/json_text.h"

#include "info/edid/pnp_makers.h"

#include <cstdio>

namespace rw {
namespace {

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// A scale like 1920 / 1104 keeps six decimals, everything else three.
std::string Number(double value, int decimals = 3) { return ShortNumber(value, decimals); }

std::string Size(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

std::string JsonOptionalString(const std::optional<std::string>& text) {
  return text ? JsonString(*text) : "null";
}

std::string JsonOptionalNumber(const std::optional<double>& value, int decimals) {
  return value ? Fixed(*value, decimals) : "null";
}

std::optional<std::string> NonEmpty(std::string text) {
  if (text.empty()) return std::nullopt;
  return text;
}

std::string Tiles(const EdidTiles& t) {
  return Size(t.columns, t.rows) + " tiles of " + Size(t.tile.width, t.tile.height) + ", this connector's at column " +
         std::to_string(t.column) + ", row " + std::to_string(t.row);
}

std::string ImageSizeText(const EdidInfo& e) {
  if (!e.image_size) return "unknown";
  const std::string size = Size(e.image_size->width_mm, e.image_size->height_mm) + " mm";
  const std::optional<double> diagonal = PanelDiagonalInches(e);
  return diagonal ? size + ", " + Fixed(*diagonal, 1) + " inches diagonal"
                  : size + ", no diagonal: the EDID's sizes disagree";
}

std::string NativeText(const EdidInfo& e) {
  if (!e.native) return "none declared";
  const std::string size = Size(e.native->width, e.native->height);
  return e.native_source == NativeSource::Guessed ? size + " (guessed from the largest timing)" : size;
}

// Text lines of what the EDID says, each "  Label: value\n".
std::string EdidLines(const EdidInfo& e) {
  std::string out;
  const auto line = [&](const char* label, const std::string& value) {
    char head[32];
    std::snprintf(head, sizeof head, "  %-15s ", label);
    out += head + value + "\n";
  };
  const std::string_view maker = MakerName(e.manufacturer_id);
  line("Maker:", e.manufacturer_id.empty() ? "unknown"
                 : maker.empty()            ? e.manufacturer_id
                                            : e.manufacturer_id + " (" + std::string(maker) + ")");
  line("Product code:", std::to_string(e.product_code));
  const std::string serial = SerialText(e);
  line("Serial number:", serial.empty() ? "none" : serial);
  line("Model name:", e.name.value_or("none"));
  line(e.model_year ? "Model year:" : "Year:", std::to_string(e.year));
  line("Image size:", ImageSizeText(e));
  line("Preferred mode:", e.preferred ? Size(e.preferred->width, e.preferred->height) + ", " +
                                            Fixed(e.preferred->refresh_hz, 3) + " Hz"
                                      : "none");
  line("Native mode:", NativeText(e));
  if (e.tiles) line("Tiles:", Tiles(*e.tiles));
  const std::optional<double> ppi = PixelDensity(e);
  line("Pixel density:", ppi ? Fixed(*ppi, 1) + " pixels per inch" : "unknown");
  for (const std::string& warning : e.warnings) line("EDID warning:", warning);
  return out;
}

std::string JsonOptionalInt(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }

std::string TilesJson(const std::optional<EdidTiles>& t) {
  if (!t) return "null";
  return "{\"columns\": " + std::to_string(t->columns) + ", \"rows\": " + std::to_string(t->rows) +
         ", \"column\": " + std::to_string(t->column) + ", \"row\": " + std::to_string(t->row) + "}";
}

std::string EdidJson(const EdidInfo& e) {
  const std::string_view maker = MakerName(e.manufacturer_id);
  const auto native_part = [&](int Resolution::*side) {
    return JsonOptionalInt(e.native ? std::optional<int>((*e.native).*side) : std::nullopt);
  };
  const char* source = e.native_source == NativeSource::Declared  ? "\"declared\""
                       : e.native_source == NativeSource::Guessed ? "\"guessed\""
                                                                  : "null";
  std::string out = "{";
  out += "\"manufacturer_id\": " + JsonOptionalString(NonEmpty(e.manufacturer_id));
  out += ", \"manufacturer_name\": " + JsonOptionalString(NonEmpty(std::string(maker)));
  out += ", \"product_code\": " + std::to_string(e.product_code);
  out += ", \"serial\": " + JsonOptionalString(NonEmpty(SerialText(e)));
  out += ", \"name\": " + JsonOptionalString(e.name);
  out += ", \"year\": " + std::to_string(e.year);
  out += ", \"model_year\": " + std::string(e.model_year ? "true" : "false");
  out += ", \"image_width_mm\": " + (e.image_size ? std::to_string(e.image_size->width_mm) : "null");
  out += ", \"image_height_mm\": " + (e.image_size ? std::to_string(e.image_size->height_mm) : "null");
  out += ", \"diagonal_inches\": " + JsonOptionalNumber(PanelDiagonalInches(e), 1);
  out += ", \"preferred_width\": " + (e.preferred ? std::to_string(e.preferred->width) : "null");
  out += ", \"preferred_height\": " + (e.preferred ? std::to_string(e.preferred->height) : "null");
  out += ", \"preferred_refresh_hz\": " +
         JsonOptionalNumber(e.preferred ? std::optional(e.preferred->refresh_hz) : std::nullopt, 3);
  out += ", \"native_width\": " + native_part(&Resolution::width);
  out += ", \"native_height\": " + native_part(&Resolution::height);
  out += ", \"native_source\": " + std::string(source);
  out += ", \"tiles\": " + TilesJson(e.tiles);
  out += ", \"pixel_density_ppi\": " + JsonOptionalNumber(PixelDensity(e), 1);
  out += ", \"warnings\": [";
  for (std::size_t k = 0; k < e.warnings.size(); ++k) out += (k ? ", " : "") + JsonString(e.warnings[k]);
  return out + "]}";
}

bool SameSize(const MonitorRecord& m, const Resolution& r) {
  return (m.width == r.width && m.height == r.height) || (m.width == r.height && m.height == r.width);
}

}  // namespace

std::optional<bool> RunsNative(const MonitorRecord& m) {
  if (!m.edid || !m.edid->native) return std::nullopt;
  // A tiled panel is native both where one connector runs its tile and
  // where the desktop joins the tiles into the whole panel.
  return SameSize(m, *m.edid->native) || (m.edid->tiles && SameSize(m, m.edid->tiles->tile));
}

std::string NativeVerdict(const MonitorRecord& m) {
  if (!m.edid) return "unknown: no EDID names the panel's native mode";
  const std::optional<bool> native = RunsNative(m);
  if (!native) return "unknown: the EDID declares no native format";
  const bool guessed = m.edid->native_source == NativeSource::Guessed;
  const std::string panel = Size(m.edid->native->width, m.edid->native->height);
  if (*native) return guessed ? "probably native (the EDID names no native mode; guessed from its largest timing)" : "native";
  if (guessed) {
    return "not native: the desktop runs " + Size(m.width, m.height) + ", the panel probably " + panel +
           " (the EDID names no native mode; guessed from its largest timing); line gratings will show scaling, "
           "not the monitor";
  }
  return "not native: the desktop runs " + Size(m.width, m.height) + " on a " + panel +
         " panel; line gratings will show scaling, not the monitor";
}

std::optional<double> PixelDensity(const EdidInfo& e) { return PanelPixelDensity(e); }

std::string MonitorsText(const std::vector<MonitorRecord>& monitors) {
  std::string out;
  for (std::size_t k = 0; k < monitors.size(); ++k) {
    const MonitorRecord& m = monitors[k];
    if (k) out += "\n";
    out += "Monitor " + std::to_string(k) + ": " + m.connector + (m.primary ? " (primary)" : "") + "\n";
    out += "  Position:       " + std::to_string(m.x) + ", " + std::to_string(m.y) + "\n";
    out += "  Mode:           " + Size(m.width, m.height) + ", " +
           (m.refresh_hz > 0 ? Fixed(m.refresh_hz, 3) + " Hz" : std::string("refresh rate unknown")) + ", " +
           (m.depth > 0 ? std::to_string(m.depth) + " bits per pixel" : std::string("depth unknown")) + "\n";
    out += "  Desktop scale:  " + Number(m.scale, 6) + "\n";
    out += m.edid ? EdidLines(*m.edid) : "  EDID:           none could be read\n";
    out += "  Verdict:        " + NativeVerdict(m) + "\n";
  }
  return out;
}

std::string MonitorsJson(const std::vector<MonitorRecord>& monitors) {
  std::string out = "[";
  for (std::size_t k = 0; k < monitors.size(); ++k) {
    const MonitorRecord& m = monitors[k];
    const std::optional<bool> native = RunsNative(m);
    out += k ? ",\n " : "\n ";
    out += "{\"connector\": " + JsonString(m.connector);
    out += ", \"primary\": " + std::string(m.primary ? "true" : "false");
    out += ", \"x\": " + std::to_string(m.x) + ", \"y\": " + std::to_string(m.y);
    out += ", \"width\": " + std::to_string(m.width) + ", \"height\": " + std::to_string(m.height);
    out += ", \"refresh_hz\": " + JsonOptionalNumber(m.refresh_hz > 0 ? std::optional(m.refresh_hz) : std::nullopt, 3);
    out += ", \"depth\": " + (m.depth > 0 ? std::to_string(m.depth) : "null");
    out += ", \"scale\": " + Number(m.scale, 6);
    out += ", \"edid\": " + (m.edid ? EdidJson(*m.edid) : "null");
    out += ", \"native\": " + std::string(!native ? "null" : *native ? "true" : "false");
    out += "}";
  }
  return out + (monitors.empty() ? "]\n" : "\n]\n");
}

}  // namespace rw
