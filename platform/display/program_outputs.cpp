#include "platform/display/program_outputs.h"

#include "platform/display/program_screen.h"

#include <QScreen>

#include <algorithm>
#include <string>

namespace rw {

std::vector<WaylandOutput> WaylandOutputsPrimaryFirst() {
  const WaylandGlobals* globals = ProgramWaylandGlobals();
  if (!globals) return {};
  RefreshWaylandOutputs();
  std::vector<WaylandOutput> outputs = globals->outputs;
  const QScreen* primary = ProgramScreen();
  if (!primary) return outputs;
  const std::string name = primary->name().toStdString();
  const auto found = std::find_if(outputs.begin(), outputs.end(), [&](const WaylandOutput& o) { return o.name == name; });
  if (found != outputs.end()) std::rotate(outputs.begin(), found, found + 1);
  return outputs;
}

}  // namespace rw
