// A second opinion: Debian's edid-decode must read the same fields as our
// parser from every EDID of the table.

#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace rw {
namespace {

struct DecodedTiming {
  int width = 0;
  int height = 0;
  double refresh_hz = 0;
};

// What edid-decode prints that our parser also reads.
struct Decoded {
  std::string manufacturer;
  int model = -1;
  long long serial = 0;
  int week = 0;
  int year = 0;
  std::string name;
  std::string serial_text;
  std::vector<DecodedTiming> timings;  // every detailed timing, in order
  std::string preferred_line;          // the block-0 preferred timing, if named
  std::string native;                  // "WxH", if named
  bool checksum_fault = false;
};

std::string Run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

bool EdidDecodeInstalled() { return Run("command -v edid-decode").find("edid-decode") != std::string::npos; }

std::string Quoted(const std::string& line) {
  const auto open = line.find('\'');
  const auto close = line.rfind('\'');
  return open == std::string::npos || close <= open ? std::string() : line.substr(open + 1, close - open - 1);
}

Decoded Decode(const std::string& path) {
  Decoded d;
  std::istringstream lines(Run("edid-decode -c -p -n '" + path + "' 2>&1"));
  static const std::regex timing(R"(^\s*DTD\s*\d*:\s+(\d+)x(\d+)i?\s+([\d.]+) Hz)");
  static const std::regex made(R"(Made in: (?:week (\d+) of )?(\d+))");
  std::string line;
  std::string section;  // set once the -p and -n reports begin
  std::smatch m;
  while (std::getline(lines, line)) {
    if (line.rfind("Preferred Video Timing", 0) == 0 || line.rfind("Native Video Resolution", 0) == 0) {
      section = line;
      continue;
    }
    if (!section.empty()) {
      if (section.find("only Block 0") != std::string::npos && d.preferred_line.empty()) d.preferred_line = line;
      if (section.rfind("Native", 0) == 0 && d.native.empty()) d.native = line.substr(line.find_first_not_of(' '));
      continue;
    }
    if (line.find("Invalid checksum") != std::string::npos || line.find("(should be") != std::string::npos) {
      d.checksum_fault = true;
    }
    if (std::regex_search(line, m, timing)) {
      d.timings.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stod(m[3])});
    } else if (auto at = line.find("Manufacturer: "); at != std::string::npos && d.manufacturer.empty()) {
      d.manufacturer = line.substr(at + 14);
    } else if (auto at = line.find("Model: "); at != std::string::npos && d.model < 0) {
      d.model = std::stoi(line.substr(at + 7));
    } else if (auto at = line.find("Serial Number: "); at != std::string::npos && line.find("Product") == std::string::npos) {
      d.serial = std::stoll(line.substr(at + 15));
    } else if (std::regex_search(line, m, made)) {
      d.week = m[1].matched ? std::stoi(m[1]) : 0;
      d.year = std::stoi(m[2]);
    } else if (auto at = line.find("Model year: "); at != std::string::npos) {
      d.year = std::stoi(line.substr(at + 12));
    } else if (line.find("Display Product Name:") != std::string::npos && d.name.empty()) {
      d.name = Quoted(line);
    } else if (line.find("Display Product Serial Number:") != std::string::npos && d.serial_text.empty()) {
      d.serial_text = Quoted(line);
    }
  }
  return d;
}

std::string Format(const EdidTiming& t) { return std::to_string(t.width) + "x" + std::to_string(t.height); }

TEST(EdidDecodeComparison, EveryTableEdidReadsAlike) {
  if (!EdidDecodeInstalled()) GTEST_SKIP() << "edid-decode is not installed (Debian package edid-decode)";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(RW_EDID_SAMPLES) + "/corpus")) {
    if (entry.path().extension() != ".bin") continue;
    ++files;
    const std::string path = entry.path().string();
    SCOPED_TRACE(path);
    const Decoded d = Decode(path);
    const EdidInfo info = ParseEdid(test::ReadBytes(path)).value();
    EXPECT_EQ(info.manufacturer_id, d.manufacturer);
    EXPECT_EQ(info.product_code, d.model);
    EXPECT_EQ(static_cast<long long>(info.serial_number), d.serial);
    EXPECT_EQ(info.week, d.week);
    EXPECT_EQ(info.year, d.year);
    EXPECT_EQ(info.name.value_or(""), d.name);
    EXPECT_EQ(info.serial_text, d.serial_text);
    EXPECT_EQ(!info.warnings.empty(), d.checksum_fault);
    ASSERT_EQ(info.timings.size(), d.timings.size());
    for (std::size_t k = 0; k < d.timings.size(); ++k) {
      EXPECT_EQ(info.timings[k].width, d.timings[k].width) << "timing " << k;
      EXPECT_EQ(info.timings[k].height, d.timings[k].height) << "timing " << k;
      EXPECT_NEAR(info.timings[k].refresh_hz, d.timings[k].refresh_hz, 0.000001) << "timing " << k;
    }
    ASSERT_TRUE(info.preferred);
    // edid-decode names the native resolution where an EDID declares one;
    // the Apple display declares none and we take its largest timing.
    if (!d.native.empty()) {
      EXPECT_EQ(Format(*info.preferred), d.native);
    }
    if (!d.preferred_line.empty()) {
      std::smatch m;
      static const std::regex timing(R"((\d+)x(\d+)\s+([\d.]+) Hz.*\((\d+) mm x (\d+) mm\))");
      ASSERT_TRUE(std::regex_search(d.preferred_line, m, timing)) << d.preferred_line;
      EXPECT_EQ(Format(*info.preferred), m[1].str() + "x" + m[2].str());
      EXPECT_NEAR(info.preferred->refresh_hz, std::stod(m[3]), 0.000001);
      if (info.preferred->image_size) {
        EXPECT_EQ(info.preferred->image_size->width_mm, std::stoi(m[4]));
        EXPECT_EQ(info.preferred->image_size->height_mm, std::stoi(m[5]));
      }
    }
  }
  EXPECT_GE(files, 9);
}

}  // namespace
}  // namespace rw
