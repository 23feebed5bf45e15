// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

// Half a second of 16-bit stereo at 22050 Hz.
WaveData HalfSecond() {
  WaveData wave;
  wave.sample_rate = 22050;
  wave.bits_per_sample = 16;
  wave.channels = 2;
  wave.pcm.resize(11025 * 4);
  return wave;
}

TEST(HeadlessAudio, AVoicePlaysForItsSoundsLengthOnTheGameClock) {
  ManualClock clock;
  HeadlessAudio audio(clock);
  const int voice = audio.CreateVoice(audio.LoadSound(HalfSecond()));
  EXPECT_FALSE(audio.IsPlaying(voice));
  clock.Advance(1000);
  audio.Play(voice, -500, 0, false);
  clock.Advance(499);
  EXPECT_TRUE(audio.IsPlaying(voice));
  clock.Advance(1);
  EXPECT_FALSE(audio.IsPlaying(voice));
  // Playing again rewinds.
  audio.Play(voice, -500, 0, false);
  clock.Advance(250);
  EXPECT_TRUE(audio.IsPlaying(voice));
  audio.Stop(voice);
  EXPECT_FALSE(audio.IsPlaying(voice));
}

TEST(HeadlessAudio, ALoopedVoicePlaysUntilStopped) {
  ManualClock clock;
  HeadlessAudio audio(clock);
  const int voice = audio.CreateVoice(audio.LoadSound(HalfSecond()));
  audio.Play(voice, 0, 0, true);
  clock.Advance(60'000);
  EXPECT_TRUE(audio.IsPlaying(voice));
  audio.Stop(voice);
  EXPECT_FALSE(audio.IsPlaying(voice));
}

TEST(HeadlessAudio, PausedVoicesGoOnWhereTheyStopped) {
  ManualClock clock;
  HeadlessAudio audio(clock);
  const int sound = audio.LoadSound(HalfSecond());
  const int effect = audio.CreateVoice(sound);
  const int music = audio.CreateVoice(sound);
  const int idle = audio.CreateVoice(sound);
  audio.Play(effect, 0, 0, false);
  audio.Play(music, 0, 0, true);
  clock.Advance(200);
  audio.PauseAll();
  EXPECT_TRUE(audio.Paused());
  clock.Advance(60'000);
  EXPECT_TRUE(audio.IsPlaying(effect)) << "held, not finished";
  EXPECT_TRUE(audio.IsPlaying(music));
  EXPECT_FALSE(audio.IsPlaying(idle));
  audio.ResumeAll();
  EXPECT_FALSE(audio.Paused());
  clock.Advance(299);
  EXPECT_TRUE(audio.IsPlaying(effect));
  clock.Advance(1);
  EXPECT_FALSE(audio.IsPlaying(effect)) << "300 ms were left";
  EXPECT_TRUE(audio.IsPlaying(music));
  EXPECT_FALSE(audio.IsPlaying(idle));

  // A voice started while the others are held plays at once.
  audio.PauseAll();
  audio.Play(idle, 0, 0, false);
  clock.Advance(500);
  EXPECT_FALSE(audio.IsPlaying(idle));
  audio.ResumeAll();
}

TEST(HeadlessAudio, SoundLengthCountsWholeFrames) {
  WaveData wave = HalfSecond();
  wave.pcm.resize(wave.pcm.size() + 3);  // a torn last frame does not count
  EXPECT_EQ(HeadlessAudio::LengthMs(wave), 500u);
  wave.bits_per_sample = 8;  // the same bytes hold twice the frames
  EXPECT_EQ(HeadlessAudio::LengthMs(wave), 1000u);
  EXPECT_EQ(HeadlessAudio::LengthMs(WaveData{}), 0u);
}

TEST(HeadlessPlatform, PointerMotionAddsUpUntilTheGameReadsIt) {
  ScratchFolder folder;
  HeadlessPlatform machine(HeadlessOptions{.settings_folder = folder.Path()});
  machine.display.WarpPointer(400, 300);
  machine.MovePointer(Point{410, 300});
  machine.MovePointer(Point{420, 295});
  EXPECT_EQ(machine.display.PointerPosition(), (Point{420, 295}));
  const MouseSample first = machine.input.ReadMouse();
  EXPECT_EQ(first.dx, 20);
  EXPECT_EQ(first.dy, -5);
  const MouseSample second = machine.input.ReadMouse();
  EXPECT_EQ(second.dx, 0);
  EXPECT_EQ(second.dy, 0);
}

TEST(HeadlessPlatform, AClickBetweenTwoReadsIsReadOnce) {
  HeadlessInput input;
  input.SetLeft(true);
  input.SetLeft(false);
  input.SetMiddle(true);
  EXPECT_TRUE(input.ReadMouse().left);
  const MouseSample next = input.ReadMouse();
  EXPECT_FALSE(next.left);
  EXPECT_TRUE(next.middle) << "a held button stays down";
  EXPECT_FALSE(next.right);
}

TEST(ScratchFolder, IsEmptyAndGoesAwayWithEverythingInIt) {
  std::filesystem::path path;
  {
    ScratchFolder folder;
    path = folder.Path();
    EXPECT_TRUE(std::filesystem::is_empty(path));
    std::filesystem::create_directory(path / "inner");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace zephyrant
