// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/command_line.h"

#include <getopt.h>

#include <string>

namespace zephyrant {

namespace {

// Only --help and --version have a letter too; the others are spelled out.
enum OptionId { kHelp = 'h', kVersion = 'V', kFullScreen = 256, kWindow, kData, kReplay };

constexpr option kOptions[] = {
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {"fullscreen", no_argument, nullptr, kFullScreen},
    {"window", no_argument, nullptr, kWindow},
    {"data", required_argument, nullptr, kData},
    {"replay", required_argument, nullptr, kReplay},
    {nullptr, 0, nullptr, 0},
};

// "+": the options end at the first word that is not one, which is then an
// error; ":": a missing value is told apart from an unknown option.
constexpr const char* kShortOptions = "+:hV";

CommandLine UsageError(const std::string& line) {
  CommandLine wrong;
  wrong.action = CommandLine::Action::kUsageError;
  wrong.error = line + " (try --help)";
  return wrong;
}

bool IsLong(const std::string& word) {
  return word.size() > 2 && word.compare(0, 2, "--") == 0;
}

// The option getopt stopped at, as the player typed it, without its value.
std::string Offending(const std::string& word, int short_option) {
  if (!IsLong(word)) return std::string("-") + static_cast<char>(short_option);
  return word.substr(0, word.find('='));
}

}  // namespace

CommandLine ParseCommandLine(int argc, char* const* argv) {
  // getopt keeps its place in globals: start afresh and report nothing itself.
  optind = 0;
  opterr = 0;
  CommandLine line;
  bool help = false;
  bool version = false;
  for (;;) {
    const int previous = optind == 0 ? 1 : optind;
    const int got = getopt_long(argc, argv, kShortOptions, kOptions, nullptr);
    if (got == -1) break;
    switch (got) {
      case kHelp:
        help = true;
        break;
      case kVersion:
        version = true;
        break;
      case kFullScreen:
        line.full_screen = 0;
        break;
      case kWindow:
        line.full_screen = 1;
        break;
      case kData:
        if (optarg[0] == '\0') {
          return UsageError("zephyrant: option '--data' needs a folder");
        }
        line.data_folder = optarg;
        break;
      case kReplay:
        if (optarg[0] == '\0') return UsageError("zephyrant: option '--replay' needs a file");
        // One window shows one replay.
        if (!line.replay_file.empty()) {
          return UsageError("zephyrant: option '--replay' given twice");
        }
        line.replay_file = optarg;
        break;
      case ':':
        return UsageError("zephyrant: option '" + Offending(argv[previous], optopt) +
                          "' needs a value");
      default: {
        const std::string word = argv[previous];
        const std::string name = Offending(word, optopt);
        // getopt_long also stops at a known option given a value it takes
        // not, and accepts unambiguous abbreviations of the names.
        if (IsLong(word) && word.find('=') != std::string::npos && optopt != 0) {
          return UsageError("zephyrant: option '" + name + "' takes no value");
        }
        return UsageError("zephyrant: unknown option '" + name + "'");
      }
    }
  }
  if (optind < argc) {
    return UsageError("zephyrant: unexpected argument '" + std::string(argv[optind]) + "'");
  }
  if (help) {
    line.action = CommandLine::Action::kHelp;
  } else if (version) {
    line.action = CommandLine::Action::kVersion;
  }
  return line;
}

std::string UsageText() {
  return std::string(
             "Usage: zephyrant [OPTION]...\n"
             "A vertically scrolling space shoot-'em-up.\n"
             "\n"
             "Options:\n"
             "      --fullscreen  play full screen this time, whatever the options say\n"
             "      --window      play in a window this time, whatever the options say\n"
             "                    (neither is saved; saving on the options screen keeps\n"
             "                    what the options screen shows)\n"
             "      --data DIR    take the pictures, sounds, font and help page from DIR\n"
             "      --replay FILE watch a recorded game at its own speed; Escape stops it\n"
             "                    (--fullscreen or --window chooses how it shows)\n"
             "  -h, --help        show this help and end\n"
             "  -V, --version     show the version and end\n"
             "\n"
             "Without --data the data folder is, of the following, the first that holds\n"
             "the game's data: $ZEPHYRANT_DATA; ") +
         ZEPHYRANT_DATA_FROM_BINDIR +
         " from the binary's folder;\n"
         "zephyrant/ in each folder of $XDG_DATA_DIRS (by default\n"
         "/usr/local/share:/usr/share); data/ beside the binary.\n"
         "\n"
         "Files:\n"
         "  settings and high scores  $XDG_CONFIG_HOME/zephyrant/settings.ini\n"
         "                            (by default ~/.config/zephyrant)\n"
         "  screenshots (F12)         $XDG_DATA_HOME/zephyrant/screenshots\n"
         "                            (by default ~/.local/share/zephyrant)\n"
         "  replays of every game     $XDG_DATA_HOME/zephyrant/replays\n";
}

std::string VersionText() {
  return std::string("zephyrant ") + ZEPHYRANT_VERSION + "\n";
}

}  // namespace zephyrant
