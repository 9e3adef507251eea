#include "report/check_record.h"

#include <charconv>

namespace rw {

ReportTotals TotalsOf(const CheckRecord& record) {
  ReportTotals totals;
  for (const ReportStep& step : record.steps) {
    ++totals.steps;
    switch (step.answer) {
      case Answer::Passed: ++totals.passed; break;
      case Answer::Failed: ++totals.failed; break;
      case Answer::NotJudged: ++totals.not_judged; break;
      case Answer::NotReached: ++totals.not_reached; break;
    }
  }
  return totals;
}

std::string AnswerText(Answer answer) {
  switch (answer) {
    case Answer::Passed: return "in Ordnung";
    case Answer::Failed: return "Fehler";
    case Answer::NotJudged: return "nicht beurteilt";
    case Answer::NotReached: break;
  }
  return "nicht erreicht";
}

std::string AnswerCode(Answer answer) {
  switch (answer) {
    case Answer::Passed: return "passed";
    case Answer::Failed: return "failed";
    case Answer::NotJudged: return "not_judged";
    case Answer::NotReached: break;
  }
  return "not_reached";
}

std::optional<double> ReadingValue(const ReportStep& step) {
  if (step.reading_kind == ReadingKind::None || step.reading.empty()) return std::nullopt;
  std::string text = step.reading;
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<std::string> ReadingText(const ReportStep& step) {
  if (step.reading_kind == ReadingKind::None || step.answer == Answer::NotReached) return std::nullopt;
  return step.reading.empty() ? "nicht abgelesen" : step.reading;
}

}  // namespace rw
