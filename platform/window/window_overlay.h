#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace rw {

// Shows the pixels that a window surface drew, on top of the window's
// controls, at the window's top-left. Clicks pass through to what lies
// beneath, so the image view still reports them.
class WindowOverlay : public QWidget {
 public:
  explicit WindowOverlay(QWidget* parent);

  // Shows `buffer` (kept alive while shown) over everything else.
  void ShowBuffer(std::shared_ptr<QImage> buffer);
  const std::shared_ptr<QImage>& buffer() const { return buffer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::shared_ptr<QImage> buffer_;
};

}  // namespace rw
