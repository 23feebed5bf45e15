// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/asset_catalogue.h"

#include <cstdio>

namespace zephyrant {

namespace {

ImageSpec Pic(std::string name, int w, int h, Rgb key = kDefaultColourKey) {
  return ImageSpec{std::move(name), w, h, 0, 0, key};
}

ImageSpec Anim(std::string name, int w, int h, int pw, int ph, Rgb key = kDefaultColourKey) {
  return ImageSpec{std::move(name), w, h, pw, ph, key};
}

std::vector<ImageSpec> MenuItems() {
  return {Pic("logo", 268, 30),    Pic("help_0", 212, 30),    Pic("new_game", 212, 30),
          Pic("options", 212, 30), Pic("scores", 212, 30),    Pic("exit", 212, 30),
          Pic("help_1", 226, 32),  Pic("new_game1", 226, 32), Pic("options1", 226, 32),
          Pic("scores1", 226, 32), Pic("exit1", 226, 32),     Anim("cursor", 57, 55, 19, 55),
          Pic("scores", 231, 25)};
}

std::vector<ImageSpec> OptionItems() {
  std::vector<ImageSpec> items{Pic("options", 179, 30)};
  const char* names[] = {"sound", "music", "difficulty", "fullscreen", "save", "cancel"};
  for (const char* n : names) items.push_back(Pic(std::string(n) + "_0", 248, 30));
  for (const char* n : names) items.push_back(Pic(std::string(n) + "_1", 265, 32));
  items.insert(items.end(), {Pic("easy_0", 87, 25), Pic("medium_0", 134, 25), Pic("hard_0", 93, 25),
                             Pic("easy_1", 87, 25), Pic("medium_1", 132, 25), Pic("hard_1", 93, 25),
                             Pic("yes_0", 64, 25), Pic("no_0", 48, 25), Pic("yes_1", 65, 25),
                             Pic("no_1", 47, 25), Pic("track2_0", 156, 18), Pic("track1_0", 4, 18),
                             Pic("track2_1", 160, 20), Pic("track1_1", 4, 20)});
  return items;
}

std::vector<ImageSpec> LevelItems() {
  std::vector<ImageSpec> items{Pic("level", 141, 50)};
  const int widths[35] = {24, 29, 30, 30, 30, 29, 30, 29, 29, 55, 52, 55, 55, 55, 57, 55, 57, 56,
                          55, 60, 55, 59, 58, 58, 60, 60, 62, 60, 60, 59, 56, 60, 59, 60, 61};
  for (int i = 0; i < 35; ++i) items.push_back(Pic(std::to_string(i + 1), widths[i], 50));
  return items;
}

std::vector<ImageSpec> HighScoreItems() {
  std::vector<ImageSpec> items{Pic("sc", 19, 27)};
  const int digit_widths[10] = {16, 11, 17, 16, 17, 16, 16, 17, 16, 16};
  for (int d = 0; d < 10; ++d) items.push_back(Pic(std::to_string(d) + "0", digit_widths[d], 25));
  const int capital_widths[26] = {26, 22, 22, 23, 20, 18, 24, 21, 6,  17, 24, 19, 26,
                                  21, 25, 20, 25, 24, 21, 21, 21, 24, 34, 24, 24, 22};
  for (int c = 0; c < 26; ++c) {
    const char letter = static_cast<char>('A' + c);
    Rgb key = kDefaultColourKey;
    if (letter == 'B') key = Rgb{52, 42, 36};
    if (letter == 'D' || letter == 'E') key = Rgb{52, 46, 36};
    if (letter == 'F') key = Rgb{44, 42, 36};
    items.push_back(
        Pic(std::string(1, letter) + "1", capital_widths[c], letter == 'Q' ? 29 : 27, key));
  }
  const int small_widths[26] = {18, 19, 18, 19, 18, 13, 19, 18, 6,  9,  18, 5,  28,
                                18, 20, 19, 19, 13, 18, 12, 18, 20, 28, 20, 16, 18};
  for (int c = 0; c < 26; ++c) {
    const char letter = static_cast<char>('a' + c);
    const bool tall = letter == 'g' || letter == 'j' || letter == 'p' || letter == 'q';
    items.push_back(Pic(std::string(1, letter) + "0", small_widths[c], tall ? 34 : 27));
  }
  items.push_back(Anim("cr", 40, 27, 20, 27));
  return items;
}

std::vector<ImageSpec> Numbered(const std::string& prefix, int from, int to, int w, int h) {
  std::vector<ImageSpec> items;
  for (int i = from; i <= to; ++i) items.push_back(Pic(prefix + std::to_string(i), w, h));
  return items;
}

template <class... Lists>
std::vector<ImageSpec> Join(Lists... lists) {
  std::vector<ImageSpec> all;
  (all.insert(all.end(), lists.begin(), lists.end()), ...);
  return all;
}

std::vector<ImageListSpec> BuildImageCatalogue() {
  const Rgb boss_key{5, 2, 4};
  return {
      {Holder::kMain, "Menu", MenuItems()},
      {Holder::kMain, "Background", {Pic("stars", 800, 600), Pic("clouds", 400, 300)}},
      {Holder::kMain, "Option", OptionItems()},
      {Holder::kMain, "Levels", LevelItems()},
      {Holder::kMain,
       "Start",
       {Pic("complete", 373, 50), Pic("ower", 330, 50), Pic("live", 50, 16), Pic("scores", 67, 16),
        Pic("save_0", 129, 30), Pic("cancel_0", 129, 30), Pic("save_1", 138, 32),
        Pic("cancel_1", 138, 32)}},
      {Holder::kMain, "HighScores", HighScoreItems()},
      {Holder::kMain,
       "Menu_Img",
       {Anim("img_1", 135, 15, 15, 15), Anim("img_2", 135, 15, 15, 15),
        Anim("img_3", 135, 15, 15, 15), Anim("img_4", 135, 15, 15, 15),
        Anim("img_5", 135, 15, 15, 15)}},
      {Holder::kMain,
       "GameHelp",
       {Pic("Help", 85, 25), Pic("site_0", 144, 30), Pic("cancel_0", 129, 30),
        Pic("site_1", 154, 32), Pic("cancel_1", 138, 32)}},
      {Holder::kShip, "Hero", {Pic("hero", 45, 72), Anim("flame", 15, 14, 5, 14)}},
      {Holder::kShip,
       "ListShell",
       {Pic("shell", 5, 13), Anim("rocet", 27, 51, 9, 51), Anim("shell_can", 15, 20, 5, 20)}},
      {Holder::kShip,
       "ListBonus",
       {Pic("bonus1", 19, 16), Anim("bonus2", 90, 27, 30, 27), Pic("cannon1", 18, 40),
        Anim("cannon2", 120, 42, 30, 42), Pic("rocet1", 21, 39), Anim("bonus3", 75, 33, 25, 33),
        Pic("rocet3", 55, 41), Pic("cannon3", 45, 78), Anim("bonus4", 45, 26, 15, 26),
        Anim("bonus5", 80, 37, 20, 37)}},
      {Holder::kBoss,
       "Boss",
       {Pic("boss1", 120, 118, boss_key), Pic("boss2", 105, 120), Pic("boss3", 170, 75),
        Pic("boss4", 100, 114), Pic("boss5", 120, 151)}},
      {Holder::kBoss,
       "ListShell",
       {Pic("shell", 7, 18), Pic("shell1_0", 10, 89), Anim("shell1_1", 270, 12, 90, 12),
        Pic("shell2_0", 10, 50), Pic("shell2_1", 100, 10), Anim("shell2_2", 180, 16, 60, 16),
        Pic("shell3_0", 30, 59), Anim("shell3_1", 150, 7, 50, 7), Anim("rocet_1", 27, 55, 9, 55),
        Anim("rocet_2", 24, 50, 8, 50), Pic("cannon_1", 20, 48), Anim("cannon_2", 50, 69, 25, 69)}},
      {Holder::kBoss, "ListSh", Numbered("sh", 0, 6, 10, 10)},
      {Holder::kEnemy,
       "LittleBoss",
       {Pic("little_boss_1", 27, 37),   Pic("little_boss_2_10", 37, 31),
        Pic("little_boss_3", 37, 33),   Pic("little_boss_4_18", 69, 9),
        Pic("little_boss_5", 27, 37),   Pic("little_boss_6", 27, 62),
        Pic("little_boss_8_18", 9, 69), Pic("little_boss_9", 37, 38),
        Pic("little_boss_11", 37, 37),  Pic("little_boss_12", 27, 45),
        Pic("little_boss_13", 37, 34),  Pic("little_boss_15", 27, 43),
        Pic("little_boss_16", 27, 56),  Pic("little_boss_17", 27, 43),
        Pic("little_boss_19", 27, 41),  Pic("little_boss_20_27", 37, 51),
        Pic("little_boss_25", 27, 41),  Pic("little_boss_26", 37, 34),
        Pic("little_boss_29", 37, 35),  Pic("little_boss_31", 37, 35)}},
      {Holder::kEnemy, "LittleShell",
       Join(Numbered("shell", 1, 7, 5, 12),
            std::vector<ImageSpec>{Anim("shell8", 72, 7, 24, 7), Anim("rocet_1", 18, 35, 6, 35)},
            Numbered("shell_", 9, 15, 10, 10))},
      {Holder::kEnemy, "Level4",
       Join(Numbered("l_", 0, 4, 37, 37), Numbered("l_", 5, 8, 30, 61),
            std::vector<ImageSpec>{Pic("l_9", 30, 60)})},
      {Holder::kExplosion,
       "Explosion",
       {Anim("Exp", 568, 200, 71, 100), Anim("ExpShell", 176, 64, 22, 32),
        Anim("ExpRocket", 360, 126, 45, 63), Anim("ExpLittle", 88, 32, 11, 16),
        Anim("ExpBoss", 800, 280, 100, 140, boss_key)}},
  };
}

std::vector<SoundListSpec> BuildSoundCatalogue() {
  return {
      {"EffectSounds",
       {{"hero_shell", 11025, 8, 0.83},
        {"hero_lazer", 11025, 8, 0.17},
        {"hero_rocet", 22050, 16, 0.84},
        {"hero_shell_exp", 11025, 16, 1.57},
        {"hero_rocet_exp", 8000, 16, 1.89},
        {"hero_dead_exp", 8000, 16, 1.89},
        {"little_shell", 11025, 16, 1.20},
        {"little_lazer", 22050, 16, 0.58},
        {"little_shell_exp", 11025, 16, 1.57},
        {"little_exp", 8000, 16, 1.89}}},
      {"Music", {{"music1", 22050, 8, 6.59, true}}},
      {"MenuSounds", {{"button", 22050, 16, 0.06}, {"click", 22050, 16, 0.30}}},
  };
}

std::string Indexed(int index, const std::string& name, const char* extension) {
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "%02d_", index);
  return prefix + name + extension;
}

}  // namespace

const char* HolderFolder(Holder holder) {
  switch (holder) {
    case Holder::kMain:
      return "main";
    case Holder::kShip:
      return "ship";
    case Holder::kBoss:
      return "boss";
    case Holder::kEnemy:
      return "enemy";
    case Holder::kExplosion:
      return "explosion";
  }
  return "main";
}

const std::vector<ImageListSpec>& ImageCatalogue() {
  static const std::vector<ImageListSpec> catalogue = BuildImageCatalogue();
  return catalogue;
}

const std::vector<SoundListSpec>& SoundCatalogue() {
  static const std::vector<SoundListSpec> catalogue = BuildSoundCatalogue();
  return catalogue;
}

std::string ImagePath(const ImageListSpec& list, int index) {
  return std::string(HolderFolder(list.holder)) + "/" + list.name + "/" +
         Indexed(index, list.items[index].name, ".bmp");
}

std::string SoundPath(const SoundListSpec& list, int index) {
  return "main/" + list.name + "/" + Indexed(index, list.items[index].name, ".wav");
}

}  // namespace zephyrant
