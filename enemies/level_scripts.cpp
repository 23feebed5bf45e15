#include "enemies/level_scripts.h"

#include "enemies/waves/wave.h"

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
void TForm6::RunLevel(int first_level) {
  Wave wave(form_);
  wave.state.levelQuota = wave.n1;
  const int level = wave.state.levelNumber;
  if (level < first_level || level >= first_level + kLevelsPerSet) return;
  kLevels[level - 1](wave);
}

void TForm6::Levels1_7() {
  RunLevel(1);
}

void TForm6::Levels2_7() {
  RunLevel(8);
}

void TForm6::Levels3_7() {
  RunLevel(15);
}

void TForm6::Levels4_7() {
  RunLevel(22);
}

void TForm6::Levels5_7() {
  RunLevel(29);
}

}  // namespace zephyrant
