// A second opinion: Debian's edid-decode must read the same fields as our
// parser from every EDID of the table.

#include "info/edid/edid_parse.h"
#include "tests/edid/edid_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  std::string preferred_block0;        // the preferred timing from block 0 alone, if named
  std::string preferred_displayid;     // ... from block 0 and the DisplayID blocks
  std::string native;                  // "WxH" from block 0 alone, or the DisplayID blocks
  std::string tiles;                   // "2x1 0,0 2560x2880"
  int size_mismatches = 0;             // "Mismatch of image size" failures
  int slow_clocks = 0;                 // timings below 10 MHz
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

bool Starts(const std::string& line, const char* head) { return line.rfind(head, 0) == 0; }

Decoded Decode(const std::string& path) {
  Decoded d;
  std::istringstream lines(Run("edid-decode -c -p -n '" + path + "' 2>&1"));
  static const std::regex timing(R"(^\s*DTD\s*\d*:\s+(\d+)x(\d+)i?\s+([\d.]+) Hz)");
  static const std::regex made(R"(Made in: (?:week (\d+) of )?(\d+))");
  static const std::regex tiles(R"(Num horizontal tiles: (\d+) Num vertical tiles: (\d+))");
  static const std::regex location(R"(Tile location: (\d+), (\d+))");
  static const std::regex tile_size(R"(Tile resolution: (\d+x\d+))");
  std::string line;
  std::string* section = nullptr;  // the -p or -n report whose first line is wanted
  std::string ignored;
  std::smatch m;
  while (std::getline(lines, line)) {
    // The reports with CTA-861 blocks read the first video format as the
    // preferred one and CTA native flags; we do not (see below).
    if (Starts(line, "Preferred Video Timing if only Block 0")) {
      section = &d.preferred_block0;
    } else if (Starts(line, "Preferred Video Timing if Block 0 and DisplayID")) {
      section = &d.preferred_displayid;
    } else if (Starts(line, "Native Video Resolution:") || Starts(line, "Native Video Resolution if only Block 0") ||
               Starts(line, "Native Video Resolution if the DisplayID")) {
      section = &d.native;
    } else if (Starts(line, "Preferred Video Timings if") || Starts(line, "Native Video Resolution if")) {
      section = &ignored;
    } else if (section) {
      if (section->empty() && !line.empty() && line[0] == ' ') *section = line.substr(line.find_first_not_of(' '));
      if (line.empty() || line[0] == '-') section = nullptr;
      continue;
    }
    if (line.find("Invalid checksum") != std::string::npos || line.find("(should be") != std::string::npos) {
      d.checksum_fault = true;
    }
    if (line.find("Mismatch of image size") != std::string::npos) ++d.size_mismatches;
    if (line.find("Pixelclock < 10 MHz") != std::string::npos) ++d.slow_clocks;
    if (std::regex_search(line, m, timing)) {
      d.timings.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stod(m[3])});
    } else if (std::regex_search(line, m, tiles)) {
      d.tiles = m[1].str() + "x" + m[2].str();
    } else if (std::regex_search(line, m, location)) {
      d.tiles += " " + m[1].str() + "," + m[2].str();
    } else if (std::regex_search(line, m, tile_size)) {
      d.tiles += " " + m[1].str();
    } else if (auto at = line.find("Manufacturer: "); at != std::string::npos && d.manufacturer.empty()) {
      d.manufacturer = line.substr(at + 14);
    } else if (auto at = line.find("Model: "); at != std::string::npos && d.model < 0) {
      d.model = std::stoi(line.substr(at + 7));
    } else if (auto at = line.find("Serial Number: "); at != std::string::npos && line.find("Product") == std::string::npos &&
                                                        line.find("Tiled") == std::string::npos) {
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

std::string Format(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

int Count(const std::vector<std::string>& warnings, const char* text) {
  return static_cast<int>(std::count_if(warnings.begin(), warnings.end(), [&](const std::string& w) {
    return w.find(text) != std::string::npos;
  }));
}

// The preferred timing as edid-decode prints it: "DTD 1: 1920x1080 60.000000 Hz ... (527 mm x 296 mm)".
void ExpectSameTiming(const EdidTiming& t, const std::string& line) {
  std::smatch m;
  static const std::regex timing(R"((\d+)x(\d+)i?\s+([\d.]+) Hz)");
  ASSERT_TRUE(std::regex_search(line, m, timing)) << line;
  EXPECT_EQ(Format(t.width, t.height), m[1].str() + "x" + m[2].str());
  EXPECT_NEAR(t.refresh_hz, std::stod(m[3]), 0.000001);
  static const std::regex size(R"(\((\d+) mm x (\d+) mm\))");
  if (t.image_size && std::regex_search(line, m, size)) {
    EXPECT_EQ(t.image_size->width_mm, std::stoi(m[1]));
    EXPECT_EQ(t.image_size->height_mm, std::stoi(m[2]));
  }
}

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
    EXPECT_EQ(Count(info.warnings, "checksum") > 0, d.checksum_fault);
    // Both leave out timings below 10 MHz; edid-decode names them as failures.
    EXPECT_EQ(Count(info.warnings, "below 10 MHz"), d.slow_clocks);
    // Sizes that we call contradictory edid-decode calls mismatched (it
    // also names smaller differences, which we leave to rounding).
    if (info.sizes_disagree) EXPECT_GT(d.size_mismatches, 0);
    ASSERT_EQ(info.timings.size(), d.timings.size());
    for (std::size_t k = 0; k < d.timings.size(); ++k) {
      EXPECT_EQ(info.timings[k].width, d.timings[k].width) << "timing " << k;
      EXPECT_EQ(info.timings[k].height, d.timings[k].height) << "timing " << k;
      EXPECT_NEAR(info.timings[k].refresh_hz, d.timings[k].refresh_hz, 0.000001) << "timing " << k;
    }
    ASSERT_TRUE(info.preferred);
    // The preferred timing: a DisplayID timing marked preferred, else block
    // 0's. Deliberately not edid-decode's reading with CTA-861 blocks, where
    // the first video format of the video data block is preferred: a
    // television lists a broadcast format first (1920x1080 on a 3840x2160
    // panel), and the panel's own mode stays block 0's first timing.
    if (!d.preferred_displayid.empty()) {
      ExpectSameTiming(*info.preferred, d.preferred_displayid);
    } else if (!d.preferred_block0.empty()) {
      ExpectSameTiming(*info.preferred, d.preferred_block0);
    }
    // The native resolution where edid-decode finds one declared in block 0
    // or DisplayID (again not its CTA-861 reading); where it finds none,
    // ours is at most a guess.
    if (!d.native.empty()) {
      ASSERT_TRUE(info.native);
      EXPECT_EQ(Format(info.native->width, info.native->height), d.native);
      EXPECT_EQ(info.native_source, NativeSource::Declared);
    } else {
      EXPECT_NE(info.native_source, NativeSource::Declared);
    }
    const std::string tiles = info.tiles ? Format(info.tiles->columns, info.tiles->rows) + " " +
                                               std::to_string(info.tiles->column) + "," +
                                               std::to_string(info.tiles->row) + " " +
                                               Format(info.tiles->tile.width, info.tiles->tile.height)
                                         : "";
    EXPECT_EQ(tiles, d.tiles);
  }
  EXPECT_GE(files, 12);
}

}  // namespace
}  // namespace rw
