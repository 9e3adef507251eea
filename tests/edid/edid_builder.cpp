#include "tests/edid/edid_builder.h"

#include <fstream>
#include <iterator>
#include <numeric>

namespace rw::test {

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Descriptor DetailedTiming(int width, int height, int h_blank, int v_blank, int clock_10khz,
                          int width_mm, int height_mm) {
  Descriptor d{};
  d[0] = clock_10khz & 0xFF;
  d[1] = (clock_10khz >> 8) & 0xFF;
  d[2] = width & 0xFF;
  d[3] = h_blank & 0xFF;
  d[4] = static_cast<std::uint8_t>(((width >> 8) << 4) | ((h_blank >> 8) & 0x0F));
  d[5] = height & 0xFF;
  d[6] = v_blank & 0xFF;
  d[7] = static_cast<std::uint8_t>(((height >> 8) << 4) | ((v_blank >> 8) & 0x0F));
  d[8] = 48;
  d[9] = 32;
  d[10] = 0x36;
  d[12] = width_mm & 0xFF;
  d[13] = height_mm & 0xFF;
  d[14] = static_cast<std::uint8_t>(((width_mm >> 8) << 4) | ((height_mm >> 8) & 0x0F));
  d[17] = 0x1A;
  return d;
}

Descriptor TextDescriptor(std::uint8_t tag, std::string_view text) {
  Descriptor d{};
  d[3] = tag;
  std::size_t k = 0;
  for (; k < text.size() && k < 13; ++k) d[5 + k] = static_cast<std::uint8_t>(text[k]);
  if (k < 13) d[5 + k++] = 0x0A;
  for (; k < 13; ++k) d[5 + k] = 0x20;
  return d;
}

void SetDescriptor(Bytes& edid, int index, const Descriptor& descriptor) {
  std::copy(descriptor.begin(), descriptor.end(), edid.begin() + 0x36 + 18 * index);
}

Bytes BaseBlock() {
  Bytes b(128, 0);
  const std::uint8_t head[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
                               0x10, 0xAC, 0x42, 0x42, 0x40, 0xE2, 0x01, 0x00,
                               10,   30,   1,    4,    0xA5, 53,   30,   0x78, 0x3A};
  std::copy(std::begin(head), std::end(head), b.begin());
  for (int k = 0x26; k < 0x36; ++k) b[k] = 0x01;  // no standard timings
  SetDescriptor(b, 0, DetailedTiming(1920, 1080, 280, 45, 14850, 527, 296));
  SetDescriptor(b, 1, TextDescriptor(0xFF, "SN-0001"));
  SetDescriptor(b, 2, TextDescriptor(0xFC, "TEST MONITOR"));
  Descriptor range = TextDescriptor(0xFD, "");
  const std::uint8_t limits[] = {0, 48, 75, 30, 90, 17, 0x01, 0x0A};
  std::copy(std::begin(limits), std::end(limits), range.begin() + 4);
  SetDescriptor(b, 3, range);
  FixChecksums(b);
  return b;
}

IdTiming DisplayIdTiming(int width, int height, int h_blank, int v_blank, int clock_units, bool preferred) {
  IdTiming t{};
  const int clock = clock_units - 1;
  t[0] = clock & 0xFF;
  t[1] = (clock >> 8) & 0xFF;
  t[2] = (clock >> 16) & 0xFF;
  t[3] = preferred ? 0x80 : 0x00;
  const auto put = [&](int at, int value) {
    t[at] = (value - 1) & 0xFF;
    t[at + 1] = ((value - 1) >> 8) & 0xFF;
  };
  put(4, width);
  put(6, h_blank);
  put(8, 48);
  put(10, 32);
  put(12, height);
  put(14, v_blank);
  put(16, 3);
  put(18, 5);
  return t;
}

Bytes DisplayIdBlockWith(const std::vector<Bytes>& data_blocks, bool version_2) {
  Bytes b(128, 0);
  b[0] = 0x70;
  b[1] = version_2 ? 0x20 : 0x13;
  std::size_t at = 5;
  for (const Bytes& block : data_blocks) {
    std::copy(block.begin(), block.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    at += block.size();
  }
  b[2] = static_cast<std::uint8_t>(at - 5);
  const unsigned sum = std::accumulate(b.begin() + 1, b.begin() + static_cast<std::ptrdiff_t>(at), 0u);
  b[at] = static_cast<std::uint8_t>((256 - sum % 256) % 256);
  return b;
}

Bytes DisplayIdBlock(const std::vector<IdTiming>& timings, bool type_vii) {
  Bytes data = {static_cast<std::uint8_t>(type_vii ? 0x22 : 0x03), 0, static_cast<std::uint8_t>(timings.size() * 20)};
  for (const IdTiming& t : timings) data.insert(data.end(), t.begin(), t.end());
  return DisplayIdBlockWith({data}, type_vii);
}

Bytes TiledTopology(int columns, int rows, int column, int row, int tile_width, int tile_height, bool version_2) {
  Bytes d(3 + 22, 0);
  d[0] = version_2 ? 0x28 : 0x12;
  d[2] = 22;
  const int h = columns - 1;
  const int v = rows - 1;
  d[3] = 0x82;
  d[4] = static_cast<std::uint8_t>(((h & 0x0F) << 4) | (v & 0x0F));
  d[5] = static_cast<std::uint8_t>(((column & 0x0F) << 4) | (row & 0x0F));
  d[6] = static_cast<std::uint8_t>(((h >> 4) << 6) | ((v >> 4) << 4) | ((column >> 4) << 2) | (row >> 4));
  d[7] = (tile_width - 1) & 0xFF;
  d[8] = ((tile_width - 1) >> 8) & 0xFF;
  d[9] = (tile_height - 1) & 0xFF;
  d[10] = ((tile_height - 1) >> 8) & 0xFF;
  d[16] = 'D';
  d[17] = 'E';
  d[18] = 'L';
  return d;
}

Bytes CtaBlock(const std::vector<Bytes>& data_blocks, const std::vector<Descriptor>& descriptors) {
  Bytes b(128, 0);
  b[0] = 0x02;
  b[1] = 3;
  std::size_t at = 4;
  for (const Bytes& block : data_blocks) {
    std::copy(block.begin(), block.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    at += block.size();
  }
  b[2] = static_cast<std::uint8_t>(at);
  for (const Descriptor& d : descriptors) {
    std::copy(d.begin(), d.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    at += d.size();
  }
  return b;
}

Bytes CtaBlock(const std::vector<Descriptor>& descriptors) { return CtaBlock({}, descriptors); }

Bytes HfEeodb(int count) { return {0xE2, 0x78, static_cast<std::uint8_t>(count)}; }

Bytes HdmiVsdb(std::uint8_t image_size, bool latencies) {
  // OUI, address 1.0.0.0, no deep colour, no TMDS limit, HDMI_Video_present
  // (and both latency pairs, 0x28 each), then Image_Size in bits 4-3 and no
  // HDMI VICs.
  Bytes d = {0x60, 0x03, 0x0C, 0x00, 0x10, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(latencies ? 0xE0 : 0x20)};
  if (latencies) d.insert(d.end(), {0x28, 0x28, 0x28, 0x28});
  d.push_back(static_cast<std::uint8_t>(image_size << 3));
  d.push_back(0x00);
  d[0] = static_cast<std::uint8_t>(0x60 | (d.size() - 1));
  return d;
}

void AppendBlock(Bytes& edid, const Bytes& block) {
  edid.insert(edid.end(), block.begin(), block.end());
  edid[126] = static_cast<std::uint8_t>(edid[126] + 1);
  FixChecksums(edid);
}

void FixChecksums(Bytes& edid) {
  for (std::size_t at = 0; at + 128 <= edid.size(); at += 128) {
    const unsigned sum = std::accumulate(edid.begin() + at, edid.begin() + at + 127, 0u);
    edid[at + 127] = static_cast<std::uint8_t>((256 - sum % 256) % 256);
  }
}

}  // namespace rw::test
