#include "app/pattern_menu.h"

#include "patterns/series.h"
#include "platform/base/text.h"
#include "platform/window/menu.h"
#include "state/globals.h"

namespace rw {
namespace {

constexpr std::int64_t kFurtherCommandOffset = 100;

}  // namespace

std::int64_t PatternCommand(std::int64_t pattern) {
  return pattern < kBasicPatterns ? pattern : pattern + kFurtherCommandOffset;
}

std::optional<std::int64_t> CommandPattern(std::int64_t command) {
  std::int64_t pattern = -1;
  if (command >= 0 && command < kBasicPatterns) {
    pattern = command;
  } else if (command >= kFurtherCommandOffset + kBasicPatterns) {
    pattern = command - kFurtherCommandOffset;
  }
  if (pattern < 0 || pattern >= PatternCount) return std::nullopt;
  return pattern;
}

void BuildPatternMenu() {
  if (!NewPopupMenu(0)) return;
  // Each text: the name, a tab, and the key hint whose key is the item's
  // mnemonic.
  for (std::int64_t pattern = 0; pattern < PatternCount; ++pattern) {
    const SeriesImage& image = *SeriesImageAt(pattern);
    if (pattern == kBasicPatterns) AddMenuSeparator();
    AddMenuItem(PatternCommand(pattern), MenuName(image) + u"\tTaste &"_qs + KeyName(image));
  }
  AddMenuItem(kInformationCommand, u"Infos zum Programm\tTaste &9"_qs);
}

}  // namespace rw
