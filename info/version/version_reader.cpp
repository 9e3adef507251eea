#include "info/version/version_reader.h"

#include "info/version/version_block.h"
#include "info/version/version_file_size.h"
#include "info/version/version_file_source.h"
#include "info/version/version_keys.h"
#include "info/version/version_locate.h"
#include "info/version/version_query.h"
#include "info/version/version_translation.h"

#include <QFile>

#include <new>
#include <vector>

namespace rw {

namespace {

// The block size is held as a signed 16-bit number, so larger blocks count
// as absent.
constexpr std::uint64_t kMaxBlockSize = 32767;
constexpr std::int64_t kFileVersionCode = 0x0001;

}  // namespace

Text ReadVersionFieldFrom(std::int64_t code, const ByteSource& source) {
  const Parsed<FileExtent> extent = LocateVersionBlock(source);
  if (!extent.ok() || extent.value().size < 1 || extent.value().size > kMaxBlockSize) return {};
  std::vector<std::uint8_t> block;
  try {
    block.assign(extent.value().size, 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  if (!source.ReadAt(extent.value().offset, block)) return {};
  const Parsed<VersionNode> root = ParseVersionBlock(block);
  if (!root.ok()) return {};

  const Text table = TranslationTableName(root.value());
  const Text key = VersionKeyName(code);
  if (key.isEmpty()) return {};
  // Separators are doubled on purpose: the query skips empty names, and an
  // empty table name then leaves StringFileInfo\key, which no well-formed
  // block holds.
  const Text path = u"\\\\StringFileInfo\\\\"_qs + table + u"\\\\"_qs + key;
  const std::optional<VersionValue> value = QueryVersionValue(root.value(), path);
  if (!value) return {};
  return VersionValueText(*value);
}

Text ReadVersionField(std::int64_t code, const Text& path) {
  return ReadVersionField(code, std::filesystem::path(QFile::encodeName(path).toStdString()));
}

Text ReadVersionField(std::int64_t code, const std::filesystem::path& path) {
  // Covers a missing file, a directory, an empty name and an empty file.
  if (FileSize(path) <= 0) return {};
  const std::unique_ptr<FileByteSource> file = FileByteSource::Open(path);
  if (!file) return {};
  return ReadVersionFieldFrom(code, *file);
}

Text OwnFileVersion() {
  // The link keeps naming the running file even after it was replaced on disk.
  return ReadVersionField(kFileVersionCode, u"/proc/self/exe"_qs);
}

}  // namespace rw
