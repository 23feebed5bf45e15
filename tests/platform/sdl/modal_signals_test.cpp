// SPDX-License-Identifier: GPL-3.0-or-later
// SIGINT and SIGTERM while the error box is up: they end the program, and
// the box's own process with it, whatever handler the program had.

#include "platform/sdl/modal_signals.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace zephyrant {
namespace {

volatile std::sig_atomic_t g_quit_asked = 0;

// What SDL's handler does: it only asks the event loop to quit.
void AskToQuit(int) {
  g_quit_asked = 1;
}

void HandleBySetting(int signal_number, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, nullptr);
}

TEST(ModalSignalsDeathTest, ASignalEndsTheProgramWhileTheBoxIsUp) {
  for (const int signal_number : {SIGTERM, SIGINT}) {
    EXPECT_EXIT(
        {
          HandleBySetting(signal_number, AskToQuit);
          const SignalsEndTheProgram box_is_up;
          raise(signal_number);
          std::exit(0);
        },
        testing::KilledBySignal(signal_number), "");
  }
}

TEST(ModalSignalsDeathTest, AfterTheBoxTheHandlerIsBackAndIgnoredSignalsStayIgnored) {
  EXPECT_EXIT(
      {
        HandleBySetting(SIGTERM, AskToQuit);
        HandleBySetting(SIGINT, SIG_IGN);
        {
          const SignalsEndTheProgram box_is_up;
          raise(SIGINT);
        }
        raise(SIGTERM);
        std::exit(g_quit_asked == 1 ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

// The box's process is forked while the box is up, and ends with the program.
TEST(ModalSignalsDeathTest, AProcessForkedMeanwhileEndsWithTheProgram) {
  EXPECT_EXIT(
      {
        // The box's process comes back to us when the program is gone.
        prctl(PR_SET_CHILD_SUBREAPER, 1);
        int pipe_ends[2];
        if (pipe(pipe_ends) != 0) std::exit(2);
        const pid_t program = fork();
        if (program == 0) {
          const SignalsEndTheProgram box_is_up;
          const pid_t box = fork();
          if (box == 0) {
            // Left running, it goes by itself a little later, and not by SIGKILL.
            alarm(5);
            pause();
            _exit(0);
          }
          if (write(pipe_ends[1], &box, sizeof box) != sizeof box) _exit(2);
          _exit(0);
        }
        pid_t box = 0;
        if (read(pipe_ends[0], &box, sizeof box) != sizeof box) std::exit(2);
        waitpid(program, nullptr, 0);
        int status = 0;
        if (waitpid(box, &status, 0) != box) std::exit(3);
        std::exit(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? 0 : 4);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace zephyrant
