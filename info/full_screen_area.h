#pragma once

namespace rw {

// After ReadDisplayMetrics, for a window that covers the whole monitor: the
// drawing area becomes the full mode of desktop 0, ScreenWidth x
// ScreenHeight = its width x height, with nothing taken off for a frame.
void UseWholeDisplayArea();

}  // namespace rw
