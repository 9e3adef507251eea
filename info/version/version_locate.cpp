#include "info/version/version_locate.h"

#include "info/version/elf_file.h"
#include "info/version/pe_file.h"

namespace rw {

Parsed<FileExtent> LocateVersionBlock(const ByteSource& source) {
  if (LooksLikePeFile(source)) return FindPeVersionResource(source);
  if (LooksLikeElfFile(source)) return FindElfVersionSection(source);
  return Fail("neither a PE nor an ELF file", 0);
}

}  // namespace rw
