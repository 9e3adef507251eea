#include "platform/window/scale_warning.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

ScaleFacts Facts(DeviceScale scale, bool known, bool viewporter, bool full_screen, bool client_decorations) {
  ScaleFacts facts;
  facts.scale = scale;
  facts.scale_known = known;
  facts.viewporter = viewporter;
  facts.full_screen = full_screen;
  facts.client_decorations = client_decorations;
  facts.mode_width = 1920;
  facts.mode_height = 1080;
  return facts;
}

// The desktops as they are: mutter draws no frames (Qt does), sway and KWin
// draw their own and put windows on whole device pixels.
TEST(JudgeScale, BoxesOnlyWhereAPictureCannotBePromised1To1) {
  struct Case {
    const char* what;
    ScaleFacts facts;
    ScaleVerdict verdict;
  } const cases[] = {
      {"mutter integer 2, window", Facts({2, 1}, true, true, false, true), ScaleVerdict::Exact},
      {"mutter 125 %, window", Facts({5, 4}, true, true, false, true), ScaleVerdict::WindowNotExact},
      {"mutter 125 %, full screen", Facts({5, 4}, true, true, true, false), ScaleVerdict::Exact},
      {"sway 4/3, full screen", Facts({4, 3}, true, true, true, false), ScaleVerdict::Exact},
      {"sway or KWin 150 %, window", Facts({3, 2}, true, true, false, false), ScaleVerdict::Exact},
      {"a mode that does not divide", Facts({7, 4}, false, true, true, false), ScaleVerdict::ScaleUnknown},
      {"no viewporter, 150 %", Facts({3, 2}, true, false, true, false), ScaleVerdict::NoViewport},
      {"no viewporter, 200 %", Facts({2, 1}, true, false, false, true), ScaleVerdict::Exact},
  };
  for (const Case& c : cases) EXPECT_EQ(JudgeScale(c.facts), c.verdict) << c.what;

  ScaleFacts mutter_175 = Facts({40, 23}, true, true, true, false);
  mutter_175.off_grid = true;
  EXPECT_EQ(JudgeScale(mutter_175), ScaleVerdict::OffGrid);
  const Text text = ScaleWarningText(ScaleVerdict::OffGrid, mutter_175);
  EXPECT_TRUE(text.contains(u"auf 174 % skaliert, genau 1920 Bildpunkte auf 1104 Einheiten"_qs)) << text.toStdString();
}

TEST(ScaleWarningText, NamesOnlyWhatWasMeasuredAndTheWayOut) {
  const Text window = ScaleWarningText(ScaleVerdict::WindowNotExact, Facts({5, 4}, true, true, false, true));
  EXPECT_TRUE(window.contains(u"auf 125 % skaliert"_qs)) << window.toStdString();
  EXPECT_TRUE(window.contains(u"„Vollbild-Test“"_qs));
  EXPECT_TRUE(window.contains(u"rasterwacht --full-screen"_qs));

  // 1097 logical units are no scale: no percentage is claimed.
  const Text unknown = ScaleWarningText(ScaleVerdict::ScaleUnknown, Facts({7, 4}, false, true, false, false));
  EXPECT_FALSE(unknown.contains(u"175"_qs)) << unknown.toStdString();
  EXPECT_TRUE(unknown.contains(u"1920 × 1080"_qs));

  EXPECT_TRUE(ScaleWarningText(ScaleVerdict::NoViewport, Facts({3, 2}, true, false, true, false))
                  .contains(u"auf 150 % skaliert"_qs));
  EXPECT_TRUE(ScaleWarningText(ScaleVerdict::Exact, Facts({1, 1}, true, true, false, false)).isEmpty());
}

}  // namespace
}  // namespace rw
