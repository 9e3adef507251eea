#pragma once

#include "report/check_record.h"

#include <string>

namespace rw {

// The record as one JSON document (UTF-8, English keys, ending in a line
// feed); the man page lists its keys.
std::string ReportJson(const CheckRecord& record);

}  // namespace rw
