#include "info/tree_search.h"
#include "tests/info/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace rw {
namespace {

fs::path Blanks(std::size_t n) { return fs::path(std::string(n, ' ')); }

TEST(FindFirstBelow, OwnEntriesBeforeSubfoldersThenSubfoldersInNameOrder) {
  TempFolder tree;
  tree.File("b/deep/target.exe");
  tree.File("a/x/target.exe");
  tree.File("a/target.exe");
  EXPECT_EQ(FindFirstBelow(tree.path(), u"target.exe"_qs), tree.path() / "a/target.exe");
  tree.File("target.exe");
  EXPECT_EQ(FindFirstBelow(tree.path(), u"target.exe"_qs), tree.path() / "target.exe");
}

TEST(FindFirstBelow, NamesCompareExactly) {
  TempFolder tree;
  tree.File("sub/Target.EXE");
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs));
  EXPECT_EQ(FindFirstBelow(tree.path(), u"Target.EXE"_qs), tree.path() / "sub/Target.EXE");
}

TEST(FindFirstBelow, RootThatIsNoFolderHasNoMatch) {
  TempFolder tree;
  const fs::path file = tree.File("target.exe");
  EXPECT_FALSE(FindFirstBelow(file, u"target.exe"_qs));
  EXPECT_FALSE(FindFirstBelow(tree.path() / "missing", u"target.exe"_qs));
  EXPECT_FALSE(FindFirstBelow(tree.path(), u""_qs));
}

TEST(FindFirstBelow, FolderOfTheSameNameIsNoMatch) {
  TempFolder tree;
  fs::create_directories(tree.path() / "target.exe/inner");
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs));
}

TEST(FindFirstBelow, LinkedFoldersAreNotEnteredSoLoopsEnd) {
  TempFolder tree;
  TempFolder elsewhere;
  elsewhere.File("target.exe");
  fs::create_directories(tree.path() / "a");
  fs::create_directory_symlink(tree.path(), tree.path() / "a/loop");
  fs::create_directory_symlink(elsewhere.path(), tree.path() / "link");
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs));
}

TEST(FindFirstBelow, UnreadableFolderIsSkipped) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every folder";
  TempFolder tree;
  tree.File("a/target.exe");
  tree.File("b/target.exe");
  fs::permissions(tree.path() / "a", fs::perms::none);
  EXPECT_EQ(FindFirstBelow(tree.path(), u"target.exe"_qs), tree.path() / "b/target.exe");
  fs::permissions(tree.path() / "a", fs::perms::owner_all);
}

// A root that is itself a link has no tree: the link could lead anywhere,
// up to the whole file system.
TEST(FindFirstBelow, RootThatIsALinkIsNotFollowed) {
  TempFolder tree;
  TempFolder elsewhere;
  elsewhere.File("deep/target.exe");
  fs::create_directory_symlink(elsewhere.path(), tree.path() / "root");
  fs::create_directory_symlink("/", tree.path() / "slash");
  EXPECT_FALSE(FindFirstBelow(tree.path() / "root", u"target.exe"_qs));
  EXPECT_FALSE(FindFirstBelow(tree.path() / "slash", u"passwd"_qs));
  // A link on the way to the root is followed, as Wine's drive links are.
  EXPECT_EQ(FindFirstBelow(tree.path() / "root/deep", u"target.exe"_qs), tree.path() / "root/deep/target.exe");
}

// The search gives up, as not found, once it has looked at as many entries
// as it may, or used up its time; below that it finds what is there.
TEST(FindFirstBelow, RunsOutOfBudgetAsNotFound) {
  TempFolder tree;
  for (int k = 0; k < 40; ++k) fs::create_directories(tree.path() / ("f" + std::to_string(100 + k)) / "x");
  tree.File("f139/x/target.exe");
  // root, 40 folders, then each folder and its one entry, and x with its file.
  EXPECT_TRUE(FindFirstBelow(tree.path(), u"target.exe"_qs, {.entries = 1 + 40 + 40 * 4, .time = std::chrono::hours(1)}));
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs, {.entries = 100, .time = std::chrono::hours(1)}));
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs, {.entries = 1'000'000, .time = std::chrono::milliseconds(0)}));
}

