#include "report/report_files.h"
#include "report/report_names.h"
#include "tests/info/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/stat.h>

namespace rw {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(ReportNames, OddEdidStringsMakeSafeNameParts) {
  EXPECT_EQ(FileNamePart("DELL U2415"), "DELL-U2415");
  EXPECT_EQ(FileNamePart("AB/CD\\EF"), "AB-CD-EF");
  EXPECT_EQ(FileNamePart("  spaced   out  "), "spaced-out");
  EXPECT_EQ(FileNamePart("../../etc/passwd"), "etc-passwd");
  EXPECT_EQ(FileNamePart(".hidden"), "hidden");
  EXPECT_EQ(FileNamePart("Grün:Bildschirm*?"), "Gr-n-Bildschirm");
  EXPECT_EQ(FileNamePart(std::string("a\0b\nc", 5)), "a-b-c");
  EXPECT_EQ(FileNamePart(""), "unbekannt");
  EXPECT_EQ(FileNamePart("///"), "unbekannt");
  EXPECT_EQ(FileNamePart(".."), "unbekannt");
  EXPECT_EQ(FileNamePart(std::string(100, 'x')).size(), 40u);
  EXPECT_EQ(FileNamePart(std::string(39, 'x') + "/y"), std::string(39, 'x'));
  EXPECT_EQ(ReportFileName("2024-05-01_14-03-22", "DEL", "DELL D1918H", "5Q0XG8"),
            "2024-05-01_14-03-22_DEL_DELL-D1918H_5Q0XG8.html");
  EXPECT_EQ(ReportFileName("2024-05-01_14-03-22", "", "", " / "), "2024-05-01_14-03-22_unbekannt_unbekannt_unbekannt.html");
  EXPECT_EQ(ReportFileName("s", "A/B", "../x", "y_z"), "s_A-B_x_y-z.html");
}

TEST(ReportNames, JsonAndNumberedNamesBesideTheReport) {
  EXPECT_EQ(JsonPathFor("/r/R.html"), fs::path("/r/R.json"));
  EXPECT_EQ(JsonPathFor("R.htm"), fs::path("R.json"));
  EXPECT_EQ(JsonPathFor("R"), fs::path("R.json"));
  EXPECT_EQ(JsonPathFor("R.json"), fs::path("R.json.json"));
  EXPECT_EQ(JsonPathFor("a.b/R.tar.html"), fs::path("a.b/R.tar.json"));
  EXPECT_EQ(NumberedName("/r/R.html", 1), fs::path("/r/R.html"));
  EXPECT_EQ(NumberedName("/r/R.html", 2), fs::path("/r/R-2.html"));
  EXPECT_EQ(NumberedName("R", 3), fs::path("R-3"));
  EXPECT_EQ(NumberedName("a.b/R.tar.html", 10), fs::path("a.b/R.tar-10.html"));
}

TEST(ReportNames, DefaultFolderFollowsXdgDataHome) {
  EXPECT_EQ(DefaultReportFolder("/data", "/home/u"), fs::path("/data/rasterwacht/reports"));
  // A relative or empty XDG_DATA_HOME is to be ignored.
  EXPECT_EQ(DefaultReportFolder("data", "/home/u"), fs::path("/home/u/.local/share/rasterwacht/reports"));
  EXPECT_EQ(DefaultReportFolder("", "/home/u"), fs::path("/home/u/.local/share/rasterwacht/reports"));
  EXPECT_EQ(DefaultReportFolder(nullptr, "/home/u"), fs::path("/home/u/.local/share/rasterwacht/reports"));
  EXPECT_EQ(DefaultReportFolder(nullptr, nullptr), fs::path());
}

TEST(ReportNames, LocalTimeWithItsOffset) {
  const char* before = std::getenv("TZ");
  const std::string saved = before ? before : "";
  setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
  tzset();
  const ReportTime summer = LocalReportTime(1714565002);  // 2024-05-01 12:03:22 UTC
  const ReportTime winter = LocalReportTime(1704067199);  // 2023-12-31 23:59:59 UTC
  setenv("TZ", "<-0330>3:30", 1);
  tzset();
  const ReportTime west = LocalReportTime(1714565002);
  if (before) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
  EXPECT_EQ(summer.iso, "2024-05-01T14:03:22+02:00");
  EXPECT_EQ(summer.file_stamp, "2024-05-01_14-03-22");
  EXPECT_EQ(winter.iso, "2024-01-01T00:59:59+01:00");
  EXPECT_EQ(west.iso, "2024-05-01T08:33:22-03:30");
}

TEST(SaveReport, WritesBothFilesAndNeverReplacesOne) {
  const TempFolder folder;
  const fs::path wanted = folder.path() / "R.html";
  const SaveOutcome first = SaveReport(wanted, "<html>1</html>", "{\"n\": 1}\n", false);
  ASSERT_TRUE(first.saved) << first.reason;
  EXPECT_EQ(first.html_path, wanted);
  EXPECT_EQ(first.json_path, folder.path() / "R.json");
  EXPECT_EQ(Content(wanted), "<html>1</html>");
  EXPECT_EQ(Content(folder.path() / "R.json"), "{\"n\": 1}\n");

  const SaveOutcome second = SaveReport(wanted, "<html>2</html>", "{\"n\": 2}\n", false);
  ASSERT_TRUE(second.saved) << second.reason;
  EXPECT_EQ(second.html_path, folder.path() / "R-2.html");
  EXPECT_EQ(second.json_path, folder.path() / "R-2.json");
  EXPECT_EQ(Content(wanted), "<html>1</html>");
  EXPECT_EQ(Content(folder.path() / "R.json"), "{\"n\": 1}\n");
  EXPECT_EQ(Content(second.html_path), "<html>2</html>");

  // A name counts as taken when either of its two files exists, whatever it is.
  folder.File("R-3.json", "someone else's");
  fs::create_directory(folder.path() / "R-4.html");
  const SaveOutcome third = SaveReport(wanted, "<html>3</html>", "{}", false);
  ASSERT_TRUE(third.saved);
  EXPECT_EQ(third.html_path, folder.path() / "R-5.html");
  EXPECT_EQ(Content(folder.path() / "R-3.json"), "someone else's");
  EXPECT_EQ(Names(folder.path()), (std::set<std::string>{"R.html", "R.json", "R-2.html", "R-2.json", "R-3.json",
                                                         "R-4.html", "R-5.html", "R-5.json"}));
}

TEST(SaveReport, AJsonNameAndAFileOfTheSameNameAsItsJson) {
  const TempFolder folder;
  const SaveOutcome outcome = SaveReport(folder.path() / "R.json", "h", "j", false);
  ASSERT_TRUE(outcome.saved);
  EXPECT_EQ(Content(folder.path() / "R.json"), "h");
  EXPECT_EQ(Content(folder.path() / "R.json.json"), "j");
}

TEST(SaveReport, MakesTheDefaultFolderPrivately) {
  const TempFolder folder;
  const fs::path wanted = folder.path() / "data" / "rasterwacht" / "reports" / "R.html";
  const SaveOutcome outcome = SaveReport(wanted, "h", "j", true);
  ASSERT_TRUE(outcome.saved) << outcome.reason;
  struct stat info {};
  ASSERT_EQ(stat(wanted.parent_path().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  // A report is an ordinary document, not private like the temporary file it was.
  ASSERT_EQ(stat(wanted.c_str(), &info), 0);
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666u & ~mask);
}

TEST(SaveReport, FailsWithAReasonAndLeavesNothingBehind) {
  const TempFolder folder;
  const fs::path file = folder.File("plain");
  const SaveOutcome through_file = SaveReport(file / "R.html", "h", "j", false);
  EXPECT_FALSE(through_file.saved);
  EXPECT_EQ(through_file.reason, "ein Teil des Pfades ist kein Ordner");
  EXPECT_EQ(through_file.html_path, file / "R.html");
  EXPECT_EQ(through_file.json_path, file / "R.json");
  const SaveOutcome no_folder = SaveReport(folder.path() / "missing" / "R.html", "h", "j", false);
  EXPECT_FALSE(no_folder.saved);
  EXPECT_EQ(no_folder.reason, "der Ordner existiert nicht");
  const SaveOutcome folder_not_made = SaveReport(file / "sub" / "R.html", "h", "j", true);
  EXPECT_FALSE(folder_not_made.saved);
  EXPECT_EQ(folder_not_made.reason, "ein Teil des Pfades ist kein Ordner");
  EXPECT_EQ(Names(folder.path()), (std::set<std::string>{"plain"}));

  // Only without the privileges that ignore permissions.
  if (geteuid() != 0) {
    fs::create_directory(folder.path() / "locked");
    fs::permissions(folder.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    const SaveOutcome locked = SaveReport(folder.path() / "locked" / "R.html", "h", "j", false);
    EXPECT_FALSE(locked.saved);
    EXPECT_EQ(locked.reason, "keine Schreibberechtigung für den Ordner");
    fs::permissions(folder.path() / "locked", fs::perms::owner_all);
  }
}

}  // namespace
}  // namespace rw
