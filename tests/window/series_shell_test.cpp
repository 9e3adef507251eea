#include "app/event_loop.h"
#include "app/pattern_menu.h"
#include "app/startup.h"
#include "platform/base/clock.h"
#include "platform/window/key_state.h"
#include "state/globals.h"
#include "tests/window/window_fixture.h"

#include <QAction>
#include <QMenu>

namespace rw {
namespace {

using SeriesShell = WindowServices;

const char16_t* const kNine[9] = {
    u"Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit\tTaste &0",
    u"Waagrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit\tTaste &1",
    u"Konzentrische Kreise - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit\tTaste &2",
    u"Konzentrische Rechtecke - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit\tTaste &3",
    u"1-Pixel-Punkte in Zufallsfarben\tTaste &4",
    u"Regenbogen-Spektrum\tTaste &5",
    u"Kleiner Text in Arial 5 Punkt\tTaste &6",
    u"Farbbalken\tTaste &7",
    u"Monochrom-Fläche - Farbe mit Scrollrad einstellbar\tTaste &8",
};

const char16_t* const kFurther[15] = {
    u"Weiß\tTaste &W",          u"Schwarz\tTaste &S",
    u"Rot\tTaste &R",           u"Grün\tTaste &G",
    u"Blau\tTaste &B",          u"Grau 50 %\tTaste &A",
    u"Schwarzwerte 1 bis 32\tTaste &C", u"Weißwerte 223 bis 254\tTaste &E",
    u"Farbverläufe\tTaste &F",  u"Gamma 1,0 bis 2,6\tTaste &M",
    u"Inversion und Flimmern\tTaste &I", u"Schachbrett 1 Pixel\tTaste &H",
    u"Farbauflösung\tTaste &U",    u"Bewegung\tTaste &N",
    u"Bildfolge\tTaste &L",
};

// The menu's items as "text|command", a separator as "-".
QStringList MenuItems() {
  QStringList items;
  for (const QAction* action : PopupMenu(0)->actions()) {
    items << (action->isSeparator() ? u"-"_qs : action->text() + u"|"_qs + QString::number(action->data().toLongLong()));
  }
  return items;
}

TEST_F(SeriesShell, WithoutOptionsTheMenuHoldsTheNineAndThePage) {
  InitialiseGlobals();
  BuildPatternMenu();
  QStringList want;
  for (int k = 0; k < 9; ++k) want << QString::fromUtf16(kNine[k]) + u"|"_qs + QString::number(k);
  want << u"Infos zum Programm\tTaste &9|9"_qs;
  EXPECT_EQ(MenuItems(), want);
  for (std::int64_t command = -1; command <= 200; ++command) {
    EXPECT_EQ(CommandPattern(command), command >= 0 && command <= 8 ? std::optional(command) : std::nullopt) << command;
  }
}

TEST_F(SeriesShell, WithTheWholeSeriesTheMenuListsAllAfterASeparator) {
  InitialiseGlobals();
  PatternCount = 24;
  BuildPatternMenu();
  const QStringList items = MenuItems();
  ASSERT_EQ(items.size(), 26);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(items[k], QString::fromUtf16(kNine[k]) + u"|"_qs + QString::number(k));
  EXPECT_EQ(items[9], u"-"_qs);
  for (int k = 0; k < 15; ++k) EXPECT_TRUE(items[10 + k].startsWith(QString::fromUtf16(kFurther[k]) + u"|"_qs)) << k;
  EXPECT_EQ(items[25], u"Infos zum Programm\tTaste &9|9"_qs);
  // Each item's command chooses its own image, and only the page's is 9.
  for (int k = 0; k < 24; ++k) {
    const QAction* item = PopupMenu(0)->actions()[k < 9 ? k : k + 1];
    EXPECT_EQ(CommandPattern(item->data().toLongLong()), k) << k;
  }
  EXPECT_EQ(CommandPattern(kInformationCommand), std::nullopt);
  EXPECT_EQ(CommandPattern(PatternCommand(24)), std::nullopt);
}

TEST_F(SeriesShell, TheTitleNamesTheImageOnlyWithTheWholeSeries) {
  InitialiseGlobals();
  MetricsText = u"1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"_qs;
  const Text nine = u"Rasterwacht, Auflösung: 1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"
                    u"  (Leertaste: nächstes Testbild, 0 bis 8: Testbild wählen, rechte Maustaste: Menü)"_qs;
  EXPECT_EQ(MainWindowTitle(18), nine);
  PatternCount = 24;
  EXPECT_EQ(MainWindowTitle(18), u"Rasterwacht – Gamma 1,0 bis 2,6 – 1920*1080, Ratio: 16:9, Farbtiefe:32 Bit"
                                 u"  (Leertaste: nächstes Testbild, Rücktaste: voriges, rechte Maustaste: Menü)"_qs);
  EXPECT_TRUE(MainWindowTitle(0).startsWith(u"Rasterwacht – Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit – 1920*1080"_qs));
}

// One poll with `keys` held (a poll is due), then released again.
void PollHolding(std::initializer_list<Qt::Key> keys) {
  QWindow* window = WindowHandle(0)->windowHandle();
  for (Qt::Key key : keys) SendKey(window, QEvent::KeyPress, key);
  LastKeyPoll = MillisecondClock() - 1000;
  PollKeyboard();
  for (Qt::Key key : keys) SendKey(window, QEvent::KeyRelease, key);
}

TEST_F(SeriesShell, TheWholeSeriesStepsBackAndTakesTheLetters) {
  ForgetTrackedKeys();
  InitialiseGlobals();
  Open(0);
  PatternCount = 24;
  const auto poll = [](std::int64_t next, std::initializer_list<Qt::Key> keys) {
    RedrawPending = 0;
    NextPattern = next;
    PollHolding(keys);
    return RedrawPending == 1 ? NextPattern : -1;
  };
  // NextPattern names the image after the one on the screen.
  EXPECT_EQ(poll(10, {Qt::Key_Backspace}), 8);   // white back to the one-colour area
  EXPECT_EQ(poll(1, {Qt::Key_Backspace}), 23);   // the first back to the last
  EXPECT_EQ(poll(0, {Qt::Key_Backspace}), 22);   // the last back to the one before
  EXPECT_EQ(poll(5, {Qt::Key_Space, Qt::Key_Backspace}), 3);
  EXPECT_EQ(poll(3, {Qt::Key_M}), 18);
  EXPECT_EQ(poll(3, {Qt::Key_W}), 9);
  EXPECT_EQ(poll(3, {Qt::Key_U}), 21);
  EXPECT_EQ(poll(3, {Qt::Key_I, Qt::Key_M}), 19);       // the later image wins
  EXPECT_EQ(poll(3, {Qt::Key_8, Qt::Key_A}), 14);
  EXPECT_EQ(poll(3, {Qt::Key_Backspace, Qt::Key_H}), 20);
  EXPECT_EQ(poll(3, {Qt::Key_N}), 22);
  EXPECT_EQ(poll(3, {Qt::Key_L, Qt::Key_U}), 23);
  EXPECT_EQ(poll(3, {Qt::Key_Z}), -1);                  // a letter of no image
  EXPECT_EQ(poll(3, {Qt::Key_9}), -1);

  // Without the whole series neither Backspace nor a letter counts.
  PatternCount = 9;
  EXPECT_EQ(poll(5, {Qt::Key_Backspace}), -1);
  EXPECT_EQ(poll(5, {Qt::Key_W, Qt::Key_M}), -1);
  EXPECT_EQ(poll(5, {Qt::Key_2, Qt::Key_W}), 2);
}

TEST_F(SeriesShell, AHeldLetterWithinTheIntervalAsksForAWakeUpOnlyWithTheSeries) {
  ForgetTrackedKeys();
  InitialiseGlobals();
  Open(0);
  SendKey(Native(0), QEvent::KeyPress, Qt::Key_M);
  DiscardAllEvents();
  LastKeyPoll = MillisecondClock();
  PollKeyboard();
  QTimer::singleShot(250, [] { QueueEvent(MenuEvent, 1, 0); });
  EXPECT_EQ(WaitEvent(), MenuEvent);  // no wake-up for the nine

  PatternCount = 24;
  LastKeyPoll = MillisecondClock();
  PollKeyboard();
  EXPECT_EQ(WaitEvent(), WakeUpMessage);
  SendKey(Native(0), QEvent::KeyRelease, Qt::Key_M);
}

}  // namespace
}  // namespace rw
