#include "check/check_thumbnail.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>

namespace rw {

std::vector<std::uint8_t> ThumbnailPng(const QImage& image, int width_px) {
  if (image.isNull() || width_px <= 0) return {};
  const int height_px = std::max(1, static_cast<int>(static_cast<qint64>(image.height()) * width_px / image.width()));
  const QImage small =
      image.scaled(width_px, height_px, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !small.save(&buffer, "PNG")) return {};
  return {bytes.begin(), bytes.end()};
}

}  // namespace rw
