#pragma once

// What choosing a menu item does, shared by the keys and the pointer. Each
// plays its own sound; the pointer's versions also let go of the mouse
// button, so that one press chooses once.

namespace zephyrant {

class TForm1;
class TCursor1;

// Main menu.
void ChooseHelp(TForm1& form);
void ChooseNewGame(TForm1& form);
void ChooseOptions(TForm1& form);
void ChooseScores(TForm1& form);

// Options screen. Leaving keeps the changed settings for this run; only
// `save` writes them to the store.
void LeaveOptions(TForm1& form, bool save);
// Left (-1) or Right (+1) on the selected option.
void StepOption(TForm1& form, int direction);
// The pointer held down on a volume row (1 sound, 2 music): the knob follows
// it while it is on the bar.
void DragVolume(TForm1& form, const TCursor1& pointer, int row);
// A click on the difficulty or the full-screen row: the next value.
void CycleDifficulty(TForm1& form);
void CycleFullScreen(TForm1& form);

// Help screen.
void VisitHelpPage(TForm1& form);
void LeaveHelp(TForm1& form);

}  // namespace zephyrant
