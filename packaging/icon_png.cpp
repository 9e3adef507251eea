// Writes the windows' 32 x 32 icon as a PNG, so that the installed icon is the
// very picture the program draws: icon_png OUTPUT.png
#include "platform/window/window_icon.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: icon_png OUTPUT.png\n", stderr);
    return 2;
  }
  QGuiApplication application(argc, argv);
  if (!rw::ProgramIconImage().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "icon_png: cannot write '%s'\n", argv[1]);
    return 1;
  }
  return 0;
}
