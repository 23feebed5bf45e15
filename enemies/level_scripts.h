#pragma once

namespace zephyrant {

class TForm1;

// The level scripts: one routine per level set, each called once at the
// start of a level of its set. It sets the level quota and lays out the
// whole wave (or the boss) at once, mostly outside the playfield; the
// enemies' own steps bring them in.
class TForm6 {
 public:
  explicit TForm6(TForm1& form) : form_(form) {}

  void Levels1_7();
  void Levels2_7();
  void Levels3_7();
  void Levels4_7();
  void Levels5_7();

 private:
  // Runs the level's wave when the level number is one of the set's seven.
  void RunLevel(int first_level);

  TForm1& form_;
};

}  // namespace zephyrant
