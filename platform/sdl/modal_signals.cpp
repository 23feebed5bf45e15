// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/modal_signals.h"

#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>

namespace zephyrant {

namespace {

std::atomic<bool> g_guarding{false};
std::atomic<pid_t> g_guarding_pid{0};

// Runs in the child of every fork.
void FollowTheParent() {
  if (!g_guarding) return;
  // The parent may have gone before the request took hold; then the child
  // ends now, as the request would have ended it.
  if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != g_guarding_pid) raise(SIGKILL);
}

bool Ignored(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_IGN;
}

// Keeps the signal's disposition in `saved` and lets the signal end the program.
void EndOn(int signal_number, struct sigaction& saved) {
  sigaction(signal_number, nullptr, &saved);
  if (Ignored(saved)) return;
  struct sigaction end {};
  end.sa_handler = SIG_DFL;
  sigemptyset(&end.sa_mask);
  sigaction(signal_number, &end, nullptr);
}

}  // namespace

SignalsEndTheProgram::SignalsEndTheProgram() {
  static const bool registered = pthread_atfork(nullptr, nullptr, FollowTheParent) == 0;
  static_cast<void>(registered);
  g_guarding_pid = getpid();
  g_guarding = true;
  EndOn(SIGINT, interrupt_);
  EndOn(SIGTERM, terminate_);
}

SignalsEndTheProgram::~SignalsEndTheProgram() {
  sigaction(SIGTERM, &terminate_, nullptr);
  sigaction(SIGINT, &interrupt_, nullptr);
  g_guarding = false;
}

}  // namespace zephyrant
