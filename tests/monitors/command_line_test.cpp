#include "app/command_line.h"

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
  EXPECT_EQ(Parse({"--json"}).error, "option '--json' needs '--monitors'");
  EXPECT_EQ(Parse({"--monitors", "--bad"}).action, Action::Run);  // a failure runs nothing
}

TEST(CommandLine, UsageNamesEveryOption) {
  const std::string usage = ProgramUsage();
  for (const char* option : {"--monitors", "--json", "--help", "--version"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace rw
