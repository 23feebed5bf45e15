// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/replay_watch.h"

#include <algorithm>

#include "game/window_modes.h"
#include "platform/common/tape.h"

namespace zephyrant {

void CheckWatchable(const Replay& replay, std::string_view source) {
  TapeReader reader(replay.tape, source);
  TapeEntry entry;
  uint64_t frame = 1;
  while (reader.Next(entry)) {
    if (entry.IsFrame()) frame += entry.count;
    if (entry.op == TapeOp::kSet) {
      throw ReplayError(std::string(source) + ": frame " + std::to_string(frame) +
                        ": a game variable set by a runner script (" + entry.name +
                        "); zephyrant-sim --replay plays it");
    }
  }
}

void HeldBackAudio::LetGo() {
  if (!held_) return;
  held_ = false;
  for (const auto& [voice, loop] : loops_) real_.Play(voice, loop.volume, loop.pan, true);
  loops_.clear();
  // A copy started while everything is held would play at once.
  if (paused_ && real_.IsOpen()) real_.PauseAll();
}

void HeldBackAudio::Play(int voice, int volume, int pan, bool looped) {
  if (!held_) {
    real_.Play(voice, volume, pan, looped);
    return;
  }
  if (looped) {
    loops_[voice] = Loop{volume, pan};
  } else {
    loops_.erase(voice);
  }
}

void HeldBackAudio::Stop(int voice) {
  real_.Stop(voice);
  loops_.erase(voice);
}

bool HeldBackAudio::IsPlaying(int voice) const {
  if (!held_) return real_.IsPlaying(voice);
  // A sound played once is over at once: nothing waits for it.
  return loops_.count(voice) > 0;
}

void HeldBackAudio::SetVolume(int voice, int volume) {
  real_.SetVolume(voice, volume);
  if (const auto loop = loops_.find(voice); loop != loops_.end()) loop->second.volume = volume;
}

void HeldBackAudio::PauseAll() {
  paused_ = true;
  real_.PauseAll();
}

void HeldBackAudio::ResumeAll() {
  paused_ = false;
  real_.ResumeAll();
}

void ViewerScreen::Configure(const WindowConfig& config) {
  if (forced_ && configured_) return;
  if (!forced_) {
    real_.Configure(config);
  } else if (*forced_ == 0) {
    real_.Configure(FullScreenConfig(real_.DesktopSize()));
  } else {
    real_.Configure(WindowedConfig(real_.DesktopSize(), Size{}));
  }
  configured_ = true;
  if (OnConfigured) OnConfigured();
}

void ViewerScreen::Present(const Surface& surface) {
  if (shown_) real_.Present(surface);
}

uint64_t ReplayPace::Next(int lag, uint64_t now_ms) {
  if (now_ms > due_ + kMostBehindMs) due_ = now_ms;
  const uint64_t frame_ms = static_cast<uint64_t>(std::max(lag, 1)) * kFrameIntervalMs;
  due_ += std::min(frame_ms, kLongestFrameMs);
  return due_;
}

bool DesyncWatch::Checks(uint32_t frame) {
  const std::vector<ReplayCheckpoint>& kept = replay_.checkpoints;
  while (next_ < kept.size() && kept[next_].frame < static_cast<int32_t>(frame)) ++next_;
  return (next_ < kept.size() && kept[next_].frame == static_cast<int32_t>(frame)) ||
         frame == replay_.frame_count;
}

std::string DesyncWatch::Check(uint32_t frame, uint64_t hash) {
  if (!Checks(frame)) return "";
  const std::vector<ReplayCheckpoint>& kept = replay_.checkpoints;
  uint64_t recorded = hash;
  if (next_ < kept.size() && kept[next_].frame == static_cast<int32_t>(frame)) {
    recorded = kept[next_++].hash;
  }
  if (recorded == hash && frame == replay_.frame_count) recorded = replay_.end_hash;
  if (recorded == hash || told_) return "";
  told_ = true;
  return source_ + ": the replay left its recording at frame " + std::to_string(frame) +
         " (the state hash is " + ReplayHashText(hash) + ", the recording has " +
         ReplayHashText(recorded) + "); playing on";
}

}  // namespace zephyrant
