#include "enemies/level_scripts.h"

#include <cmath>

#include "game/main_window.h"

namespace zephyrant {

int LevelQuota(int level_number, int difficulty) {
  // The two wave sizes every level is measured in.
  const int n1 = 5 * (difficulty + 1);
  const int n2 = static_cast<int>(std::nearbyint(5 * (difficulty + 0.5)));
  switch (level_number) {
    case 2:
    case 16:
      return 2 * n2 + 1;
    case 3:
    case 4:
    case 5:
    case 8:
    case 10:
    case 11:
    case 12:
    case 17:
    case 25:
    case 31:
    case 33:
    case 34:
      return 2 * n1 + 1;
    case 6:
      return 2 * n1 - 1;
    case 9:
      return 3 * n2 + 1;
    case 13:
      return 19;
    case 15:
    case 22:
    case 26:
    case 29:
      return 2 * n1;
    case 18:
      return 4 * n1 + 1;
    case 19:
    case 24:
      return 3 * n1 + 2;
    case 20:
      return 35;
    case 23:
      return 3 * n1;
    case 27:
      return 42;
    case 30:
      return 4 * n2;
    case 32:
      return 31;
    default:  // level 1 and the boss levels
      return n1;
  }
}

void TForm6::SetLevelQuota() {
  GameState& state = form_.State();
  state.levelQuota = LevelQuota(state.levelNumber, state.difficulty);
}

void TForm6::Levels1_7() {
  SetLevelQuota();
}

void TForm6::Levels2_7() {
  SetLevelQuota();
}

void TForm6::Levels3_7() {
  SetLevelQuota();
}

void TForm6::Levels4_7() {
  SetLevelQuota();
}

void TForm6::Levels5_7() {
  SetLevelQuota();
}

}  // namespace zephyrant
