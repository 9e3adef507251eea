#include "app/measure_refresh.h"

#include "app/main_window_options.h"
#include "app/measure_report.h"
#include "app/program_refresh.h"
#include "app/startup.h"
#include "motion/motion_run.h"
#include "patterns/redraw.h"
#include "platform/base/clock.h"
#include "platform/raster/image_store.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/wake_up.h"
#include "platform/window/window.h"
#include "state/globals.h"
#include "state/program_end.h"

#include <cstdio>

namespace rw {
namespace {

// How long the first frame may take to reach the screen before the
// measurement ends without it.
constexpr std::int64_t kFirstFrameGraceMs = 10'000;
constexpr std::int64_t kPollMs = 50;

}  // namespace

bool MeasureWasAsked() { return CurrentMainWindowOptions().measure.has_value(); }

void RunMeasureRefresh() {
  const MeasureOptions options = CurrentMainWindowOptions().measure.value_or(MeasureOptions{});
  const std::int64_t pattern = NextPattern;
  const ProgramMode& mode = ProgramMonitorMode();
  PrepareMotionRun(pattern, mode.refresh_hz);
  RedrawPattern(pattern);
  if (DrawToImage == 1) SetImageViewImage(0, ImageHandle(0));
  SetWindowTitle(0, MainWindowTitle(pattern));
  StartMotionRun(pattern, mode.refresh_hz);

  const std::int64_t started_ms = MillisecondClock();
  const std::int64_t measure_ms = options.seconds * 1000;
  std::int64_t first_shown_ms = -1;
  for (;;) {
    const std::int64_t now = MillisecondClock();
    const std::optional<FrameCounts> counts = MotionRunCounts();
    if (first_shown_ms < 0 && counts && counts->frames > 0) first_shown_ms = now;
    if (first_shown_ms >= 0 && now - first_shown_ms >= measure_ms) break;
    if (first_shown_ms < 0 && now - started_ms >= measure_ms + kFirstFrameGraceMs) break;
    RequestWakeUp(kPollMs);
    CurrentEvent = WaitEvent();
    if (CurrentEvent == CloseEvent) break;
  }
  RefreshMeasurement measurement;
  measurement.connector = mode.connector;
  measurement.nominal_hz = mode.refresh_hz;
  measurement.counts = MotionRunCounts().value_or(FrameCounts{});
  StopMotionRun();
  const std::string text = options.json ? MeasurementJson(measurement) : MeasurementText(measurement);
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
  EndProgram();
}

}  // namespace rw
