#pragma once

// What choosing a menu item does, shared by the keys and the pointer. Each
// plays its own sound; the pointer's versions also let go of the mouse
// button, so that one press chooses once.

namespace zephyrant {

class MainWindow;
class MenuPointer;

// Main menu.
void ChooseHelp(MainWindow& main_window);
void ChooseNewGame(MainWindow& main_window);
void ChooseOptions(MainWindow& main_window);
void ChooseScores(MainWindow& main_window);

// Options screen. Leaving keeps the changed settings for this run; only
// `save` writes them to the store.
void LeaveOptions(MainWindow& main_window, bool save);
// Left (-1) or Right (+1) on the selected option.
void StepOption(MainWindow& main_window, int direction);
// The pointer held down on a volume row (1 sound, 2 music): the knob follows
// it while it is on the bar.
void DragVolume(MainWindow& main_window, const MenuPointer& pointer, int row);
// A click on the difficulty or the full-screen row: the next value.
void CycleDifficulty(MainWindow& main_window);
void CycleFullScreen(MainWindow& main_window);

// Help screen.
void VisitHelpPage(MainWindow& main_window);
void LeaveHelp(MainWindow& main_window);

}  // namespace zephyrant
