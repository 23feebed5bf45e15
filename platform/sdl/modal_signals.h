// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>

namespace zephyrant {

// While a modal box is up nobody reads the quit events that SIGINT and
// SIGTERM raise through SDL's handlers, so for as long as this lives the two
// signals end the program at once, as if it had no handler for them. A signal
// the program was started with ignored stays ignored. A process forked in the
// meantime (SDL shows its box from a forked copy of the program) is ended
// with the program, so that the box never outlives it.
class SignalsEndTheProgram {
 public:
  SignalsEndTheProgram();
  ~SignalsEndTheProgram();
  SignalsEndTheProgram(const SignalsEndTheProgram&) = delete;
  SignalsEndTheProgram& operator=(const SignalsEndTheProgram&) = delete;

 private:
  struct sigaction interrupt_ {};
  struct sigaction terminate_ {};
};

}  // namespace zephyrant
