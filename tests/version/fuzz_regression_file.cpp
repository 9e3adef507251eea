// The version reader also reads each regression file by its path.

#include "info/version/version_reader.h"

#include <filesystem>

void FuzzRegressionFile(const std::filesystem::path& path) {
  (void)rw::ReadVersionField(1, path);
}
