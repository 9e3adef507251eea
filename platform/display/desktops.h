#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace rw {

// One display attached to the desktop. Sizes are device pixels.
struct DesktopRecord {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t frequency = 0;  // Hz, 0 when unknown
  std::int32_t depth = 0;      // bits per pixel of the current mode
  QString name;                // at most 32 UTF-16 units
};

// Rebuilds the records from the screens the GUI application sees; record 0 is
// always the program's screen (ProgramScreen: the primary one unless the
// user chose another). Returns the count, 0 without any screen.
std::int64_t ScanDesktops();

// Fields of record i of the last scan; 0 for an index outside it.
std::int64_t DesktopWidth(std::int64_t i);
std::int64_t DesktopHeight(std::int64_t i);
std::int64_t DesktopDepth(std::int64_t i);
std::int64_t DesktopX(std::int64_t i);
std::int64_t DesktopY(std::int64_t i);

// Replaces what ScanDesktops reads, so that tests can describe any desktop;
// an empty function restores the real screens.
using DesktopSource = std::function<std::vector<DesktopRecord>()>;
void SetDesktopSource(DesktopSource source);

// What the real screens give; needs a QGuiApplication.
std::vector<DesktopRecord> ReadScreens();

}  // namespace rw
