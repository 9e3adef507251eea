#pragma once

#include "report/motion_figures.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// Everything a check report holds, as plain values: texts are UTF-8, and
// absent facts are nullopt. The writers add nothing the record does not say.

struct ReportMonitor {
  std::string connector;
  std::optional<std::string> manufacturer_id;    // three letters
  std::optional<std::string> manufacturer_name;  // the maker's name for that id
  std::optional<std::string> model_name;         // the product-name descriptor
  std::optional<int> product_code;
  std::optional<std::string> serial;             // as people read it: the text, else the number
  std::optional<std::uint32_t> serial_number;    // the base block's number, nullopt for 0
  std::optional<std::string> serial_text;        // the serial-number descriptor
  std::optional<int> year;
  bool model_year = false;
  std::optional<int> image_width_mm;
  std::optional<int> image_height_mm;
  std::optional<double> diagonal_inches;
  std::optional<int> native_width;
  std::optional<int> native_height;
  std::optional<std::string> native_source;  // "declared" or "guessed"
  std::vector<std::string> warnings;
  std::vector<std::uint8_t> edid;  // empty: none could be read
};

struct ReportDesktop {
  std::string window_system;              // "X11", "Wayland" or Qt's platform name
  std::optional<std::string> compositor;  // window manager or compositor, as far as known
  int width = 0;                          // current mode, device pixels
  int height = 0;
  std::optional<double> refresh_hz;
  double scale = 1;
  std::optional<bool> native;   // whether the desktop runs the panel's native resolution
  std::string native_verdict;   // the --monitors verdict line (English)
  std::string native_verdict_de;
  std::string program_version;
  std::string date_time;        // local, ISO 8601 with the UTC offset
  std::optional<std::string> operator_name;  // only from --operator
};

enum class Answer { NotReached, NotJudged, Passed, Failed };

// What the step asks to be read off its image.
enum class ReadingKind { None, BlackLevel, WhiteLevel, Gamma };

struct ReportStep {
  std::string id;    // the image's id in the series
  std::string name;  // its menu name
  std::string look_for;
  Answer answer = Answer::NotReached;
  ReadingKind reading_kind = ReadingKind::None;
  std::string reading;  // as typed, e.g. "12" or "2,2"; empty: not read
  std::string note;
  std::int64_t shown_ms = 0;
  std::vector<std::uint8_t> thumbnail_png;  // empty: none
  std::optional<MotionFigures> motion;
};

struct CheckRecord {
  ReportMonitor monitor;
  ReportDesktop desktop;
  std::vector<ReportStep> steps;
  bool ended_early = false;  // Escape or a close request before the last step
};

struct ReportTotals {
  int steps = 0;
  int passed = 0;
  int failed = 0;
  int not_judged = 0;
  int not_reached = 0;
};

ReportTotals TotalsOf(const CheckRecord& record);

// The answer's German words ("in Ordnung", "Fehler", "nicht beurteilt",
// "nicht erreicht") and its stable JSON code ("passed", "failed",
// "not_judged", "not_reached").
std::string AnswerText(Answer answer);
std::string AnswerCode(Answer answer);

// The reading as a number (nullopt when empty or malformed); a gamma
// reading's comma is its decimal point.
std::optional<double> ReadingValue(const ReportStep& step);

// The reading as the report shows it: the typed text, "nicht abgelesen"
// when empty, nullopt for a step without a reading or one not reached.
std::optional<std::string> ReadingText(const ReportStep& step);

}  // namespace rw
