#pragma once

// Builds small PE files with a resource tree, for the version reader's tests.

#include "info/version/generator/version_block_writer.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rw::test {

struct PeLanguage {
  std::uint32_t id = 0;
  Bytes data;
};

// A name or type entry is named when `name` is set, otherwise it has the ID.
struct PeResourceName {
  std::uint32_t id = 0;
  std::u16string name;
  std::vector<PeLanguage> languages;
};

struct PeResourceType {
  std::uint32_t id = 0;
  std::u16string name;
  std::vector<PeResourceName> names;
};

enum class PeFormat { Pe32, Pe32Plus };

// The built file and where its pieces sit, so tests can break them.
struct PeImage {
  Bytes bytes;
  std::size_t file_header = 0;  // the "PE\0\0" signature
  std::size_t optional_header = 0;
  std::size_t resource_directory = 0;  // data directory entry 2
  std::size_t section_table = 0;
  std::size_t resources = 0;  // the resource tree, .rsrc's file data
  std::uint32_t resources_rva = 0;
  std::vector<std::size_t> directories;   // every resource directory, in tree order
  std::vector<std::size_t> data_entries;  // in tree order
  std::vector<std::size_t> data;          // in tree order
};

// A file with a .text section and a .rsrc section holding the tree.
PeImage BuildPe(const std::vector<PeResourceType>& types, PeFormat format = PeFormat::Pe32Plus);

// A file whose only resource is the version block (type 16, name 1, language 0).
PeImage BuildPeWithVersion(const Bytes& block, PeFormat format = PeFormat::Pe32Plus);

void PutU16At(Bytes& bytes, std::size_t at, std::uint16_t v);
void PutU32At(Bytes& bytes, std::size_t at, std::uint32_t v);
std::uint32_t U32At(const Bytes& bytes, std::size_t at);

}  // namespace rw::test
