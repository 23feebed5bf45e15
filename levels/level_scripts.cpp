// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/level_scripts.h"

#include "levels/wave.h"

namespace zephyrant {

namespace {

using LevelScript = void (*)(Wave&);

constexpr LevelScript kLevels[] = {
    Level1,  Level2,  Level3,  Level4,  Level5,  Level6,  Level7,  Level8,  Level9,
    Level10, Level11, Level12, Level13, Level14, Level15, Level16, Level17, Level18,
    Level19, Level20, Level21, Level22, Level23, Level24, Level25, Level26, Level27,
    Level28, Level29, Level30, Level31, Level32, Level33, Level34, Level35,
};

constexpr int kLevelsPerSet = 7;

}  // namespace

// A script reads the level number itself; every call sets the quota first.
void LevelScripts::RunLevel(int first_level) {
  Wave wave(main_window_);
  wave.state.levelQuota = wave.n1;
  const int level = wave.state.levelNumber;
  if (level < first_level || level >= first_level + kLevelsPerSet) return;
  kLevels[level - 1](wave);
}

void LevelScripts::RunSet1Level() {
  RunLevel(1);
}

void LevelScripts::RunSet2Level() {
  RunLevel(8);
}

void LevelScripts::RunSet3Level() {
  RunLevel(15);
}

void LevelScripts::RunSet4Level() {
  RunLevel(22);
}

void LevelScripts::RunSet5Level() {
  RunLevel(29);
}

}  // namespace zephyrant
