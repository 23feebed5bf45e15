// SPDX-License-Identifier: GPL-3.0-or-later
// zephyrant-sim: runs the game without a window, driven by a script, and
// writes what it did as JSON dumps and a screenshot.

#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "framework/assets.h"
#include "platform/common/png_writer.h"
#include "platform/common/replay_file.h"
#include "tools/sim/replay_sets.h"
#include "tools/sim/script.h"
#include "tools/sim/sim_runner.h"

namespace {

using namespace zephyrant;

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// A replay that played differently from its recording.
constexpr int kExitDesync = 3;

constexpr const char* kUsage =
    "usage: zephyrant-sim [options]\n"
    "  --seed N          random seed (default 1)\n"
    "  --frames N        frames to run (default 1)\n"
    "  --config-dir DIR  settings folder (default: a new empty one, removed at exit)\n"
    "  --desktop WxH     desktop size (default 1920x1080)\n"
    "  --script FILE     input script, one \"F EVENT\" a line; - reads standard input\n"
    "  --dump FILE       JSON of the state after the last frame; - writes standard output\n"
    "  --dump-every K    one JSON line every K frames instead\n"
    "  --screenshot FILE PNG of the surface after the last frame\n"
    "  --screenshot-dir DIR  where F12 keeps its shots (default: nowhere)\n"
    "  --record FILE     save the run as a replay\n"
    "  --replay FILE     play a replay instead of a script (its seed and settings;\n"
    "                    --frames defaults to its length and may stop it early)\n"
    "  --verify          with --replay: exit 3 at the first frame whose state\n"
    "                    differs from the recording's\n"
    "  --hashes FILE     the state hash every 256 frames and after the last one,\n"
    "                    \"frame F level L hash H\" a line; - writes standard output\n";

struct CommandLine {
  SimOptions sim;
  int frames = 1;
  std::string script;
  std::string dump;
  int dump_every = 0;
  std::string screenshot;
  std::string record;
  std::string replay;
  std::string hashes;
  bool frames_given = false;
  bool seed_given = false;
  bool verify = false;
  bool help = false;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

template <class T>
T NumberArg(std::string_view option, std::string_view text, T lowest) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || value < lowest) {
    throw UsageError(std::string(option) + ": bad number \"" + std::string(text) + "\"");
  }
  return value;
}

Size DesktopArg(std::string_view text) {
  const size_t x = text.find('x');
  if (x == std::string_view::npos) throw UsageError("--desktop: expected WxH");
  return Size{NumberArg<int>("--desktop", text.substr(0, x), 1),
              NumberArg<int>("--desktop", text.substr(x + 1), 1)};
}

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine cl;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      cl.help = true;
      continue;
    }
    if (option == "--verify") {
      cl.verify = true;
      continue;
    }
    std::optional<std::string> value;
    if (const size_t eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
      value = option.substr(eq + 1);
      option.resize(eq);
    } else if (i + 1 < argc) {
      value = argv[i + 1];
      ++i;
    }
    if (!value) throw UsageError(option + ": needs a value");
    if (option == "--seed") {
      cl.sim.seed = NumberArg<uint32_t>(option, *value, 0);
      cl.seed_given = true;
    } else if (option == "--frames") {
      cl.frames = NumberArg<int>(option, *value, 0);
      cl.frames_given = true;
    } else if (option == "--config-dir") {
      cl.sim.config_dir = *value;
    } else if (option == "--desktop") {
      cl.sim.desktop = DesktopArg(*value);
    } else if (option == "--script") {
      cl.script = *value;
    } else if (option == "--dump") {
      cl.dump = *value;
    } else if (option == "--dump-every") {
      cl.dump_every = NumberArg<int>(option, *value, 1);
    } else if (option == "--screenshot-dir") {
      cl.sim.screenshot_dir = *value;
    } else if (option == "--record") {
      cl.record = *value;
    } else if (option == "--replay") {
      cl.replay = *value;
    } else if (option == "--hashes") {
      cl.hashes = *value;
    } else if (option == "--screenshot") {
      cl.screenshot = *value;
    } else {
      throw UsageError("unknown option " + option);
    }
  }
  if (cl.dump_every > 0 && cl.dump.empty()) throw UsageError("--dump-every needs --dump");
  if (cl.verify && cl.replay.empty()) throw UsageError("--verify needs --replay");
  if (!cl.replay.empty() && !cl.script.empty()) {
    throw UsageError("--replay and --script cannot go together");
  }
  if (!cl.replay.empty() && cl.seed_given) throw UsageError("a replay brings its own seed");
  if (!cl.replay.empty() && !cl.record.empty()) {
    throw UsageError("--replay and --record cannot go together");
  }
  return cl;
}

