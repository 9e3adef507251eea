#include "app/command_line.h"

#include "patterns/series.h"

#include <array>
#include <string_view>

namespace rw {
namespace {

using Action = CommandLine::Action;

// Sets what option `name` asks for; `value` is given only to those that take one.
struct OptionEntry {
  std::string_view name;
  bool takes_value;
  void (*apply)(CommandLine& line, const std::string& value);
};

void SetAction(CommandLine& line, Action action) {
  if (line.action == Action::Run) line.action = action;
}

constexpr std::int64_t kMaxSeconds = 3600;

// The decimal number of seconds 1 to kMaxSeconds; 0 for anything else.
std::int64_t Seconds(const std::string& value) {
  if (value.empty() || value.size() > 4 || value.find_first_not_of("0123456789") != std::string::npos) return 0;
  const std::int64_t seconds = std::stoll(value);
  return seconds <= kMaxSeconds ? seconds : 0;
}

constexpr std::array<OptionEntry, 12> kOptions = {{
    {"--help", false, [](CommandLine& l, const std::string&) { l.action = Action::Help; }},
    {"--version", false, [](CommandLine& l, const std::string&) { l.action = Action::Version; }},
    {"--monitors", false, [](CommandLine& l, const std::string&) { SetAction(l, Action::Monitors); }},
    {"--json", false, [](CommandLine& l, const std::string&) { l.json = true; }},
    {"--monitor", true, [](CommandLine& l, const std::string& v) { l.monitor = v; }},
    {"--full-screen", false, [](CommandLine& l, const std::string&) { l.full_screen = true; }},
    {"--pattern", true, [](CommandLine& l, const std::string& v) { l.pattern = v; }},
    {"--check", false, [](CommandLine& l, const std::string&) { l.check = true; }},
    {"--report", true, [](CommandLine& l, const std::string& v) { l.report = v; }},
    {"--operator", true, [](CommandLine& l, const std::string& v) { l.operator_name = v; }},
    {"--measure-refresh", false, [](CommandLine& l, const std::string&) { SetAction(l, Action::MeasureRefresh); }},
    // A bad number leaves -1, which the checks after the options name.
    {"--seconds", true, [](CommandLine& l, const std::string& v) { l.seconds = Seconds(v) > 0 ? Seconds(v) : -1; }},
}};

// Whether `option` comes before the end of the options.
bool HasOption(const std::vector<std::string>& arguments, std::string_view option) {
  for (const std::string& argument : arguments) {
    if (argument == "--") return false;
    if (argument == option) return true;
  }
  return false;
}

const OptionEntry* FindOption(std::string_view name) {
  for (const OptionEntry& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

CommandLine Failure(std::string message) {
  CommandLine line;
  line.error = std::move(message);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool options_end = false;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const std::string& arg = arguments[k];
    if (options_end || arg.size() < 2 || arg[0] != '-') return Failure("unexpected argument '" + arg + "'");
    if (arg == "--") {
      options_end = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const OptionEntry* option = arg.rfind("--", 0) == 0 ? FindOption(name) : nullptr;
    if (!option) return Failure("unknown option '" + name + "'");
    std::string value;
    if (option->takes_value) {
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (k + 1 < arguments.size()) {
        value = arguments[++k];
      } else {
        return Failure("option '" + name + "' needs a value");
      }
      if (value.empty()) return Failure("option '" + name + "' needs a value");
    } else if (equals != std::string::npos) {
      return Failure("option '" + name + "' takes no value");
    }
    option->apply(line, value);
    if (line.action == Action::Help || line.action == Action::Version) return line;
  }
  const bool measure = line.action == Action::MeasureRefresh;
  if (HasOption(arguments, "--monitors") && HasOption(arguments, "--measure-refresh")) {
    return Failure("option '--measure-refresh' does not go with '--monitors'");
  }
  if (line.json && line.action != Action::Monitors && !measure) {
    return Failure("option '--json' needs '--monitors' or '--measure-refresh'");
  }
  if (line.seconds && !measure) return Failure("option '--seconds' needs '--measure-refresh'");
  if (line.seconds && *line.seconds < 1) {
    return Failure("option '--seconds' takes a whole number of seconds from 1 to 3600");
  }
  if (measure && !line.pattern.empty()) return Failure("option '--pattern' does not go with '--measure-refresh'");
  if (measure && line.check) return Failure("option '--check' does not go with '--measure-refresh'");
  if (line.action == Action::Monitors && !line.monitor.empty()) {
    return Failure("option '--monitor' does not go with '--monitors'");
  }
  if (line.action == Action::Monitors && line.full_screen) {
    return Failure("option '--full-screen' does not go with '--monitors'");
  }
  if (line.action == Action::Monitors && !line.pattern.empty()) {
    return Failure("option '--pattern' does not go with '--monitors'");
  }
  if (line.action == Action::Monitors && line.check) return Failure("option '--check' does not go with '--monitors'");
  if (!line.report.empty() && !line.check) return Failure("option '--report' needs '--check'");
  if (!line.operator_name.empty() && !line.check) return Failure("option '--operator' needs '--check'");
  if (line.check && !line.pattern.empty()) return Failure("option '--pattern' does not go with '--check'");
  if (!line.pattern.empty()) {
    line.first_pattern = SeriesNumberOf(line.pattern);
    if (!line.first_pattern) {
      CommandLine failure = Failure("unknown pattern '" + line.pattern + "'; the patterns are " + SeriesIdList());
      failure.error_lists_choices = true;
      return failure;
    }
  }
  return line;
}

std::string ProgramUsage() {
  return std::string("Usage: rasterwacht [OPTION]...\n"
         "Test images for checking a monitor. Without options the program measures the\n"
         "primary display and opens its window of test images (texts in German).\n"
         "\n"
         "  --monitors      list the connected monitors, the primary first: position,\n"
         "                  current mode, desktop scale and what each monitor's EDID\n"
         "                  says (maker, model, serial number, year, image size, native\n"
         "                  mode, pixel density), and whether the desktop runs the\n"
         "                  panel's native resolution\n"
         "  --json          with --monitors or --measure-refresh: the same as one JSON\n"
         "                  document\n"
         "  --monitor NAME  measure, describe and test monitor NAME instead of the\n"
         "                  primary one: its connector name (for example DP-1) or its\n"
         "                  number in the --monitors list; the window opens at its\n"
         "                  top-left corner (on X11; on Wayland the compositor places\n"
         "                  windows, use --full-screen)\n"
         "  --full-screen   the window covers the whole monitor, without a frame, and\n"
         "                  the test images fill its full mode; Escape ends the\n"
         "                  program. All test images are available, as with --pattern\n"
         "  --pattern ID    start with test image ID and make all of them available,\n"
         "                  in the window or with --full-screen (ids and keys below)\n"
         "  --check         a guided check in full screen: the test images one after\n"
         "                  another, each with a question in a strip at its top or\n"
         "                  bottom edge; the answers, readings, notes and the\n"
         "                  monitor's identity go into a report (HTML and JSON)\n"
         "  --report FILE   with --check: write the report to FILE and the JSON to\n"
         "                  FILE with the extension .json; without it both go into\n"
         "                  $XDG_DATA_HOME/rasterwacht/reports (~/.local/share/...),\n"
         "                  named by date, time, maker, model and serial number. An\n"
         "                  existing file is never replaced: -2, -3, ... is added\n"
         "  --operator NAME with --check: name the person checking in the report\n"
         "  --measure-refresh\n"
         "                  measure the refresh of the monitor (the primary one, or\n"
         "                  --monitor NAME): show the frame-sequence image in full\n"
         "                  screen, one new frame per refresh, for a few seconds,\n"
         "                  then print the connector, the mode's nominal and the\n"
         "                  measured rate, the frames shown, missed and discarded,\n"
         "                  the percentiles of the intervals and the time source;\n"
         "                  no warning box, Escape ends it early\n"
         "  --seconds N     with --measure-refresh: measure N seconds from the first\n"
         "                  frame shown (1 to 3600, default 5)\n"
         "  --help          show this help and exit\n"
         "  --version       show the version and exit\n"
         "\n"
         "Keys: SPACE the next test image, 0 to 8 the first nine; with --full-screen\n"
         "or --pattern also Backspace the previous one and a letter for each of the\n"
         "others. The last two move, one new frame per refresh, and are counted in\n"
         "their top strip; a box warns before the first of them. Test images by ID\n"
         "(key):\n") +
         SeriesKeyList() +
         "\n"
         "Keys of --check: J the image is in order, N it shows a fault (then type an\n"
         "optional note, Enter ends it), SPACE go on without an answer, Backspace back\n"
         "one step, H hide or show the strip, Escape end the check early. The black\n"
         "levels, white levels and gamma steps take a reading typed as digits: the\n"
         "first visible square (1 to 32), the last distinguishable one (223 to 254),\n"
         "the column whose patch matches (1,0 to 2,6). The last screen sums up the\n"
         "answers and names the report; any key ends the program. If the report\n"
         "cannot be written, a box offers to try again; giving up prints the JSON on\n"
         "standard output.\n"
         "\n"
         "The EDIDs come from the X server (RandR) and from the kernel's connectors in\n"
         "/sys/class/drm, or the folder that RASTERWACHT_DRM_DIR names.\n"
         "\n"
         "The time source says how far the measured figures can be trusted:\n"
         "\"hardware\" is the display's own clock and refresh counter, \"compositor\"\n"
         "the compositor's or X server's estimate, \"timer\" the program's own\n"
         "timer, which knows nothing of what reached the screen. A frame that the\n"
         "monitor itself drops shows only on a photo of frame-sequence.\n"
         "\n"
         "Exit status: 0 on success (also after a check whose report could not be\n"
         "written), 1 if no display or monitor is found, 2 for a bad argument or an\n"
         "unknown monitor.\n";
}

}  // namespace rw
