#pragma once

#include <QWidget>

#include <cstdint>

class QImage;

namespace rw {

// Paints an image of the store straight from its pixels, at its top-left.
class ImageView : public QWidget {
 public:
  ImageView(std::int64_t number, QWidget* parent);

  // Shows `image` (nullptr: nothing) at the image's own size in device
  // pixels.
  void SetImage(QImage* image);
  const QImage* image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::int64_t number_;
  QImage* image_ = nullptr;
};

}  // namespace rw
