// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/replay_sets.h"

#include <charconv>
#include <string>
#include <variant>

#include "platform/common/tape.h"
#include "tools/sim/script.h"

namespace zephyrant {

namespace {

std::string ValueText(const TapeValue& value) {
  if (const auto* i = std::get_if<int32_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, *d);
    return std::string(text, result.ptr);
  }
  return std::get<std::string>(value);
}

bool PlainText(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '#') return false;
  }
  return true;
}

// Whether a script line sets the variable to exactly this value, of this type.
bool ScriptCouldSet(const TapeEntry& e) {
  const std::string value = ValueText(e.value);
  if (!PlainText(e.name) || !PlainText(value) || value.empty() || value.front() == ' ' ||
      value.back() == ' ') {
    return false;
  }
  try {
    const Script line = Script::Parse("1 set " + e.name + " " + value + "\n");
    return line.Events().size() == 1 && line.Events().front().var == e.name &&
           line.Events().front().value == e.value;
  } catch (const ScriptError&) {
    return false;
  }
}

}  // namespace

void CheckReplaySets(const Replay& replay, std::string_view source) {
  TapeReader reader(replay.tape, source);
  TapeEntry entry;
  uint64_t frame = 1;
  while (reader.Next(entry)) {
    if (entry.IsFrame()) frame += entry.count;
    if (entry.op == TapeOp::kSet && !ScriptCouldSet(entry)) {
      throw ReplayError(std::string(source) + ": frame " + std::to_string(frame) +
                        ": a variable set that no script could set (" + entry.name + ")");
    }
  }
}

void SetVar(GameState& state, const std::string& name, const TapeValue& value) {
  for (const VarRef& var : Vars(state)) {
    if (name != var.name) continue;
    if (auto* i = std::get_if<int32_t*>(&var.pointer)) **i = std::get<int32_t>(value);
    if (auto* d = std::get_if<double*>(&var.pointer)) **d = std::get<double>(value);
    if (auto* s = std::get_if<std::string*>(&var.pointer)) **s = std::get<std::string>(value);
    return;
  }
}

}  // namespace zephyrant
