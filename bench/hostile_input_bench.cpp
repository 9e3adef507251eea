// How long hostile input keeps the information page waiting: a file with the
// most ELF sections the reader accepts, and a wide tree of empty folders.
#include "info/tree_search.h"
#include "info/version/version_reader.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "rw-bench-XXXXXX").string();
  return mkdtemp(pattern.data());
}

// 2^20 section headers after a 1 MiB name table that section 0 also is; no
// section is the version section.
void WriteMillionSections(const fs::path& file) {
  constexpr std::uint64_t kSections = 1u << 20;
  constexpr std::uint64_t kTable = 1u << 20;
  std::string bytes(kTable + kSections * 64, '\0');
  const char ident[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
  bytes.replace(0, sizeof ident, ident, sizeof ident);
  const auto put = [&bytes](std::size_t at, std::size_t width, std::uint64_t v) {
    for (std::size_t k = 0; k < width; ++k) bytes[at + k] = static_cast<char>(v >> (8 * k));
  };
  put(40, 8, kTable);
  put(58, 2, 64);
  put(kTable + 32, 8, kSections);
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_ReadVersionOfMillionSectionElf(benchmark::State& state) {
  const fs::path folder = ScratchFolder();
  const fs::path file = folder / "sections.elf";
  WriteMillionSections(file);
  for (auto _ : state) benchmark::DoNotOptimize(rw::ReadVersionField(1, file));
  fs::remove_all(folder);
}
BENCHMARK(BM_ReadVersionOfMillionSectionElf)->Unit(benchmark::kMillisecond);

// A search that runs into its budget: 30,000 empty folders.
void BM_SearchWideTreeUntilTheBudgetEnds(benchmark::State& state) {
  const fs::path folder = ScratchFolder();
  for (int k = 0; k < 30'000; ++k) fs::create_directory(folder / std::to_string(k));
  for (auto _ : state) benchmark::DoNotOptimize(rw::FindFirstBelow(folder, u"target.exe"_qs));
  fs::remove_all(folder);
}
BENCHMARK(BM_SearchWideTreeUntilTheBudgetEnds)->Unit(benchmark::kMillisecond);

}  // namespace
