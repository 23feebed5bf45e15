// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/dump.h"

#include <string>

namespace zephyrant {

namespace {

void AppendKey(std::string& out, const char* key) {
  AppendJsonString(out, key);
  out += ':';
}

void AppendInt(std::string& out, long long value) {
  out += std::to_string(value);
}

void AppendText(std::string& out, const TextRecord& text) {
  out += '{';
  AppendKey(out, "text");
  AppendJsonString(out, text.text);
  out += ',';
  AppendKey(out, "x");
  AppendInt(out, text.x);
  out += ',';
  AppendKey(out, "y");
  AppendInt(out, text.y);
  out += ',';
  AppendKey(out, "size");
  AppendInt(out, text.size);
  out += ',';
  AppendKey(out, "color");
  out += '[' + std::to_string(text.color.r) + ',' + std::to_string(text.color.g) + ',' +
         std::to_string(text.color.b) + ']';
  out += '}';
}

void AppendSound(std::string& out, const SoundEvent& sound) {
  out += '{';
  AppendKey(out, "list");
  AppendJsonString(out, sound.list);
  out += ',';
  AppendKey(out, "name");
  AppendJsonString(out, sound.name);
  out += ',';
  AppendKey(out, "volume");
  AppendInt(out, sound.volume);
  out += ',';
  AppendKey(out, "pan");
  AppendInt(out, sound.pan);
  out += '}';
}

template <class Items, class Append>
void AppendList(std::string& out, const Items& items, Append append) {
  out += '[';
  bool first = true;
  for (const auto& item : items) {
    if (!first) out += ',';
    first = false;
    append(out, item);
  }
  out += ']';
}

}  // namespace

DumpWriter::DumpWriter(AssetLibrary& assets) : state_(assets) {}

std::string DumpWriter::Dump(int frame, MainWindow& main_window,
                             std::vector<SoundEvent>& sounds) const {
  std::string out = "{";
  AppendKey(out, "frame");
  AppendInt(out, frame);
  out += ',';
  state_.AppendVarsAndSprites(out, main_window, true);
  out += ',';
  AppendKey(out, "texts");
  AppendList(out, main_window.Texts(), AppendText);
  out += ',';
  AppendKey(out, "sounds");
  AppendList(out, sounds, AppendSound);
  out += '}';
  sounds.clear();
  return out;
}

}  // namespace zephyrant
