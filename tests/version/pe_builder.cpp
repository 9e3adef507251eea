#include "tests/version/pe_builder.h"

#include <algorithm>

namespace rw::test {

void PutU16At(Bytes& bytes, std::size_t at, std::uint16_t v) {
  if (bytes.size() < at + 2) bytes.resize(at + 2);
  bytes[at] = static_cast<std::uint8_t>(v & 0xFF);
  bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32At(Bytes& bytes, std::size_t at, std::uint32_t v) {
  PutU16At(bytes, at, static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16At(bytes, at + 2, static_cast<std::uint16_t>(v >> 16));
}

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

namespace {

constexpr std::uint32_t kTextRva = 0x1000;
constexpr std::uint32_t kResourcesRva = 0x2000;
constexpr std::size_t kTextFileOffset = 0x200;
constexpr std::size_t kTextSize = 0x200;
constexpr std::size_t kResourcesFileOffset = 0x400;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

std::size_t Align(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

// Lays out the tree inside .rsrc: all directories, then the name strings,
// then the data entries, then the data.
class TreeWriter {
 public:
  explicit TreeWriter(const std::vector<PeResourceType>& types) : types_(types) {}
  Bytes Write(std::vector<std::size_t>& directories, std::vector<std::size_t>& entries,
              std::vector<std::size_t>& data);

 private:
  std::uint32_t Directory(std::size_t entries) {
    const auto at = static_cast<std::uint32_t>(next_);
    next_ += 16 + 8 * entries;
    return at;
  }
  void WriteDirectory(std::uint32_t at, std::size_t named, std::size_t ids) {
    PutU16At(out_, at + 12, static_cast<std::uint16_t>(named));
    PutU16At(out_, at + 14, static_cast<std::uint16_t>(ids));
  }

  const std::vector<PeResourceType>& types_;
  Bytes out_;
  std::size_t next_ = 0;
};

template <typename T>
std::size_t NamedCount(const std::vector<T>& items) {
  std::size_t n = 0;
  for (const T& item : items) n += item.name.empty() ? 0 : 1;
  return n;
}

Bytes TreeWriter::Write(std::vector<std::size_t>& directories, std::vector<std::size_t>& entries,
                        std::vector<std::size_t>& data) {
  // Directory offsets, breadth first like resource compilers.
  const std::uint32_t root = Directory(types_.size());
  std::vector<std::uint32_t> name_dirs;
  std::vector<std::vector<std::uint32_t>> language_dirs;
  for (const PeResourceType& type : types_) name_dirs.push_back(Directory(type.names.size()));
  for (const PeResourceType& type : types_) {
    language_dirs.emplace_back();
    for (const PeResourceName& name : type.names) {
      language_dirs.back().push_back(Directory(name.languages.size()));
    }
  }
  directories.push_back(root);
  for (std::uint32_t d : name_dirs) directories.push_back(d);
  for (const auto& list : language_dirs)
    directories.insert(directories.end(), list.begin(), list.end());

  // Name strings: a 16-bit length, then the units.
  std::vector<std::pair<std::size_t, std::uint32_t>> name_fixups;  // entry offset, string offset
  auto place_name = [&](std::size_t entry_at, const std::u16string& name) {
    if (name.empty()) return;
    name_fixups.emplace_back(entry_at, static_cast<std::uint32_t>(next_));
    PutU16At(out_, next_, static_cast<std::uint16_t>(name.size()));
    for (std::size_t i = 0; i < name.size(); ++i) PutU16At(out_, next_ + 2 + 2 * i, name[i]);
    next_ = Align(next_ + 2 + 2 * name.size(), 4);
  };
  out_.resize(next_);
  WriteDirectory(root, NamedCount(types_), types_.size() - NamedCount(types_));
  for (std::size_t t = 0; t < types_.size(); ++t) {
    const std::size_t entry = root + 16 + 8 * t;
    PutU32At(out_, entry, types_[t].id);
    PutU32At(out_, entry + 4, kSubdirectory | name_dirs[t]);
    place_name(entry, types_[t].name);
    const auto& names = types_[t].names;
    WriteDirectory(name_dirs[t], NamedCount(names), names.size() - NamedCount(names));
    for (std::size_t n = 0; n < names.size(); ++n) {
      const std::size_t name_entry = name_dirs[t] + 16 + 8 * n;
      PutU32At(out_, name_entry, names[n].id);
      PutU32At(out_, name_entry + 4, kSubdirectory | language_dirs[t][n]);
      place_name(name_entry, names[n].name);
      WriteDirectory(language_dirs[t][n], 0, names[n].languages.size());
    }
  }
  for (const auto& [entry_at, string_at] : name_fixups)
    PutU32At(out_, entry_at, kSubdirectory | string_at);

  // Data entries, then the data, each 8-aligned.
  std::vector<std::pair<std::size_t, const PeLanguage*>> languages;
  for (std::size_t t = 0; t < types_.size(); ++t) {
    for (std::size_t n = 0; n < types_[t].names.size(); ++n) {
      const auto& list = types_[t].names[n].languages;
      for (std::size_t l = 0; l < list.size(); ++l) {
        const std::size_t entry = language_dirs[t][n] + 16 + 8 * l;
        PutU32At(out_, entry, list[l].id);
        PutU32At(out_, entry + 4, static_cast<std::uint32_t>(next_));
        entries.push_back(next_);
        languages.emplace_back(next_, &list[l]);
        next_ += 16;
      }
    }
  }
  for (const auto& [entry, language] : languages) {
    next_ = Align(next_, 8);
    data.push_back(next_);
    PutU32At(out_, entry, kResourcesRva + static_cast<std::uint32_t>(next_));
    PutU32At(out_, entry + 4, static_cast<std::uint32_t>(language->data.size()));
    out_.resize(next_ + language->data.size());
    std::copy(language->data.begin(), language->data.end(), out_.begin() + next_);
    next_ += language->data.size();
  }
  out_.resize(next_);
  return out_;
}

void WriteSection(Bytes& out, std::size_t at, const char* name, std::uint32_t virtual_size,
                  std::uint32_t rva, std::uint32_t raw_size, std::uint32_t raw_at) {
  for (std::size_t i = 0; name[i] != 0; ++i) out[at + i] = static_cast<std::uint8_t>(name[i]);
  PutU32At(out, at + 8, virtual_size);
  PutU32At(out, at + 12, rva);
  PutU32At(out, at + 16, raw_size);
  PutU32At(out, at + 20, raw_at);
  PutU32At(out, at + 36, 0x40000040);  // initialised, readable data
}

}  // namespace

PeImage BuildPe(const std::vector<PeResourceType>& types, PeFormat format) {
  PeImage image;
  Bytes tree = TreeWriter(types).Write(image.directories, image.data_entries, image.data);
  const bool plus = format == PeFormat::Pe32Plus;
  const std::size_t optional_size = plus ? 240 : 224;  // 16 data directories either way

  Bytes& out = image.bytes;
  out.assign(kResourcesFileOffset + Align(tree.size(), 0x200), 0);
  out[0] = 'M';
  out[1] = 'Z';
  image.file_header = 0x80;
  PutU32At(out, 0x3C, static_cast<std::uint32_t>(image.file_header));
  PutU32At(out, image.file_header, 0x4550);
  PutU16At(out, image.file_header + 4, plus ? 0x8664 : 0x014C);
  PutU16At(out, image.file_header + 6, 2);
  PutU16At(out, image.file_header + 20, static_cast<std::uint16_t>(optional_size));
  PutU16At(out, image.file_header + 22, 0x0022);
  image.optional_header = image.file_header + 24;
  PutU16At(out, image.optional_header, plus ? 0x20B : 0x10B);
  const std::size_t count_at = image.optional_header + (plus ? 108 : 92);
  PutU32At(out, count_at, 16);
  image.resource_directory = count_at + 4 + 2 * 8;
  PutU32At(out, image.resource_directory, kResourcesRva);
  PutU32At(out, image.resource_directory + 4, static_cast<std::uint32_t>(tree.size()));

  image.section_table = image.optional_header + optional_size;
  WriteSection(out, image.section_table, ".text", 0x10, kTextRva, kTextSize, kTextFileOffset);
  WriteSection(out, image.section_table + 40, ".rsrc", static_cast<std::uint32_t>(tree.size()),
               kResourcesRva, static_cast<std::uint32_t>(Align(tree.size(), 0x200)),
               kResourcesFileOffset);
  out[kTextFileOffset] = 0xC3;  // a lone "ret" as the code

  image.resources = kResourcesFileOffset;
  image.resources_rva = kResourcesRva;
  std::copy(tree.begin(), tree.end(), out.begin() + kResourcesFileOffset);
  for (std::size_t& d : image.directories) d += kResourcesFileOffset;
  for (std::size_t& e : image.data_entries) e += kResourcesFileOffset;
  for (std::size_t& d : image.data) d += kResourcesFileOffset;
  return image;
}

PeImage BuildPeWithVersion(const Bytes& block, PeFormat format) {
  return BuildPe({PeResourceType{16, {}, {PeResourceName{1, {}, {PeLanguage{0, block}}}}}}, format);
}

}  // namespace rw::test
