#include "check/check_rescue.h"

#include "platform/display/display_loss.h"
#include "report/report_files.h"

#include <csignal>
#include <cstdio>
#include <mutex>

namespace rw {
namespace {

struct Kept {
  std::filesystem::path path;
  bool create_folder = false;
  std::string html;
  std::string json;
};

// The last words may come from another thread than the check's.
std::mutex g_mutex;
Kept g_kept;

}  // namespace

void KeepForRescue(const std::filesystem::path& path, bool create_folder, std::string html, std::string json) {
  {
    const std::lock_guard lock(g_mutex);
    g_kept = {path, create_folder, std::move(html), std::move(json)};
  }
  SetLastWords(WriteRescue);
}

void ForgetRescue() {
  SetLastWords(nullptr);
  const std::lock_guard lock(g_mutex);
  g_kept = {};
}

void WriteRescue() {
  const std::lock_guard lock(g_mutex);
  if (g_kept.json.empty()) return;
  if (!SaveReport(g_kept.path, g_kept.html, g_kept.json, g_kept.create_folder).saved) PrintLastResort(g_kept.json);
  g_kept = {};
}

void PrintLastResort(const std::string& json) {
  // A reader that has gone would otherwise end the process by its signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fflush(stdout);
}

}  // namespace rw
