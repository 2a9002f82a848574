#include "app/CommandLine.h"

namespace cardoria {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& into) {
      const auto eq = arg.find('=');
      if (eq != std::string::npos) {
        into = arg.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        into = args[++i];
      } else {
        line.error = arg + " needs a value";
        return;
      }
      if (into.empty()) line.error = arg + " needs a value";
    };
    if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--version") {
      line.version = true;
    } else if (arg == "--program-dir" || arg.starts_with("--program-dir=")) {
      value(line.programDir);
    } else if (arg == "--screenshot" || arg.starts_with("--screenshot=")) {
      value(line.screenshot);
    } else if (arg == "--game" || arg.starts_with("--game=")) {
      std::string number;
      value(number);
      if (line.error.empty() && (number.size() > 4 || number.find_first_not_of("0123456789") != std::string::npos))
        line.error = "--game takes a game number";
      if (line.error.empty()) line.game = std::stoi(number);
    } else if (arg == "--deal" || arg.starts_with("--deal=")) {
      value(line.deal);
      if (line.error.empty() &&
          (line.deal.size() > 13 || line.deal.find_first_not_of("0123456789") != std::string::npos))
        line.error = "--deal takes a deal number of up to 13 digits";
    } else if (arg == "--open" || arg.starts_with("--open=")) {
      value(line.open);
    } else if (arg.starts_with("--")) {
      line.error = "unknown option " + arg;
    }
    if (!line.error.empty()) break;
  }
  return line;
}

std::string UsageText() {
  return "Usage: cardoria [options]\n"
         "Patience games for one player.\n\n"
         "Options:\n"
         "  --help                 show this text and exit\n"
         "  --version              show the version and exit\n"
         "  --program-dir DIR      use DIR as the installation directory (data in DIR/DATA);\n"
         "                         the variable CARDORIA_PROGRAM_DIR does the same\n"
         "  --game N               open game number N at start-up\n"
         "  --deal D               deal the game with deal number D\n"
         "  --open FILE            open the saved game FILE at start-up\n"
         "  --screenshot FILE.png  start as usual, save a picture of the main window, exit\n";
}

std::string VersionText() { return "Cardoria 04.40\n"; }

}  // namespace cardoria
