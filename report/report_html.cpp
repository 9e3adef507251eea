#include "report/report_html.h"

#include "report/report_text.h"

#include <cmath>

namespace rw {
namespace {

constexpr std::string_view kStyle = R"(@page { size: A4; margin: 14mm 12mm; }
body { font-family: "Liberation Sans", Arial, Helvetica, sans-serif; font-size: 10pt; color: #000;
       background: #fff; max-width: 186mm; margin: 8mm auto; }
h1 { font-size: 16pt; margin: 0 0 2mm; }
h2 { font-size: 12pt; margin: 6mm 0 2mm; border-bottom: 0.3mm solid #000; }
p { margin: 1mm 0; }
table { border-collapse: collapse; width: 100%; }
th, td { text-align: left; vertical-align: top; padding: 1mm 1.5mm; border-bottom: 0.2mm solid #aaa; }
table.facts th { width: 48mm; font-weight: normal; color: #333; }
table.steps thead { display: table-header-group; }
table.steps tr { break-inside: avoid; page-break-inside: avoid; }
table.steps td.number, table.steps td.time { white-space: nowrap; }
table.steps td.thumbnail { width: 33mm; }
table.steps td.answer { width: 19mm; }
table.steps td.reading { width: 17mm; }
table.steps td.note { width: 38mm; }
.thumb { width: 32mm; height: auto; border: 0.2mm solid #888; display: block; }
.look { color: #333; font-size: 8.5pt; }
.id { color: #555; font-size: 8pt; }
.note { white-space: pre-wrap; overflow-wrap: anywhere; }
tr.passed td.answer { color: #005a00; }
tr.failed td.answer { color: #a00000; font-weight: bold; }
tr.not_judged td.answer, tr.not_reached td.answer { color: #555; }
.totals { font-size: 11pt; border: 0.3mm solid #000; padding: 2mm 3mm; margin: 3mm 0; }
pre { font-size: 7.5pt; white-space: pre-wrap; overflow-wrap: anywhere; margin: 0; }
@media print { body { margin: 0; max-width: none; } })";

// "2024-05-01T14:03:22+02:00" as "01.05.2024, 14:03:22 (UTC+02:00)"; any
// other text as it is.
std::string GermanDateTime(const std::string& iso) {
  if (iso.size() != 25 || iso[4] != '-' || iso[7] != '-' || iso[10] != 'T') return iso;
  return iso.substr(8, 2) + "." + iso.substr(5, 2) + "." + iso.substr(0, 4) + ", " + iso.substr(11, 8) + " (UTC" +
         iso.substr(19) + ")";
}

std::string Or(const std::optional<std::string>& value, std::string_view otherwise) {
  return value ? *value : std::string(otherwise);
}

std::string Size(int width, int height) { return std::to_string(width) + " × " + std::to_string(height); }

// One row of a table of facts; `id` names the cell for readers of the file.
std::string Fact(std::string_view id, std::string_view label, std::string_view value) {
  return "<tr><th>" + HtmlText(label) + "</th><td id=\"" + std::string(id) + "\">" + HtmlText(value) +
         "</td></tr>\n";
}

std::string MakerText(const ReportMonitor& m) {
  if (!m.manufacturer_id) return "unbekannt";
  return m.manufacturer_name ? *m.manufacturer_id + " (" + *m.manufacturer_name + ")" : *m.manufacturer_id;
}

std::string ImageSizeText(const ReportMonitor& m) {
  if (!m.image_width_mm || !m.image_height_mm) return "unbekannt";
  std::string text = Size(*m.image_width_mm, *m.image_height_mm) + " mm";
  if (m.diagonal_inches) text += ", " + DecimalText(*m.diagonal_inches, 1, true) + " Zoll Diagonale";
  return text;
}

std::string NativeText(const ReportMonitor& m) {
  if (!m.native_width || !m.native_height) return "keine angegeben";
  return Size(*m.native_width, *m.native_height) + (m.native_source == "guessed" ? " (geschätzt)" : "");
}

std::string MonitorFacts(const ReportMonitor& m) {
  std::string out = "<table class=\"facts\">\n";
  out += Fact("monitor-connector", "Anschluss", m.connector);
  out += Fact("monitor-maker", "Hersteller", MakerText(m));
  out += Fact("monitor-model", "Modell", Or(m.model_name, "keine Angabe"));
  out += Fact("monitor-product-code", "Produktcode", m.product_code ? std::to_string(*m.product_code) : "keine Angabe");
  out += Fact("monitor-serial", "Seriennummer", Or(m.serial, "keine"));
  out += Fact("monitor-serial-text", "Seriennummer (Text der EDID)", Or(m.serial_text, "keiner"));
  out += Fact("monitor-serial-number", "Seriennummer (Zahl der EDID)",
              m.serial_number ? std::to_string(*m.serial_number) : "keine");
  out += Fact("monitor-year", m.model_year ? "Modelljahr" : "Baujahr", m.year ? std::to_string(*m.year) : "unbekannt");
  out += Fact("monitor-image-size", "Bildgröße", ImageSizeText(m));
  out += Fact("monitor-native", "Native Auflösung", NativeText(m));
  std::string warnings;
  for (const std::string& warning : m.warnings) warnings += (warnings.empty() ? "" : "\n") + warning;
  out += Fact("monitor-warnings", "Warnungen der EDID", warnings.empty() ? "keine" : warnings);
  return out + "</table>\n";
}

std::string ModeText(const ReportDesktop& d) {
  std::string text = Size(d.width, d.height);
  if (d.refresh_hz) text += ", " + DecimalText(*d.refresh_hz, 3, true) + " Hz";
  return text;
}

std::string DesktopFacts(const ReportDesktop& d) {
  std::string out = "<table class=\"facts\">\n";
  out += Fact("desktop-window-system", "Fenstersystem", d.window_system);
  out += Fact("desktop-compositor", "Fenstermanager oder Compositor", Or(d.compositor, "unbekannt"));
  out += Fact("desktop-mode", "Modus", ModeText(d));
  out += Fact("desktop-scale", "Skalierung", DecimalText(d.scale * 100, 1, true) + " %");
  out += Fact("desktop-native", "Native Auflösung", d.native_verdict_de);
  out += Fact("desktop-version", "Programmversion", d.program_version);
  out += Fact("desktop-date-time", "Datum und Uhrzeit", GermanDateTime(d.date_time));
  if (d.operator_name) out += Fact("desktop-operator", "Prüfer", *d.operator_name);
  return out + "</table>\n";
}

std::string TimeSourceText(const std::string& source) {
  if (source == "hardware") return "Hardware";
  if (source == "compositor") return "Compositor";
  if (source == "timer") return "Zeitgeber des Programms";
  return source;
}

std::string MotionText(const MotionFigures& f) {
  std::string text = "Gemessen: ";
  text += f.measured_hz > 0 ? DecimalText(f.measured_hz, 3, true) + " Hz" : "keine Rate";
  if (f.nominal_hz > 0) text += " (Nennwert " + DecimalText(f.nominal_hz, 3, true) + " Hz)";
  text += ", " + std::to_string(f.frames) + " Bilder, " + std::to_string(f.missed) + " verpasst, " +
          std::to_string(f.discarded) + " verworfen, Zeitquelle: " + TimeSourceText(f.time_source);
  return text;
}

std::string StepRow(const ReportStep& s, std::size_t number) {
  std::string out = "<tr class=\"step " + AnswerCode(s.answer) + "\" id=\"step-" + std::to_string(number) +
                    "\" data-id=\"" + HtmlText(s.id) + "\">";
  out += "<td class=\"number\">" + std::to_string(number) + "</td>";
  out += "<td class=\"thumbnail\">";
  if (!s.thumbnail_png.empty()) {
    out += "<img class=\"thumb\" alt=\"Vorschau: " + HtmlText(s.name) + "\" src=\"data:image/png;base64," +
           Base64(s.thumbnail_png) + "\">";
  }
  out += "</td>";
  out += "<td class=\"image\"><div class=\"name\">" + HtmlText(s.name) + "</div><div class=\"id\">" + HtmlText(s.id) +
         "</div><div class=\"look\">" + HtmlText(s.look_for) + "</div>";
  if (s.motion) out += "<div class=\"motion\">" + HtmlText(MotionText(*s.motion)) + "</div>";
  out += "</td>";
  out += "<td class=\"answer\">" + HtmlText(AnswerText(s.answer)) + "</td>";
  out += "<td class=\"reading\">" + HtmlText(ReadingText(s).value_or("")) + "</td>";
  out += "<td class=\"note\">" + HtmlText(s.note) + "</td>";
  const std::string seconds = DecimalText(std::round(static_cast<double>(s.shown_ms) / 100.0) / 10.0, 1, true);
  out += "<td class=\"time\">" + (s.answer == Answer::NotReached ? std::string() : seconds + " s") + "</td>";
  return out + "</tr>\n";
}

std::string EdidHex(const std::vector<std::uint8_t>& edid) {
  std::string out;
  for (std::size_t k = 0; k < edid.size(); ++k) {
    out += HexBytes(std::span(&edid[k], 1));
    out += (k + 1) % 16 == 0 || k + 1 == edid.size() ? "\n" : " ";
  }
  return out;
}

std::string Headline(const CheckRecord& r) {
  std::string monitor = r.monitor.model_name.value_or(r.monitor.connector);
  if (r.monitor.manufacturer_id) monitor = *r.monitor.manufacturer_id + " " + monitor;
  return monitor;
}

}  // namespace

std::string ReportHtml(const CheckRecord& record) {
  const ReportTotals totals = TotalsOf(record);
  std::string out = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n";
  out += "<title>Prüfbericht – " + HtmlText(Headline(record)) + " – " + HtmlText(GermanDateTime(record.desktop.date_time)) +
         "</title>\n<style>\n" + std::string(kStyle) + "\n</style>\n</head>\n<body>\n";
  out += "<h1>Prüfbericht: " + HtmlText(Headline(record)) + "</h1>\n";
  out += "<p>Geprüft am " + HtmlText(GermanDateTime(record.desktop.date_time)) + " mit Rasterwacht " +
         HtmlText(record.desktop.program_version) + ".</p>\n";
  out += "<div class=\"totals\" id=\"totals\">in Ordnung: <b id=\"total-passed\">" + std::to_string(totals.passed) +
         "</b> · Fehler: <b id=\"total-failed\">" + std::to_string(totals.failed) +
         "</b> · nicht beurteilt: <b id=\"total-not-judged\">" + std::to_string(totals.not_judged) +
         "</b> · nicht erreicht: <b id=\"total-not-reached\">" + std::to_string(totals.not_reached) + "</b> (von " +
         std::to_string(totals.steps) + " Schritten)</div>\n";
  if (totals.not_reached > 0) {
    std::string names;
    for (const ReportStep& step : record.steps) {
      if (step.answer == Answer::NotReached) names += (names.empty() ? "" : ", ") + step.name;
    }
    out += "<p id=\"not-reached\">Die Prüfung wurde vorzeitig beendet. Nicht erreicht: " + HtmlText(names) + ".</p>\n";
  }
  out += "<h2>Monitor</h2>\n" + MonitorFacts(record.monitor);
  out += "<h2>Arbeitsplatz</h2>\n" + DesktopFacts(record.desktop);
  out += "<h2>Schritte</h2>\n<table class=\"steps\">\n<thead><tr><th>Nr.</th><th>Bild</th><th>Testbild</th>"
         "<th>Urteil</th><th>Ablesung</th><th>Notiz</th><th>Dauer</th></tr></thead>\n<tbody>\n";
  for (std::size_t k = 0; k < record.steps.size(); ++k) out += StepRow(record.steps[k], k + 1);
  out += "</tbody>\n</table>\n";
  out += "<h2>EDID</h2>\n";
  out += record.monitor.edid.empty() ? std::string("<p id=\"edid\">Keine EDID gelesen.</p>\n")
                                     : "<pre id=\"edid\">" + EdidHex(record.monitor.edid) + "</pre>\n";
  return out + "</body>\n</html>\n";
}

}  // namespace rw
