#pragma once

#include "report/check_record.h"

#include <filesystem>

namespace rw {

// What the check needs to know beyond its steps.
struct CheckSetup {
  ReportMonitor monitor;
  ReportDesktop desktop;
  std::filesystem::path report;  // the HTML report asked for
  bool create_folder = false;    // make its folder when it is missing
  double nominal_hz = 0;         // the mode's refresh rate, which the motion images move by; 0: unknown
};

// Runs the check in window 0, which covers the monitor: every step's image
// with its question strip, until the last step is answered, Escape or a
// close request ends it early. Then writes the report (offering to try
// again where that fails, and printing the JSON on standard output when
// the technician gives up), shows the summary and returns on the next key
// press or close request.
void RunCheck(const CheckSetup& setup);

}  // namespace rw
