#pragma once

#include "platform/frames/frame_statistics.h"

namespace rw {

// Something that shows one new frame per refresh until it is destroyed:
// through the compositor's frame callbacks, the X server's Present
// extension, or a timer. Its frames are counted as they are answered.
class FramePacer {
 public:
  virtual ~FramePacer() = default;

  // The run's counts so far.
  virtual FrameCounts Counts() const = 0;

  // Whether the window system took the frames away (the connection broke,
  // the window's surface went): the pacer shows nothing more.
  virtual bool Broken() const = 0;
};

}  // namespace rw
