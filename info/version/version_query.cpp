#include "info/version/version_query.h"

#include "info/version/version_bytes.h"

#include <QList>

#include <algorithm>

namespace rw {

namespace {

const VersionNode* ChildNamed(const VersionNode& node, QStringView name) {
  for (const VersionNode& child : node.children) {
    if (QStringView(child.key).compare(name, Qt::CaseInsensitive) == 0) return &child;
  }
  return nullptr;
}

}  // namespace

std::optional<VersionValue> QueryVersionValue(const VersionNode& root, const Text& path) {
  const VersionNode* node = &root;
  for (QStringView piece : QStringView(path).split(u'\\', Qt::SkipEmptyParts)) {
    node = ChildNamed(*node, piece);
    if (node == nullptr) return std::nullopt;
  }
  return VersionValue{node->type, node->value_length, node->value};
}

Text VersionValueText(const VersionValue& value) {
  const std::size_t units = std::min<std::size_t>(value.length, value.bytes.size() / 2);
  Text text;
  text.reserve(static_cast<qsizetype>(units));
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t unit = LoadU16(value.bytes, 2 * i);
    if (unit == 0) break;
    text.append(QChar(unit));
  }
  return text;
}

}  // namespace rw
