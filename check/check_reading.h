#pragma once

#include "platform/base/text.h"
#include "report/check_record.h"

namespace rw {

// What a reading may be: the black levels' first visible square 1 to 32,
// the white levels' last distinguishable one 223 to 254, the gamma column
// 1,0 to 2,6 in tenths.

// Whether `reading` is one of the kind's values, as the image labels it.
bool ReadingComplete(ReadingKind kind, const Text& reading);

// `reading` with `typed` added where that still leads to a value (a point
// counts as the decimal comma, and a gamma reading's comma comes by itself
// after its first digit); unchanged otherwise.
Text TypeIntoReading(ReadingKind kind, const Text& reading, QChar typed);

// The kind's range as the strip names it ("1 bis 32"); empty for none.
Text ReadingRange(ReadingKind kind);

}  // namespace rw
