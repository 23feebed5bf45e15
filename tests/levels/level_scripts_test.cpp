// SPDX-License-Identifier: GPL-3.0-or-later
// Every level's wave: how many enemies each script lays out, how many must go
// for the level to end, and where a few notable ones stand.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "player/pickups.h"
#include "tests/player/play.h"
#include "world/sprite_kinds.h"

namespace zephyrant::testing {
namespace {

struct Wave {
  int small_enemies = 0;
  int bosses = 0;
  int quota = 0;
  std::vector<const Sprite*> enemies;
};

Wave RunScript(Play& play, int level, int difficulty) {
  play.State().difficulty = difficulty;
  play.State().levelNumber = level;
  play.Window().OnBossTimer();
  Wave wave;
  for (const Sprite* sprite : play.Window().Engine().Sprites()) {
    if (sprite->Killed()) continue;
    if (IsSmallEnemy(*sprite)) {
      ++wave.small_enemies;
      wave.enemies.push_back(sprite);
    }
    if (IsBoss(*sprite)) ++wave.bosses;
  }
  wave.quota = play.State().levelQuota;
  return wave;
}

struct Expected {
  int level;
  std::function<int(int, int)> created;  // of the two wave sizes
  std::function<int(int, int)> target;   // enemies gone that end the level
};

TEST(LevelScripts, EveryWaveHasItsSizeAndTarget) {
  const std::vector<Expected> table = {
      {1, [](int a, int) { return a + 1; }, [](int a, int) { return a + 1; }},
      {2, [](int, int b) { return 2 * b + 2; }, [](int, int b) { return 2 * b + 2; }},
      {3, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {4, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {5, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {6, [](int a, int) { return 2 * a + 1; }, [](int a, int) { return 2 * a; }},
      {8, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {9, [](int, int b) { return 3 * b + 3; }, [](int, int b) { return 3 * b + 2; }},
      {10, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {11, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {12, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {13, [](int, int) { return 20; }, [](int, int) { return 20; }},
      {15, [](int a, int) { return 2 * a + 1; }, [](int a, int) { return 2 * a + 1; }},
      {16, [](int, int b) { return 2 * b + 2; }, [](int, int b) { return 2 * b + 2; }},
      {17, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {18, [](int a, int) { return 4 * a + 4; }, [](int a, int) { return 4 * a + 2; }},
      {19, [](int a, int) { return 3 * a + 3; }, [](int a, int) { return 3 * a + 3; }},
      {20, [](int, int) { return 42; }, [](int, int) { return 36; }},
      {22, [](int a, int) { return 2 * a + 1; }, [](int a, int) { return 2 * a + 1; }},
      {23, [](int a, int) { return 3 * a + 1; }, [](int a, int) { return 3 * a + 1; }},
      {24, [](int a, int) { return 3 * a + 3; }, [](int a, int) { return 3 * a + 3; }},
      {25, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {26, [](int a, int) { return 2 * a + 1; }, [](int a, int) { return 2 * a + 1; }},
      {27, [](int, int) { return 49; }, [](int, int) { return 43; }},
      {29, [](int a, int) { return 2 * a + 1; }, [](int a, int) { return 2 * a + 1; }},
      {30, [](int, int b) { return 4 * b + 2; }, [](int, int b) { return 4 * b + 1; }},
      {31, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {32, [](int, int) { return 36; }, [](int, int) { return 32; }},
      {33, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
      {34, [](int a, int) { return 2 * a + 2; }, [](int a, int) { return 2 * a + 2; }},
  };
  const int n1[] = {5, 10, 15};
  const int n2[] = {2, 8, 12};  // 2.5 and 12.5 round to even
  for (int difficulty = 0; difficulty <= 2; ++difficulty) {
    for (const Expected& e : table) {
      Play play;
      const Wave wave = RunScript(play, e.level, difficulty);
      const int a = n1[difficulty];
      const int b = n2[difficulty];
      EXPECT_EQ(wave.small_enemies, e.created(a, b)) << "level " << e.level << " at " << difficulty;
      EXPECT_EQ(wave.quota + 1, e.target(a, b)) << "level " << e.level << " at " << difficulty;
      EXPECT_EQ(wave.bosses, 0);
    }
  }
}

TEST(LevelScripts, BossLevelsBringOneBossNearTheMiddle) {
  const double boss_y[] = {10, 20, 20, 5, 5};
  for (int set = 0; set < 5; ++set) {
    for (uint32_t seed : {1u, 2u, 3u}) {
      Play play(seed);
      const int level = 7 * (set + 1);
      const Wave wave = RunScript(play, level, 1);
      EXPECT_EQ(wave.bosses, 1) << level;
      EXPECT_EQ(wave.small_enemies, 0) << level;
      EXPECT_EQ(wave.quota, 10) << level;  // set but not used
      for (const Sprite* sprite : play.Window().Engine().Sprites()) {
        if (!IsBoss(*sprite)) continue;
        EXPECT_GE(sprite->X, 400 - 199);
        EXPECT_LE(sprite->X, 400 + 199);
        EXPECT_EQ(sprite->Y, boss_y[set]);
      }
    }
  }
}

TEST(LevelScripts, BonusLevelsStandInAGridAndDropTheShower) {
  Play play;
  const Wave wave = RunScript(play, 20, 1);
  std::vector<double> columns;
  double lowest = 0;
  for (const Sprite* enemy : wave.enemies) {
    columns.push_back(enemy->X);
    lowest = std::max(lowest, enemy->Y);
  }
  std::sort(columns.begin(), columns.end());
  columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
  EXPECT_EQ(columns, (std::vector<double>{0, 160, 320, 480, 640, 800}));
  EXPECT_EQ(lowest, 306);
  EXPECT_EQ(play.State().rocketCount, 6);
  EXPECT_GE(play.State().bonusKind, 1);
  EXPECT_LE(play.State().bonusKind, 3);
  EXPECT_EQ(play.Alive<BonusPickup>().size(), 3u);
  EXPECT_EQ(play.Alive<CannonPickup>().size(), 1u);
  EXPECT_EQ(play.Alive<LaserPickup>().size(), 1u);

  Play second;
  const Wave staggered = RunScript(second, 27, 1);
  double rightmost = 0;
  for (const Sprite* enemy : staggered.enemies) rightmost = std::max(rightmost, enemy->X);
  EXPECT_DOUBLE_EQ(rightmost, 915.6);
}

TEST(LevelScripts, TheRandomSwarmStaysInItsBoxes) {
  Play play(7);
  const Wave wave = RunScript(play, 13, 1);
  ASSERT_EQ(wave.enemies.size(), 20u);
  for (size_t i = 0; i < wave.enemies.size(); ++i) {
    const Sprite& enemy = *wave.enemies[i];
    if (i % 2 == 0) {
      EXPECT_GE(enemy.X, 800);
      EXPECT_LE(enemy.X, 999);
    } else {
      EXPECT_GE(enemy.X, -199);
      EXPECT_LE(enemy.X, 0);
    }
    EXPECT_GE(enemy.Y, 0);
    EXPECT_LE(enemy.Y, 299);
  }
}

TEST(LevelScripts, ALevelOutsideTheGameRunsNoScript) {
  Play play;
  play.State().levelQuota = 77;
  const Wave wave = RunScript(play, 40, 1);
  EXPECT_EQ(wave.quota, 77);
  EXPECT_EQ(wave.small_enemies + wave.bosses, 0);
}

}  // namespace
}  // namespace zephyrant::testing
