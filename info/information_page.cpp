#include "info/information_page.h"

#include "info/tree_search.h"
#include "info/version/version_reader.h"
#include "platform/window/controls.h"
#include "platform/window/events.h"
#include "platform/window/message_box.h"
#include "platform/window/window.h"
#include "state/globals.h"

namespace rw {
namespace {

constexpr std::int64_t kPageWindow = 1;
constexpr std::int64_t kPageFlags = 0xCC0001;
constexpr std::int64_t kOkButtonControl = 5;
constexpr std::int64_t kFileVersionCode = 1;
constexpr std::size_t kPathBufferLength = 255;

void BuildPageControls() {
  CreateTextField(2, 355, 10, 75, 17, VersionText, kReadOnlyFieldFlag | kCentredFieldFlag);
  CreateLabel(3, 10, 330, 300, 17, u"© 2026 Die Entwickler von Rasterwacht"_qs);
  CreateLabel(4, 10, 350, 300, 17, u"Alle Rechte vorbehalten."_qs);
  CreateButton(kOkButtonControl, 380, 315, 50, 50, u"OK!"_qs);
}

// Every event but a close request or the OK button is read and dropped.
void RunPageLoop() {
  for (;;) {
    CurrentEvent = WaitEvent();
    if (CurrentEvent == ControlEvent && EventObject() == kOkButtonControl) InfoClosed = 1;
    if (CurrentEvent == CloseEvent || InfoClosed == 1) return;
  }
}

}  // namespace

std::filesystem::path LocateProgramFile(const Text& root, const Text& name) {
  std::filesystem::path buffer(std::string(kPathBufferLength, ' '));
  if (SearchTreeForFile(root, name, buffer) ||
      SearchTreeForFile(u"C:\\Users\\Tavik\\AppData\\Local\\Temp"_qs, u"Werkbank_Compilation0.exe"_qs, buffer)) {
    ShowMessage(u"Info!"_qs, u"OutputBuffer$ = "_qs + PathText(buffer), 0);
  } else {
    ShowMessage(u"Info!"_qs, u"Datei nicht gefunden!"_qs, 0);
  }
  return buffer;
}

void ShowInformationPage() {
  if (OpenWindow(kPageWindow, 0, 0, 440, 380, u"Infos+Hilfe-Fenster"_qs, kPageFlags)) {
    SetControlTarget(WindowHandle(kPageWindow));
    CreateLabel(1, 250, 10, 100, 17, u"Programm-Version: "_qs);
    ProgramFilePath = LocateProgramFile(ProgramSearchRoot, u"Rasterwacht.exe"_qs);
    VersionText = ReadVersionField(kFileVersionCode, ProgramFilePath);
    BuildPageControls();
    RunPageLoop();
  }
  SetControlTarget(WindowHandle(0));
}

}  // namespace rw
