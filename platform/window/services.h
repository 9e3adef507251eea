#pragma once

namespace rw {

// Starts the platform services: the GUI application object and, through it,
// the connection to the display. Call once, after DisplayAvailable().
void StartPlatform(int& argc, char** argv);

// Releases everything the services still hold (windows, menus, images,
// fonts) and the application object; safe to call when nothing was started.
void ShutdownPlatform();

}  // namespace rw
