#include "platform/wayland/wayland_globals.h"

#include "fractional-scale-v1-client-protocol.h"
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

// Each output's record with its proxies, for as long as the listeners may
// call. The record counts once the compositor ended its first description
// with done.
struct OutputSlot {
  std::uint32_t registry_name = 0;
  wl_output* proxy = nullptr;
  zxdg_output_v1* xdg = nullptr;
  WaylandOutput output;
  bool output_done = false;  // wl_output.done, which also ends xdg-output 3's events
  bool xdg_done = false;     // xdg-output's own done, before version 3

  WaylandOutput& Output() { return output; }
  bool Complete() const;
};

void DestroyProxies(OutputSlot& slot) {
  if (slot.xdg) zxdg_output_v1_destroy(slot.xdg);
  if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(slot.proxy)) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
    wl_output_release(slot.proxy);
  } else {
    wl_output_destroy(slot.proxy);
  }
}

struct Binding {
  WaylandGlobals globals;
  wl_registry* registry = nullptr;
  zxdg_output_manager_v1* output_manager = nullptr;
  std::vector<std::unique_ptr<OutputSlot>> output_slots;  // in the order the compositor announced them

  ~Binding() {
    for (const std::unique_ptr<OutputSlot>& slot : output_slots) DestroyProxies(*slot);
    if (output_manager) zxdg_output_manager_v1_destroy(output_manager);
    if (globals.viewporter) wp_viewporter_destroy(globals.viewporter);
    if (globals.fractional_scale_manager) wp_fractional_scale_manager_v1_destroy(globals.fractional_scale_manager);
    if (globals.presentation) wp_presentation_destroy(globals.presentation);
    if (globals.shm) wl_shm_destroy(globals.shm);
    if (globals.subcompositor) wl_subcompositor_destroy(globals.subcompositor);
    if (globals.compositor) wl_compositor_destroy(globals.compositor);
    if (registry) wl_registry_destroy(registry);
    if (globals.display) wl_display_flush(globals.display);
    if (globals.queue) wl_event_queue_destroy(globals.queue);
  }
};

bool OutputSlot::Complete() const {
  const bool wl_done_told = wl_proxy_get_version(reinterpret_cast<wl_proxy*>(proxy)) >= WL_OUTPUT_DONE_SINCE_VERSION;
  const bool xdg_done_told = xdg && wl_proxy_get_version(reinterpret_cast<wl_proxy*>(xdg)) < 3;
  return (output_done || !wl_done_told) && (xdg_done || !xdg_done_told) && output.mode_width > 0 &&
         output.mode_height > 0;
}

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

void OnDone(void* data, wl_output*) { static_cast<OutputSlot*>(data)->output_done = true; }

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

void OnXdgDone(void* data, zxdg_output_v1*) { static_cast<OutputSlot*>(data)->xdg_done = true; }

void OnXdgName(void* data, zxdg_output_v1*, const char* name) {
  if (name) static_cast<OutputSlot*>(data)->Output().name = name;
}

void OnXdgDescription(void*, zxdg_output_v1*, const char*) {}

const zxdg_output_v1_listener kXdgOutputListener = {OnLogicalPosition, OnLogicalSize, OnXdgDone, OnXdgName,
                                                    OnXdgDescription};

// The output's logical size, once the output and the manager are both
// bound, in whichever order the registry named them.
void AskLogicalSize(Binding& binding, OutputSlot& slot) {
  if (slot.xdg || !binding.output_manager) return;
  slot.xdg = zxdg_output_manager_v1_get_xdg_output(binding.output_manager, slot.proxy);
  zxdg_output_v1_add_listener(slot.xdg, &kXdgOutputListener, &slot);
}

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
  } else if (std::strcmp(interface, wp_fractional_scale_manager_v1_interface.name) == 0) {
    g.fractional_scale_manager =
        static_cast<wp_fractional_scale_manager_v1*>(bind(&wp_fractional_scale_manager_v1_interface, 1));
  } else if (std::strcmp(interface, wp_presentation_interface.name) == 0) {
    g.presentation = static_cast<wp_presentation*>(bind(&wp_presentation_interface, 1));
  } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
    binding->output_manager = static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 3));
    for (const std::unique_ptr<OutputSlot>& slot : binding->output_slots) AskLogicalSize(*binding, *slot);
  } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
    auto slot = std::make_unique<OutputSlot>();
    slot->registry_name = name;
    slot->proxy = static_cast<wl_output*>(bind(&wl_output_interface, 4));
    // At once: the compositor answers the bind right away, and the queue's
    // dispatch would drop what reaches a proxy without a listener.
    wl_output_add_listener(slot->proxy, &kOutputListener, slot.get());
    AskLogicalSize(*binding, *slot);
    binding->output_slots.push_back(std::move(slot));
  }
}

// An output that goes (unplugged, or remade by a new monitor setting) is
// forgotten; its proxies stay until the end, since events may still be on
// their way to them.
void OnGlobalRemove(void* data, wl_registry*, uint32_t name) {
  for (const std::unique_ptr<OutputSlot>& slot : static_cast<Binding*>(data)->output_slots) {
    if (slot->registry_name == name) slot->registry_name = 0;
  }
}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

wl_display* QtDisplay() {
  if (!qGuiApp || QGuiApplication::platformName() != u"wayland"_qs) return nullptr;
  QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
  return native ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

bool AnyOutputIncomplete(const Binding& binding) {
  return std::any_of(binding.output_slots.begin(), binding.output_slots.end(), [](const auto& slot) {
    return slot->registry_name != 0 && !slot->Complete();
  });
}

// The outputs as the compositor has described them so far: only those
// still there whose description is complete.
void CollectOutputs(Binding& binding) {
  binding.globals.outputs.clear();
  for (const std::unique_ptr<OutputSlot>& slot : binding.output_slots) {
    if (slot->registry_name != 0 && slot->Complete()) binding.globals.outputs.push_back(slot->output);
  }
}

// Waits, a few round trips at most, until every output announced has been
// described to its end: nothing is measured from half an answer.
bool AwaitOutputs(Binding& binding) {
  constexpr int kMostRoundTrips = 8;
  for (int trip = 0; trip < kMostRoundTrips; ++trip) {
    if (wl_display_roundtrip_queue(binding.globals.display, binding.globals.queue) < 0) return false;
    if (!AnyOutputIncomplete(binding)) break;
  }
  CollectOutputs(binding);
  return true;
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
  if (!g.compositor || !g.subcompositor || !g.shm) return nullptr;
  if (!AwaitOutputs(*binding)) return nullptr;
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

void RefreshWaylandOutputs() {
  if (!ProgramWaylandGlobals()) return;
  if (wl_display_dispatch_queue_pending(g_binding->globals.display, g_binding->globals.queue) < 0) return;
  // An output announced or remade meanwhile is waited for as at the start.
  if (AnyOutputIncomplete(*g_binding)) {
    AwaitOutputs(*g_binding);
  } else {
    CollectOutputs(*g_binding);
  }
}

void ReleaseProgramWaylandGlobals() {
  delete g_binding;
  g_binding = nullptr;
}

}  // namespace rw
