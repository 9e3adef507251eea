#pragma once

// The heavy patterns painted literally, shape after shape and pixel after
// pixel with the primitives, as the reference for the direct row-wise paths.
namespace rw::test {

void LiteralVerticalLines();
void LiteralConcentricCircles();
void LiteralConcentricRectangles();
void LiteralRandomPixels();
void LiteralSmallText();

}  // namespace rw::test
