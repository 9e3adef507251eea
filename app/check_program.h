#pragma once

#include "app/monitor_report.h"
#include "report/check_record.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace rw {

// Whether the command line asked for --check.
bool CheckWasAsked();

// After StartProgram, instead of the event loop: learns the monitor and the
// desktop, runs the check and writes its report.
void RunCheckProgram();

// The report's monitor part from the monitor list's record.
ReportMonitor ReportMonitorOf(const MonitorRecord& record);

// The verdict of NativeVerdict in German, for the HTML report.
std::string NativeVerdictGerman(const MonitorRecord& record);

// Where the report goes without --report: the default folder, a file named
// by `stamp` and the monitor's maker, model and serial number.
std::filesystem::path DefaultReportPath(const std::filesystem::path& folder, const std::string& stamp,
                                        const ReportMonitor& monitor);

}  // namespace rw
