#include "info/version/version_file_size.h"
#include "tests/version/temp_files.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using namespace rw::test;

TEST(FileSize, GivesBytesOrMissingOrDirectory) {
  const TempFiles files;
  const Text three = files.Write(u"three.bin"_qs, {1, 2, 3});
  const Text empty = files.Write(u"empty.bin"_qs, {});
  const Text folder = files.Folder(u"folder"_qs);
  struct Case {
    Text path;
    std::int64_t size;
  };
  const Case cases[] = {
      {three, 3},
      {three + u"/"_qs, 3},
      {three + u"\\/\\"_qs, 3},
      {empty, 0},
      {folder, -2},
      {folder + u"///"_qs, -2},
      {folder + u"\\"_qs, -2},
      {u"/"_qs, -2},
      {u"//\\"_qs, -2},
      {files.Path(u"missing"_qs), -1},
      {Text(), -1},
      {u""_qs, -1},
      {Text(255, u' '), -1},
      // A NUL would cut the name short at the folder.
      {folder + QChar(u'\0') + u"x"_qs, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FileSize(c.path), c.size) << c.path.toStdString();
}

}  // namespace
}  // namespace rw
