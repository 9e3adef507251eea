#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

namespace {

struct RunResult {
  int exit_code = -1;
  std::string stderr_text;
};

// Runs the renderer with `arguments` and no display in the environment.
RunResult Render(const std::string& arguments, const QString& folder) {
  const std::string err = (folder + u"/stderr.txt"_qs).toStdString();
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " RW_RENDER_PROGRAM " " +
                              arguments + " >/dev/null 2>'" + err + "'";
  const int status = std::system(command.c_str());
  RunResult run;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  QFile file(QString::fromStdString(err));
  if (file.open(QIODevice::ReadOnly)) run.stderr_text = file.readAll().toStdString();
  QFile::remove(QString::fromStdString(err));
  return run;
}

QByteArray Digest(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class RenderTool : public testing::Test {
 protected:
  // The quoted path of `name` in the test's folder, for the shell.
  std::string Out(const char* name) const {
    std::string quoted(1, '\'');
    quoted.append(Path(name).toStdString());
    quoted.push_back('\'');
    return quoted;
  }
  QString Path(const char* name) const { return dir_.path() + u"/"_qs + QString::fromLatin1(name); }
  QTemporaryDir dir_;
};

TEST_F(RenderTool, DefaultImageIsTheDrawingAreaOfAFullHdDesktop) {
  const RunResult run = Render("--seed 1 0 " + Out("grating.png"), dir_.path());
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  EXPECT_EQ(run.stderr_text, "");
  QImage image(Path("grating.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(1914, 1014));
  // An 8-bit RGB PNG: bit depth 8 and colour type 2 in the header chunk.
  QFile file(Path("grating.png"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray header = file.read(26);
  EXPECT_EQ(header.at(24), 8);
  EXPECT_EQ(header.at(25), 2);
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(1, 0), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(1913, 0), qRgb(255, 255, 255));
}

TEST_F(RenderTool, DesktopSizeAndWheelPosition) {
  ASSERT_EQ(Render("--desktop 400x300 --wheel=510 8 " + Out("green.png"), dir_.path()).exit_code, 0);
  QImage image(Path("green.png"));
  EXPECT_EQ(image.size(), QSize(394, 234));
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 255, 0));
}

TEST_F(RenderTool, FullScreenDrawsTheWholeDesktop) {
  ASSERT_EQ(Render("--desktop 400x300 --full-screen --wheel=510 8 " + Out("full.png"), dir_.path()).exit_code, 0);
  QImage image(Path("full.png"));
  EXPECT_EQ(image.size(), QSize(400, 300));
  EXPECT_EQ(image.pixel(399, 5), qRgb(0, 255, 0));
  // The caption keeps its distance from the bottom of the larger area: 100
  // rows above it, not above the bottom of a framed window's area.
  EXPECT_NE(image.pixel(200, 300 - 100 + 5), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(200, 300 - 66 - 100 + 5), qRgb(0, 255, 0));
  // Without a frame to take off, a tiny desktop still has an area.
  ASSERT_EQ(Render("--full-screen --desktop 6x60 0 " + Out("tiny.png"), dir_.path()).exit_code, 0);
  EXPECT_EQ(QImage(Path("tiny.png")).size(), QSize(6, 60));
}

TEST_F(RenderTool, ImagesByIdTheNineAlsoByNumber) {
  ASSERT_EQ(Render("--desktop 300x200 0 " + Out("number.png"), dir_.path()).exit_code, 0);
  ASSERT_EQ(Render("--desktop 300x200 vertical-lines " + Out("id.png"), dir_.path()).exit_code, 0);
  EXPECT_EQ(Digest(Path("number.png")), Digest(Path("id.png")));
  const RunResult gamma = Render("--full-screen --desktop 340x200 gamma " + Out("gamma.png"), dir_.path());
  ASSERT_EQ(gamma.exit_code, 0) << gamma.stderr_text;
  EXPECT_EQ(gamma.stderr_text, "");
  const QImage image(Path("gamma.png"));
  EXPECT_EQ(image.size(), QSize(340, 200));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(0, 41), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(10, 100), qRgb(128, 128, 128));  // the patch of gamma 1.0
  EXPECT_EQ(image.pixel(330, 100), qRgb(195, 195, 195));  // and of 2.6
  ASSERT_EQ(Render("--desktop 300x200 chroma " + Out("chroma.png"), dir_.path()).exit_code, 0);
  EXPECT_EQ(QImage(Path("chroma.png")).size(), QSize(294, 134));
}

TEST_F(RenderTool, TheMotionImagesDrawTheFrameAndRateAsked) {
  // 320 x 200: lane 0 is rows 30 to 85, its square of side 28 from row 44;
  // at 100 Hz it moves 5 pixels a frame, so frame 7 has it at column 7
  // (35 - 28), at the default 60 Hz (8 pixels) frame 7 at column 28.
  const RunResult run = Render("--full-screen --desktop 320x200 --refresh 100 --frame 7 motion " + Out("m.png"), dir_.path());
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  EXPECT_EQ(run.stderr_text, "");
  const QImage image(Path("m.png"));
  ASSERT_EQ(image.size(), QSize(320, 200));
  EXPECT_EQ(image.pixel(7, 44), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(34, 71), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(6, 44), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(35, 44), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(7, 72), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(100, 10), qRgb(0, 0, 0));  // the strip, black
  ASSERT_EQ(Render("--full-screen --desktop 320x200 --frame=7 motion " + Out("m60.png"), dir_.path()).exit_code, 0);
  const QImage at60(Path("m60.png"));
  EXPECT_EQ(at60.pixel(7, 44), qRgb(0, 0, 0));
  EXPECT_EQ(at60.pixel(28, 44), qRgb(255, 255, 255));
  ASSERT_EQ(Render("--full-screen --desktop 320x200 --frame 7 --refresh=59.94 frame-sequence " + Out("s.png"), dir_.path()).exit_code, 0);
  const QImage sequence(Path("s.png"));
  EXPECT_EQ(sequence.pixel(7 * 20 + 4, 72), qRgb(255, 255, 255));  // box 7 of 16, each 20 wide
  EXPECT_EQ(sequence.pixel(6 * 20 + 4, 72), qRgb(40, 40, 40));
  EXPECT_EQ(sequence.pixel(0, 199), qRgb(0, 255, 255));            // odd frame: cyan
}

TEST_F(RenderTool, SameSeedSameFileOtherSeedOtherFile) {
  for (const char* pattern : {"2", "3", "4"}) {
    ASSERT_EQ(Render(std::string("--desktop 300x200 --seed 0x2A ") + pattern + " " + Out("a.png"), dir_.path()).exit_code, 0);
    ASSERT_EQ(Render(std::string("--desktop 300x200 --seed 42 ") + pattern + " " + Out("b.png"), dir_.path()).exit_code, 0);
    ASSERT_EQ(Render(std::string("--desktop 300x200 --seed 43 ") + pattern + " " + Out("c.png"), dir_.path()).exit_code, 0);
    EXPECT_EQ(Digest(Path("a.png")), Digest(Path("b.png"))) << pattern;
    EXPECT_NE(Digest(Path("a.png")), Digest(Path("c.png"))) << pattern;
  }
}

TEST_F(RenderTool, BadArgumentsExitWithTwoAndNameTheArgument) {
  const char* bad[] = {"",
                       "9 x.png",
                       "-1 x.png",
                       "0",
                       "0 x.png y.png",
                       "--desktop 0x1080 0 x.png",
                       "--desktop -1920x1080 0 x.png",
                       "--desktop 32768x1080 0 x.png",
                       "--desktop 99999999999999999999x1080 0 x.png",
                       "--desktop 1920 0 x.png",
                       "--desktop 6x1080 0 x.png",
                       "--desktop 1920x66 0 x.png",
                       "--full-screen --desktop 0x10 0 x.png",
                       "--full-screen=1 0 x.png",
                       "--depth 0 0 x.png",
                       "--dpi abc 0 x.png",
                       "--seed 4294967296 0 x.png",
                       "--seed -1 0 x.png",
                       "--wheel 1540 8 x.png",
                       "--frobnicate 0 x.png",
                       "0 x.png --seed",
                       "Gamma x.png",
                       "Motion x.png",
                       "22 x.png",
                       "--refresh 0 motion x.png",
                       "--refresh 1000.5 motion x.png",
                       "--refresh 60.1234 motion x.png",
                       "--refresh +60 motion x.png",
                       "--refresh 6e1 motion x.png",
                       "--refresh nan motion x.png",
                       "--frame -1 motion x.png",
                       "--frame 9223372036854775808 frame-sequence x.png",
                       "--frame 1 gamma x.png",
                       "--refresh 100 0 x.png"};
  for (const char* arguments : bad) {
    const RunResult run = Render(arguments, dir_.path());
    EXPECT_EQ(run.exit_code, 2) << arguments;
    EXPECT_EQ(std::count(run.stderr_text.begin(), run.stderr_text.end(), '\n'), 1) << arguments << ": " << run.stderr_text;
  }
  EXPECT_NE(Render("--dpi abc 0 x.png", dir_.path()).stderr_text.find("abc"), std::string::npos);
  EXPECT_NE(Render("Motion x.png", dir_.path()).stderr_text.find("one-colour, white, black"), std::string::npos);
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(RenderTool, UnwritableOutputExitsWithOneAndLeavesNoFile) {
  const RunResult missing = Render("0 " + Out("no/such/folder/x.png"), dir_.path());
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_FALSE(missing.stderr_text.empty());
  QDir(dir_.path()).mkdir(u"locked"_qs);
  QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const RunResult locked = Render("0 " + Out("locked/x.png"), dir_.path());
  // Root may write anywhere; then the run succeeds and that is fine too.
  if (locked.exit_code != 0) {
    EXPECT_EQ(locked.exit_code, 1);
    EXPECT_TRUE(QDir(Path("locked")).entryList(QDir::Files | QDir::Hidden).isEmpty());
  }
  QFile::setPermissions(Path("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool IsNode(const QString& path, mode_t kind) {
  struct stat info {};
  return ::lstat(path.toLocal8Bit().constData(), &info) == 0 && (info.st_mode & S_IFMT) == kind;
}

// Writing into something that is not a regular file streams into it and
// never puts a file in its place; what cannot take a picture is refused.
TEST_F(RenderTool, StreamsIntoFifosDevicesAndStandardOutput) {
  ASSERT_EQ(Render("--seed 1 --desktop 200x100 6 " + Out("file.png"), dir_.path()).exit_code, 0);
  const QByteArray want = Digest(Path("file.png"));
  ASSERT_FALSE(want.isEmpty());

  const std::string to_stdout = "env -u DISPLAY " RW_RENDER_PROGRAM " --seed 1 --desktop 200x100 6 - >" + Out("stdout.png");
  ASSERT_EQ(std::system(to_stdout.c_str()), 0);
  EXPECT_EQ(Digest(Path("stdout.png")), want) << "standard output";

  ASSERT_EQ(::mkfifo(Path("fifo").toLocal8Bit().constData(), 0600), 0);
  // Bounded: a renderer that replaced the FIFO would leave the reader waiting.
  const std::string reader = "timeout 30 cat " + Out("fifo") + " >" + Out("from_fifo.png") + " & ";
  const std::string to_fifo = reader + "env -u DISPLAY timeout 30 " RW_RENDER_PROGRAM " --seed 1 --desktop 200x100 6 " +
                              Out("fifo") + "; status=$?; wait; exit $status";
  ASSERT_EQ(std::system(to_fifo.c_str()), 0);
  EXPECT_TRUE(IsNode(Path("fifo"), S_IFIFO)) << "the FIFO was replaced";
  EXPECT_EQ(Digest(Path("from_fifo.png")), want) << "through the FIFO";

  QDir(dir_.path()).mkdir(u"folder"_qs);
  const RunResult folder = Render("0 " + Out("folder"), dir_.path());
  EXPECT_EQ(folder.exit_code, 1);
  EXPECT_NE(folder.stderr_text.find("is a directory"), std::string::npos) << folder.stderr_text;
  EXPECT_TRUE(IsNode(Path("folder"), S_IFDIR));
  EXPECT_TRUE(QDir(Path("folder")).isEmpty());
}

// Copies of /dev/null and /dev/full stay devices; the full one reports why.
TEST_F(RenderTool, DeviceNodesStayNodes) {
  if (::mknod(Path("null").toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod(Path("full").toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "making device nodes needs root";
  }
  const RunResult null = Render("--desktop 200x100 0 " + Out("null"), dir_.path());
  EXPECT_EQ(null.exit_code, 0) << null.stderr_text;
  EXPECT_EQ(null.stderr_text, "");
  EXPECT_TRUE(IsNode(Path("null"), S_IFCHR)) << "the null device was replaced";

  const RunResult full = Render("--desktop 200x100 0 " + Out("full"), dir_.path());
  EXPECT_EQ(full.exit_code, 1);
  EXPECT_NE(full.stderr_text.find("No space left on device"), std::string::npos) << full.stderr_text;
  EXPECT_TRUE(IsNode(Path("full"), S_IFCHR)) << "the full device was replaced";
  const QStringList left = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  EXPECT_EQ(left, QStringList({u"full"_qs, u"null"_qs})) << "left behind: " << left.join(u' ').toStdString();
}

TEST_F(RenderTool, HelpAndVersion) {
  EXPECT_EQ(Render("--help", dir_.path()).exit_code, 0);
  const std::string help = (dir_.path() + u"/help.txt"_qs).toStdString();
  ASSERT_EQ(std::system(("env -u DISPLAY " RW_RENDER_PROGRAM " --help >'" + help + "'").c_str()), 0);
  QFile help_file(QString::fromStdString(help));
  ASSERT_TRUE(help_file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(help_file.readAll().contains("'-' writes the PNG to standard output"));
  const std::string out = (dir_.path() + u"/v.txt"_qs).toStdString();
  ASSERT_EQ(std::system(("env -u DISPLAY " RW_RENDER_PROGRAM " --version >'" + out + "'").c_str()), 0);
  QFile file(QString::fromStdString(out));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("rasterwacht-render 1."));
}

}  // namespace
