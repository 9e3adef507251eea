#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace rw {

class PixelSurface;
class WindowOverlay;

// A numbered top-level window of the program. A close request only queues
// CloseEvent: the window stays until CloseWindow.
//
// Its pictures (the image view's image, or what a window surface drew) are
// shown one pixel on one device pixel. Where Qt's drawing already is 1:1
// (X11, where its scaling is off) Qt paints them; on Wayland, where the
// compositor scales whatever Qt draws, a pixel surface over the window
// shows them past Qt.
class ProgramWindow : public QWidget {
 public:
  ProgramWindow(std::int64_t number, Qt::WindowFlags hints, QSize inner_px);
  ~ProgramWindow() override;

  std::int64_t number() const { return number_; }

  // The inner area's size in device pixels, as the window was opened.
  QSize InnerSizePx() const { return inner_px_; }

  // Whether the pictures go past Qt (controls then leave them to
  // ShowPicture instead of painting them).
  bool ShowsPicturesNatively() const { return native_; }

  // Shows the current picture again: the surface buffer if one is up, else
  // the image view's image. Does nothing where Qt paints the pictures.
  void ShowPicture();

  // Where ShowPicture last put the picture's top-left, logical units from
  // the window surface's (frames over the picture go there too).
  QPoint PictureOffset() const { return pixels_offset_; }

  // Opens the window in its normal state with `inner` size and the outer
  // frame at `frame_position`, or centred on the primary screen. Where an X11
  // window manager maximises it on its own while mapping it, the window
  // restores this once; a Wayland compositor's maximising is kept.
  void ShowPlaced(QPoint frame_position, QSize inner, bool centred);

  // The window manager told the frame's size (again): a centred window
  // centres its outer frame anew.
  void FrameExtentsChanged();

  // Its native window was destroyed by someone else: the window is a dead
  // shell that only waits for CloseWindow.
  void MarkDestroyedOutside() { destroyed_outside_ = true; }
  bool destroyedOutside() const { return destroyed_outside_; }

  // The buffer a window surface draws into: the inner area's device size,
  // holding what the window shows now, so that drawing only part of it
  // keeps the rest. Null when the inner area is empty.
  std::shared_ptr<QImage> SurfaceBuffer();

  // Shows the surface buffer over the controls (a session on it ended).
  void ShowSurfaceBuffer(std::shared_ptr<QImage> buffer);

  // Takes the surface buffer down again, uncovering the controls.
  void HideSurfaceBuffer();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage CurrentPicture() const;
  void RestoreNormalState();

  std::int64_t number_;
  QSize inner_px_;
  bool native_;
  WindowOverlay* overlay_;
  std::unique_ptr<PixelSurface> pixels_;
  std::shared_ptr<QImage> surface_buffer_;  // shown natively while set
  QPoint pixels_offset_;
  QPoint frame_position_;
  QSize inner_;
  bool centred_ = false;
  // The frame margins the window was last centred with.
  QMargins centred_with_;
  // Whether a maximised state may still be taken for the window manager's
  // own choice at mapping, which is undone once.
  bool may_restore_ = false;
  bool destroyed_outside_ = false;
};

}  // namespace rw
