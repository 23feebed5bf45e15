// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a replay: the start of a run passes unheard and unseen but leaves
// the music playing, the window keeps the shape the command line chose, the
// frames come at the recorded pace, and a replay that plays differently is
// told once.

#include "platform/sdl/replay_watch.h"

#include <gtest/gtest.h>

#include "framework/surface.h"
#include "platform/common/tape.h"
#include "platform/headless/headless_platform.h"

namespace zephyrant {
namespace {

WaveData Second() {
  WaveData wave;
  wave.sample_rate = 1000;
  wave.bits_per_sample = 8;
  wave.channels = 1;
  wave.pcm.assign(1000, 128);
  return wave;
}

TEST(HeldBackAudio, PassesOverInSilenceAndThenStartsTheMusicThatWouldBePlaying) {
  ManualClock clock;
  HeadlessAudio real(clock);
  HeldBackAudio audio(real);
  const int sound = audio.LoadSound(Second());
  const int music = audio.CreateVoice(sound);
  const int shot = audio.CreateVoice(sound);
  const int old_music = audio.CreateVoice(sound);

  audio.HoldBack();
  audio.Play(music, -500, 0, true);
  audio.SetVolume(music, -300);
  audio.Play(shot, 0, 100, false);
  audio.Play(old_music, 0, 0, true);
  audio.Stop(old_music);
  for (const int voice : {music, shot, old_music}) EXPECT_FALSE(real.IsPlaying(voice)) << voice;
  // The game hears its music playing, and no shot it would wait for.
  EXPECT_TRUE(audio.IsPlaying(music));
  EXPECT_FALSE(audio.IsPlaying(shot));

  audio.LetGo();
  EXPECT_TRUE(real.IsPlaying(music));
  EXPECT_EQ(real.VoiceVolume(music), -300) << "the volume set while held back";
  EXPECT_FALSE(real.IsPlaying(shot));
  EXPECT_FALSE(real.IsPlaying(old_music)) << "a loop stopped while held back stays stopped";

  audio.Play(shot, 0, 0, false);
  EXPECT_TRUE(real.IsPlaying(shot)) << "once let go every sound is heard";
}

TEST(HeldBackAudio, MusicOfAPausedGameStaysHeldWhenLetGo) {
  ManualClock clock;
  HeadlessAudio real(clock);
  HeldBackAudio audio(real);
  const int music = audio.CreateVoice(audio.LoadSound(Second()));
  audio.HoldBack();
  audio.Play(music, 0, 0, true);
  audio.PauseAll();
  audio.LetGo();
  EXPECT_TRUE(real.Paused());
  audio.ResumeAll();
  EXPECT_FALSE(real.Paused());
  EXPECT_TRUE(real.IsPlaying(music));
}

TEST(ViewerScreen, TheCommandLineChoosesTheWindowOnceForTheWholeReplay) {
  HeadlessDisplay real(Size{1280, 1024});
  ViewerScreen screen(real, 1);
  int configured = 0;
  screen.OnConfigured = [&configured] { ++configured; };
  WindowConfig full;
  full.full_screen = true;
  full.client = Size{1280, 1024};
  screen.Configure(full);
  EXPECT_FALSE(real.LastConfig().full_screen);
  EXPECT_TRUE(real.LastConfig().bordered);
  EXPECT_EQ(real.LastConfig().client, (Size{800, 600}));
  // The replay's own switch (F11 when it was played) leaves the window be.
  screen.Configure(full);
  EXPECT_EQ(real.ConfigureCount(), 1);
  EXPECT_EQ(configured, 1);

  HeadlessDisplay other(Size{1280, 1024});
  ViewerScreen full_screen(other, 0);
  full_screen.Configure(WindowConfig{});
  EXPECT_TRUE(other.LastConfig().full_screen);
}

TEST(ViewerScreen, FollowsTheReplayUnforcedAndShowsFramesOnlyWhenShown) {
  HeadlessDisplay real;
  ViewerScreen screen(real, std::nullopt);
  WindowConfig window;
  window.client = Size{640, 480};
  screen.Configure(window);
  WindowConfig full;
  full.full_screen = true;
  screen.Configure(full);
  EXPECT_EQ(real.ConfigureCount(), 2);
  EXPECT_TRUE(real.LastConfig().full_screen);

  const Surface surface(kSurfaceWidth, kSurfaceHeight);
  screen.Show(false);
  screen.Present(surface);
  EXPECT_EQ(real.PresentCount(), 0);
  screen.Show(true);
  screen.Present(surface);
  EXPECT_EQ(real.PresentCount(), 1);
}

TEST(ReplayPace, FramesComeTheirLagApartWithoutRushingOrStalling) {
  ReplayPace pace(1000);
  EXPECT_EQ(pace.Next(1, 1000), 1000u + kFrameIntervalMs);
  EXPECT_EQ(pace.Next(3, 1010), 1000u + 4 * kFrameIntervalMs);
  // A little behind: the next frame is due at once, to catch up.
  EXPECT_EQ(pace.Next(1, 1200), 1000u + 5 * kFrameIntervalMs);
  // Far behind: on from now, not a burst of frames.
  EXPECT_EQ(pace.Next(1, 5000), 5000u + kFrameIntervalMs);
  // A frame that came a day late is not waited out.
  EXPECT_EQ(pace.Next(kMaxReplayLag, 5031), 5031u + ReplayPace::kLongestFrameMs);
}

Replay Checked() {
  Replay replay;
  replay.frame_count = 600;
  replay.checkpoints = {{256, 0x1111}, {512, 0x2222}};
  replay.end_hash = 0x3333;
  return replay;
}

TEST(DesyncWatch, TellsOnceAtTheFirstKeptFrameThatDiffers) {
  const Replay replay = Checked();
  DesyncWatch watch(replay, "game.zrp");
  EXPECT_FALSE(watch.Checks(100));
  EXPECT_TRUE(watch.Checks(256));
  EXPECT_EQ(watch.Check(256, 0x1111), "");
  const std::string told = watch.Check(512, 0xabcd);
  EXPECT_EQ(told,
            "game.zrp: the replay left its recording at frame 512 (the state hash is "
            "000000000000abcd, the recording has 0000000000002222); playing on");
  EXPECT_EQ(watch.Check(600, 0x9999), "") << "told once";
}

TEST(DesyncWatch, TheEndHashIsCheckedAfterTheLastFrame) {
  const Replay replay = Checked();
  DesyncWatch watch(replay, "game.zrp");
  EXPECT_EQ(watch.Check(256, 0x1111), "");
  EXPECT_EQ(watch.Check(512, 0x2222), "");
  EXPECT_TRUE(watch.Checks(600));
  EXPECT_NE(watch.Check(600, 0x1111).find("at frame 600"), std::string::npos);
}

TEST(CheckWatchable, RefusesWhatOnlyTheRunnerPlaysNamingItsFrame) {
  Replay replay;
  TapeWriter tape;
  TapeEntry frames;
  frames.op = TapeOp::kFrames;
  frames.count = 40;
  tape.Add(frames);
  replay.tape = tape.Bytes();
  EXPECT_NO_THROW(CheckWatchable(replay, "game.zrp"));

  TapeEntry set;
  set.op = TapeOp::kSet;
  set.name = "level_number";
  set.value = int32_t{21};
  tape.Add(set);
  replay.tape = tape.Take();
  try {
    CheckWatchable(replay, "game.zrp");
    FAIL() << "a variable set by a script was played";
  } catch (const ReplayError& error) {
    EXPECT_EQ(std::string(error.what()),
              "game.zrp: frame 41: a game variable set by a runner script (level_number); "
              "zephyrant-sim --replay plays it");
  }
}

}  // namespace
}  // namespace zephyrant
