// SPDX-License-Identifier: GPL-3.0-or-later
// The options screen's values: the two volume bars with their knobs, the
// difficulty and the full-screen setting, and how keys and pointer change them.

#include <algorithm>
#include <cmath>

#include "menus/menu_actions.h"
#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"
#include "world/game_world.h"
#include "world/settings.h"

namespace zephyrant {

namespace {

enum OptionRow { kSoundRow = 1, kMusicRow = 2, kDifficultyRow = 3, kFullScreenRow = 4 };
enum ValueSprite { kSoundBar, kSoundKnob, kMusicBar, kMusicKnob, kDifficultyValue, kFullValue };

constexpr double kValueShift = 270;  // values stand this far right of the column
constexpr double kKnobShift = 282;   // the knob of volume 0; volume v stands v further
constexpr int kBarWidth = 160;
constexpr int kKnobWidth = 4;
constexpr int kVolumeStep = 2;
constexpr int kHighlight = 0;

const char* const kDifficultyPictures[][2] = {
    {"easy_0", "easy_1"}, {"medium_0", "medium_1"}, {"hard_0", "hard_1"}};
const char* const kFullScreenPictures[][2] = {{"yes_0", "yes_1"}, {"no_0", "no_1"}};

int32_t& VolumeOf(GameState& state, int row) {
  return row == kSoundRow ? state.soundVolume : state.musicVolume;
}

// A value sprite on its row, centred on the height of the row's item.
void PutValue(GameWorld& world, ValueSprite which, const char* picture_name, double x, int row,
              int width = 0, int height = 0) {
  GameState& state = world.State();
  const ImageList& list = world.Images(kOptionsScreen.list);
  const PictureItem& picture = list.Item(picture_name);
  MenuItem& value = world.Engine().Spawn<MenuItem>();
  value.SetImage(picture);
  if (width > 0) value.Width = width;
  if (height > 0) value.Height = height;
  value.X = x;
  const int row_height = list.Item(kOptionsScreen.items[row].normal).Height();
  value.Y = MenuRowY(row_height, row, kOptionsScreen.base_y) + (row_height - value.Height) / 2.0;
  state.optionValues[which] = value.Serial();
}

void KillValue(GameWorld& world, ValueSprite which) {
  uint32_t& serial = world.State().optionValues[which];
  if (Sprite* sprite = world.Engine().Find(serial)) sprite->Kill();
  serial = 0;
}

void ShowVolumeRow(GameWorld& world, int row, bool highlighted) {
  const GameState& state = world.State();
  const ValueSprite bar = row == kSoundRow ? kSoundBar : kMusicBar;
  const ValueSprite knob = row == kSoundRow ? kSoundKnob : kMusicKnob;
  KillValue(world, bar);
  KillValue(world, knob);
  // Of two menu sprites the older is drawn on top, so the knob comes first.
  const double column = state.menuColumnX;
  const int volume = row == kSoundRow ? state.soundVolume : state.musicVolume;
  const int height = highlighted ? 20 : 18;
  PutValue(world, knob, highlighted ? "track1_1" : "track1_0", column + kKnobShift + volume, row,
           kKnobWidth, height);
  PutValue(world, bar, highlighted ? "track2_1" : "track2_0", column + kValueShift, row, kBarWidth,
           height);
}

}  // namespace

void ShowOptionRow(GameWorld& world, int row, bool highlighted) {
  const GameState& state = world.State();
  const int form_index = highlighted ? 1 : 0;
  const double x = state.menuColumnX + kValueShift;
  switch (row) {
    case kSoundRow:
    case kMusicRow:
      ShowVolumeRow(world, row, highlighted);
      break;
    case kDifficultyRow:
      KillValue(world, kDifficultyValue);
      PutValue(world, kDifficultyValue,
               kDifficultyPictures[std::clamp(state.difficulty, 0, kMaxDifficulty)][form_index], x,
               row);
      break;
    case kFullScreenRow:
      KillValue(world, kFullValue);
      PutValue(world, kFullValue, kFullScreenPictures[state.fullScreen == 0 ? 0 : 1][form_index], x,
               row);
      break;
    default:
      break;
  }
}

void KillOptionValues(GameWorld& world) {
  for (int which = kSoundBar; which <= kFullValue; ++which) {
    KillValue(world, static_cast<ValueSprite>(which));
  }
}

void LeaveOptions(GameWorld& world, bool save) {
  GameState& state = world.State();
  if (save) {
    SavedSettings settings;
    settings.sound = state.soundVolume;
    settings.music = state.musicVolume;
    settings.speed = state.speedSetting;
    settings.difficulty = state.difficulty;
    settings.full = state.fullScreen;
    // A store that cannot be written leaves the file as it was; the settings
    // stay in effect for this run either way.
    SaveOptionSettings(world.Services().settings, settings);
  }
  PlayClickSound(world);
  state.screenState = kLeavingOptions;
  state.itemRequests[2] = kHighlight;
  state.menuSelection = 2;
}

void StepOption(GameWorld& world, int direction) {
  GameState& state = world.State();
  const int row = state.menuSelection;
  switch (row) {
    case kSoundRow:
    case kMusicRow: {
      int32_t& volume = VolumeOf(state, row);
      volume = std::clamp(volume + direction * kVolumeStep, 0, kMaxVolume);
      world.ApplySoundVolumes();
      break;
    }
    case kDifficultyRow:
      state.difficulty += direction;
      if (state.difficulty > kMaxDifficulty) state.difficulty = 0;
      if (state.difficulty < 0) state.difficulty = kMaxDifficulty;
      break;
    case kFullScreenRow:
      state.fullScreen += direction;
      if (state.fullScreen > 1) state.fullScreen = 0;
      if (state.fullScreen < 0) state.fullScreen = 1;
      // Either way the keys re-apply the window configuration of the setting.
      world.WindowMode();
      break;
    default:
      return;
  }
  PlayClickSound(world);
  SetRequest(state.optionRequests, row, kHighlight);
}

void DragVolume(GameWorld& world, const MenuPointer& pointer, int row) {
  GameState& state = world.State();
  const Sprite* bar =
      world.Engine().Find(state.optionValues[row == kSoundRow ? kSoundBar : kMusicBar]);
  const auto* bar_picture = dynamic_cast<const ImageSprite*>(bar);
  if (bar_picture != nullptr && bar_picture->Image != nullptr && bar->X <= pointer.X &&
      pointer.X <= bar->X + bar_picture->Image->Width() && bar->Y <= pointer.Y &&
      pointer.Y <= bar->Y + bar_picture->Image->Height()) {
    const double at = pointer.SystemPointer().x - state.menuColumnX - kKnobShift;
    VolumeOf(state, row) = std::clamp(static_cast<int32_t>(std::nearbyint(at)), 0, kMaxVolume);
    world.ApplySoundVolumes();
  }
  SetRequest(state.optionRequests, row, kHighlight);
}

void CycleDifficulty(GameWorld& world) {
  GameState& state = world.State();
  PlayClickSound(world);
  state.difficulty = state.difficulty >= kMaxDifficulty ? 0 : state.difficulty + 1;
  state.optionRequests[kDifficultyRow] = kHighlight;
  state.mouseButton = 0;
}

void CycleFullScreen(GameWorld& world) {
  GameState& state = world.State();
  PlayClickSound(world);
  state.fullScreen = state.fullScreen >= 1 ? 0 : state.fullScreen + 1;
  if (state.fullScreen == 0) {
    world.FullMode();
  } else {
    world.WindowMode();
  }
  state.optionRequests[kFullScreenRow] = kHighlight;
  state.mouseButton = 0;
}

}  // namespace zephyrant

namespace zephyrant {

void ShowFullScreenValue(GameWorld& world) {
  const GameState& state = world.State();
  if (state.screenState != kOptions) return;
  ShowOptionRow(world, kFullScreenRow, state.menuSelection == kFullScreenRow);
}

}  // namespace zephyrant
