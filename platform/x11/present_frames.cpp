#include "platform/x11/present_frames.h"

#include "platform/frames/window_system_answers.h"

#include <QElapsedTimer>
#include <QSocketNotifier>

#include <xcb/present.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <poll.h>

namespace rw {
namespace {

constexpr std::size_t kSlots = 3;
constexpr std::int64_t kLastPictureWaitMs = 100;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

// Whether pixels of `depth` go to the server as 32-bit words in the host's
// byte order, which is how the frames hold them.
bool ZPixmapIs32Bits(const xcb_setup_t* setup, std::uint8_t depth) {
  const bool host_lsb = std::endian::native == std::endian::little;
  if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != host_lsb) return false;
  for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
    if (it.data->depth == depth) return it.data->bits_per_pixel == 32 && it.data->scanline_pad == 32;
  }
  return false;
}

}  // namespace

struct X11PresentFrames::Connection {
  xcb_connection_t* c = nullptr;
  ~Connection() {
    if (c) xcb_disconnect(c);
  }
};

X11PresentFrames::X11PresentFrames(std::unique_ptr<Connection> connection, std::uint32_t window, std::int32_t width,
                                   std::int32_t height, FramePainter painter)
    : connection_(std::move(connection)), window_(window), width_(width), height_(height), painter_(std::move(painter)) {}

std::unique_ptr<X11PresentFrames> X11PresentFrames::Create(std::uint32_t window, std::int32_t width,
                                                          std::int32_t height, bool full_screen,
                                                          FramePainter painter) {
  if (window == 0 || width < 1 || height < 1 || width > 32767 || height > 32767 || !painter) return nullptr;
  auto connection = std::make_unique<Connection>();
  connection->c = xcb_connect(nullptr, nullptr);
  xcb_connection_t* c = connection->c;
  if (xcb_connection_has_error(c)) return nullptr;
  const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_present_id);
  if (!extension || !extension->present) return nullptr;
  xcb_present_query_version_reply_t* version = xcb_present_query_version_reply(
      c, xcb_present_query_version(c, XCB_PRESENT_MAJOR_VERSION, XCB_PRESENT_MINOR_VERSION), nullptr);
  if (!version) return nullptr;
  std::free(version);
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  if (!geometry) return nullptr;
  const std::uint8_t depth = geometry->depth;
  std::free(geometry);
  if ((depth != 24 && depth != 32) || !ZPixmapIs32Bits(xcb_get_setup(c), depth)) return nullptr;

  std::unique_ptr<X11PresentFrames> frames(new X11PresentFrames(std::move(connection), window, width, height,
                                                                std::move(painter)));
  frames->depth_ = depth;
  frames->slots_.resize(kSlots);
  for (Slot& slot : frames->slots_) {
    slot.pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, depth, slot.pixmap, window, static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height));
    slot.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF000000u);
  }
  frames->gc_ = xcb_generate_id(c);
  xcb_create_gc(c, frames->gc_, frames->slots_[0].pixmap, 0, nullptr);
  frames->event_id_ = xcb_generate_id(c);
  xcb_present_select_input(c, frames->event_id_, window,
                           XCB_PRESENT_EVENT_MASK_COMPLETE_NOTIFY | XCB_PRESENT_EVENT_MASK_IDLE_NOTIFY);
  if (full_screen) {
    frames->bypass_atom_ = Atom(c, "_NET_WM_BYPASS_COMPOSITOR");
    const std::uint32_t bypass = 1;
    if (frames->bypass_atom_ != XCB_ATOM_NONE) {
      xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, frames->bypass_atom_, XCB_ATOM_CARDINAL, 32, 1, &bypass);
    }
  }
  frames->notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(c), QSocketNotifier::Read);
  QObject::connect(frames->notifier_.get(), &QSocketNotifier::activated, [raw = frames.get()] { raw->ReadEvents(); });
  frames->draw_due_ = true;
  frames->TryDraw();
  return frames;
}

// A picture presented but not yet shown would still reach the window after
// whatever the window shows next: its completion is awaited (a refresh at
// most, never more than kLastPictureWaitMs).
void X11PresentFrames::AwaitLastPicture() {
  xcb_connection_t* c = connection_->c;
  QElapsedTimer waited;
  waited.start();
  while (completed_serial_ != serial_ && !Broken() && waited.elapsed() < kLastPictureWaitMs) {
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    if (poll(&fd, 1, static_cast<int>(kLastPictureWaitMs - waited.elapsed())) <= 0) break;
    draw_due_ = false;
    ReadEvents();
  }
}

