#include "platform/base/text.h"

namespace rw {

Text NumberToText(std::int64_t n) {
  // The magnitude is taken unsigned, so -2^63 needs no special case.
  std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
  char16_t digits[21];
  int first = 21;
  do {
    digits[--first] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (n < 0) digits[--first] = u'-';
  return Text(reinterpret_cast<const QChar*>(digits + first), 21 - first);
}

}  // namespace rw
