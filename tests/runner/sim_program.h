// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the zephyrant-sim program as a script would, for the tests of its
// command line, and small file helpers for what it reads and writes.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace zephyrant {

struct SimOutcome {
  int exit_code = -1;
  std::string output;  // standard output and error together
};

inline SimOutcome RunSim(const std::string& arguments) {
  const std::string command = std::string(ZEPHYRANT_SIM_BINARY) + " " + arguments + " 2>&1";
  SimOutcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.output.append(buffer, n);
  const int status = pclose(pipe);
  outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace zephyrant