// A wide tree of empty folders outruns the default budget, the target in
// its last folder is not reached; the time bound only guards against a hang.
TEST(FindFirstBelow, WideTreeOfEmptyFoldersIsGivenUpOnQuickly) {
  TempFolder tree;
  for (int k = 0; k < 12'000; ++k) fs::create_directory(tree.path() / std::to_string(k));
  tree.File("9999/target.exe");
  EXPECT_TRUE(FindFirstBelow(tree.path(), u"target.exe"_qs, {.entries = 100'000, .time = std::chrono::hours(1)}));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(FindFirstBelow(tree.path(), u"target.exe"_qs));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
}

TEST(FindFirstBelow, NamesAreBytes) {
  TempFolder tree;
  const fs::path file = tree.File("Gr\xFC\xDF" "e/target.exe");
  EXPECT_EQ(FindFirstBelow(tree.path(), u"target.exe"_qs), file);
  EXPECT_EQ(PathText(file.filename()), u"target.exe");
  EXPECT_EQ(PathText(fs::path("a\xFC" "b")), u"a\uFFFDb");
}

class WindowsPaths : public testing::Test {
 protected:
  void SetUp() override { setenv("WINEPREFIX", prefix_.path().c_str(), 1); }
  void TearDown() override { unsetenv("WINEPREFIX"); }

  // Makes drive `letter` name `folder`, as Wine's dosdevices links do.
  void Drive(const char* letter, const fs::path& folder) {
    fs::create_directories(prefix_.path() / "dosdevices");
    fs::create_directory_symlink(folder, prefix_.path() / "dosdevices" / (std::string(letter) + ":"));
  }

  TempFolder prefix_;
};

TEST_F(WindowsPaths, DriveFolderOfThePrefix) {
  TempFolder drive_c;
  Drive("c", drive_c.path());
  EXPECT_EQ(LocalPathOf(u"C:\\Users\\Tavik\\AppData"_qs), prefix_.path() / "dosdevices/c:/Users/Tavik/AppData");
  EXPECT_EQ(LocalPathOf(u"c:\\Temp\\\\x\\"_qs), prefix_.path() / "dosdevices/c:/Temp/x");
}

TEST_F(WindowsPaths, DriveZFallsBackToTheRootFolder) {
  EXPECT_EQ(LocalPathOf(u"Z:\\Werkbank-Sources\\Rasterwacht.exe"_qs), fs::path("/Werkbank-Sources/Rasterwacht.exe"));
  EXPECT_FALSE(LocalPathOf(u"C:\\Users"_qs));  // no folder for C:
}

TEST_F(WindowsPaths, PathsWithoutADriveAreNowhere) {
  EXPECT_FALSE(LocalPathOf(u""_qs));
  EXPECT_FALSE(LocalPathOf(u"Users\\Tavik"_qs));
  EXPECT_FALSE(LocalPathOf(u"1:\\x"_qs));
  EXPECT_FALSE(LocalPathOf(u"/tmp"_qs));
}

TEST_F(WindowsPaths, SearchWritesTheFoundPathIntoTheBuffer) {
  TempFolder drive_c;
  Drive("c", drive_c.path());
  drive_c.File("Temp/build/Werkbank_Compilation0.exe");
  fs::path buffer = Blanks(255);
  ASSERT_TRUE(SearchTreeForFile(u"C:\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, buffer));
  EXPECT_EQ(buffer, prefix_.path() / "dosdevices/c:/Temp/build/Werkbank_Compilation0.exe");
}

TEST_F(WindowsPaths, FailedSearchLeavesTheBuffer) {
  TempFolder drive_c;
  Drive("c", drive_c.path());
  fs::path buffer = Blanks(255);
  EXPECT_FALSE(SearchTreeForFile(u"C:\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, buffer));
  EXPECT_FALSE(SearchTreeForFile(u"Q:\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, buffer));
  EXPECT_EQ(buffer, Blanks(255));
}

TEST_F(WindowsPaths, PathLongerThanTheBufferCountsAsNotFound) {
  TempFolder drive_c;
  Drive("c", drive_c.path());
  const std::string long_folder(200, 'd');
  drive_c.File("Temp/" + long_folder + "/Werkbank_Compilation0.exe");
  fs::path buffer = Blanks(255);
  EXPECT_FALSE(SearchTreeForFile(u"C:\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, buffer));
  EXPECT_EQ(buffer, Blanks(255));
  fs::path roomy = Blanks(1000);
  EXPECT_TRUE(SearchTreeForFile(u"C:\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, roomy));
}

}  // namespace
}  // namespace rw
