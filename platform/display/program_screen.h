#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QString>

namespace rw {

// The screen the program measures and opens its main window on: the one
// SetProgramScreen named, else the primary screen. Kept in this header so
// that the Wayland layer, a library of its own, shares the one choice.
inline QString& ProgramScreenName() {
  static QString name;
  return name;
}

inline void SetProgramScreen(const QString& name) { ProgramScreenName() = name; }

// nullptr only without any screen; a named screen that has gone gives the
// primary one.
inline QScreen* ProgramScreen() {
  if (!qGuiApp) return nullptr;
  if (!ProgramScreenName().isEmpty()) {
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->name() == ProgramScreenName()) return screen;
    }
  }
  return QGuiApplication::primaryScreen();
}

}  // namespace rw
