#include "app/command_line.h"
#include "app/main_window_options.h"

#include <gtest/gtest.h>

namespace rw {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }

TEST(CommandLine, NoArgumentsRunTheWindow) {
  const CommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_TRUE(line.error.empty());
}

TEST(CommandLine, Actions) {
  EXPECT_EQ(Parse({"--help"}).action, Action::Help);
  EXPECT_EQ(Parse({"--version"}).action, Action::Version);
  EXPECT_EQ(Parse({"--monitors"}).action, Action::Monitors);
  EXPECT_FALSE(Parse({"--monitors"}).json);
  const CommandLine json = Parse({"--monitors", "--json"});
  EXPECT_EQ(json.action, Action::Monitors);
  EXPECT_TRUE(json.json);
  EXPECT_TRUE(Parse({"--json", "--monitors"}).json);
  // Help and version win over what comes before them and end the reading.
  EXPECT_EQ(Parse({"--monitors", "--version"}).action, Action::Version);
  EXPECT_EQ(Parse({"--help", "--no-such-option"}).action, Action::Help);
  EXPECT_EQ(Parse({"--monitors", "--"}).action, Action::Monitors);
}

TEST(CommandLine, BadArgumentsNameThemselves) {
  EXPECT_EQ(Parse({"--frobnicate"}).error, "unknown option '--frobnicate'");
  EXPECT_EQ(Parse({"--frobnicate=3"}).error, "unknown option '--frobnicate'");
  EXPECT_EQ(Parse({"-h"}).error, "unknown option '-h'");
  EXPECT_EQ(Parse({"-"}).error, "unexpected argument '-'");
  EXPECT_EQ(Parse({"DP-1"}).error, "unexpected argument 'DP-1'");
  EXPECT_EQ(Parse({"--", "--help"}).error, "unexpected argument '--help'");
  EXPECT_EQ(Parse({"--monitors=yes"}).error, "option '--monitors' takes no value");
  EXPECT_EQ(Parse({"--json"}).error, "option '--json' needs '--monitors' or '--measure-refresh'");
  EXPECT_EQ(Parse({"--monitors", "--bad"}).action, Action::Run);  // a failure runs nothing
}

TEST(CommandLine, WindowOptions) {
  const CommandLine plain = Parse({});
  EXPECT_TRUE(plain.monitor.empty());
  EXPECT_FALSE(plain.full_screen);
  const CommandLine both = Parse({"--monitor", "DP-1", "--full-screen"});
  EXPECT_EQ(both.action, Action::Run);
  EXPECT_TRUE(both.error.empty());
  EXPECT_EQ(both.monitor, "DP-1");
  EXPECT_TRUE(both.full_screen);
  EXPECT_EQ(Parse({"--monitor=1"}).monitor, "1");
  // The value is the next argument, even one that looks like an option.
  EXPECT_EQ(Parse({"--monitor", "--full-screen"}).monitor, "--full-screen");
  EXPECT_FALSE(Parse({"--monitor", "--full-screen"}).full_screen);
  EXPECT_EQ(Parse({"--monitor", "A", "--monitor", "B"}).monitor, "B");
  EXPECT_EQ(Parse({"--full-screen", "--help"}).action, Action::Help);
}

TEST(CommandLine, BadWindowOptions) {
  EXPECT_EQ(Parse({"--monitor"}).error, "option '--monitor' needs a value");
  EXPECT_EQ(Parse({"--monitor="}).error, "option '--monitor' needs a value");
  EXPECT_EQ(Parse({"--monitor", ""}).error, "option '--monitor' needs a value");
  EXPECT_EQ(Parse({"--full-screen=yes"}).error, "option '--full-screen' takes no value");
  EXPECT_EQ(Parse({"--fullscreen"}).error, "unknown option '--fullscreen'");
  EXPECT_EQ(Parse({"--monitors", "--monitor", "1"}).error, "option '--monitor' does not go with '--monitors'");
  EXPECT_EQ(Parse({"--full-screen", "--monitors"}).error, "option '--full-screen' does not go with '--monitors'");
  EXPECT_EQ(Parse({"--full-screen", "--json"}).error, "option '--json' needs '--monitors' or '--measure-refresh'");
  EXPECT_EQ(Parse({"--full-screen", "DP-1"}).error, "unexpected argument 'DP-1'");
}

