// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A settings store that lives and dies with the process: what a replay's
// playback gives the game, so that the player's own settings and table are
// neither read nor touched.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/platform.h"

namespace zephyrant {

class MemorySettings final : public SettingsStore {
 public:
  bool OpenKey(std::string_view path, bool create) override;
  bool CloseKey() override;
  std::string ReadString(std::string_view name) override;
  bool HasString(std::string_view name) override;
  std::optional<int32_t> ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int32_t value) override;

 private:
  using Value = std::variant<std::string, int32_t>;
  using Key = std::map<std::string, Value, std::less<>>;
  std::map<std::string, Key, std::less<>> keys_;
  Key* open_ = nullptr;
};

}  // namespace zephyrant
