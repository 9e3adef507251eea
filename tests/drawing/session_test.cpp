#include "tests/drawing/surface_fixture.h"

#include "platform/raster/session.h"

namespace rw::testing {
namespace {

constexpr Colour kInk = 0x102030;

using SessionTest = SurfaceTest;

TEST_F(SessionTest, NullSurfaceOpensNothing) {
  EXPECT_EQ(BeginDrawing(nullptr), 0);
  EXPECT_EQ(CurrentSession(), nullptr);
}

TEST_F(SessionTest, UnknownImageGivesNoSurface) { EXPECT_EQ(ImageSurface(12345), nullptr); }

TEST_F(SessionTest, SurfaceWithoutAddressablePixelsIsRefused) {
  QImage wrong_format(4, 4, QImage::Format_RGB888);
  EXPECT_EQ(BeginDrawing(MakeSurface(SurfaceKind::Window, &wrong_format, 24, {})), 0);
  EXPECT_EQ(BeginDrawing(MakeSurface(SurfaceKind::Window, nullptr, 24, {})), 0);
  EXPECT_EQ(CurrentSession(), nullptr);
}

TEST_F(SessionTest, EndDrawingWithoutSessionDoesNothing) {
  EndDrawing();
  EndDrawing();
  EXPECT_EQ(CurrentSession(), nullptr);
}

TEST_F(SessionTest, PrimitivesWithoutSessionChangeNothing) {
  Open(4, 4);
  EndDrawing();
  DrawBox(0, 0, 4, 4, kInk);
  DrawLine(0, 0, 3, 3, kInk);
  DrawLine(0, 0, 3, 0, kInk);
  DrawCircle(2, 2, 1, kInk);
  Plot(1, 1, kInk);
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
}

TEST_F(SessionTest, WhatWasDrawnStaysAfterTheSession) {
  Open(3, 1);
  Plot(1, 0, kInk);
  EndDrawing();
  EXPECT_EQ(Picture(kInk), ".#.\n");
}

TEST_F(SessionTest, EverySessionStartsFromTheDefaults) {
  Open(2, 2);
  DrawingSession* first = CurrentSession();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->front_colour, 0xFFFFFF);
  EXPECT_EQ(first->background_colour, 0);
  EXPECT_FALSE(first->pen_set);
  DrawBox(0, 0, 1, 1, kInk);
  EXPECT_TRUE(first->pen_set);
  EXPECT_EQ(first->pen_colour, kInk);
  first->front_colour = 255;
  first->background_colour = 0x00FF00;
  EndDrawing();

  ASSERT_NE(BeginDrawing(ImageSurface(kImage)), 0);
  const DrawingSession* second = CurrentSession();
  EXPECT_EQ(second->front_colour, 0xFFFFFF);
  EXPECT_EQ(second->background_colour, 0);
  EXPECT_FALSE(second->pen_set);
}

TEST_F(SessionTest, PlotDoesNotTouchThePenColour) {
  Open(2, 2);
  Plot(0, 0, kInk);
  EXPECT_FALSE(CurrentSession()->pen_set);
  DrawLine(0, 1, 1, 1, 5);
  Plot(1, 0, kInk);
  EXPECT_EQ(CurrentSession()->pen_colour, 5);
}

TEST_F(SessionTest, PlotOutsideChangesNoPixel) {
  Open(3, 2);
  for (auto [x, y] : {std::pair<std::int64_t, std::int64_t>{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT32_MIN, 0},
                      {0, INT32_MAX}, {std::int64_t{1} << 40, 5}}) {
    Plot(x, y, kInk);
  }
  for (Colour c : Pixels()) ASSERT_EQ(c, 0);
  Plot((std::int64_t{1} << 32) + 2, 1, kInk);  // low 32 bits: (2, 1)
  EXPECT_EQ(Picture(kInk), "...\n..#\n");
}

TEST_F(SessionTest, FinishedCallbackRunsOnceWhenTheSessionEnds) {
  QImage buffer(3, 3, QImage::Format_RGB32);
  buffer.fill(0xFF000000u);
  int finished = 0;
  ASSERT_NE(BeginDrawing(MakeSurface(SurfaceKind::Window, &buffer, 32, [&] { ++finished; })), 0);
  DrawBox(1, 1, 1, 1, 255);
  EXPECT_EQ(finished, 0);
  EndDrawing();
  EndDrawing();
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(buffer.pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(buffer.pixel(0, 0), 0xFF000000u);
}

TEST_F(SessionTest, ANewSessionEndsTheOpenOne) {
  QImage buffer(2, 2, QImage::Format_RGB32);
  int finished = 0;
  ASSERT_NE(BeginDrawing(MakeSurface(SurfaceKind::Window, &buffer, 32, [&] { ++finished; })), 0);
  Open(2, 2);
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(CurrentSession()->surface->kind, SurfaceKind::Image);
}

}  // namespace
}  // namespace rw::testing
