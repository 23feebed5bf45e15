// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

#include "tools/sim/script_limits.h"

namespace zephyrant {

namespace {

using Kind = ScriptEvent::Kind;

struct NamedKey {
  const char* name;
  Key key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Up", Key::kUp},         {"Down", Key::kDown},
    {"Left", Key::kLeft},     {"Right", Key::kRight},
    {"Return", Key::kReturn}, {"Escape", Key::kEscape},
    {"Space", Key::kSpace},   {"LShift", Key::kShift},
    {"RShift", Key::kShift},  {"BackSpace", Key::kBackSpace},
    {"F2", Key::kF2},         {"F11", Key::kF11},
    {"F12", Key::kF12},       {"Pause", Key::kPause},
    {"KP_2", Key::kKeypad2},  {"KP_4", Key::kKeypad4},
    {"KP_6", Key::kKeypad6},  {"KP_8", Key::kKeypad8},
};

// Characters that cannot be written as themselves on a script line.
struct NamedChar {
  const char* name;
  char character;
};

constexpr NamedChar kNamedChars[] = {
    {"Space", ' '}, {"Return", '\r'}, {"Escape", '\x1b'}, {"BackSpace", '\b'}};

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

template <class T>
std::optional<T> Number(std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool Within(double value, const std::optional<VarRange>& range) {
  return range && value >= range->lowest && value <= range->highest;  // false for NaN
}

// " (from A to B)" for a number variable; nothing for another.
std::string RangeText(std::string_view var) {
  const std::optional<VarRange> range = RangeOf(var);
  if (!range) return "";
  const auto number = [](double v) {
    if (v == std::trunc(v)) return std::to_string(static_cast<long long>(v));
    std::ostringstream out;
    out << v;
    return out.str();
  };
  return " (from " + number(range->lowest) + " to " + number(range->highest) + ")";
}

// The variable's type decides how the value reads, and its range how far it
// may go; arrays cannot be set.
std::optional<ScriptEvent::Value> VarValue(const VarRef& var, const std::string& text) {
  const VarPointer& pointer = var.pointer;
  if (std::holds_alternative<int32_t*>(pointer)) {
    const std::optional<int32_t> v = Number<int32_t>(text);
    if (v && Within(*v, RangeOf(var.name))) return *v;
    return std::nullopt;
  }
  if (std::holds_alternative<double*>(pointer)) {
    const std::optional<double> v = Number<double>(text);
    if (v && Within(*v, RangeOf(var.name))) return *v;
    return std::nullopt;
  }
  if (std::holds_alternative<std::string*>(pointer)) return text;
  return std::nullopt;
}

class LineParser {
 public:
  LineParser(int line, std::string text) : line_(line), text_(std::move(text)) {}

  // The event on the line; none for a blank or comment line.
  std::optional<ScriptEvent> Parse() {
    const std::vector<std::string> w = Words(text_.substr(0, text_.find('#')));
    if (w.empty()) return std::nullopt;
    ScriptEvent e;
    e.line = line_;
    const std::optional<int> frame = Number<int>(w[0]);
    if (!frame || *frame < 1) Fail("the frame must be a whole number from 1");
    e.frame = *frame;
    if (w.size() < 2) Fail("no event");
    const std::string& event = w[1];
    if (event == "key") {
      Expect(w, 4, "key down|up NAME");
      if (w[2] != "down" && w[2] != "up") Fail("expected key down or key up");
      const std::optional<Key> key = KeyByName(w[3]);
      if (!key) Fail("unknown key \"" + w[3] + "\"");
      e.kind = w[2] == "down" ? Kind::kKeyDown : Kind::kKeyUp;
      e.key = *key;
      if (e.kind == Kind::kKeyDown && *key == Key::kBackSpace) e.character = '\b';
    } else if (event == "char") {
      Expect(w, 3, "char C");
      e.kind = Kind::kChar;
      e.character = Character(w[2]);
    } else if (event == "mouse") {
      ParseMouse(w, e);
    } else if (event == "lag") {
      Expect(w, 3, "lag N");
      const std::optional<int> lag = Number<int>(w[2]);
      if (!lag || *lag < 1 || *lag > kMaxLag) {
        Fail("the lag must be a whole number from 1 to " + std::to_string(kMaxLag));
      }
      e.kind = Kind::kLag;
      e.lag_count = *lag;
    } else if (event == "focus") {
      Expect(w, 3, "focus in|out");
      if (w[2] != "in" && w[2] != "out") Fail("expected focus in or focus out");
      e.kind = w[2] == "in" ? Kind::kFocusIn : Kind::kFocusOut;
    } else if (event == "minimise") {
      Expect(w, 2, "minimise");
      e.kind = Kind::kMinimise;
    } else if (event == "pad") {
      ParsePad(w, e);
    } else if (event == "set") {
      ParseSet(w, e);
    } else if (event == "call") {
      Expect(w, 3, "call NAME");
      if (w[2] != "NewGame" && w[2] != "HiScores" && w[2] != "ToggleFullScreen") {
        Fail("unknown call \"" + w[2] + "\" (NewGame, HiScores or ToggleFullScreen)");
      }
      e.kind = Kind::kCall;
      e.var = w[2];
    } else {
      Fail("unknown event \"" + event + "\"");
    }
    return e;
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    throw ScriptError(line_, text_, reason);
  }

  void Expect(const std::vector<std::string>& w, size_t count, const char* form) const {
    if (w.size() != count) Fail(std::string("expected \"F ") + form + "\"");
  }

  char Character(const std::string& word) const {
    if (word.size() == 1) return word[0];
    for (const NamedChar& c : kNamedChars) {
      if (word == c.name) return c.character;
    }
    Fail("expected one character or Space, Return, Escape, BackSpace");
  }

  void ParseMouse(const std::vector<std::string>& w, ScriptEvent& e) const {
    if (w.size() >= 3 && w[2] == "move") {
      Expect(w, 5, "mouse move X Y");
      const std::optional<int> x = Number<int>(w[3]);
      const std::optional<int> y = Number<int>(w[4]);
      if (!x || !y || *x < -kReachX || *x > kReachX || *y < -kReachY || *y > kReachY) {
        Fail("the pointer position must be whole numbers, X from " + std::to_string(-kReachX) +
             " to " + std::to_string(kReachX) + ", Y from " + std::to_string(-kReachY) + " to " +
             std::to_string(kReachY));
      }
      e.kind = Kind::kMouseMove;
      e.pointer = Point{*x, *y};
      return;
    }
    Expect(w, 4, "mouse down|up left|right|middle");
    if (w[2] != "down" && w[2] != "up") Fail("expected mouse move, mouse down or mouse up");
    e.kind = w[2] == "down" ? Kind::kMouseDown : Kind::kMouseUp;
    if (w[3] == "left") {
      e.button = MouseButton::kLeft;
    } else if (w[3] == "right") {
      e.button = MouseButton::kRight;
    } else if (w[3] == "middle") {
      e.button = MouseButton::kMiddle;
    } else {
      Fail("unknown mouse button \"" + w[3] + "\"");
    }
  }

  void ParsePad(const std::vector<std::string>& w, ScriptEvent& e) const {
    if (w.size() == 3 && w[2] == "unplug") {
      e.kind = Kind::kPadUnplug;
      return;
    }
    if (w.size() == 4 && w[2] == "press") {
      const std::optional<Key> key = KeyByName(w[3]);
      if (!key) Fail("unknown key \"" + w[3] + "\"");
      e.kind = Kind::kPadPress;
      e.key = *key;
      return;
    }
    if (w.size() != 5)
      Fail("expected \"F pad X Y BUTTONS\", \"F pad press KEY\" or \"F pad unplug\"");
    const std::optional<int> x = Number<int>(w[2]);
    const std::optional<int> y = Number<int>(w[3]);
    const std::optional<uint32_t> buttons = Number<uint32_t>(w[4]);
    if (!x || !y || !buttons || *x < kPadAxisLowest || *x > kPadAxisHighest ||
        *y < kPadAxisLowest || *y > kPadAxisHighest) {
      Fail("the stick must be whole numbers from " + std::to_string(kPadAxisLowest) + " to " +
           std::to_string(kPadAxisHighest) + ", the buttons one whole number of button bits");
    }
    e.kind = Kind::kPad;
    e.pointer = Point{*x, *y};
    e.buttons = *buttons;
  }

  void ParseSet(const std::vector<std::string>& w, ScriptEvent& e) const {
    if (w.size() < 4) Fail("expected \"F set NAME VALUE\"");
    std::string text = w[3];
    for (size_t i = 4; i < w.size(); ++i) text += " " + w[i];
    GameState names;
    for (const VarRef& var : Vars(names)) {
      if (w[2] != var.name) continue;
      std::optional<ScriptEvent::Value> value = VarValue(var, text);
      if (!value) Fail("\"" + text + "\" is not a value " + w[2] + " can take" + RangeText(w[2]));
      e.kind = Kind::kSet;
      e.var = w[2];
      e.value = std::move(*value);
      return;
    }
    Fail("unknown variable \"" + w[2] + "\"");
  }

  int line_;
  std::string text_;
};

// Reads one line, but never more than two characters past the longest
// allowed (the second for a carriage return), so that a file without line
// breaks is not read whole into memory.
bool ReadLine(std::istream& in, std::string& text) {
  text.clear();
  for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
    if (c == '\n') return true;
    text.push_back(static_cast<char>(c));
    if (text.size() > kMaxScriptLine + 1) return true;
  }
  return !text.empty();
}

// The start of an over-long line, for its error message.
std::string Shortened(const std::string& text) {
  constexpr size_t kShown = 40;
  return text.size() <= kShown ? text : text.substr(0, kShown) + "...";
}

}  // namespace

ScriptError::ScriptError(int line, const std::string& text, const std::string& reason)
    : std::runtime_error("script line " + std::to_string(line) + " \"" + text + "\": " + reason),
      line_(line) {}

std::optional<Key> KeyByName(std::string_view name) {
  for (const NamedKey& k : kNamedKeys) {
    if (name == k.name) return k.key;
  }
  if (name.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(name[0]);
    if (std::isalpha(c)) return LetterKey(static_cast<char>(std::tolower(c)));
    if (std::isdigit(c)) return DigitKey(static_cast<char>(c));
  }
  return std::nullopt;
}

Script Script::Parse(std::istream& in) {
  Script script;
  std::string text;
  size_t bytes = 0;
  for (int line = 1; ReadLine(in, text); ++line) {
    bytes += text.size() + 1;
    if (bytes > kMaxScriptBytes) {
      throw ScriptError(line, Shortened(text),
                        "the script is longer than " + std::to_string(kMaxScriptBytes) + " bytes");
    }
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text.size() > kMaxScriptLine) {
      throw ScriptError(
          line, Shortened(text),
          "the line is longer than " + std::to_string(kMaxScriptLine) + " characters");
    }
    if (std::optional<ScriptEvent> e = LineParser(line, text).Parse()) {
      script.events_.push_back(std::move(*e));
    }
  }
  std::stable_sort(script.events_.begin(), script.events_.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
  return script;
}

Script Script::FromEvents(std::vector<ScriptEvent> events) {
  Script script;
  script.events_ = std::move(events);
  return script;
}

Script Script::Parse(std::string_view text) {
  std::istringstream in{std::string(text)};
  return Parse(in);
}

std::span<const ScriptEvent> Script::EventsAt(int frame) const {
  const auto by_frame = [](const ScriptEvent& e, int f) { return e.frame < f; };
  const auto first = std::lower_bound(events_.begin(), events_.end(), frame, by_frame);
  auto last = first;
  while (last != events_.end() && last->frame == frame) ++last;
  return {first, last};
}

}  // namespace zephyrant
