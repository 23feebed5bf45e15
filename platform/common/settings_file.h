#pragma once

// The settings store kept as a small text file the player can read and edit:
//
//   [Software\Zephyrant]
//   nm1 = string "A1u0t0o0r0"
//   scores1 = integer 5840
//
// One "[key path]" line opens a key; each value line gives its name, its type
// and its value. Strings are quoted, with \" \\ \n \r \t and \xHH escapes;
// integers are signed 32-bit decimals. Lines starting with ';' or '#' are
// comments. Plain C++ and POSIX, no SDL.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/platform.h"

namespace zephyrant {

// Where the player's settings live: $XDG_CONFIG_HOME/zephyrant when that is
// set to an absolute path, else $HOME/.config/zephyrant. This is the only
// place the game reads environment variables.
std::filesystem::path DefaultSettingsFolder();

class SettingsFile final : public SettingsStore {
 public:
  static constexpr const char* kFileName = "settings.ini";
  static constexpr const char* kTempName = "settings.ini.tmp";
  static constexpr const char* kDamagedName = "settings.ini.damaged";
  // A file longer than this is read only up to here; the rest counts as damage.
  static constexpr size_t kMaxFileBytes = 1 << 20;
  // Strings longer than this read as damage; writes are cut to it.
  static constexpr size_t kMaxStringBytes = 4096;

  explicit SettingsFile(std::filesystem::path folder);
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  bool OpenKey(std::string_view path, bool create) override;
  bool CloseKey() override;
  std::string ReadString(std::string_view name) override;
  std::optional<int32_t> ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int32_t value) override;

  std::filesystem::path FilePath() const { return folder_ / kFileName; }

 private:
  // Key paths and value names compare without regard to ASCII case, as the
  // player may retype them by hand.
  struct NoCase {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  using Value = std::variant<std::string, int32_t>;
  using Values = std::map<std::string, Value, NoCase>;
  using Keys = std::map<std::string, Values, NoCase>;

  enum class LoadResult { kMissing, kLoaded, kUnreadable };
  LoadResult Load();
  void ReportDamage(const std::string& contents);
  bool WriteFile();

  std::filesystem::path folder_;
  Keys keys_;  // every key in the file, so saving one keeps the others
  Values* current_ = nullptr;
  bool is_open_ = false;
  bool dirty_ = false;
  std::string reported_damage_;  // the damaged contents already kept and reported
  std::string last_report_;      // so one trouble is reported once
};

}  // namespace zephyrant
