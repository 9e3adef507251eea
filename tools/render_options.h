#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace rw {

// What one rasterwacht-render run is asked to do.
struct RenderOptions {
  enum class Action { Render, Help, Version };
  Action action = Action::Render;
  std::int64_t desktop_width_px = 1920;
  std::int64_t desktop_height_px = 1080;
  std::int64_t depth_bits = 32;
  std::int64_t dpi = 96;
  std::optional<std::uint32_t> seed;
  std::int64_t wheel_position = 0;
  bool full_screen = false;  // the drawing area is the whole desktop
  // The motion images' frame and the refresh rate they move at; only for them.
  std::optional<double> refresh_hz;
  std::optional<std::int64_t> frame;
  std::int64_t pattern = 0;
  QString output_path;
};

// Either the options or a one-line message naming the bad argument.
struct ParsedOptions {
  RenderOptions options;
  QString error;
};

// Reads the arguments after the program name, GNU style: "--name value" or
// "--name=value", "--" ends the options, then PATTERN and OUTPUT.
ParsedOptions ParseRenderOptions(const std::vector<QString>& arguments);

// The text of --help.
QString RenderUsage();

}  // namespace rw
