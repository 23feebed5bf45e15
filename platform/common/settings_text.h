// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text of the settings file, which the player can read and edit:
//
//   [Software\Zephyrant]
//   nm1 = string "A1u0t0o0r0"
//   scores1 = integer 5840
//
// One "[key path]" line opens a key; each value line gives its name, its type
// and its value. Strings are quoted, with \" \\ \n \r \t and \xHH escapes;
// integers are signed 32-bit decimals. Lines starting with ';' or '#' are
// comments.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zephyrant {

// Key paths and value names compare without regard to ASCII case, as the
// player may retype them by hand.
struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};
using SettingsValue = std::variant<std::string, int32_t>;
using SettingsValues = std::map<std::string, SettingsValue, NoCaseLess>;
using SettingsKeys = std::map<std::string, SettingsValues, NoCaseLess>;

// Strings longer than this read as damage.
inline constexpr size_t kMaxSettingsStringBytes = 4096;

// "\Software\Zephyrant\" and "Software\Zephyrant" name the same key, spelt
// the second way; no value when a key line cannot name it.
std::optional<std::string> NormaliseSettingsKey(std::string_view path);

// Reads every value of every key in `text` into `keys`. False when some line
// is damaged; the values of the other lines are read all the same.
bool ParseSettingsText(std::string_view text, SettingsKeys& keys);

// The text of a file holding `keys`, which ParseSettingsText reads back as is.
std::string FormatSettingsText(const SettingsKeys& keys);

}  // namespace zephyrant
