// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real game on the headless platform, driven the way a player drives the
// menus: a frame at a time, with keys, typed characters and the mouse.

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "menus/menu_sprites.h"
#include "tests/runner/json_reader.h"
#include "tools/sim/sim_runner.h"

namespace zephyrant {

class MenuGame {
 public:
  // The settings store lives in `config` (a fresh one when empty), so a
  // second game on the same folder is the next run.
  explicit MenuGame(const std::filesystem::path& config = {}) : runner_(Options(config)) { Step(); }

  // One frame, with script events applied just before it ("key down Up",
  // "char a", "mouse move 200 180", "mouse down left", ...).
  void Step(std::initializer_list<std::string> events = {}) {
    std::string text;
    for (const std::string& event : events) {
      text += std::to_string(runner_.Frame() + 1) + " " + event + "\n";
    }
    const Script script = Script::Parse(text);
    runner_.RunFrame(script.EventsAt(runner_.Frame() + 1));
  }
  void Steps(int frames) {
    for (int i = 0; i < frames; ++i) Step();
  }
  // A key pressed and let go within one frame.
  void Press(const std::string& key, int times = 1) {
    for (int i = 0; i < times; ++i) Step({"key down " + key, "key up " + key});
  }
  void Type(const std::string& text) {
    for (const char c : text)
      Step({c == ' ' ? std::string("char Space") : std::string("char ") + c});
  }
  void Point(int x, int y) { Step({"mouse move " + std::to_string(x) + " " + std::to_string(y)}); }
  void Click() {
    Step({"mouse down left"});
    Step({"mouse up left"});
  }

  // The pictures of the menu sprites on the screen.
  std::multiset<std::string> Shown() {
    std::multiset<std::string> shown;
    for (const MenuItem* menu : Menus()) shown.insert(menu->Image->Name);
    return shown;
  }
  // The live menu sprite showing this picture; fails the test when none is.
  const MenuItem& Menu(const std::string& picture) {
    for (const MenuItem* menu : Menus()) {
      if (menu->Image->Name == picture) return *menu;
    }
    throw std::runtime_error("no menu sprite shows " + picture);
  }
  template <class T>
  std::vector<const T*> Alive() {
    std::vector<const T*> found;
    for (const Sprite* sprite : runner_.Window().Engine().Sprites()) {
      const auto* t = dynamic_cast<const T*>(sprite);
      if (t != nullptr && !t->Killed()) found.push_back(t);
    }
    return found;
  }

  // The sounds started since the last call, by name.
  std::vector<std::string> Sounds() {
    std::vector<std::string> names;
    const testing::Json dump = testing::JsonReader::Read(runner_.Dump());
    for (const testing::Json& sound : dump["sounds"].Items())
      names.push_back(sound["name"].String());
    return names;
  }
  testing::Json Dump() { return testing::JsonReader::Read(runner_.Dump()); }
  // The dump as the runner writes it, without the frame number.
  std::string DumpText() {
    const std::string dump = runner_.Dump();
    return dump.substr(dump.find(','));
  }

  GameState& State() { return runner_.Window().State(); }
  MainWindow& Window() { return runner_.Window(); }
  HeadlessPlatform& Machine() { return runner_.Machine(); }
  double Column() { return State().menuColumnX; }

 private:
  static SimOptions Options(const std::filesystem::path& config) {
    SimOptions options;
    options.config_dir = config;
    options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
    return options;
  }
  std::vector<const MenuItem*> Menus() { return Alive<MenuItem>(); }

  SimRunner runner_;
};

inline long Count(const std::vector<std::string>& names, const std::string& name) {
  return std::count(names.begin(), names.end(), name);
}

}  // namespace zephyrant
