// Runs every file of the given folders through the fuzz target, so the
// normal build keeps the corpus and the malformed files from regressing
// without libFuzzer. A reader that also takes files by path gets each path
// through FuzzRegressionFile, where its test binary defines one.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
void FuzzRegressionFile(const std::filesystem::path& path) __attribute__((weak));

int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      if (FuzzRegressionFile) FuzzRegressionFile(entry.path());
      ++files;
    }
  }
  std::cout << files << " files run\n";
  return files > 0 ? 0 : 1;
}
