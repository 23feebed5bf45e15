#include "platform/common/settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <system_error>

namespace zephyrant {

namespace {

namespace fs = std::filesystem;

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

// "\Software\Zephyrant\" and "Software\Zephyrant" name the same key; the file
// spells it without the outer backslashes. No value when it cannot be written
// on a header line.
std::optional<std::string> NormaliseKey(std::string_view path) {
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
    if (text.size() >= SettingsFile::kMaxStringBytes) return std::nullopt;
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
    auto key = NormaliseKey(line.substr(1, line.size() - 2));
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

// Reads up to limit + 1 bytes, so the caller can tell an over-long file.
std::optional<std::string> ReadPrefix(const fs::path& path, size_t limit, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  std::string contents;
  char buffer[65536];
  while (contents.size() <= limit) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = std::strerror(errno);
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);
  if (contents.size() > limit + 1) contents.resize(limit + 1);
  return contents;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t done = ::write(fd, data.data(), data.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    data.remove_prefix(static_cast<size_t>(done));
  }
  return true;
}

}  // namespace

fs::path DefaultSettingsFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && fs::path(config).is_absolute()) return fs::path(config) / "zephyrant";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return fs::path(home) / ".config" / "zephyrant";
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return fs::path(user->pw_dir) / ".config" / "zephyrant";
  }
  return fs::path("zephyrant");
}

bool SettingsFile::NoCase::operator()(std::string_view a, std::string_view b) const {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const char x = LowerAscii(a[i]);
    const char y = LowerAscii(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  return a.size() < b.size();
}

SettingsFile::SettingsFile(fs::path folder) : folder_(std::move(folder)) {}

SettingsFile::LoadResult SettingsFile::Load() {
  keys_.clear();
  const fs::path path = FilePath();
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return LoadResult::kMissing;

  std::string error = ec ? ec.message() : "not a regular file";
  std::optional<std::string> contents;
  if (status.type() == fs::file_type::regular) contents = ReadPrefix(path, kMaxFileBytes, error);
  if (!contents) {
    const std::string message = "zephyrant: cannot read settings file " + path.string() + " (" +
                                error + "); settings will not be saved";
    if (message != last_report_) std::cerr << message << '\n';
    last_report_ = message;
    return LoadResult::kUnreadable;
  }

  // Past the size cap, and on the cut line, nothing is trusted.
  bool damaged = false;
  std::string_view text = *contents;
  if (text.size() > kMaxFileBytes) {
    damaged = true;
    text = text.substr(0, kMaxFileBytes);
    const size_t last_newline = text.rfind('\n');
    text = text.substr(0, last_newline == std::string_view::npos ? 0 : last_newline + 1);
  }

  Values* current = nullptr;
  while (!text.empty()) {
    size_t end = text.find('\n');
    if (end == std::string_view::npos) end = text.size();
    ParsedLine line = ParseLine(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    switch (line.kind) {
      case ParsedLine::kBlank:
        break;
      case ParsedLine::kKey:
        current = &keys_[line.key];
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
  if (damaged) ReportDamage(*contents);
  return LoadResult::kLoaded;
}

// Keeps the damaged file for the player, once for each damage, and says so on
// one line. The values that could be read are used; the rest take defaults.
void SettingsFile::ReportDamage(const std::string& contents) {
  if (contents == reported_damage_) return;
  reported_damage_ = contents;
  const fs::path path = FilePath();
  const fs::path copy = folder_ / kDamagedName;

  std::string error;
  const auto kept = ReadPrefix(copy, kMaxFileBytes, error);
  std::error_code ec;
  if (!kept || *kept != contents)
    fs::copy_file(path, copy, fs::copy_options::overwrite_existing, ec);

  std::string message = "zephyrant: settings file " + path.string() + " is damaged; ";
  if (ec) {
    message += "could not keep a copy (" + ec.message() + ")";
  } else {
    message += "kept a copy as " + std::string(kDamagedName);
  }
  message += ", unreadable values take their defaults";
  std::cerr << message << '\n';
  last_report_ = message;
}

bool SettingsFile::OpenKey(std::string_view path, bool create) {
  if (is_open_) CloseKey();
  const auto key = NormaliseKey(path);
  if (!key) return false;

  const LoadResult loaded = Load();
  // A file that is there but cannot be read is never overwritten.
  if (loaded == LoadResult::kUnreadable) return false;
  auto found = keys_.find(*key);
  if (found == keys_.end()) {
    if (!create) return false;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) return false;
    found = keys_.emplace(*key, Values{}).first;
    dirty_ = true;
  } else {
    dirty_ = false;
  }
  current_ = &found->second;
  is_open_ = true;
  return true;
}

bool SettingsFile::CloseKey() {
  if (!is_open_) return false;
  is_open_ = false;
  current_ = nullptr;
  if (!dirty_) return true;
  dirty_ = false;
  return WriteFile();
}

std::string SettingsFile::ReadString(std::string_view name) {
  if (!is_open_) return {};
  const auto found = current_->find(name);
  if (found == current_->end()) return {};
  const auto* text = std::get_if<std::string>(&found->second);
  return text != nullptr ? *text : std::string();
}

std::optional<int32_t> SettingsFile::ReadInteger(std::string_view name) {
  if (!is_open_) return std::nullopt;
  const auto found = current_->find(name);
  if (found == current_->end()) return std::nullopt;
  const auto* number = std::get_if<int32_t>(&found->second);
  return number != nullptr ? std::optional<int32_t>(*number) : std::nullopt;
}

void SettingsFile::WriteString(std::string_view name, std::string_view value) {
  if (!is_open_) return;
  (*current_)[std::string(name)] = std::string(value.substr(0, kMaxStringBytes));
  dirty_ = true;
}

void SettingsFile::WriteInteger(std::string_view name, int32_t value) {
  if (!is_open_) return;
  (*current_)[std::string(name)] = value;
  dirty_ = true;
}

// Writes the whole file beside the old one and renames it over, so a crash or
// a full disk leaves either the old file or the new one, never half of each.
bool SettingsFile::WriteFile() {
  std::string text(kHeaderComment);
  for (const auto& [key, values] : keys_) {
    text += '[';
    text += key;
    text += "]\n";
    for (const auto& [name, value] : values) {
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

  const fs::path path = FilePath();
  const fs::path temp = folder_ / kTempName;
  const auto fail = [&](const std::string& reason) {
    const std::string message = "zephyrant: could not save settings to " + path.string() + " (" +
                                reason + "); the previous settings are kept";
    std::cerr << message << '\n';
    last_report_ = message;
    return false;
  };

  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return fail(std::strerror(errno));
  const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
  const int write_errno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string reason = std::strerror(!written ? write_errno : errno);
    ::unlink(temp.c_str());
    return fail(reason);
  }
  // Make the rename itself survive a power cut.
  const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace zephyrant
