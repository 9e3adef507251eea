#include "info/full_screen_area.h"

#include "platform/display/desktops.h"
#include "state/globals.h"

namespace rw {

void UseWholeDisplayArea() {
  ScreenWidth = DesktopWidth(0);
  ScreenHeight = DesktopHeight(0);
}

}  // namespace rw
