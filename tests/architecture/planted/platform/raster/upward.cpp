// The rasteriser reaching up into the windows.
#include "platform/raster/session.h"
#include "platform/window/window.h"
