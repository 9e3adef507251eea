#pragma once

// The procedures that paint the test images and the caption under them. Each
// runs inside an open drawing session and reads the globals of app/globals.h
// afresh; none takes arguments or returns anything.
namespace rw {

void DrawVerticalLines();
void DrawHorizontalLines();
void DrawLineLabels();
void DrawCaption();
void DrawConcentricCircles();
void DrawConcentricRectangles();
void DrawRandomPixels();
void DrawRainbowSpectrum();
void DrawSmallText();
void DrawColourBars();
void DrawMonochromeArea();

}  // namespace rw
