#pragma once

#include <QString>
#include <ostream>

// Lets gtest show texts as text in failure messages instead of raw units.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
