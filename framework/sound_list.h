// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/platform.h"

namespace zephyrant {

// A record of the sounds started, for replays and the runner's dumps.
struct SoundEvent {
  std::string list;
  std::string name;
  int volume = 0;
  int pan = 0;
};

class SoundList;

// One named sound of a sound list; plays any number of copies at once.
class SoundItem {
 public:
  SoundItem(SoundList& owner, std::string name, WaveData wave, bool looped);

  std::string Name;
  bool Looped = false;
  int MaxPlayingCount = 0;  // 0: no limit on simultaneous copies
  int Volume = 0;           // hundredths of a decibel, 0 full, -10000 silent
  int Pan = 0;

  const WaveData& Wave() const { return wave_; }
  int CopyCount() const { return static_cast<int>(copies_.size()); }

  // Starts a copy (a looped item restarts its single copy). `wait` blocks
  // until the copy ends; the game never asks for that.
  void Play(bool wait = false);
  void SetVolume(int volume);
  void SetPan(int pan) { Pan = pan; }

 private:
  int FreeCopy();

  SoundList& owner_;
  WaveData wave_;
  int sound_ = -1;  // the device's handle, once loaded
  std::vector<int> copies_;
};

// A named, ordered collection of sounds.
class SoundList {
 public:
  SoundList(std::string name, AudioDevice& device, std::vector<SoundEvent>* log)
      : name_(std::move(name)), device_(device), log_(log) {}

  const std::string& Name() const { return name_; }
  int Count() const { return static_cast<int>(items_.size()); }
  SoundItem& Add(std::string name, WaveData wave, bool looped);
  SoundItem& Item(int index);
  // Raises "Wave '%s' not found" when absent.
  SoundItem& Item(std::string_view name);

  AudioDevice& Device() { return device_; }
  void Record(const SoundItem& item);

 private:
  std::string name_;
  AudioDevice& device_;
  std::vector<SoundEvent>* log_;
  std::vector<std::unique_ptr<SoundItem>> items_;
};

}  // namespace zephyrant
