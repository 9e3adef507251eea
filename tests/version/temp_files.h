#pragma once

#include "info/version/generator/version_block_writer.h"
#include "platform/base/text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace rw::test {

// A scratch folder that the tests fill with files and that goes away after.
class TempFiles {
 public:
  Text Write(const Text& name, const Bytes& bytes) const {
    const Text path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
  }
  Text Folder(const Text& name) const {
    QDir(dir_.path()).mkpath(name);
    return dir_.filePath(name);
  }
  Text Path(const Text& name) const { return dir_.filePath(name); }

 private:
  QTemporaryDir dir_;
};

}  // namespace rw::test