TEST(CommandLine, PatternChoosesTheFirstImageByItsId) {
  EXPECT_EQ(Parse({}).first_pattern, std::nullopt);
  EXPECT_EQ(Parse({"--pattern", "vertical-lines"}).first_pattern, 0);
  EXPECT_EQ(Parse({"--pattern=one-colour"}).first_pattern, 8);
  EXPECT_EQ(Parse({"--pattern", "white", "--full-screen"}).first_pattern, 9);
  const CommandLine chroma = Parse({"--full-screen", "--pattern", "chroma"});
  EXPECT_EQ(chroma.first_pattern, 21);
  EXPECT_TRUE(chroma.full_screen);
  EXPECT_EQ(chroma.action, Action::Run);
  EXPECT_EQ(Parse({"--pattern", "white", "--pattern", "gamma"}).first_pattern, 18);
}

TEST(CommandLine, UnknownPatternNamesEveryIdOnOneLine) {
  for (const char* bad : {"Gamma", "9", "gamma ", "Motion", "frame_sequence", "-", "--full-screen"}) {
    const CommandLine line = Parse({"--pattern", bad});
    EXPECT_EQ(line.error, std::string("unknown pattern '") + bad +
                              "'; the patterns are vertical-lines, horizontal-lines, circles, rectangles, "
                              "random-pixels, rainbow, small-text, colour-bars, one-colour, white, black, red, "
                              "green, blue, grey, black-levels, white-levels, gradients, gamma, inversion, "
                              "checkerboard, chroma, motion, frame-sequence")
        << bad;
    EXPECT_TRUE(line.error_lists_choices);
    EXPECT_EQ(line.first_pattern, std::nullopt);
  }
  EXPECT_EQ(Parse({"--pattern"}).error, "option '--pattern' needs a value");
  EXPECT_EQ(Parse({"--pattern="}).error, "option '--pattern' needs a value");
  EXPECT_FALSE(Parse({"--pattern"}).error_lists_choices);
  EXPECT_EQ(Parse({"--monitors", "--pattern", "gamma"}).error, "option '--pattern' does not go with '--monitors'");
}

TEST(CommandLine, CheckWithItsReportAndOperator) {
  const CommandLine plain = Parse({"--check"});
  EXPECT_EQ(plain.action, Action::Run);
  EXPECT_TRUE(plain.check);
  EXPECT_TRUE(plain.report.empty());
  EXPECT_TRUE(plain.operator_name.empty());
  EXPECT_FALSE(Parse({}).check);
  const CommandLine full = Parse({"--monitor", "DP-1", "--check", "--report", "R.html", "--operator=Anna B."});
  EXPECT_TRUE(full.error.empty()) << full.error;
  EXPECT_TRUE(full.check);
  EXPECT_EQ(full.monitor, "DP-1");
  EXPECT_EQ(full.report, "R.html");
  EXPECT_EQ(full.operator_name, "Anna B.");
  EXPECT_TRUE(Parse({"--check", "--full-screen"}).error.empty());
  EXPECT_EQ(Parse({"--check", "--help"}).action, Action::Help);
}

TEST(CommandLine, BadCheckOptions) {
  EXPECT_EQ(Parse({"--check=yes"}).error, "option '--check' takes no value");
  EXPECT_EQ(Parse({"--check", "--report"}).error, "option '--report' needs a value");
  EXPECT_EQ(Parse({"--check", "--report="}).error, "option '--report' needs a value");
  EXPECT_EQ(Parse({"--check", "--operator", ""}).error, "option '--operator' needs a value");
  EXPECT_EQ(Parse({"--report", "R.html"}).error, "option '--report' needs '--check'");
  EXPECT_EQ(Parse({"--operator", "Anna"}).error, "option '--operator' needs '--check'");
  EXPECT_EQ(Parse({"--check", "--monitors"}).error, "option '--check' does not go with '--monitors'");
  EXPECT_EQ(Parse({"--check", "--pattern", "gamma"}).error, "option '--pattern' does not go with '--check'");
  EXPECT_EQ(Parse({"--check", "R.html"}).error, "unexpected argument 'R.html'");
}

