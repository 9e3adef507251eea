#pragma once

namespace rw {

// Keeps Qt's own diagnostics (warnings about the runtime folder, fonts,
// plugins and the like) off stderr. Only a fatal message, which ends the
// process anyway, is printed, as "<program>: <message>", and only when
// `program` is given; with nullptr nothing is ever printed. Install before
// the platform starts, so that start-up messages are caught too.
void FilterQtMessages(const char* program);

}  // namespace rw
