// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyrant {

class GameWorld;

// The level scripts: one routine per level set, each called once at the
// start of a level of its set. It sets the level quota and lays out the
// whole wave (or the boss) at once, mostly outside the playfield; the
// enemies' own steps bring them in.
class LevelScripts {
 public:
  explicit LevelScripts(GameWorld& world) : main_window_(world) {}

  void RunSet1Level();
  void RunSet2Level();
  void RunSet3Level();
  void RunSet4Level();
  void RunSet5Level();

 private:
  // Runs the level's wave when the level number is one of the set's seven.
  void RunLevel(int first_level);

  GameWorld& main_window_;
};

}  // namespace zephyrant
