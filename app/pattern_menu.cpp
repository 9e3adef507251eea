#include "app/pattern_menu.h"

#include "platform/base/text.h"
#include "platform/window/menu.h"

namespace rw {

void BuildPatternMenu() {
  if (!NewPopupMenu(0)) return;
  // Each text: the description, a tab, and the key hint whose digit is the
  // item's mnemonic.
  const Text items[] = {
      u"Senkrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit\tTaste &0"_qs,
      u"Waagrechte Linien - abwechselnd schwarz und weiß 1 Pixel breit\tTaste &1"_qs,
      u"Konzentrische Kreise - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit\tTaste &2"_qs,
      u"Konzentrische Rechtecke - abwechselnd schwarz und Zufallsfarbe, 1 Pixel breit\tTaste &3"_qs,
      u"1-Pixel-Punkte in Zufallsfarben\tTaste &4"_qs,
      u"Regenbogen-Spektrum\tTaste &5"_qs,
      u"Kleiner Text in Arial 5 Punkt\tTaste &6"_qs,
      u"Farbbalken\tTaste &7"_qs,
      u"Monochrom-Fläche - Farbe mit Scrollrad einstellbar\tTaste &8"_qs,
      u"Infos zum Programm\tTaste &9"_qs,
  };
  for (std::int64_t command = 0; command < 10; ++command) AddMenuItem(command, items[command]);
}

}  // namespace rw
