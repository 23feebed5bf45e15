// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/common/data_folder.h"

namespace zephyrant {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::initializer_list<const char*> words) {
  std::vector<std::string> text = {"zephyrant"};
  text.insert(text.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& word : text) argv.push_back(word.data());
  argv.push_back(nullptr);
  return ParseCommandLine(static_cast<int>(text.size()), argv.data());
}

TEST(CommandLine, NoOptionsPlaysAsSaved) {
  const CommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_FALSE(line.full_screen.has_value());
  EXPECT_EQ(line.data_folder, "");
}

TEST(CommandLine, FullScreenOrWindowForThisRun) {
  EXPECT_EQ(Parse({"--fullscreen"}).full_screen, 0);
  EXPECT_EQ(Parse({"--window"}).full_screen, 1);
  EXPECT_EQ(Parse({"--window", "--fullscreen"}).full_screen, 0) << "the last one wins";
  EXPECT_EQ(Parse({"--fullscreen", "--window"}).full_screen, 1) << "the last one wins";
}

TEST(CommandLine, DataFolderAsSeparateWordOrAfterEquals) {
  EXPECT_EQ(Parse({"--data", "/opt/z data"}).data_folder, "/opt/z data");
  EXPECT_EQ(Parse({"--data=/opt/zephyrant"}).data_folder, "/opt/zephyrant");
  const CommandLine both = Parse({"--data", "d", "--window"});
  EXPECT_EQ(both.action, Action::kPlay);
  EXPECT_EQ(both.data_folder, "d");
  EXPECT_EQ(both.full_screen, 1);
}

TEST(CommandLine, ReplayToWatchWithHowItShows) {
  EXPECT_EQ(Parse({}).replay_file, "");
  EXPECT_EQ(Parse({"--replay", "a b.zrp"}).replay_file, "a b.zrp");
  const CommandLine line = Parse({"--window", "--replay=game.zrp", "--data", "d"});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_EQ(line.replay_file, "game.zrp");
  EXPECT_EQ(line.full_screen, 1);
  EXPECT_EQ(line.data_folder, "d");
  EXPECT_EQ(Parse({"--replay", "x", "--help"}).action, Action::kHelp);
}

TEST(CommandLine, HelpAndVersionWinOverPlayOptions) {
  EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"-h"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"-V"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--window", "--version", "--data", "x"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--version", "--help"}).action, Action::kHelp);
}

TEST(CommandLine, WrongWordsAreNamedInOneLine) {
  struct Case {
    std::initializer_list<const char*> words;
    const char* error;
  };
  const Case cases[] = {
      {{"--foo"}, "zephyrant: unknown option '--foo' (try --help)"},
      {{"--foo=3"}, "zephyrant: unknown option '--foo' (try --help)"},
      {{"-x"}, "zephyrant: unknown option '-x' (try --help)"},
      {{"--data"}, "zephyrant: option '--data' needs a value (try --help)"},
      {{"--data="}, "zephyrant: option '--data' needs a folder (try --help)"},
      {{"--window=yes"}, "zephyrant: option '--window' takes no value (try --help)"},
      {{"--replay"}, "zephyrant: option '--replay' needs a value (try --help)"},
      {{"--replay="}, "zephyrant: option '--replay' needs a file (try --help)"},
      {{"--replay", "a", "--replay=b"}, "zephyrant: option '--replay' given twice (try --help)"},
      {{"--replay", "a", "b"}, "zephyrant: unexpected argument 'b' (try --help)"},
      {{"level3"}, "zephyrant: unexpected argument 'level3' (try --help)"},
      {{"--window", "extra"}, "zephyrant: unexpected argument 'extra' (try --help)"},
      // A wrong word is refused even beside --help.
      {{"--help", "--foo"}, "zephyrant: unknown option '--foo' (try --help)"},
  };
  for (const Case& c : cases) {
    const CommandLine line = Parse(c.words);
    EXPECT_EQ(line.action, Action::kUsageError) << c.error;
    EXPECT_EQ(line.error, c.error);
    EXPECT_EQ(line.error.find('\n'), std::string::npos);
  }
}

TEST(CommandLine, ParsesAfreshEachTime) {
  // getopt keeps its place between calls; a second reading must not start
  // where the first stopped.
  EXPECT_EQ(Parse({"--window", "--data", "a"}).data_folder, "a");
  EXPECT_EQ(Parse({"--data", "b"}).data_folder, "b");
  EXPECT_EQ(Parse({"--foo"}).action, Action::kUsageError);
  EXPECT_EQ(Parse({"--fullscreen"}).full_screen, 0);
}

TEST(CommandLine, HelpSaysWhereThePlayersFilesLive) {
  const std::string usage = UsageText();
  for (const char* text :
       {"--fullscreen", "--window", "--data DIR", "--replay FILE", "--help", "--version",
        "$ZEPHYRANT_DATA", "$XDG_DATA_DIRS", "$XDG_CONFIG_HOME/zephyrant/settings.ini",
        "~/.config/zephyrant", "$XDG_DATA_HOME/zephyrant/screenshots",
        "$XDG_DATA_HOME/zephyrant/replays", "~/.local/share/zephyrant"}) {
    EXPECT_NE(usage.find(text), std::string::npos) << text;
  }
  // The installed data's place as this build has it, not a guess.
  const std::string installed = DataSearchFor("", "/usr/games").installed_path;
  EXPECT_NE(usage.find(" " + installed + " from the binary's folder"), std::string::npos) << usage;
}

TEST(CommandLine, VersionComesFromTheBuild) {
  EXPECT_EQ(VersionText(), std::string("zephyrant ") + ZEPHYRANT_EXPECTED_VERSION + "\n");
}

}  // namespace
}  // namespace zephyrant
