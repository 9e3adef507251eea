// Prints what the program measures of the display it runs on: the metrics
// line, then the drawing area's width and height, one per line.
#include "info/display_metrics.h"
#include "platform/display/display_probe.h"
#include "platform/window/services.h"
#include "state/globals.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (!rw::DisplayAvailable()) {
    std::puts("no display");
    return 3;
  }
  rw::StartPlatform(argc, argv);
  rw::InitialiseGlobals();
  rw::ReadDisplayMetrics();
  std::printf("%s\n%lld\n%lld\n", rw::MetricsText.toUtf8().constData(), static_cast<long long>(rw::ScreenWidth),
              static_cast<long long>(rw::ScreenHeight));
  rw::ShutdownPlatform();
  return 0;
}
