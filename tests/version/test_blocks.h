#pragma once

// Version blocks the tests wrap into PE and ELF files.

#include "info/version/generator/version_block_writer.h"

#include <utility>
#include <vector>

namespace rw::test {

using Strings = std::vector<std::pair<std::u16string, std::u16string>>;
using Translations = std::vector<std::pair<std::uint16_t, std::uint16_t>>;

// A block with one table named table_name and the given translation entries.
inline Bytes BlockWith(const std::u16string& table_name, const Strings& strings,
                       const Translations& translations) {
  return SerialiseVersionNode(ProgramVersionBlock({2, 5, 0, 0}, table_name, strings, translations));
}

// German, Unicode: the block most tests start from.
inline Bytes GermanBlock() {
  return BlockWith(u"040704b0", {{u"FileVersion", u"2.5"}, {u"ProductName", u"Probe"}},
                   {{0x0407, 0x04B0}});
}

}  // namespace rw::test
