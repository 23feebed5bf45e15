// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyrant {

// Runs the game in an SDL window until the player leaves it or the system
// asks it to end. The exit status: 0 for a normal end, 1 when the game could
// not start (a missing or damaged asset, no display).
int RunGame(int argc, char** argv);

}  // namespace zephyrant
