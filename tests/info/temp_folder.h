#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

namespace rw {

// A fresh folder below the system's temporary folder, removed with its
// contents at the end of the scope.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rw-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes a small file at `relative` (folders made as needed); returns its path.
  std::filesystem::path File(const std::filesystem::path& relative, const std::string& content = "x") const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << content;
    return file;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace rw
