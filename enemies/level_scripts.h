#pragma once

namespace zephyrant {

class TForm1;

// The level scripts: one routine per level set, each called once at the
// start of a level of its set to lay out the wave and set the level quota.
class TForm6 {
 public:
  explicit TForm6(TForm1& form) : form_(form) {}

  void Levels1_7();
  void Levels2_7();
  void Levels3_7();
  void Levels4_7();
  void Levels5_7();

 private:
  void SetLevelQuota();

  TForm1& form_;
};

// Small enemies a level needs gone, less one, at a difficulty of 0..2.
int LevelQuota(int level_number, int difficulty);

}  // namespace zephyrant
