// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/settings_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace zephyrant {

namespace {

constexpr std::string_view kHeaderComment =
    "; Zephyrant settings. One value a line: name = string \"text\" or name = integer 123.\n";

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}
bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

// The file spells a key without the outer backslashes.
std::optional<std::string> NormaliseSettingsKey(std::string_view path) {
  std::string key;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view part = Trim(path.substr(start, end - start));
    if (!part.empty()) {
      for (const char c : part) {
        if (IsControl(static_cast<unsigned char>(c)) || c == ']') return std::nullopt;
      }
      if (!key.empty()) key += '\\';
      key += part;
    }
    start = end + 1;
  }
  return key;
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = LowerAscii(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Bytes a string spells as a backslash and a letter, and those letters.
constexpr std::string_view kEscapedBytes = "\"\\\n\r\t";
constexpr std::string_view kEscapeLetters = "\"\\nrt";

void AppendQuoted(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (const size_t escape = kEscapedBytes.find(c); escape != std::string_view::npos) {
      out += '\\';
      out += kEscapeLetters[escape];
    } else if (IsControl(byte)) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

// Reads a quoted string starting at line[pos]; pos ends past the closing
// quote. No value for a bad escape, a raw control byte, a missing closing
// quote or a string over the length cap.
std::optional<std::string> ParseQuoted(std::string_view line, size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string text;
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return text;
    }
    if (text.size() >= kMaxSettingsStringBytes) return std::nullopt;
    if (c == '\\') {
      if (++pos >= line.size()) return std::nullopt;
      if (const size_t escape = kEscapeLetters.find(line[pos]); escape != std::string_view::npos) {
        text += kEscapedBytes[escape];
      } else if (line[pos] == 'x' && pos + 2 < line.size() && HexDigit(line[pos + 1]) >= 0 &&
                 HexDigit(line[pos + 2]) >= 0) {
        text += static_cast<char>(HexDigit(line[pos + 1]) * 16 + HexDigit(line[pos + 2]));
        pos += 2;
      } else {
        return std::nullopt;
      }
    } else if (IsControl(static_cast<unsigned char>(c)) && c != '\t') {
      return std::nullopt;
    } else {
      text += c;
    }
  }
  return std::nullopt;
}

// A name is written bare when a reader could not mistake it for anything else.
bool NeedsQuotes(std::string_view name) {
  if (name.empty() || name != Trim(name)) return true;
  if (name.front() == '[' || name.front() == ';' || name.front() == '#') return true;
  for (const char c : name) {
    if (c == '=' || c == '"' || IsControl(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

std::optional<int32_t> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct ParsedLine {
  enum Kind { kBlank, kKey, kValue, kBad } kind = kBad;
  std::string key;   // for kKey
  std::string name;  // for kValue
  std::variant<std::string, int32_t> value;
};

ParsedLine ParseLine(std::string_view raw) {
  ParsedLine parsed;
  const std::string_view line = Trim(raw);
  if (line.empty() || line.front() == ';' || line.front() == '#') {
    parsed.kind = ParsedLine::kBlank;
    return parsed;
  }
  if (line.front() == '[') {
    if (line.back() != ']') return parsed;
    auto key = NormaliseSettingsKey(line.substr(1, line.size() - 2));
    if (!key) return parsed;
    parsed.kind = ParsedLine::kKey;
    parsed.key = std::move(*key);
    return parsed;
  }

  size_t pos = 0;
  if (line.front() == '"') {
    auto name = ParseQuoted(line, pos);
    if (!name) return parsed;
    parsed.name = std::move(*name);
  } else {
    pos = line.find('=');
    if (pos == std::string_view::npos) return parsed;
    const std::string_view name = Trim(line.substr(0, pos));
    if (NeedsQuotes(name)) return parsed;
    parsed.name = name;
  }
  while (pos < line.size() && IsSpace(line[pos])) ++pos;
  if (pos >= line.size() || line[pos] != '=') return parsed;
  ++pos;
  while (pos < line.size() && IsSpace(line[pos])) ++pos;
  size_t type_end = pos;
  while (type_end < line.size() && LowerAscii(line[type_end]) >= 'a' &&
         LowerAscii(line[type_end]) <= 'z') {
    ++type_end;
  }
  const std::string_view type = line.substr(pos, type_end - pos);
  std::string_view rest = Trim(line.substr(type_end));
  if (EqualsNoCase(type, "string")) {
    size_t at = 0;
    auto text = ParseQuoted(rest, at);
    if (!text || at != rest.size()) return parsed;
    parsed.value = std::move(*text);
  } else if (EqualsNoCase(type, "integer")) {
    const auto number = ParseInteger(rest);
    if (!number) return parsed;
    parsed.value = *number;
  } else {
    return parsed;
  }
  parsed.kind = ParsedLine::kValue;
  return parsed;
}

}  // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char x = LowerAscii(a[i]);
    const char y = LowerAscii(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

bool ParseSettingsText(std::string_view text, SettingsKeys& keys) {
  bool damaged = false;
  SettingsValues* current = nullptr;
  while (!text.empty()) {
    size_t end = text.find('\n');
    if (end == std::string_view::npos) end = text.size();
    ParsedLine line = ParseLine(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    switch (line.kind) {
      case ParsedLine::kBlank:
        break;
      case ParsedLine::kKey:
        current = &keys[line.key];
        break;
      case ParsedLine::kValue:
        // A value before any key line belongs nowhere.
        if (current == nullptr) {
          damaged = true;
        } else {
          (*current)[line.name] = std::move(line.value);
        }
        break;
      case ParsedLine::kBad:
        damaged = true;
        break;
    }
  }
  return !damaged;
}

std::string FormatSettingsText(const SettingsKeys& keys) {
  std::string text(kHeaderComment);
  for (const auto& [key, key_values] : keys) {
    text += '[';
    text += key;
    text += "]\n";
    for (const auto& [name, value] : key_values) {
      if (NeedsQuotes(name)) {
        AppendQuoted(text, name);
      } else {
        text += name;
      }
      if (const auto* string = std::get_if<std::string>(&value)) {
        text += " = string ";
        AppendQuoted(text, *string);
      } else {
        text += " = integer ";
        text += std::to_string(std::get<int32_t>(value));
      }
      text += '\n';
    }
  }
  return text;
}

}  // namespace zephyrant
