#include "info/version/version_keys.h"

namespace rw {

namespace {

struct KeyCode {
  std::uint32_t code;
  const char16_t* key;
};

constexpr KeyCode kKeys[] = {
    {0x0001, u"FileVersion"},    {0x0002, u"FileDescription"},  {0x0004, u"LegalCopyright"},
    {0x0008, u"InternalName"},   {0x0010, u"OriginalFilename"}, {0x0020, u"ProductName"},
    {0x0040, u"ProductVersion"}, {0x0080, u"CompanyName"},      {0x0100, u"LegalTrademarks"},
    {0x0200, u"SpecialBuild"},   {0x0400, u"PrivateBuild"},     {0x0800, u"Comments"},
    {0x1000, u"Language"},       {0x2000, u"Timestamp"},
};

}  // namespace

Text VersionKeyName(std::int64_t code) {
  // Only the low 32 bits of the code take part.
  const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(code));
  for (const KeyCode& k : kKeys) {
    if (k.code == low) return Text::fromUtf16(k.key);
  }
  return {};
}

}  // namespace rw
