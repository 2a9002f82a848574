#pragma once
// Runs one of our programs as a user would, collecting what it prints.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace cardoria::test {

struct CommandRun {
  int exitCode = -1;
  std::string output;  // standard output and standard error
};

inline CommandRun RunCommand(const std::string& command) {
  CommandRun run;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), buffer.size(), pipe)) run.output += buffer.data();
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace cardoria::test
