#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

namespace rw {

class WindowOverlay;

// A numbered top-level window of the program. A close request only queues
// CloseEvent: the window stays until CloseWindow.
class ProgramWindow : public QWidget {
 public:
  ProgramWindow(std::int64_t number, Qt::WindowFlags hints);

  std::int64_t number() const { return number_; }

  // The buffer a window surface draws into: the inner area's size, holding
  // what the window shows now, so that drawing only part of it keeps the
  // rest. Null when the inner area is empty.
  std::shared_ptr<QImage> SurfaceBuffer();

  // Shows the surface buffer over the controls (a session on it ended).
  void ShowSurfaceBuffer(std::shared_ptr<QImage> buffer);

  // Takes the surface buffer down again, uncovering the controls.
  void HideSurfaceBuffer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::int64_t number_;
  WindowOverlay* overlay_;
};

}  // namespace rw
