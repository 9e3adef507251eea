#include "platform/wayland/wayland_globals.h"

#include "presentation-time-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace rw {
namespace {

struct Binding;

// Each output's record, found again by its index in the listener's data.
struct OutputSlot {
  Binding* binding;
  std::size_t index;
  WaylandOutput& Output() const;
};

struct Binding {
  WaylandGlobals globals;
  wl_registry* registry = nullptr;
  zxdg_output_manager_v1* output_manager = nullptr;
  std::vector<wl_output*> output_proxies;
  std::vector<zxdg_output_v1*> xdg_outputs;
  // Where the listeners find their records, for as long as they may call.
  std::vector<std::unique_ptr<OutputSlot>> output_slots;

  ~Binding() {
    for (zxdg_output_v1* xdg : xdg_outputs) zxdg_output_v1_destroy(xdg);
    for (wl_output* output : output_proxies) {
      if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(output)) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
        wl_output_release(output);
      } else {
        wl_output_destroy(output);
      }
    }
    if (output_manager) zxdg_output_manager_v1_destroy(output_manager);
    if (globals.viewporter) wp_viewporter_destroy(globals.viewporter);
    if (globals.presentation) wp_presentation_destroy(globals.presentation);
    if (globals.shm) wl_shm_destroy(globals.shm);
    if (globals.subcompositor) wl_subcompositor_destroy(globals.subcompositor);
    if (globals.compositor) wl_compositor_destroy(globals.compositor);
    if (registry) wl_registry_destroy(registry);
    if (globals.display) wl_display_flush(globals.display);
    if (globals.queue) wl_event_queue_destroy(globals.queue);
  }
};

WaylandOutput& OutputSlot::Output() const { return binding->globals.outputs[index]; }

// Not a static object: one destroyed at exit would talk to a connection that
// Qt may have closed already. The platform's end releases it.
Binding* g_binding = nullptr;
bool g_tried = false;

void OnGeometry(void* data, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*,
                int32_t transform) {
  static_cast<OutputSlot*>(data)->Output().transform = transform;
}

void OnMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t refresh) {
  if (!(flags & WL_OUTPUT_MODE_CURRENT)) return;
  WaylandOutput& output = static_cast<OutputSlot*>(data)->Output();
  output.mode_width = width;
  output.mode_height = height;
  output.refresh_mhz = refresh > 0 ? refresh : 0;
}

void OnDone(void*, wl_output*) {}

void OnScale(void* data, wl_output*, int32_t factor) {
  static_cast<OutputSlot*>(data)->Output().integer_scale = factor > 0 ? factor : 1;
}

void OnName(void* data, wl_output*, const char* name) {
  WaylandOutput& output = static_cast<OutputSlot*>(data)->Output();
  if (output.name.empty() && name) output.name = name;
}

void OnDescription(void*, wl_output*, const char*) {}

const wl_output_listener kOutputListener = {OnGeometry, OnMode, OnDone, OnScale, OnName, OnDescription};

void OnLogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
  WaylandOutput& output = static_cast<OutputSlot*>(data)->Output();
  output.logical_x = x;
  output.logical_y = y;
}

void OnLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
  WaylandOutput& output = static_cast<OutputSlot*>(data)->Output();
  output.logical_width = width;
  output.logical_height = height;
}

void OnXdgDone(void*, zxdg_output_v1*) {}

void OnXdgName(void* data, zxdg_output_v1*, const char* name) {
  if (name) static_cast<OutputSlot*>(data)->Output().name = name;
}

void OnXdgDescription(void*, zxdg_output_v1*, const char*) {}

const zxdg_output_v1_listener kXdgOutputListener = {OnLogicalPosition, OnLogicalSize, OnXdgDone, OnXdgName,
                                                    OnXdgDescription};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  auto* binding = static_cast<Binding*>(data);
  WaylandGlobals& g = binding->globals;
  auto bind = [&](const wl_interface* wanted, uint32_t highest) {
    return wl_registry_bind(registry, name, wanted, std::min(version, highest));
  };
  if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
    g.compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
  } else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0) {
    g.subcompositor = static_cast<wl_subcompositor*>(bind(&wl_subcompositor_interface, 1));
  } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
    g.shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
  } else if (std::strcmp(interface, wp_viewporter_interface.name) == 0) {
    g.viewporter = static_cast<wp_viewporter*>(bind(&wp_viewporter_interface, 1));
  } else if (std::strcmp(interface, wp_presentation_interface.name) == 0) {
    g.presentation = static_cast<wp_presentation*>(bind(&wp_presentation_interface, 1));
  } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
    binding->output_manager = static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 3));
  } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
    binding->output_proxies.push_back(static_cast<wl_output*>(bind(&wl_output_interface, 4)));
  }
}

void OnGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

wl_display* QtDisplay() {
  if (!qGuiApp || QGuiApplication::platformName() != u"wayland"_qs) return nullptr;
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

std::unique_ptr<Binding> Bind(wl_display* display) {
  auto binding = std::make_unique<Binding>();
  WaylandGlobals& g = binding->globals;
  g.display = display;
  g.queue = wl_display_create_queue(display);
  if (!g.queue) return nullptr;
  // Requests made through the wrapper put their new objects on our queue.
  auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
  if (!wrapper) return nullptr;
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), g.queue);
  binding->registry = wl_display_get_registry(wrapper);
  wl_proxy_wrapper_destroy(wrapper);
  wl_registry_add_listener(binding->registry, &kRegistryListener, binding.get());
  if (wl_display_roundtrip_queue(display, g.queue) < 0) return nullptr;

  g.outputs.resize(binding->output_proxies.size());
  for (std::size_t i = 0; i < binding->output_proxies.size(); ++i) {
    binding->output_slots.push_back(std::make_unique<OutputSlot>(OutputSlot{binding.get(), i}));
    OutputSlot* slot = binding->output_slots.back().get();
    wl_output_add_listener(binding->output_proxies[i], &kOutputListener, slot);
    if (binding->output_manager) {
      zxdg_output_v1* xdg = zxdg_output_manager_v1_get_xdg_output(binding->output_manager, binding->output_proxies[i]);
      binding->xdg_outputs.push_back(xdg);
      zxdg_output_v1_add_listener(xdg, &kXdgOutputListener, slot);
    }
  }
  if (wl_display_roundtrip_queue(display, g.queue) < 0) return nullptr;
  if (!g.compositor || !g.subcompositor || !g.shm) return nullptr;
  return binding;
}

}  // namespace

WaylandGlobals* ProgramWaylandGlobals() {
  if (!g_tried) {
    g_tried = true;
    if (wl_display* display = QtDisplay()) g_binding = Bind(display).release();
  }
  return g_binding ? &g_binding->globals : nullptr;
}

void ReleaseProgramWaylandGlobals() {
  delete g_binding;
  g_binding = nullptr;
}

}  // namespace rw
