#include "info/version/version_translation.h"

#include "info/version/version_bytes.h"
#include "info/version/version_query.h"

namespace rw {

Text TranslationTableName(const VersionNode& root) {
  const std::optional<VersionValue> value =
      QueryVersionValue(root, u"\\\\VarFileInfo\\\\Translation"_qs);
  if (!value || value->bytes.size() < 4) return {};
  const std::uint16_t language = LoadU16(value->bytes, 0);
  const std::uint16_t code_page = LoadU16(value->bytes, 2);
  return u"%1%2"_qs.arg(language, 4, 16, QChar(u'0')).arg(code_page, 4, 16, QChar(u'0')).toUpper();
}

}  // namespace rw
