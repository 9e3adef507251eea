#include "app/startup.h"

#include "app/globals.h"
#include "app/pattern_menu.h"
#include "app/program_end.h"
#include "info/display_metrics.h"
#include "patterns/wheel_steps.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/fonts.h"
#include "platform/image_store.h"
#include "platform/message_box.h"
#include "platform/screen_depth.h"
#include "platform/window.h"

namespace rw {
namespace {

constexpr std::int64_t kMainWindowFlags = 0xCF0000;

}  // namespace

Text MainWindowTitle() { return u"Rasterwacht, Auflösung: "_qs + MetricsText + TitleHint; }

void StartProgram() {
  InitialiseGlobals();
  // A screen that cannot show the pictures is treated like no screen at all.
  if (!ScreenShowsPictures()) EndProgram();
  ReadDisplayMetrics();
  CreateImage(0, ScreenWidth, ScreenHeight);
  if (!OpenWindow(0, 0, 0, ScreenWidth, ScreenHeight, MainWindowTitle(), kMainWindowFlags)) EndProgram();
  DrawToImage = CreateImageView(0, 0, 0, ScreenWidth, ScreenHeight, ImageHandle(0)) ? 1 : 0;
  BuildPatternMenu();
  LoadFont(0, u"Arial"_qs, 8);
  if (!LoadFont(1, u"Arial"_qs, 5)) {
    ShowMessage(u"Fehlermeldung"_qs, u"Arial 5 konnte nicht geladen werden!"_qs, 0);
  }
  // The one-colour area reads the wheel turn of the most recent event.
  SetEventWordSource(&EventParameter);
  LastKeyPoll = MillisecondClock();
}

}  // namespace rw
