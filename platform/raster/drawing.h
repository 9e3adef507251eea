#pragma once

#include "platform/base/rgb.h"

#include <cstdint>
#include <functional>

class QImage;

namespace rw {

// What a drawing session draws on: an image of the store, or the pixel
// buffer that a window shows over its controls. Made by ImageSurface or
// WindowSurface and taken over by BeginDrawing.
struct DrawingSurface;

enum class SurfaceKind { Image, Window };

// A surface drawing into `target` (its size is the clip rectangle);
// `finished` runs when the session on it ends (a window repaints there).
// Used by the window services to build WindowSurface.
DrawingSurface* MakeSurface(SurfaceKind kind, QImage* target, int depth_bits, std::function<void()> finished);

// A surface for image `number`; nullptr for an unknown image.
DrawingSurface* ImageSurface(std::int64_t number);

// A surface for window `number`'s inner area; nullptr for an unknown window.
DrawingSurface* WindowSurface(std::int64_t number);

// Opens the current session on `surface` (taking it over); non-zero when
// open, 0 for a null surface or one that cannot be prepared.
std::int64_t BeginDrawing(DrawingSurface* surface);

// Ends the current session, if any; what was drawn stays.
void EndDrawing();

void DrawBox(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height, Colour colour);
void DrawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, Colour colour);
void Plot(std::int64_t x, std::int64_t y, Colour colour);
void DrawCircle(std::int64_t x, std::int64_t y, std::int64_t radius, Colour colour);

}  // namespace rw
