// rasterwacht-render: paints one test image exactly as the program's full
// redraw does, on Qt's offscreen platform, and saves the drawing area as PNG.
#include "info/display_metrics.h"
#include "info/full_screen_area.h"
#include "info/version/version_reader.h"
#include "patterns/motion_frames.h"
#include "patterns/redraw.h"
#include "platform/base/random.h"
#include "platform/display/desktops.h"
#include "platform/display/qt_messages.h"
#include "platform/raster/image_store.h"
#include "platform/text/fonts.h"
#include "platform/window/services.h"
#include "state/globals.h"
#include "tools/png_output.h"
#include "tools/render_options.h"

#include <QImage>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Fail(int code, const QString& message) {
  std::fprintf(stderr, "rasterwacht-render: %s\n", message.toLocal8Bit().constData());
  return code;
}

// Gives the globals, the metrics text and the fonts the values the program
// would have on the described desktop.
void PrepareDesktop(const rw::RenderOptions& options) {
  rw::InitialiseGlobals();
  rw::DesktopRecord desktop;
  desktop.width = static_cast<std::int32_t>(options.desktop_width_px);
  desktop.height = static_cast<std::int32_t>(options.desktop_height_px);
  desktop.depth = static_cast<std::int32_t>(options.depth_bits);
  desktop.name = u"render"_qs;
  rw::SetDesktopSource([desktop] { return std::vector<rw::DesktopRecord>{desktop}; });
  rw::ReadDisplayMetrics();
  if (options.full_screen) rw::UseWholeDisplayArea();
  rw::SetScreenDpiForTesting(static_cast<int>(options.dpi));
  rw::LoadFont(0, u"Arial"_qs, 8);
  rw::LoadFont(1, u"Arial"_qs, 5);
}

int Render(const rw::RenderOptions& options, int& argc, char** argv) {
  // Never needs a display, whatever the environment names.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Qt's own chatter is not the tool's business; only fatal messages get through.
  rw::FilterQtMessages("rasterwacht-render");
  rw::StartPlatform(argc, argv);
  PrepareDesktop(options);
  if (!rw::CreateImage(0, rw::ScreenWidth, rw::ScreenHeight)) {
    rw::ShutdownPlatform();
    return Fail(kExitFailure, u"cannot create an image of "_qs + QString::number(rw::ScreenWidth) + u"x"_qs +
                                  QString::number(rw::ScreenHeight) + u" pixels"_qs);
  }
  rw::DrawToImage = 1;
  if (options.seed) rw::SeedRandom(*options.seed);
  rw::WheelPosition = options.wheel_position;
  rw::SetMotionFrame(options.frame.value_or(0), options.refresh_hz.value_or(60.0));
  rw::RedrawPattern(options.pattern);
  const QString error = rw::SavePng(*rw::ImageHandle(0), options.output_path);
  rw::ShutdownPlatform();
  if (!error.isEmpty()) {
    const QString target = options.output_path == QStringView(rw::kStandardOutputName)
                               ? u"standard output"_qs
                               : u"'"_qs + options.output_path + u"'"_qs;
    return Fail(kExitFailure, u"cannot write "_qs + target + u": "_qs + error);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<QString> arguments;
  for (int k = 1; k < argc; ++k) arguments.push_back(QString::fromLocal8Bit(argv[k]));
  const rw::ParsedOptions parsed = rw::ParseRenderOptions(arguments);
  if (!parsed.error.isEmpty()) return Fail(kExitUsage, parsed.error);
  switch (parsed.options.action) {
    case rw::RenderOptions::Action::Help:
      std::fputs(rw::RenderUsage().toLocal8Bit().constData(), stdout);
      return 0;
    case rw::RenderOptions::Action::Version:
    {
      // The number comes from the version block in this very file, so it
      // is what the information page would read from it.
      const rw::Text version = rw::OwnFileVersion();
      std::printf("rasterwacht-render %s\n", version.isEmpty() ? "(no version block)" : version.toUtf8().constData());
      return version.isEmpty() ? 1 : 0;
    }
    case rw::RenderOptions::Action::Render:
      break;
  }
  return Render(parsed.options, argc, argv);
}
