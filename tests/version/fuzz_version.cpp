// Feeds arbitrary bytes to the PE and ELF locators, the block parser and the
// query, the way the reader does. Any crash, hang or out-of-bounds read here is
// a bug; built with -DRW_FUZZ=ON it is a libFuzzer target.

#include "info/version/version_block.h"
#include "info/version/version_bytes.h"
#include "info/version/version_locate.h"
#include "info/version/version_query.h"
#include "info/version/version_reader.h"
#include "info/version/version_translation.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void CheckBlockTree(std::span<const std::uint8_t> block) {
  const rw::Parsed<rw::VersionNode> root = rw::ParseVersionBlock(block);
  if (!root.ok()) return;
  const rw::Text table = rw::TranslationTableName(root.value());
  for (const char16_t* key : {u"FileVersion", u"Timestamp"}) {
    const rw::Text path =
        u"\\\\StringFileInfo\\\\"_qs + table + u"\\\\"_qs + rw::Text::fromUtf16(key);
    if (const auto value = rw::QueryVersionValue(root.value(), path)) {
      const rw::Text text = rw::VersionValueText(*value);
      if (static_cast<std::size_t>(text.size()) * 2 > value->bytes.size()) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const rw::MemoryByteSource source(bytes);
  const rw::Parsed<rw::FileExtent> extent = rw::LocateVersionBlock(source);
  if (extent.ok() && !rw::RangeFits(extent.value().offset, extent.value().size, size)) std::abort();
  for (std::int64_t code : {0x0001, 0x1000, 0x2000}) (void)rw::ReadVersionFieldFrom(code, source);
  // The bytes as a block themselves, as far as a block can reach.
  CheckBlockTree(bytes.first(std::min<std::size_t>(size, 0xFFFF)));
  return 0;
}
