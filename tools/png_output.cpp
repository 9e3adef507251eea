#include "tools/png_output.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rw {
namespace {

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of `bytes` to `fd`; the reason when that fails.
QString WriteAll(int fd, const QByteArray& bytes) {
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemError(errno);
    if (n == 0) return u"nothing written"_qs;
    done += n;
  }
  return QString();
}

bool IsStreamNode(mode_t mode) { return S_ISCHR(mode) || S_ISFIFO(mode); }

// Streams into an existing character device or FIFO; a FIFO waits for its
// reader, as any writer does.
QString StreamInto(const QByteArray& name, const QByteArray& bytes) {
  const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return SystemError(errno);
  struct stat info {};
  QString error;
  if (::fstat(fd, &info) != 0) {
    error = SystemError(errno);
  } else if (!IsStreamNode(info.st_mode)) {
    error = u"changed while it was opened"_qs;  // swapped for something else
  } else {
    error = WriteAll(fd, bytes);
  }
  if (::close(fd) != 0 && error.isEmpty() && errno != EINTR) error = SystemError(errno);
  return error;
}

QString SaveAtomically(const QByteArray& bytes, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return file.errorString();
  }
  if (!file.commit()) return file.errorString();
  return QString();
}

}  // namespace

QString SavePng(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return u"out of memory converting the image"_qs;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !rgb.save(&buffer, "PNG")) return u"PNG encoding failed"_qs;
  buffer.close();

  if (path == QStringView(kStandardOutputName)) return WriteAll(STDOUT_FILENO, bytes);
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::stat(name.constData(), &info) != 0 || S_ISREG(info.st_mode)) return SaveAtomically(bytes, path);
  if (IsStreamNode(info.st_mode)) return StreamInto(name, bytes);
  if (S_ISDIR(info.st_mode)) return u"is a directory"_qs;
  return u"not a regular file, character device or FIFO"_qs;
}

}  // namespace rw
