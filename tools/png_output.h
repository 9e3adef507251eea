#pragma once

#include <QString>

class QImage;

namespace rw {

// The output name that means standard output.
inline constexpr char16_t kStandardOutputName[] = u"-";

// Saves `image` as an 8-bit RGB PNG. A regular file (or a name that does not
// exist yet) is written through a temporary file in the same folder that is
// renamed at the end, so that a failure leaves no partial file. Standard
// output ("-"), a character device or a FIFO gets the PNG streamed into it
// and stays what it is; anything else (a folder, a socket, a block device)
// is refused. Returns an empty text on success, else the reason.
QString SavePng(const QImage& image, const QString& path);

}  // namespace rw
