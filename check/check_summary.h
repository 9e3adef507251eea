#pragma once

#include "report/check_record.h"

#include <string>

namespace rw {

// What the last screen of the check says.
struct SummaryView {
  ReportTotals totals;
  bool ended_early = false;
  bool saved = false;
  std::string html_path;  // the report's (or, unsaved, the one asked for)
  std::string json_path;
  std::string reason;  // why it was not saved
};

// Fills the open session's whole area with the summary: the counts of
// passed, failed, unanswered and unreached steps, where the report went or
// why it did not, and that any key ends the program.
void DrawCheckSummary(const SummaryView& view);

}  // namespace rw
