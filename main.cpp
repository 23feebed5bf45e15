// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_app.h"

int main(int argc, char** argv) {
  return zephyrant::RunGame(argc, argv);
}
