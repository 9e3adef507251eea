#pragma once

#include "platform/base/text.h"

#include <cstdint>

namespace rw {

// Everything between the platform start and the event loop: globals,
// display metrics, image 0, the main window with its image view, the menu
// and the fonts. Ends the program when there is no display, one that cannot
// show the pictures (an 8-bit palette screen), or no window.
void StartProgram();

// The window title: "Rasterwacht, Auflösung: ", the metrics, the hint.
// With the whole series it names image `pattern` instead: "Rasterwacht – ",
// its menu name, " – ", the metrics and the series' hint.
Text MainWindowTitle(std::int64_t pattern);

}  // namespace rw
