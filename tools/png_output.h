#pragma once

#include <QString>

class QImage;

namespace rw {

// Saves `image` as an 8-bit RGB PNG at `path`, through a temporary file in
// the same folder that is renamed at the end, so that a failure leaves no
// partial file. Returns an empty text on success, else the reason.
QString SavePng(const QImage& image, const QString& path);

}  // namespace rw
