#include "tools/render_options.h"

#include "patterns/motion_frames.h"
#include "patterns/series.h"

#include <QRegularExpression>

#include <charconv>
#include <limits>
#include <string>

namespace rw {
namespace {

constexpr std::int64_t kMaxDesktopPx = 32767;
constexpr double kMaxRefreshHz = 1000;

// A whole decimal number (or 0x hex when `allow_hex`), nothing else around
// it; nullopt for anything that is not, or that overflows 64 bits.
std::optional<std::int64_t> ParseNumber(const QString& text, bool allow_hex) {
  const std::string s = text.toStdString();
  const char* begin = s.data();
  const char* end = s.data() + s.size();
  int base = 10;
  if (allow_hex && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    begin += 2;
    base = 16;
  }
  if (begin == end || *begin == '+') return std::nullopt;
  std::int64_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value, base);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<std::int64_t> ParseInRange(const QString& text, std::int64_t lo, std::int64_t hi,
                                         bool allow_hex = false) {
  const std::optional<std::int64_t> value = ParseNumber(text, allow_hex);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return value;
}

// "WxH" with both sides in range; whether the drawing area (6 pixels
// narrower and 66 lower than the desktop, unless full screen) keeps a pixel
// is checked once all options are read.
bool ParseDesktop(const QString& text, RenderOptions& options) {
  const qsizetype cross = text.indexOf(u'x');
  if (cross < 0) return false;
  const auto w = ParseInRange(text.left(cross), 1, kMaxDesktopPx);
  const auto h = ParseInRange(text.mid(cross + 1), 1, kMaxDesktopPx);
  if (!w || !h) return false;
  options.desktop_width_px = *w;
  options.desktop_height_px = *h;
  return true;
}

// A refresh rate of 1 to 1000 Hz in decimal, with a point and up to three
// decimals (59.94): nothing else, no sign, no exponent.
std::optional<double> ParseRefresh(const QString& text) {
  static const QRegularExpression kDecimal(u"^[0-9]{1,4}(\\.[0-9]{1,3})?$"_qs);
  if (!kDecimal.match(text).hasMatch()) return std::nullopt;
  const double hz = text.toDouble();
  if (hz < 1 || hz > kMaxRefreshHz) return std::nullopt;
  return hz;
}

// Applies option `name` with `value`; false when the value is bad.
bool ApplyOption(const QString& name, const QString& value, RenderOptions& options) {
  if (name == u"--desktop") return ParseDesktop(value, options);
  if (name == u"--refresh") {
    options.refresh_hz = ParseRefresh(value);
    return options.refresh_hz.has_value();
  }
  std::optional<std::int64_t> n;
  if (name == u"--depth") {
    n = ParseInRange(value, 1, 64);
    if (n) options.depth_bits = *n;
  } else if (name == u"--dpi") {
    n = ParseInRange(value, 1, 2400);
    if (n) options.dpi = *n;
  } else if (name == u"--seed") {
    n = ParseInRange(value, 0, std::numeric_limits<std::uint32_t>::max(), true);
    if (n) options.seed = static_cast<std::uint32_t>(*n);
  } else if (name == u"--wheel") {
    n = ParseInRange(value, -1530, 1530);
    if (n) options.wheel_position = *n;
  } else if (name == u"--frame") {
    n = ParseInRange(value, 0, std::numeric_limits<std::int64_t>::max());
    if (n) options.frame = *n;
  }
  return n.has_value();
}

bool TakesValue(const QString& name) {
  return name == u"--desktop" || name == u"--depth" || name == u"--dpi" || name == u"--seed" || name == u"--wheel" ||
         name == u"--refresh" || name == u"--frame";
}

ParsedOptions Failure(const QString& message) { return {RenderOptions{}, message}; }

}  // namespace

ParsedOptions ParseRenderOptions(const std::vector<QString>& arguments) {
  ParsedOptions parsed;
  RenderOptions& options = parsed.options;
  std::vector<QString> positional;
  bool options_end = false;
  for (std::size_t k = 0; k < arguments.size(); ++k) {
    const QString& arg = arguments[k];
    if (options_end || !arg.startsWith(u"--") ) {
      if (!options_end && arg.startsWith(u'-') && arg.size() > 1) return Failure(u"unknown option '"_qs + arg + u"'"_qs);
      positional.push_back(arg);
      continue;
    }
    if (arg == u"--") {
      options_end = true;
    } else if (arg == u"--help") {
      options.action = RenderOptions::Action::Help;
      return parsed;
    } else if (arg == u"--version") {
      options.action = RenderOptions::Action::Version;
      return parsed;
    } else if (arg == u"--full-screen") {
      options.full_screen = true;
    } else {
      const qsizetype equals = arg.indexOf(u'=');
      const QString name = equals < 0 ? arg : arg.left(equals);
      if (!TakesValue(name)) return Failure(u"unknown option '"_qs + name + u"'"_qs);
      QString value;
      if (equals >= 0) {
        value = arg.mid(equals + 1);
      } else if (k + 1 < arguments.size()) {
        value = arguments[++k];
      } else {
        return Failure(u"option '"_qs + name + u"' needs a value"_qs);
      }
      if (!ApplyOption(name, value, options)) return Failure(u"bad value '"_qs + value + u"' for "_qs + name);
    }
  }
  if (!options.full_screen && (options.desktop_width_px < 7 || options.desktop_height_px < 67)) {
    return Failure(u"desktop "_qs + QString::number(options.desktop_width_px) + u"x"_qs +
                   QString::number(options.desktop_height_px) +
                   u" leaves no drawing area (at least 7x67, or 1x1 with --full-screen)"_qs);
  }
  if (positional.size() != 2) return Failure(u"expected PATTERN and OUTPUT.png, got "_qs + QString::number(positional.size()) + u" arguments"_qs);
  std::optional<std::int64_t> pattern = ParseInRange(positional[0], 0, kBasicPatterns - 1);
  if (!pattern) pattern = SeriesNumberOf(positional[0].toStdString());
  if (!pattern) {
    return Failure(u"bad pattern '"_qs + positional[0] + u"' (0 to 8, or one of "_qs +
                   QString::fromStdString(SeriesIdList()) + u")"_qs);
  }
  if (positional[1].isEmpty()) return Failure(u"empty output file name"_qs);
  if ((options.refresh_hz || options.frame) && !MotionImageOf(*pattern)) {
    return Failure(u"--refresh and --frame belong to the motion images (motion, frame-sequence), not '"_qs +
                   positional[0] + u"'"_qs);
  }
  options.pattern = *pattern;
  options.output_path = positional[1];
  return parsed;
}

QString RenderUsage() {
  return u"Usage: rasterwacht-render [OPTION]... PATTERN OUTPUT.png\n"
         "Paint test image PATTERN without a display and save it as an RGB PNG of\n"
         "exactly the drawing area: the desktop size less 6 pixels across and 66 down.\n"
         "PATTERN is a number 0 to 8 for the first nine images or the id of any image\n"
         "(and the key that chooses it in the program's whole series):\n"_qs +
         QString::fromStdString(SeriesKeyList()) +
         u"\n"
         "  --desktop WxH   desktop size the image is made for (default 1920x1080)\n"
         "  --depth BITS    colour depth named in the caption (default 32)\n"
         "  --dpi N         dots per inch for the font sizes (default 96)\n"
         "  --seed S        seed of the random colours, decimal or 0x hex\n"
         "                  (default: from the clock)\n"
         "  --wheel P       colour-circle position of pattern 8, -1530 to 1530 (default 0)\n"
         "  --full-screen   the drawing area is the whole desktop, as rasterwacht\n"
         "                  --full-screen shows it: --desktop WxH draws W x H pixels\n"
         "  --refresh HZ    for motion and frame-sequence: the refresh rate the frames\n"
         "                  move at, 1 to 1000, decimals allowed (default 60)\n"
         "  --frame N       for motion and frame-sequence: draw frame N, the number of\n"
         "                  refreshes since the image began (default 0); the status\n"
         "                  strip at the top stays black\n"
         "  --help          show this help and exit\n"
         "  --version       show the version and exit\n"
         "\n"
         "OUTPUT.png is replaced as a whole, or left as it was if anything fails.\n"
         "'-' writes the PNG to standard output; a character device (/dev/null) or a\n"
         "FIFO gets it streamed into it and stays in place. A folder or any other\n"
         "kind of file is refused. Name a file called '-' as ./-\n"
         "\n"
         "Exit status: 0 on success, 1 if the image cannot be made or written,\n"
         "2 for a bad argument.\n"_qs;
}

}  // namespace rw
