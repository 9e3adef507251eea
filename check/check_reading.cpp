#include "check/check_reading.h"

#include <vector>

namespace rw {
namespace {

std::vector<Text> Values(ReadingKind kind) {
  std::vector<Text> values;
  switch (kind) {
    case ReadingKind::BlackLevel:
      for (int level = 1; level <= 32; ++level) values.push_back(Text::number(level));
      break;
    case ReadingKind::WhiteLevel:
      for (int level = 223; level <= 254; ++level) values.push_back(Text::number(level));
      break;
    case ReadingKind::Gamma:
      for (int tenths = 10; tenths <= 26; ++tenths) {
        values.push_back(Text::number(tenths / 10) + u',' + Text::number(tenths % 10));
      }
      break;
    case ReadingKind::None: break;
  }
  return values;
}

bool LeadsToValue(ReadingKind kind, const Text& reading) {
  for (const Text& value : Values(kind)) {
    if (value.startsWith(reading)) return true;
  }
  return false;
}

}  // namespace

bool ReadingComplete(ReadingKind kind, const Text& reading) {
  for (const Text& value : Values(kind)) {
    if (value == reading) return true;
  }
  return false;
}

Text TypeIntoReading(ReadingKind kind, const Text& reading, QChar typed) {
  if (typed == u'.') typed = u',';
  Text longer = reading + typed;
  if (kind == ReadingKind::Gamma && typed.isDigit() && reading.size() == 1) longer = reading + u',' + typed;
  return LeadsToValue(kind, longer) ? longer : reading;
}

Text ReadingRange(ReadingKind kind) {
  switch (kind) {
    case ReadingKind::BlackLevel: return u"1 bis 32"_qs;
    case ReadingKind::WhiteLevel: return u"223 bis 254"_qs;
    case ReadingKind::Gamma: return u"1,0 bis 2,6"_qs;
    case ReadingKind::None: break;
  }
  return {};
}

}  // namespace rw