Script ReadScript(const std::string& path) {
  if (path.empty()) return Script{};
  if (path == "-") return Script::Parse(std::cin);
  std::ifstream in(path);
  if (!in) throw UsageError(path + ": cannot read the script");
  return Script::Parse(in);
}

class DumpFile {
 public:
  explicit DumpFile(const std::string& path) {
    if (path.empty() || path == "-") return;
    file_.open(path, std::ios::trunc);
    if (!file_) throw std::runtime_error(path + ": cannot write the dump");
    path_ = path;
  }
  void WriteLine(const std::string& json) {
    std::ostream& out = path_.empty() ? std::cout : file_;
    out << json << '\n';
    out.flush();
    if (!out)
      throw std::runtime_error((path_.empty() ? "standard output" : path_) + ": write failed");
  }

 private:
  std::string path_;
  std::ofstream file_;
};

// Where a replay's run first left its recording; empty while it has not.
std::string Desync(int frame, uint64_t recorded, uint64_t replayed) {
  if (recorded == replayed) return "";
  return "frame " + std::to_string(frame) + ": the state hash is " + ReplayHashText(replayed) +
         ", the recording has " + ReplayHashText(recorded);
}

int Run(const CommandLine& cl) {
  std::optional<Replay> replay;
  if (!cl.replay.empty()) {
    replay = ReadReplayFile(cl.replay, GameVersion());
    CheckReplaySets(*replay, cl.replay);
  }
  const Script script = replay ? Script{} : ReadScript(cl.script);
  SimOptions options = cl.sim;
  options.record = !cl.record.empty();
  if (replay) {
    options.replay = &*replay;
    options.replay_source = cl.replay;
  }
  const int frames = replay && !cl.frames_given ? static_cast<int>(replay->frame_count) : cl.frames;
  // The runner belongs to the build tree and plays the source tree's data.
  options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
  std::optional<DumpFile> dump;
  if (!cl.dump.empty()) dump.emplace(cl.dump);

  SimRunner runner(options);
  std::optional<DumpFile> hashes;
  if (!cl.hashes.empty()) hashes.emplace(cl.hashes);
  // Every kept hash of a replay, and the state after the run's last frame.
  const auto write_hash = [&](int frame) {
    if (!hashes) return;
    hashes->WriteLine("frame " + std::to_string(frame) + " level " +
                      std::to_string(runner.Window().State().levelNumber) + " hash " +
                      ReplayHashText(runner.StateHash()));
  };
  size_t checkpoint = 0;
  std::string desync;
  for (int frame = 1; frame <= frames; ++frame) {
    if (replay) {
      if (!runner.PlayFrame()) break;
    } else {
      runner.RunFrame(script.EventsAt(frame));
    }
    for (const std::string& note : runner.TakeNotes()) {
      std::cerr << "zephyrant-sim: " << note << '\n';
    }
    if (dump && cl.dump_every > 0 && frame % cl.dump_every == 0) dump->WriteLine(runner.Dump());
    if (frame % Replay::kCheckpointEvery == 0 || frame == frames) write_hash(frame);
    if (cl.verify && checkpoint < replay->checkpoints.size() &&
        replay->checkpoints[checkpoint].frame == frame) {
      desync = Desync(frame, replay->checkpoints[checkpoint++].hash, runner.StateHash());
      if (!desync.empty()) break;
    }
  }
  if (cl.verify && desync.empty() && runner.Frame() == static_cast<int>(replay->frame_count)) {
    desync = Desync(runner.Frame(), replay->end_hash, runner.StateHash());
  }
  if (!desync.empty()) {
    std::cerr << "zephyrant-sim: " << cl.replay << ": the replay went its own way at " << desync
              << '\n';
    return kExitDesync;
  }
  if (dump && cl.dump_every == 0) dump->WriteLine(runner.Dump());
  if (!cl.record.empty()) WriteReplayFile(cl.record, runner.FinishRecording());
  if (!cl.screenshot.empty()) WritePng(cl.screenshot, runner.Window().DrawingSurface());
  for (const std::string& error : runner.Machine().display.Errors()) {
    std::cerr << "zephyrant-sim: the game showed an error: " << error << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const CommandLine cl = ParseCommandLine(argc, argv);
    if (cl.help) {
      std::cout << kUsage;
      return 0;
    }
    return Run(cl);
  } catch (const UsageError& e) {
    std::cerr << "zephyrant-sim: " << e.what() << '\n' << kUsage;
    return kExitUsage;
  } catch (const ReplayError& e) {
    std::cerr << "zephyrant-sim: " << e.what() << '\n';
    return kExitUsage;
  } catch (const ScriptError& e) {
    std::cerr << "zephyrant-sim: " << e.what() << '\n';
    return kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "zephyrant-sim: " << e.what() << '\n';
    return kExitFailure;
  }
}
