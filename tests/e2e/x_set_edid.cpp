// Gives the X server's first RandR output the EDID property read from a
// file, as a real driver would: x_set_edid FILE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: x_set_edid FILE\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::vector<unsigned char> edid((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Display* display = XOpenDisplay(nullptr);
  if (!display || edid.empty()) return 1;
  XRRScreenResources* resources = XRRGetScreenResources(display, DefaultRootWindow(display));
  if (!resources || resources->noutput < 1) return 1;
  XRRChangeOutputProperty(display, resources->outputs[0], XInternAtom(display, "EDID", False), XA_INTEGER, 8,
                          PropModeReplace, edid.data(), static_cast<int>(edid.size()));
  XRRFreeScreenResources(resources);
  XSync(display, False);
  XCloseDisplay(display);
  return 0;
}