TEST(CommandLine, MeasureRefreshWithItsSecondsMonitorAndJson) {
  const CommandLine plain = Parse({"--measure-refresh"});
  EXPECT_EQ(plain.action, Action::MeasureRefresh);
  EXPECT_EQ(plain.seconds, std::nullopt);
  EXPECT_FALSE(plain.json);
  const CommandLine all = Parse({"--monitor", "DP-2", "--measure-refresh", "--seconds=10", "--json"});
  EXPECT_EQ(all.action, Action::MeasureRefresh);
  EXPECT_EQ(all.seconds, 10);
  EXPECT_EQ(all.monitor, "DP-2");
  EXPECT_TRUE(all.json);
  EXPECT_TRUE(all.error.empty());
  EXPECT_EQ(Parse({"--seconds", "3600", "--measure-refresh"}).seconds, 3600);
  EXPECT_EQ(Parse({"--measure-refresh", "--seconds", "1"}).seconds, 1);
  // It is full screen anyway.
  EXPECT_EQ(Parse({"--measure-refresh", "--full-screen"}).action, Action::MeasureRefresh);
  EXPECT_EQ(Parse({"--measure-refresh", "--help"}).action, Action::Help);
}

TEST(CommandLine, BadMeasureRefreshOptions) {
  for (const char* bad : {"0", "3601", "-1", "+5", "5s", "2.5", "", " 5", "99999999999999999999"}) {
    const CommandLine line = Parse({"--measure-refresh", std::string("--seconds=") + bad});
    EXPECT_FALSE(line.error.empty()) << bad;
    if (*bad) {
      EXPECT_EQ(line.error, "option '--seconds' takes a whole number of seconds from 1 to 3600") << bad;
    }
  }
  EXPECT_EQ(Parse({"--measure-refresh", "--seconds"}).error, "option '--seconds' needs a value");
  EXPECT_EQ(Parse({"--seconds", "3"}).error, "option '--seconds' needs '--measure-refresh'");
  EXPECT_EQ(Parse({"--monitors", "--seconds", "3"}).error, "option '--seconds' needs '--measure-refresh'");
  EXPECT_EQ(Parse({"--measure-refresh=1"}).error, "option '--measure-refresh' takes no value");
  EXPECT_EQ(Parse({"--measure-refresh", "--monitors"}).error, "option '--measure-refresh' does not go with '--monitors'");
  EXPECT_EQ(Parse({"--monitors", "--measure-refresh"}).error, "option '--measure-refresh' does not go with '--monitors'");
  EXPECT_EQ(Parse({"--measure-refresh", "--pattern", "motion"}).error,
            "option '--pattern' does not go with '--measure-refresh'");
  EXPECT_EQ(Parse({"--measure-refresh", "--check"}).error, "option '--check' does not go with '--measure-refresh'");
  EXPECT_EQ(Parse({"--measure-refresh", "--report", "R.html"}).error, "option '--report' needs '--check'");
  EXPECT_EQ(Parse({"--measure-refresh", "5"}).error, "unexpected argument '5'");
}

TEST(MonitorChoice, ConnectorNameOrListIndex) {
  const std::vector<std::string> list = {"HDMI-A-1", "DP-1", "3"};
  EXPECT_EQ(ResolveMonitorName("DP-1", list), "DP-1");
  EXPECT_EQ(ResolveMonitorName("0", list), "HDMI-A-1");
  EXPECT_EQ(ResolveMonitorName("1", list), "DP-1");
  // A connector of that name wins over the index.
  EXPECT_EQ(ResolveMonitorName("3", list), "3");
  EXPECT_EQ(ResolveMonitorName("2", list), "3");
  for (const char* bad : {"dp-1", "DP", "", "-1", "+1", " 1", "1 ", "0x1", "4", "99999999999999999999999"}) {
    EXPECT_EQ(ResolveMonitorName(bad, list), std::nullopt) << bad;
  }
  EXPECT_EQ(ResolveMonitorName("0", {}), std::nullopt);
}

TEST(CommandLine, UsageNamesEveryOption) {
  const std::string usage = ProgramUsage();
  for (const char* option : {"--monitors", "--json", "--monitor NAME", "--full-screen", "--pattern ID", "--help",
                             "--version", "Backspace", "gamma (M)", "vertical-lines (0)", "chroma (U)", "--check",
                             "--report FILE", "--operator NAME", "$XDG_DATA_HOME/rasterwacht/reports",
                             "1 to 32", "223 to 254", "1,0 to 2,6", "standard output", "--measure-refresh",
                             "--seconds N", "motion (N)", "frame-sequence (L)", "\"hardware\"", "\"compositor\"",
                             "\"timer\""}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace rw
