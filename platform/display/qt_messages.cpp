#include "platform/display/qt_messages.h"

#include "platform/display/display_loss.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace rw {
namespace {

const char* g_program = nullptr;

void FilteredMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // Qt reports a broken display connection with a warning just before it
  // gives up; ending here spares the crash-prone teardown that follows.
  EndIfDisplayLost();
  if (type == QtFatalMsg && g_program) {
    std::fprintf(stderr, "%s: %s\n", g_program, message.toLocal8Bit().constData());
  }
}

}  // namespace

void FilterQtMessages(const char* program) {
  g_program = program;
  qInstallMessageHandler(FilteredMessage);
}

}  // namespace rw
