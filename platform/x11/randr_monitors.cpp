#include "platform/x11/randr_monitors.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <memory>

namespace rw {
namespace {

// An EDID has at most 256 blocks of 128 bytes; the length counts 32-bit units.
constexpr long kMaxEdidLongs = 256 * 128 / 4;

std::string AtomName(Display* display, Atom atom) {
  char* name = XGetAtomName(display, atom);
  if (!name) return {};
  std::string text = name;
  XFree(name);
  return text;
}

std::vector<std::uint8_t> OutputEdid(Display* display, RROutput output) {
  const Atom edid_atom = XInternAtom(display, RR_PROPERTY_RANDR_EDID, True);
  if (edid_atom == None) return {};
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::vector<std::uint8_t> bytes;
  if (XRRGetOutputProperty(display, output, edid_atom, 0, kMaxEdidLongs, False, False, AnyPropertyType,
                           &type, &format, &items, &after, &data) == Success &&
      type == XA_INTEGER && format == 8 && data) {
    bytes.assign(data, data + items);
  }
  if (data) XFree(data);
  return bytes;
}

double ModeRefresh(const XRRModeInfo& mode) {
  double lines = mode.vTotal;
  if (mode.modeFlags & RR_DoubleScan) lines *= 2;
  if (mode.modeFlags & RR_Interlace) lines /= 2;
  if (mode.hTotal == 0 || lines == 0) return 0;
  return static_cast<double>(mode.dotClock) / (mode.hTotal * lines);
}

double OutputRefresh(Display* display, XRRScreenResources* resources, RROutput output) {
  double hz = 0;
  XRROutputInfo* info = XRRGetOutputInfo(display, resources, output);
  if (!info) return 0;
  if (info->crtc != None) {
    if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, info->crtc)) {
      for (int k = 0; k < resources->nmode; ++k) {
        if (resources->modes[k].id == crtc->mode) hz = ModeRefresh(resources->modes[k]);
      }
      XRRFreeCrtcInfo(crtc);
    }
  }
  XRRFreeOutputInfo(info);
  return hz;
}

}  // namespace

std::optional<std::vector<RandrMonitor>> ReadRandrMonitors() {
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) return std::nullopt;
  Display* d = display.get();
  int event_base = 0;
  int error_base = 0;
  int major = 0;
  int minor = 0;
  if (!XRRQueryExtension(d, &event_base, &error_base) || !XRRQueryVersion(d, &major, &minor) ||
      major < 1 || (major == 1 && minor < 5)) {
    return std::nullopt;
  }
  const Window root = DefaultRootWindow(d);
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(d, root, True, &count);
  XRRScreenResources* resources = XRRGetScreenResourcesCurrent(d, root);
  std::vector<RandrMonitor> list;
  for (int k = 0; k < count; ++k) {
    const XRRMonitorInfo& m = monitors[k];
    RandrMonitor monitor;
    monitor.name = AtomName(d, m.name);
    monitor.primary = m.primary != 0;
    monitor.x = m.x;
    monitor.y = m.y;
    monitor.width = m.width;
    monitor.height = m.height;
    if (m.noutput > 0 && resources) {
      monitor.refresh_hz = OutputRefresh(d, resources, m.outputs[0]);
      monitor.edid = OutputEdid(d, m.outputs[0]);
    }
    list.push_back(std::move(monitor));
  }
  if (resources) XRRFreeScreenResources(resources);
  if (monitors) XRRFreeMonitors(monitors);
  return list;
}

}  // namespace rw
