// The native room reaching up into the service above it.
#include "platform/display/desktops.h"
#include "platform/x11/window_x11_watch.h"
