#include "info/full_screen_area.h"

#include "app/globals.h"
#include "platform/desktops.h"

namespace rw {

void UseWholeDisplayArea() {
  ScreenWidth = DesktopWidth(0);
  ScreenHeight = DesktopHeight(0);
}

}  // namespace rw
