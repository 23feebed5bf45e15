// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/sound_list.h"

#include <chrono>
#include <thread>

#include "framework/media_error.h"

namespace zephyrant {

SoundItem::SoundItem(SoundList& owner, std::string name, WaveData wave, bool looped)
    : Name(std::move(name)), Looped(looped), owner_(owner), wave_(std::move(wave)) {}

int SoundItem::FreeCopy() {
  AudioDevice& device = owner_.Device();
  for (size_t i = 0; i < copies_.size(); ++i) {
    if (!device.IsPlaying(copies_[i])) return static_cast<int>(i);
  }
  if (MaxPlayingCount == 0 || CopyCount() < MaxPlayingCount) {
    if (sound_ < 0) sound_ = device.LoadSound(wave_);
    const int voice = sound_ < 0 ? -1 : device.CreateVoice(sound_);
    if (voice < 0) return -1;
    copies_.push_back(voice);
    return CopyCount() - 1;
  }
  // At the limit: the oldest copy is cut short and becomes the newest.
  const int oldest = copies_.front();
  copies_.erase(copies_.begin());
  copies_.push_back(oldest);
  return CopyCount() - 1;
}

void SoundItem::Play(bool wait) {
  AudioDevice& device = owner_.Device();
  if (!device.IsOpen()) return;
  owner_.Record(*this);
  int index = -1;
  if (Looped) {
    if (copies_.empty()) {
      if (sound_ < 0) sound_ = device.LoadSound(wave_);
      const int voice = sound_ < 0 ? -1 : device.CreateVoice(sound_);
      if (voice < 0) return;
      copies_.push_back(voice);
    }
    index = 0;
  } else {
    index = FreeCopy();
    if (index < 0) return;
  }
  const int voice = copies_[index];
  device.Play(voice, Volume, Pan, Looped);
  while (wait && !Looped && device.IsPlaying(voice)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

void SoundItem::SetVolume(int volume) {
  Volume = volume;
  // A looped copy keeps playing, so it hears the change at once.
  if (Looped) {
    for (int voice : copies_) owner_.Device().SetVolume(voice, volume);
  }
}

SoundItem& SoundList::Add(std::string name, WaveData wave, bool looped) {
  items_.push_back(std::make_unique<SoundItem>(*this, std::move(name), std::move(wave), looped));
  return *items_.back();
}

SoundItem& SoundList::Item(int index) {
  if (index < 0 || index >= Count()) {
    throw MediaError("Wave list '" + name_ + "' has no item " + std::to_string(index));
  }
  return *items_[index];
}

SoundItem& SoundList::Item(std::string_view name) {
  for (auto& item : items_) {
    if (item->Name == name) return *item;
  }
  throw MediaError("Wave '" + std::string(name) + "' not found");
}

void SoundList::Record(const SoundItem& item) {
  if (log_ != nullptr) log_->push_back(SoundEvent{name_, item.Name, item.Volume, item.Pan});
}

}  // namespace zephyrant
