#pragma once

#include "platform/base/text.h"

namespace rw {

// Everything between the platform start and the event loop: globals,
// display metrics, image 0, the main window with its image view, the menu
// and the fonts. Ends the program when there is no display, one that cannot
// show the pictures (an 8-bit palette screen), or no window.
void StartProgram();

// The window title: "Rasterwacht, Auflösung: ", the metrics, the hint.
Text MainWindowTitle();

}  // namespace rw
