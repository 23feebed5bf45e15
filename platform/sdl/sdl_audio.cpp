// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_audio.h"

#include "platform/sdl/mixer_levels.h"

namespace zephyrant {

namespace {

// No sound of the game is recorded at more than 22,050 Hz, so mixing at a
// higher rate would only double the memory every converted sound takes.
constexpr int kMixRate = 22050;
constexpr int kMixChannels = 2;
constexpr int kMixChunkFrames = 512;  // about 23 ms of latency
constexpr int kFirstChannelCount = 16;

}  // namespace

SdlAudio::SdlAudio(bool audio_ready) {
  if (!audio_ready) return;
  // No changes allowed: SDL converts to whatever the device really plays.
  if (Mix_OpenAudioDevice(kMixRate, AUDIO_S16SYS, kMixChannels, kMixChunkFrames, nullptr, 0) != 0) {
    open_problem_ = Mix_GetError();
    return;
  }
  if (Mix_QuerySpec(&rate_, &format_, &channels_) == 0) {
    open_problem_ = Mix_GetError();
    Mix_CloseAudio();
    return;
  }
  open_ = true;
  channel_voice_.assign(Mix_AllocateChannels(kFirstChannelCount), -1);
}

SdlAudio::~SdlAudio() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  // The chunks borrow their samples, so freeing them leaves the buffers to us.
  for (auto& sound : sounds_) Mix_FreeChunk(sound->chunk);
  Mix_CloseAudio();
}

int SdlAudio::LoadSound(const WaveData& wave) {
  if (!open_) return -1;
  SDL_AudioFormat source = 0;
  if (wave.bits_per_sample == 8) source = AUDIO_U8;
  if (wave.bits_per_sample == 16) source = AUDIO_S16LSB;
  if (source == 0 || wave.channels < 1 || wave.channels > 2 || wave.sample_rate <= 0) return -1;
  // A trailing part of a frame is not a sample.
  const size_t frame = static_cast<size_t>(wave.FrameBytes());
  const size_t bytes = wave.pcm.size() / frame * frame;
  if (bytes == 0) return -1;

  SDL_AudioStream* stream =
      SDL_NewAudioStream(source, static_cast<Uint8>(wave.channels), wave.sample_rate, format_,
                         static_cast<Uint8>(channels_), rate_);
  if (stream == nullptr) return -1;
  auto sound = std::make_unique<Sound>();
  if (SDL_AudioStreamPut(stream, wave.pcm.data(), static_cast<int>(bytes)) == 0 &&
      SDL_AudioStreamFlush(stream) == 0) {
    sound->samples.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
    const int got =
        SDL_AudioStreamGet(stream, sound->samples.data(), static_cast<int>(sound->samples.size()));
    sound->samples.resize(got > 0 ? static_cast<size_t>(got) : 0);
  }
  SDL_FreeAudioStream(stream);
  if (sound->samples.empty()) return -1;
  sound->chunk =
      Mix_QuickLoad_RAW(sound->samples.data(), static_cast<Uint32>(sound->samples.size()));
  if (sound->chunk == nullptr) return -1;
  sounds_.push_back(std::move(sound));
  return static_cast<int>(sounds_.size()) - 1;
}

int SdlAudio::CreateVoice(int sound) {
  if (!open_ || sound < 0 || sound >= static_cast<int>(sounds_.size())) return -1;
  voices_.push_back(Voice{sound, -1});
  return static_cast<int>(voices_.size()) - 1;
}

bool SdlAudio::ValidVoice(int voice) const {
  return open_ && voice >= 0 && voice < static_cast<int>(voices_.size());
}

int SdlAudio::FreeChannel() {
  const int count = static_cast<int>(channel_voice_.size());
  for (int channel = 0; channel < count; ++channel) {
    if (Mix_Playing(channel) == 0) return channel;
  }
  // Every channel is busy: double them rather than cut a sound short.
  const int grown = Mix_AllocateChannels(count * 2);
  if (grown <= count) return -1;
  channel_voice_.resize(static_cast<size_t>(grown), -1);
  return count;
}

void SdlAudio::Play(int voice, int volume, int pan, bool looped) {
  if (!ValidVoice(voice)) return;
  Stop(voice);
  const int channel = FreeChannel();
  if (channel < 0) return;
  Mix_Volume(channel, ChannelLevel(volume, MIX_MAX_VOLUME));
  const PanLevels levels = PanToLevels(pan);
  // Centre (255, 255) removes the panning effect from the channel.
  Mix_SetPanning(channel, levels.left, levels.right);
  Voice& v = voices_[static_cast<size_t>(voice)];
  if (Mix_PlayChannel(channel, sounds_[static_cast<size_t>(v.sound)]->chunk, looped ? -1 : 0) < 0) {
    return;
  }
  v.channel = channel;
  channel_voice_[static_cast<size_t>(channel)] = voice;
}

bool SdlAudio::IsPlaying(int voice) const {
  if (!ValidVoice(voice)) return false;
  const int channel = voices_[static_cast<size_t>(voice)].channel;
  return channel >= 0 && channel_voice_[static_cast<size_t>(channel)] == voice &&
         Mix_Playing(channel) != 0;
}

void SdlAudio::Stop(int voice) {
  if (!IsPlaying(voice)) return;
  const int channel = voices_[static_cast<size_t>(voice)].channel;
  Mix_HaltChannel(channel);
  channel_voice_[static_cast<size_t>(channel)] = -1;
  voices_[static_cast<size_t>(voice)].channel = -1;
}

void SdlAudio::SetVolume(int voice, int volume) {
  if (!IsPlaying(voice)) return;
  Mix_Volume(voices_[static_cast<size_t>(voice)].channel, ChannelLevel(volume, MIX_MAX_VOLUME));
}

// The music is a looping voice like any other, so pausing every channel
// holds it too.
void SdlAudio::PauseAll() {
  if (open_) Mix_Pause(-1);
}

void SdlAudio::ResumeAll() {
  if (open_) Mix_Resume(-1);
}

}  // namespace zephyrant
