#pragma once

#include "report/check_record.h"

#include <string>

namespace rw {

// The record as one self-contained HTML document in German: styles inside,
// thumbnails as data URIs, no scripts, laid out for A4 paper.
std::string ReportHtml(const CheckRecord& record);

}  // namespace rw
