#pragma once

#include <QtCore/qnamespace.h>

#include <cstdint>

namespace rw {

// The Qt window hints that give a frame with what `flags` asks for.
Qt::WindowFlags WindowHintsFor(std::int64_t flags);

// Whether the user may resize a window of these flags.
bool IsResizable(std::int64_t flags);

}  // namespace rw
