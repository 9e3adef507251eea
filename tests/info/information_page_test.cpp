#include "info/information_page.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/events_queue.h"
#include "platform/window/window.h"
#include "state/globals.h"
#include "tests/info/temp_folder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace fs = std::filesystem;

namespace rw {
namespace {

// Runs `action` once `ready` holds, checking every few milliseconds while
// the page's own loops run.
void WhenReady(std::function<bool()> ready, std::function<void()> action) {
  QTimer::singleShot(5, [ready, action] {
    if (ready()) {
      action();
    } else {
      WhenReady(ready, action);
    }
  });
}

// Answers the next message box with OK and records what it said.
void AnswerMessageBox(QString* title, QString* text) {
  WhenReady([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
            [title, text] {
              auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
              *title = box->windowTitle();
              *text = box->text();
              box->accept();
            });
}

void ThenPressOk() {
  WhenReady([] { return ControlWidget(5) != nullptr && QApplication::activeModalWidget() == nullptr; },
            [] { qobject_cast<QAbstractButton*>(ControlWidget(5))->click(); });
}

class InformationPage : public testing::Test {
 protected:
  void SetUp() override {
    InitialiseGlobals();
    setenv("WINEPREFIX", prefix_.path().c_str(), 1);
    ASSERT_NE(OpenWindow(0, 0, 0, 300, 200, u"Rasterwacht"_qs, 0xCF0000), 0);
    QCoreApplication::processEvents();
    DiscardAllEvents();
  }
  void TearDown() override {
    unsetenv("WINEPREFIX");
    CloseAllWindows();
    DiscardAllEvents();
  }

  // Puts a copy of the program below the fixed development folder of drive C:.
  fs::path PlaceDevelopmentBuild() {
    fs::create_directories(prefix_.path() / "dosdevices");
    fs::create_directory_symlink(drive_c_.path(), prefix_.path() / "dosdevices/c:");
    const fs::path target = drive_c_.path() / "Users/Tavik/AppData/Local/Temp/w1/Werkbank_Compilation0.exe";
    fs::create_directories(target.parent_path());
    fs::copy_file(RW_PROGRAM_FILE, target);
    return prefix_.path() / "dosdevices/c:/Users/Tavik/AppData/Local/Temp/w1/Werkbank_Compilation0.exe";
  }

  TempFolder prefix_;
  TempFolder drive_c_;
  QString title_;
  QString text_;
};

TEST_F(InformationPage, WithoutTheSearchTreesTheVersionStaysEmpty) {
  AnswerMessageBox(&title_, &text_);
  ThenPressOk();
  ShowInformationPage();
  EXPECT_EQ(title_, u"Info!");
  EXPECT_EQ(text_, u"Datei nicht gefunden!");
  EXPECT_EQ(ProgramFilePath, fs::path(std::string(255, ' ')));
  EXPECT_EQ(VersionText, u"");
  EXPECT_EQ(InfoClosed, 1);
  auto* field = qobject_cast<QLineEdit*>(ControlWidget(2));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->text(), u"");
  EXPECT_TRUE(field->isReadOnly());
}

TEST_F(InformationPage, DevelopmentBuildGivesItsFileVersion) {
  const fs::path build = PlaceDevelopmentBuild();
  AnswerMessageBox(&title_, &text_);
  ThenPressOk();
  ShowInformationPage();
  EXPECT_EQ(title_, u"Info!");
  EXPECT_EQ(text_, u"OutputBuffer$ = "_qs + QString::fromStdString(build.string()));
  EXPECT_EQ(VersionText, u"1.0");
  EXPECT_EQ(qobject_cast<QLineEdit*>(ControlWidget(2))->text(), u"1.0");
}

// A folder name that is no valid UTF-8 reaches the reader as the same bytes.
TEST_F(InformationPage, PathThatIsNoUtf8KeepsItsBytes) {
  fs::create_directories(prefix_.path() / "dosdevices");
  fs::create_directory_symlink(drive_c_.path(), prefix_.path() / "dosdevices/c:");
  const fs::path folder = drive_c_.path() / "Users/Tavik/AppData/Local/Temp/Gr\xFC\xDF" "e";
  fs::create_directories(folder);
  fs::copy_file(RW_PROGRAM_FILE, folder / "Werkbank_Compilation0.exe");
  AnswerMessageBox(&title_, &text_);
  ThenPressOk();
  ShowInformationPage();
  EXPECT_EQ(ProgramFilePath,
            prefix_.path() / "dosdevices/c:/Users/Tavik/AppData/Local/Temp/Gr\xFC\xDF" "e/Werkbank_Compilation0.exe");
  EXPECT_TRUE(text_.contains(u"Temp/Gr\uFFFD"_qs)) << text_.toStdString();
  EXPECT_EQ(VersionText, u"1.0");
}

TEST_F(InformationPage, WindowAndControlsWhereTheyBelong) {
  AnswerMessageBox(&title_, &text_);
  ThenPressOk();
  ShowInformationPage();
  QWidget* page = WindowHandle(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->windowTitle(), u"Infos+Hilfe-Fenster");
  EXPECT_EQ(page->size(), QSize(440, 380));
  const QRect expected[] = {{250, 10, 100, 17}, {355, 10, 75, 17}, {10, 330, 300, 17}, {10, 350, 300, 17},
                            {380, 315, 50, 50}};
  for (int control = 1; control <= 5; ++control) {
    ASSERT_NE(ControlWidget(control), nullptr) << control;
    EXPECT_EQ(ControlWidget(control)->geometry(), expected[control - 1]) << control;
    EXPECT_EQ(ControlWidget(control)->window(), page) << control;
  }
}

TEST_F(InformationPage, CloseRequestOfTheMainWindowEndsOnlyThePage) {
  AnswerMessageBox(&title_, &text_);
  WhenReady([] { return ControlWidget(5) != nullptr && QApplication::activeModalWidget() == nullptr; },
            [] { WindowHandle(0)->close(); });
  ShowInformationPage();
  EXPECT_EQ(CurrentEvent, CloseEvent);
  EXPECT_EQ(EventObject(), 0);
  EXPECT_EQ(InfoClosed, 0);
  EXPECT_NE(WindowHandle(0), nullptr);
}

TEST_F(InformationPage, EveryOpeningSearchesAndAsksAgain) {
  for (int round = 0; round < 2; ++round) {
    text_.clear();
    AnswerMessageBox(&title_, &text_);
    ThenPressOk();
    ShowInformationPage();
    EXPECT_EQ(text_, u"Datei nicht gefunden!") << round;
    CloseWindow(1);
    InfoClosed = 0;
  }
}

}  // namespace
}  // namespace rw
