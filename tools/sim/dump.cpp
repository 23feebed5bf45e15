// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/dump.h"

#include <string>

namespace zephyrant {

namespace {

void AppendText(std::string& out, const TextRecord& text) {
  out += '{';
  AppendJsonKey(out, "text");
  AppendJsonString(out, text.text);
  out += ',';
  AppendJsonKey(out, "x");
  AppendJsonInt(out, text.x);
  out += ',';
  AppendJsonKey(out, "y");
  AppendJsonInt(out, text.y);
  out += ',';
  AppendJsonKey(out, "size");
  AppendJsonInt(out, text.size);
  out += ',';
  AppendJsonKey(out, "color");
  out += '[' + std::to_string(text.color.r) + ',' + std::to_string(text.color.g) + ',' +
         std::to_string(text.color.b) + ']';
  out += '}';
}

void AppendSound(std::string& out, const SoundEvent& sound) {
  out += '{';
  AppendJsonKey(out, "list");
  AppendJsonString(out, sound.list);
  out += ',';
  AppendJsonKey(out, "name");
  AppendJsonString(out, sound.name);
  out += ',';
  AppendJsonKey(out, "volume");
  AppendJsonInt(out, sound.volume);
  out += ',';
  AppendJsonKey(out, "pan");
  AppendJsonInt(out, sound.pan);
  out += '}';
}

}  // namespace

DumpWriter::DumpWriter(AssetLibrary& assets) : state_(assets) {}

std::string DumpWriter::Dump(int frame, MainWindow& main_window,
                             std::vector<SoundEvent>& sounds) const {
  std::string out = "{";
  AppendJsonKey(out, "frame");
  AppendJsonInt(out, frame);
  out += ',';
  state_.AppendVarsAndSprites(out, main_window, true);
  out += ',';
  AppendJsonKey(out, "texts");
  AppendJsonList(out, main_window.Texts(), AppendText);
  out += ',';
  AppendJsonKey(out, "sounds");
  AppendJsonList(out, sounds, AppendSound);
  out += '}';
  sounds.clear();
  return out;
}

}  // namespace zephyrant
