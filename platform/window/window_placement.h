#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace rw {

// Where an outer frame of `outer` size goes to lie in the middle of
// `screen`; a frame larger than the screen starts at its left (top) edge.
QPoint CentredFramePosition(QSize outer, QRect screen);

// Moves the window's outer frame to the middle of the primary screen, with
// the frame that the window manager reports now (none before it told).
void CentreOnPrimaryScreen(QWidget& window);

// Puts the top-left corner of the window's outer frame at `position`.
void MoveFrameTo(QWidget& window, QPoint position);

}  // namespace rw
