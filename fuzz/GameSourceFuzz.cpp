// The game source reader of gamec: sources it accepts compile, the compiled
// catalogue is read by the program with the same games and rules, and the
// sources `gamec dump` makes of it compile to the same bytes. An input holds
// up to four sources, separated by lines "---".

#include "FuzzSupport.h"
#include "GameSource.h"
#include "core/Catalogue.h"
#include "core/RulesLoader.h"
#include "platform/HeadlessPorts.h"

using namespace cardoria;

namespace {

std::vector<std::pair<std::string, GameSource>> ParseAll(const std::vector<std::pair<std::string, std::string>>& files,
                                                         std::vector<SourceError>& errors) {
  std::vector<std::pair<std::string, GameSource>> sources;
  for (const auto& [name, text] : files) sources.emplace_back(name, ParseGameSource(name, text, errors));
  return sources;
}

std::string ErrorText(const std::vector<SourceError>& errors) {
  std::string text;
  for (const auto& error : errors) text += error.message + "\n";
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<std::pair<std::string, std::string>> files;
  for (std::size_t at = 0; at <= input.size() && files.size() < 4;) {
    auto end = input.find("\n---\n", at);
    if (end == std::string::npos) end = input.size();
    files.emplace_back("game" + std::to_string(files.size()) + ".game", input.substr(at, end - at));
    at = end + 5;
  }
  std::vector<SourceError> errors;
  const auto sources = ParseAll(files, errors);
  const CatalogueFileContent content = BuildCatalogue(sources, errors);
  if (!errors.empty()) return 0;
  const std::string compiled = WriteCatalogueFile(content);

  // The program reads what was compiled.
  fuzz::ClearScratch();
  fuzz::WriteScratchFile(kCatalogueFile, compiled);
  {
    Session session;
    fuzz::PrepareSession(session);
    SilentMessages messages;
    FUZZ_CHECK(LoadCatalogue(session, messages), "compiled catalogue refused");
    FUZZ_CHECK(session.catalogue.size() == content.games.size(), "compiled catalogue lists other games");
    for (const CatalogueEntry& game : content.games) {
      FUZZ_CHECK(GameNameOf(session, game.number) == game.name, game.name);
      session.store.Set(pos::kGameNumber, 4, ZeroPad(game.number, 4));
      FUZZ_CHECK(LoadGameRules(session, messages), game.name + ": rules refused");
      for (int index = 1; index <= kCatalogueLastRule; ++index) {
        const auto it = game.rules.find(index);
        FUZZ_CHECK(session.rules[index] == (it == game.rules.end() ? 0 : it->second),
                   game.name + ": rule " + std::to_string(index));
      }
    }
  }

  // What `gamec dump` makes of it compiles to the same bytes.
  const auto dumped = DumpCatalogue(SplitLines(compiled));
  std::vector<SourceError> dumpErrors;
  const auto again = ParseAll(dumped, dumpErrors);
  const CatalogueFileContent recompiled = BuildCatalogue(again, dumpErrors);
  FUZZ_CHECK(dumpErrors.empty(), ErrorText(dumpErrors));
  FUZZ_CHECK(WriteCatalogueFile(recompiled) == compiled, "dumped sources compile to other bytes");
  return 0;
}
