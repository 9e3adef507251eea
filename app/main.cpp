#include "app/check_program.h"
#include "app/command_line_run.h"
#include "app/event_loop.h"
#include "app/measure_refresh.h"
#include "app/startup.h"
#include "platform/display/display_probe.h"
#include "platform/display/qt_messages.h"
#include "platform/window/services.h"
#include "state/program_end.h"

int main(int argc, char** argv) {
  rw::FilterQtMessages(nullptr);
  // Arguments ask for something else than the window: help, version, the
  // monitor list. Without any, nothing below changes.
  if (argc > 1) {
    if (const auto code = rw::RunCommandLine(argc, argv)) return *code;
  }
  // Without a display there is nothing to test: end quietly, before Qt
  // would abort on the missing connection.
  if (!rw::DisplayAvailable()) return 0;
  rw::StartPlatform(argc, argv);
  rw::StartProgram();
  if (rw::CheckWasAsked()) {
    rw::RunCheckProgram();
  } else if (rw::MeasureWasAsked()) {
    rw::RunMeasureRefresh();
  } else {
    rw::RunEventLoop();
  }
  rw::EndProgram();
}