X11PresentFrames::~X11PresentFrames() {
  notifier_.reset();
  draw_due_ = false;
  AwaitLastPicture();
  xcb_connection_t* c = connection_->c;
  if (!xcb_connection_has_error(c)) {
    if (bypass_atom_ != XCB_ATOM_NONE) xcb_delete_property(c, window_, bypass_atom_);
    for (const Slot& slot : slots_) xcb_free_pixmap(c, slot.pixmap);
    if (gc_) xcb_free_gc(c, gc_);
    // Handled before the connection goes, and before the next run's
    // connection, which the server may read first, sets the property again.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  }
}

bool X11PresentFrames::Broken() const { return xcb_connection_has_error(connection_->c) != 0; }

void X11PresentFrames::Upload(Slot& slot, const std::vector<FrameRect>& rects) {
  xcb_connection_t* c = connection_->c;
  // Rows per request within the server's limit (in 4-byte units), less the
  // request's own header.
  const std::uint64_t limit_bytes = std::uint64_t{xcb_get_maximum_request_length(c)} * 4 - 64;
  for (const FrameRect& r : rects) {
    if (r.width <= 0 || r.height <= 0) continue;
    const std::uint64_t row_bytes = std::uint64_t(r.width) * 4;
    const auto rows_per_request = static_cast<std::int32_t>(std::max<std::uint64_t>(1, limit_bytes / row_bytes));
    std::vector<std::uint32_t> rows;
    for (std::int32_t y = r.y; y < r.y + r.height; y += rows_per_request) {
      const std::int32_t rows_now = std::min(rows_per_request, r.y + r.height - y);
      rows.resize(static_cast<std::size_t>(r.width) * static_cast<std::size_t>(rows_now));
      for (std::int32_t j = 0; j < rows_now; ++j) {
        const std::uint32_t* source = slot.pixels.data() + static_cast<std::size_t>(y + j) * width_ + r.x;
        std::copy_n(source, r.width, rows.data() + static_cast<std::size_t>(j) * r.width);
      }
      xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, slot.pixmap, gc_, static_cast<std::uint16_t>(r.width),
                    static_cast<std::uint16_t>(rows_now), static_cast<std::int16_t>(r.x), static_cast<std::int16_t>(y),
                    0, depth_, static_cast<std::uint32_t>(rows.size() * 4),
                    reinterpret_cast<const std::uint8_t*>(rows.data()));
    }
  }
}

void X11PresentFrames::TryDraw() {
  if (!draw_due_ || Broken()) return;
  Slot* free = nullptr;
  for (Slot& slot : slots_) {
    if (slot.idle && (!free || slot.content.frame > free->content.frame)) free = &slot;
  }
  if (!free) return;  // the next IdleNotify draws
  draw_due_ = false;
  const FrameBuffer buffer{free->pixels.data(), width_, width_, height_};
  Upload(*free, painter_.paint(buffer, free->content, next_frame_));
  free->idle = false;
  // For the refresh after the last one that completed: the next MSC.
  const std::uint64_t target_msc = any_complete_ ? last_msc_ + 1 : 0;
  xcb_present_pixmap(connection_->c, window_, free->pixmap, ++serial_, XCB_NONE, XCB_NONE, 0, 0, XCB_NONE, XCB_NONE,
                     XCB_NONE, XCB_PRESENT_OPTION_NONE, target_msc, 0, 0, 0, nullptr);
  xcb_flush(connection_->c);
}

void X11PresentFrames::ReadEvents() {
  xcb_connection_t* c = connection_->c;
  while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
    if ((event->response_type & 0x7F) == XCB_GE_GENERIC) {
      const auto* generic = reinterpret_cast<const xcb_present_generic_event_t*>(event);
      if (generic->evtype == XCB_PRESENT_EVENT_COMPLETE_NOTIFY) {
        const auto* complete = reinterpret_cast<const xcb_present_complete_notify_event_t*>(event);
        if (complete->kind == XCB_PRESENT_COMPLETE_KIND_PIXMAP) {
          answers_.Add(PresentCompleteAnswer(complete->mode, complete->ust, complete->msc));
          completed_serial_ = complete->serial;
          if (!any_complete_) first_msc_ = complete->msc;
          any_complete_ = true;
          last_msc_ = std::max(last_msc_, complete->msc);
          next_frame_ = static_cast<std::int64_t>(std::min<std::uint64_t>(last_msc_ + 1 - first_msc_, 1ull << 62));
          draw_due_ = true;
        }
      } else if (generic->evtype == XCB_PRESENT_EVENT_IDLE_NOTIFY) {
        const auto* idle = reinterpret_cast<const xcb_present_idle_notify_event_t*>(event);
        for (Slot& slot : slots_) {
          if (slot.pixmap == idle->pixmap) slot.idle = true;
        }
      }
    }
    std::free(event);
  }
  if (Broken()) {
    if (notifier_) notifier_->setEnabled(false);
    return;
  }
  if (notifier_) TryDraw();
}

}  // namespace rw
