// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/platform.h"

namespace zephyrant {

// The sound device on SDL_mixer: every loaded sound is converted once to the
// mixer's own format, and every voice plays on whichever mixer channel is
// free when it starts. Without an audio device every call does nothing and
// the game goes on in silence.
class SdlAudio final : public AudioDevice {
 public:
  // The caller has started SDL's audio subsystem when audio_ready is true.
  explicit SdlAudio(bool audio_ready);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  bool IsOpen() const override { return open_; }
  // Why the device did not open (SDL's words); empty when it did, or when
  // SDL's audio was not started.
  const std::string& OpenProblem() const { return open_problem_; }
  int LoadSound(const WaveData& wave) override;
  int CreateVoice(int sound) override;
  void Play(int voice, int volume, int pan, bool looped) override;
  void Stop(int voice) override;
  bool IsPlaying(int voice) const override;
  void SetVolume(int voice, int volume) override;
  void PauseAll() override;
  void ResumeAll() override;

 private:
  struct Sound {
    std::vector<uint8_t> samples;  // in the mixer's format; the chunk points here
    Mix_Chunk* chunk = nullptr;
  };
  struct Voice {
    int sound = -1;
    int channel = -1;  // the channel it last started on
  };

  bool ValidVoice(int voice) const;
  int FreeChannel();

  bool open_ = false;
  std::string open_problem_;
  int rate_ = 0;
  Uint16 format_ = 0;
  int channels_ = 0;
  std::vector<std::unique_ptr<Sound>> sounds_;
  std::vector<Voice> voices_;
  // The voice each mixer channel was last started for, -1 for none. A voice
  // plays while its channel plays and still belongs to it.
  std::vector<int> channel_voice_;
};

}  // namespace zephyrant
