// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kLevelTimerMs = 500;
constexpr int kBossTimerMs = 1000;

// Volume of every sound for a setting of 0..130: setting x k - 10000.
struct SoundWeight {
  const char* name;
  int k;
};
constexpr SoundWeight kEffectSoundWeights[] = {
    {"hero_shell", 75},       {"hero_lazer", 70},    {"hero_rocet", 70},   {"hero_shell_exp", 75},
    {"hero_rocet_exp", 80},   {"hero_dead_exp", 85}, {"little_shell", 65}, {"little_lazer", 60},
    {"little_shell_exp", 60}, {"little_exp", 70},
};
constexpr int kMenuSoundWeight = 80;
constexpr int kMusicWeight = 80;
constexpr int kSilent = -10000;

}  // namespace

GameWorld::GameWorld(Platform& platform, AssetLibrary& assets)
    : platform_(platform),
      assets_(assets),
      input_(platform.input),
      game_clock_(platform.clock),
      timer_level_(game_clock_, kLevelTimerMs),
      timer_boss_(game_clock_, kBossTimerMs),
      engine_(std::make_unique<GameEngine>(*this)) {}

GameWorld::~GameWorld() = default;

void GameWorld::ApplySoundVolumes() {
  auto volume = [](int setting, int k) { return setting * k + kSilent; };
  SoundList& menu = Sounds("MenuSounds");
  for (int i = 0; i < menu.Count(); ++i) {
    menu.Item(i).SetPan(0);
    menu.Item(i).SetVolume(volume(state_.soundVolume, kMenuSoundWeight));
  }
  SoundItem& music = Sounds("Music").Item("music1");
  music.SetPan(0);
  music.SetVolume(volume(state_.musicVolume, kMusicWeight));
  SoundList& shell = Sounds("EffectSounds");
  for (const SoundWeight& w : kEffectSoundWeights) {
    shell.Item(w.name).SetVolume(volume(state_.soundVolume, w.k));
  }
}

}  // namespace zephyrant
