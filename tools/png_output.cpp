#include "tools/png_output.h"

#include <QImage>
#include <QSaveFile>

namespace rw {

QString SavePng(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return u"out of memory converting the image"_qs;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (!rgb.save(&file, "PNG")) {
    file.cancelWriting();
    return file.error() != QFileDevice::NoError ? file.errorString() : u"PNG encoding failed"_qs;
  }
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace rw
