#pragma once
// The program's command line.

#include <string>
#include <vector>

namespace cardoria {

struct CommandLine {
  bool help = false;
  bool version = false;
  std::string programDir;
  std::string screenshot;  // render the main window into this PNG and exit
  int game = -1;           // open this game at start-up
  std::string deal;        // with this deal number
  std::string open;        // open this saved game at start-up
  std::string error;       // set when the arguments can not be used
};

// Window-system options (those Qt takes, such as -platform) pass through.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();

}  // namespace cardoria
