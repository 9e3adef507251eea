// The rasteriser calling Xlib itself.
#include <X11/Xlib.h>
#include <cstdint>
