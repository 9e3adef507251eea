// Writes the fuzzer's seed corpus (good files) and the malformed files made
// from them into <folder>/corpus and <folder>/malformed. The outputs are kept
// in the repository; rerun this after changing the builders:
//
//   version_make_samples tests/version

#include "tests/version/elf_builder.h"
#include "tests/version/pe_builder.h"
#include "tests/version/test_blocks.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

namespace {

using namespace rw;
using namespace rw::test;

// Where the root's first child (StringFileInfo) starts in GermanBlock: after
// the header, "VS_VERSION_INFO" with its zero and padding, and 52 bytes.
constexpr std::size_t kFirstChild = 40 + 52;

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

PeImage GoodPe() { return BuildPeWithVersion(GermanBlock()); }
ElfImage GoodElf() {
  return BuildElf(ElfClass::Elf64, ElfOrder::Little,
                  {{".text", kElfProgBits, {0xC3}}, {".rw_version", kElfProgBits, GermanBlock()}});
}

Bytes Pe(const std::function<void(PeImage&)>& patch) {
  PeImage image = GoodPe();
  patch(image);
  return image.bytes;
}

Bytes Elf(const std::function<void(ElfImage&)>& patch) {
  ElfImage image = GoodElf();
  patch(image);
  return image.bytes;
}

void WriteCorpus(const std::filesystem::path& dir) {
  const Bytes block = GermanBlock();
  WriteFile(dir / "pe32plus.exe", BuildPeWithVersion(block, PeFormat::Pe32Plus).bytes);
  WriteFile(dir / "pe32.exe", BuildPeWithVersion(block, PeFormat::Pe32).bytes);
  WriteFile(
      dir / "pe_several_resources.exe",
      BuildPe({PeResourceType{3, {}, {PeResourceName{1, {}, {PeLanguage{0, {1, 2, 3}}}}}},
               PeResourceType{16, {}, {PeResourceName{0, u"NAME", {PeLanguage{0x407, block}}}}},
               PeResourceType{24, {}, {PeResourceName{1, {}, {PeLanguage{0, {'<', '?'}}}}}}})
          .bytes);
  for (ElfClass c : {ElfClass::Elf32, ElfClass::Elf64}) {
    for (ElfOrder o : {ElfOrder::Little, ElfOrder::Big}) {
      const std::string name = std::string(c == ElfClass::Elf32 ? "elf32" : "elf64") +
                               (o == ElfOrder::Little ? "le" : "be");
      WriteFile(
          dir / name,
          BuildElf(c, o, {{".text", kElfProgBits, {0xC3}}, {".rw_version", kElfProgBits, block}})
              .bytes);
    }
  }
}

void WriteMalformed(const std::filesystem::path& dir) {
  const PeImage pe = GoodPe();
  const std::size_t block = pe.data[0];
  const Bytes elf = GoodElf().bytes;
  const std::size_t types = pe.directories[0] + 16, names = pe.directories[1] + 16;
  const std::pair<const char*, Bytes> files[] = {
      {"pe_truncated_dos_header.exe", Bytes(pe.bytes.begin(), pe.bytes.begin() + 40)},
      {"pe_truncated_optional_header.exe", Bytes(pe.bytes.begin(), pe.bytes.begin() + 0xA0)},
      {"pe_header_offset_past_end.exe",
       Pe([](PeImage& i) { PutU32At(i.bytes, 0x3C, 0xFFFFFFF0); })},
      {"pe_no_signature.exe", Pe([](PeImage& i) { i.bytes[i.file_header] = 0; })},
      {"pe_sections_past_end.exe",
       Pe([](PeImage& i) { PutU16At(i.bytes, i.file_header + 6, 0xFFFF); })},
      {"pe_resources_in_no_section.exe",
       Pe([](PeImage& i) { PutU32At(i.bytes, i.resource_directory, 0x7FFF0000); })},
      {"pe_resources_longer_than_file.exe",
       Pe([](PeImage& i) { PutU32At(i.bytes, i.resource_directory + 4, 0xFFFFFFFF); })},
      {"pe_resource_directory_loop.exe",
       Pe([&](PeImage& i) { PutU32At(i.bytes, types + 4, 0x80000000); })},
      {"pe_resource_name_loop.exe",
       Pe([&](PeImage& i) { PutU32At(i.bytes, names + 4, 0x80000000); })},
      {"pe_directory_past_end.exe",
       Pe([&](PeImage& i) { PutU32At(i.bytes, types + 4, 0xFFFFFFF8); })},
      {"pe_huge_entry_count.exe",
       Pe([](PeImage& i) { PutU16At(i.bytes, i.directories[0] + 12, 0xFFFF); })},
      {"pe_data_rva_past_end.exe",
       Pe([](PeImage& i) { PutU32At(i.bytes, i.data_entries[0], 0xFFFFFF00); })},
      {"pe_huge_data_size.exe",
       Pe([](PeImage& i) { PutU32At(i.bytes, i.data_entries[0] + 4, 0xFFFFFFF0); })},
      {"pe_cut_inside_block.exe",
       Bytes(pe.bytes.begin(), pe.bytes.begin() + static_cast<long>(block) + 64)},
      {"pe_block_too_large.exe", BuildPeWithVersion([] {
                                   Bytes b = GermanBlock();
                                   b.resize(40000, 0);
                                   return b;
                                 }())
                                     .bytes},
      {"pe_root_length_lies.exe", Pe([&](PeImage& i) { PutU16At(i.bytes, block, 0xFFFF); })},
      {"pe_child_length_lies.exe",
       Pe([&](PeImage& i) { PutU16At(i.bytes, block + kFirstChild, 0x7000); })},
      {"pe_zero_length_node.exe",
       Pe([&](PeImage& i) { PutU16At(i.bytes, block + kFirstChild, 0); })},
      {"pe_key_without_zero.exe", Pe([&](PeImage& i) { PutU16At(i.bytes, block, 20); })},
      {"pe_unknown_value_type.exe",
       Pe([&](PeImage& i) { PutU16At(i.bytes, block + kFirstChild + 4, 7); })},
      {"elf_truncated_identification", Bytes(elf.begin(), elf.begin() + 12)},
      {"elf_truncated_header", Bytes(elf.begin(), elf.begin() + 50)},
      {"elf_section_table_past_end", Elf([](ElfImage& i) { i.Put(40, 8, 0xFFFFFFFFFFFFFF00); })},
      {"elf_huge_section_count", Elf([](ElfImage& i) {
         i.Put(60, 2, 0);
         i.Put(i.SectionHeader(0) + 32, 8, 0xFFFFFFFFFFFFFFFF);
       })},
      {"elf_name_table_index_out_of_range", Elf([](ElfImage& i) { i.Put(62, 2, 0xFFF0); })},
      {"elf_version_section_past_end",
       Elf([](ElfImage& i) { i.Put(i.SectionHeader(2) + 24, 8, 0xFFFFFFFFFFFFFFF0); })},
      {"elf_block_length_lies", Elf([](ElfImage& i) { i.Put(i.data[1], 2, 0x7FFF); })},
      {"elf_no_version_section", Elf([](ElfImage& i) { i.bytes[i.names + 8] = 'X'; })},
  };
  for (const auto& [name, bytes] : files) WriteFile(dir / name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: version_make_samples <folder>\n";
    return 2;
  }
  const std::filesystem::path root(argv[1]);
  std::filesystem::create_directories(root / "corpus");
  std::filesystem::create_directories(root / "malformed");
  WriteCorpus(root / "corpus");
  WriteMalformed(root / "malformed");
  return 0;
}
