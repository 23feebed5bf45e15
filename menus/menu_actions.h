// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What choosing a menu item does, shared by the keys and the pointer. Each
// plays its own sound; the pointer's versions also let go of the mouse
// button, so that one press chooses once.

namespace zephyrant {

class GameWorld;
class MenuPointer;

// Main menu.
void ChooseHelp(GameWorld& world);
void ChooseNewGame(GameWorld& world);
void ChooseOptions(GameWorld& world);
void ChooseScores(GameWorld& world);

// Options screen. Leaving keeps the changed settings for this run; only
// `save` writes them to the store.
void LeaveOptions(GameWorld& world, bool save);
// Left (-1) or Right (+1) on the selected option.
void StepOption(GameWorld& world, int direction);
// The pointer held down on a volume row (1 sound, 2 music): the knob follows
// it while it is on the bar.
void DragVolume(GameWorld& world, const MenuPointer& pointer, int row);
// A click on the difficulty or the full-screen row: the next value.
void CycleDifficulty(GameWorld& world);
void CycleFullScreen(GameWorld& world);
// The full-screen setting changed elsewhere (the full-screen keys): an open
// options screen shows its new value.
void ShowFullScreenValue(GameWorld& world);

// Help screen.
void VisitHelpPage(GameWorld& world);
void LeaveHelp(GameWorld& world);

}  // namespace zephyrant
