// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/memory_settings.h"

namespace zephyrant {

bool MemorySettings::OpenKey(std::string_view path, bool create) {
  auto found = keys_.find(path);
  if (found == keys_.end()) {
    if (!create) return false;
    found = keys_.emplace(std::string(path), Key{}).first;
  }
  open_ = &found->second;
  return true;
}

bool MemorySettings::CloseKey() {
  const bool was_open = open_ != nullptr;
  open_ = nullptr;
  return was_open;
}

std::string MemorySettings::ReadString(std::string_view name) {
  if (open_ == nullptr) return "";
  const auto found = open_->find(name);
  if (found == open_->end()) return "";
  const auto* text = std::get_if<std::string>(&found->second);
  return text != nullptr ? *text : "";
}

bool MemorySettings::HasString(std::string_view name) {
  if (open_ == nullptr) return false;
  const auto found = open_->find(name);
  return found != open_->end() && std::holds_alternative<std::string>(found->second);
}

std::optional<int32_t> MemorySettings::ReadInteger(std::string_view name) {
  if (open_ == nullptr) return std::nullopt;
  const auto found = open_->find(name);
  if (found == open_->end()) return std::nullopt;
  const auto* number = std::get_if<int32_t>(&found->second);
  return number != nullptr ? std::optional<int32_t>(*number) : std::nullopt;
}

void MemorySettings::WriteString(std::string_view name, std::string_view value) {
  if (open_ != nullptr) (*open_)[std::string(name)] = std::string(value);
}

void MemorySettings::WriteInteger(std::string_view name, int32_t value) {
  if (open_ != nullptr) (*open_)[std::string(name)] = value;
}

}  // namespace zephyrant
