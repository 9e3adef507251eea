#include "info/version/version_reader.h"

#include <QDir>

#include "tests/version/text_printer.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

QStringList FilesIn(const char* folder) {
  const QDir dir(QString::fromUtf8(RW_VERSION_SAMPLES) + u"/"_qs + QString::fromUtf8(folder));
  QStringList paths;
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) paths << dir.filePath(name);
  return paths;
}

TEST(MalformedFiles, GiveTheEmptyTextForEveryCode) {
  const QStringList files = FilesIn("malformed");
  EXPECT_GE(files.size(), 20);
  for (const QString& path : files) {
    for (int bit = 0; bit < 14; ++bit) {
      EXPECT_EQ(ReadVersionField(std::int64_t{1} << bit, path), u"") << path.toStdString();
    }
  }
}

// The fuzzer's seeds are the good twins of the malformed files: each of them
// must still be read, or the malformed ones prove nothing.
TEST(MalformedFiles, TheirGoodTwinsAreRead) {
  const QStringList files = FilesIn("corpus");
  EXPECT_GE(files.size(), 5);
  for (const QString& path : files)
    EXPECT_EQ(ReadVersionField(1, path), u"2.5") << path.toStdString();
}

}  // namespace
}  // namespace rw
