#include "patterns/area_rows.h"
#include "patterns/patterns.h"
#include "state/globals.h"

// The six one-colour fields: every pixel of the area in one colour.
namespace rw {
namespace {

void Field(Colour colour) { CopyRow(PlainRow(colour), 0, ScreenHeight); }

}  // namespace

void DrawWhiteField() { Field(Rgb(255, 255, 255)); }
void DrawBlackField() { Field(Rgb(0, 0, 0)); }
void DrawRedField() { Field(Rgb(255, 0, 0)); }
void DrawGreenField() { Field(Rgb(0, 255, 0)); }
void DrawBlueField() { Field(Rgb(0, 0, 255)); }
void DrawGreyField() { Field(Rgb(128, 128, 128)); }

}  // namespace rw
