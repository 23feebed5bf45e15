// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_platform.h"

namespace zephyrant {

void HeadlessDisplay::Configure(const WindowConfig& config) {
  last_config_ = config;
  ++configure_count_;
}

void HeadlessDisplay::Present(const Surface&) {
  ++present_count_;
}

void HeadlessDisplay::ShowError(const std::string& title, const std::string& message) {
  errors_.push_back(title + ": " + message);
}

uint32_t HeadlessAudio::LengthMs(const WaveData& wave) {
  const int frame_bytes = wave.FrameBytes();
  if (frame_bytes <= 0 || wave.sample_rate <= 0) return 0;
  const uint64_t frames = wave.pcm.size() / static_cast<size_t>(frame_bytes);
  return static_cast<uint32_t>(frames * 1000 / static_cast<uint64_t>(wave.sample_rate));
}

int HeadlessAudio::LoadSound(const WaveData& wave) {
  sound_lengths_ms_.push_back(LengthMs(wave));
  return SoundCount() - 1;
}

int HeadlessAudio::CreateVoice(int sound) {
  if (sound < 0 || sound >= SoundCount()) return -1;
  voices_.push_back(Voice{.sound = sound});
  return VoiceCount() - 1;
}

void HeadlessAudio::Play(int voice, int volume, int pan, bool looped) {
  if (!Valid(voice)) return;
  Voice& v = voices_[voice];
  v.started = true;
  v.looped = looped;
  v.start_ms = clock_.NowMs();
  v.volume = volume;
  v.pan = pan;
  v.held = false;
}

void HeadlessAudio::Stop(int voice) {
  if (Valid(voice)) voices_[voice].started = false;
}

bool HeadlessAudio::IsPlaying(int voice) const {
  if (!Valid(voice)) return false;
  const Voice& v = voices_[voice];
  if (!v.started) return false;
  if (v.looped) return true;
  return PlayedMs(v) < sound_lengths_ms_[v.sound];
}

uint32_t HeadlessAudio::PlayedMs(const Voice& v) const {
  return (v.held ? v.held_ms : clock_.NowMs()) - v.start_ms;
}

void HeadlessAudio::PauseAll() {
  paused_ = true;
  for (Voice& v : voices_) {
    if (!v.started || v.held) continue;
    v.held = true;
    v.held_ms = clock_.NowMs();
  }
}

void HeadlessAudio::ResumeAll() {
  paused_ = false;
  for (Voice& v : voices_) {
    if (!v.held) continue;
    // The voice goes on from where it stopped, as if started that much later.
    v.start_ms += clock_.NowMs() - v.held_ms;
    v.held = false;
  }
}

void HeadlessAudio::SetVolume(int voice, int volume) {
  if (Valid(voice)) voices_[voice].volume = volume;
}

int HeadlessAudio::VoiceVolume(int voice) const {
  return Valid(voice) ? voices_[voice].volume : 0;
}

int HeadlessAudio::VoicePan(int voice) const {
  return Valid(voice) ? voices_[voice].pan : 0;
}

MouseSample HeadlessInput::ReadMouse() {
  const MouseSample sample{dx_, dy_, Read(left_), Read(right_), Read(middle_)};
  dx_ = 0;
  dy_ = 0;
  return sample;
}

void HeadlessInput::AddMotion(int dx, int dy) {
  dx_ += dx;
  dy_ += dy;
}

bool NullUrlOpener::Open(const std::string& url) {
  urls_.push_back(url);
  return false;
}

void HeadlessScreenshots::KeepFilesIn(const std::filesystem::path& folder) {
  folder_ = std::make_unique<ScreenshotFolder>(folder);
}

void HeadlessScreenshots::Save(const Surface& surface) {
  ++count_;
  last_ = surface;
  if (folder_) folder_->Save(surface);
}

HeadlessPlatform::HeadlessPlatform(const HeadlessOptions& options)
    : clock(options.seed),
      display(options.desktop),
      audio(clock),
      settings(options.settings_folder),
      services{clock, display, audio, input, settings, urls, screenshots} {}

void HeadlessPlatform::MovePointer(Point to) {
  const Point from = display.PointerPosition();
  display.SetPointerPosition(to);
  input.AddMotion(to.x - from.x, to.y - from.y);
}

}  // namespace zephyrant
