#pragma once

// The procedures that paint the test images and the caption under them. Each
// runs inside an open drawing session and reads the globals of state/globals.h
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

// The further images of the series. Each paints every pixel of the area
// and draws no caption.
void DrawWhiteField();
void DrawBlackField();
void DrawRedField();
void DrawGreenField();
void DrawBlueField();
void DrawGreyField();
void DrawBlackLevels();
void DrawWhiteLevels();
void DrawGradients();
void DrawGammaScale();
void DrawInversionPanels();
void DrawCheckerboard();
void DrawChromaLines();

// The motion images (patterns/motion_frames.h): frame MotionFrameNumber()
// at MotionRefreshHz(), with the status strip.
void DrawMotion();
void DrawFrameSequence();

}  // namespace rw
