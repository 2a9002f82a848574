// gamec: compiles the readable game sources into the catalogue "GAMES.DAT"
// (and the rules texts), or dumps a catalogue back into readable sources.
//
//   gamec compile GAMES.DAT RULES.TXT SOURCE...
//   gamec dump GAMES.DAT DIRECTORY
//   gamec help HELP-DIRECTORY GAMES.DAT SOURCE...   (the help pages, the rule
//       values read from the compiled catalogue as the program reads them)

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "GameSource.h"
#include "HelpPages.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "platform/AtomicFile.h"
#include "platform/HeadlessPorts.h"
#include "platform/Paths.h"

using namespace cardoria;

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: gamec compile GAMES.DAT RULES.TXT SOURCE...\n       gamec dump GAMES.DAT DIRECTORY\n"
               "       gamec help HELP-DIRECTORY GAMES.DAT SOURCE...\n");
  return 2;
}

std::vector<std::pair<std::string, GameSource>> ReadSources(const std::vector<std::string>& inputs,
                                                            std::vector<SourceError>& errors) {
  std::vector<std::pair<std::string, GameSource>> sources;
  for (const std::string& input : inputs) {
    const auto text = ReadWholeFile(input);
    if (!text) {
      errors.push_back({input + ": can not be read"});
      continue;
    }
    const std::string name = std::filesystem::path(input).filename().string();
    sources.emplace_back(name, ParseGameSource(name, *text, errors));
  }
  return sources;
}

int Help(const std::string& directory, const std::string& catalogue, const std::vector<std::string>& inputs) {
  std::vector<SourceError> errors;
  const auto sources = ReadSources(inputs, errors);
  Session session;
  session.programDir = WithTrailingSeparator(std::filesystem::absolute(catalogue).parent_path().string());
  SilentMessages silent;
  if (!LoadCatalogue(session, silent)) errors.push_back({catalogue + ": not a catalogue that can be loaded"});
  const auto games = errors.empty() ? LoadHelpGames(session, sources, errors) : std::vector<HelpGame>{};
  for (const auto& error : errors) std::fprintf(stderr, "gamec: %s\n", error.message.c_str());
  if (!errors.empty()) return 1;
  std::filesystem::create_directories(directory);
  const auto pages = HelpPages(games);
  // A page of a game that left the catalogue must not stay behind.
  for (const auto& file : std::filesystem::directory_iterator(directory)) {
    const std::string name = file.path().filename().string();
    const bool current = std::any_of(pages.begin(), pages.end(), [&](const auto& page) { return page.first == name; });
    if (file.path().extension() == ".html" && !current) std::filesystem::remove(file.path());
  }
  for (const auto& [name, content] : pages) {
    if (!WriteFileAtomic((std::filesystem::path(directory) / name).string(), content)) {
      std::fprintf(stderr, "gamec: can not write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}

int Compile(const std::string& output, const std::string& rulesOutput, const std::vector<std::string>& inputs) {
  std::vector<SourceError> errors;
  const auto sources = ReadSources(inputs, errors);
  const CatalogueFileContent content = BuildCatalogue(sources, errors);
  for (const auto& error : errors) std::fprintf(stderr, "gamec: %s\n", error.message.c_str());
  if (!errors.empty()) return 1;
  if (!WriteFileAtomic(output, WriteCatalogueFile(content)) || !WriteFileAtomic(rulesOutput, RulesTextFile(sources))) {
    std::fprintf(stderr, "gamec: can not write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

int Dump(const std::string& input, const std::string& directory) {
  const auto text = ReadWholeFile(input);
  if (!text) {
    std::fprintf(stderr, "gamec: can not read %s\n", input.c_str());
    return 1;
  }
  std::vector<SourceError> errors;
  const auto files = DumpCatalogue(input, SplitLines(*text), errors);
  for (const auto& error : errors) std::fprintf(stderr, "gamec: %s\n", error.message.c_str());
  if (!errors.empty()) return 1;
  std::filesystem::create_directories(directory);
  for (const auto& [name, content] : files) {
    if (!WriteFileAtomic((std::filesystem::path(directory) / name).string(), content)) {
      std::fprintf(stderr, "gamec: can not write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() >= 3 && args[0] == "compile")
    return Compile(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()));
  if (args.size() >= 4 && args[0] == "help")
    return Help(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()));
  if (args.size() == 3 && args[0] == "dump") return Dump(args[1], args[2]);
  return Usage();
}
