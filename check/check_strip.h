#pragma once

#include "check/check_steps.h"
#include "platform/base/text.h"
#include "report/check_record.h"

#include <cstdint>

namespace rw {

// What the question strip over a step's image says.
struct StripView {
  std::size_t number = 1;  // of the step, from 1
  std::size_t count = 1;
  Text name;
  Text look_for;
  Answer earlier = Answer::NotJudged;  // shown when the step was judged before
  ReadingKind reading = ReadingKind::None;
  Text reading_text;
  bool in_note = false;
  Text note;
  Text hint;
};

// The strip's rows within the drawing area.
struct StripRows {
  std::int64_t top = 0;
  std::int64_t height = 0;
};

// In an open session whose font is the strip's: 30 rows at 96 dots per inch,
// growing with the font (45 at 150 %), so that two lines always fit; at the
// top or the bottom of an area `area_height` rows tall, never beyond it.
StripRows CheckStripRows(StripSide side, std::int64_t area_height);

// Draws the strip into the open session: a dark band over `rows` the whole
// width of the area, the step's number, name and what to look for in the
// first line, the keys or the note field in the second.
void DrawCheckStrip(const StripView& view, StripRows rows);

}  // namespace rw
