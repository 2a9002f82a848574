// The catalogue reader: when a GAMES.DAT is accepted, every game it lists is
// dealt and played a few moves with a whole pack, and the catalogue written
// back from what was read lists the same games with the same rules.

#include <set>

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/RulesLoader.h"
#include "platform/HeadlessPorts.h"

using namespace cardoria;

namespace {

// Games played per input: enough to reach every column, few enough to keep
// the fuzzer fast.
constexpr int kGamesPlayed = 2;

struct ReadGame {
  CatalogueEntry entry;
  bool rulesLoaded = false;
};

// The single cells the program reads by row position (GameRuleValue) agree
// with the rules loaded for play, when the rows are numbered in order.
void CheckCellReaders(const Session& session, const CatalogueEntry& game) {
  const auto lines = ReadCatalogueFile(session);
  const TextList rows = lines ? SectionLines(*lines, "[Sect2]") : TextList();
  std::vector<int> indexes;
  for (std::size_t i = 0; i < rows.size() && i < kCatalogueLastRule; ++i) {
    if (rows[i].size() < 4 || !IsAllDigits(rows[i].substr(0, 4)) || TextToInt(rows[i].substr(0, 4)) != int(i) + 1)
      return;
    indexes.push_back(static_cast<int>(i) + 1);
  }
  const std::vector<int> values = GameRuleValue(session, game.number, indexes);
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    const auto it = game.rules.find(indexes[i]);
    FUZZ_CHECK(values[i] == (it == game.rules.end() ? 0 : it->second),
               "rule " + std::to_string(indexes[i]) + " reads " + std::to_string(values[i]) + " by position");
  }
}

// What a session reads of the catalogue in the scratch directory; nothing
// when it is refused.
std::optional<std::vector<ReadGame>> ReadAll(Session& session) {
  SilentMessages messages;
  fuzz::PrepareSession(session);
  if (!LoadCatalogue(session, messages)) return std::nullopt;
  std::vector<ReadGame> games;
  for (const std::string& line : session.catalogue) {
    ReadGame game;
    game.entry.family = LineFamily(line);
    game.entry.number = LineNumber(line);
    game.entry.name = LineName(line);
    game.entry.needs800 = line.size() >= 9 && line[8] == '1';
    game.entry.marked = line.size() >= 10 && line[9] == '1';
    game.entry.ownDesign = LineOwnDesign(line);
    session.store.Set(pos::kGameNumber, 4, ZeroPad(game.entry.number, 4));
    game.rulesLoaded = LoadGameRules(session, messages);
    for (int index = 1; index <= kCatalogueLastRule; ++index)
      if (session.rules[index] != 0) game.entry.rules[index] = session.rules[index];
    if (game.rulesLoaded && games.empty()) CheckCellReaders(session, game.entry);
    games.push_back(std::move(game));
  }
  return games;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ClearScratch();
  fuzz::WriteScratchFile(kCatalogueFile, std::string_view(reinterpret_cast<const char*>(data), size));
  std::optional<std::vector<ReadGame>> games;
  {
    Session session;
    games = ReadAll(session);
  }
  if (!games) return 0;

  std::set<int> played;
  for (const ReadGame& game : *games) {
    if (!game.rulesLoaded || played.size() >= kGamesPlayed || !played.insert(game.entry.number).second) continue;
    Session session;
    fuzz::PrepareSession(session);
    SilentMessages messages;
    FUZZ_CHECK(LoadCatalogue(session, messages), "catalogue accepted once, refused after");
    fuzz::DealAndPlay(session, game.entry.number, static_cast<std::uint32_t>(size * 7919 + played.size()));
  }

  // Written back, the catalogue reads the same. A game whose rules could not
  // be read has nothing to write back.
  CatalogueFileContent content;
  for (const ReadGame& game : *games) {
    if (!game.rulesLoaded) return 0;
    content.games.push_back(game.entry);
  }
  fuzz::ClearScratch();
  fuzz::WriteScratchFile(kCatalogueFile, WriteCatalogueFile(content));
  Session session;
  const auto reread = ReadAll(session);
  FUZZ_CHECK(reread.has_value(), "written catalogue refused");
  FUZZ_CHECK(reread->size() == games->size(), "written catalogue lists other games");
  for (std::size_t i = 0; i < games->size(); ++i) {
    const CatalogueEntry& a = (*games)[i].entry;
    const CatalogueEntry& b = (*reread)[i].entry;
    const std::string which = "game " + std::to_string(i);
    FUZZ_CHECK((*reread)[i].rulesLoaded, which + ": rules refused");
    FUZZ_CHECK(a.family == b.family && a.number == b.number && a.name == b.name && a.needs800 == b.needs800 &&
                   a.marked == b.marked && a.ownDesign == b.ownDesign,
               which + ": its line reads differently");
    FUZZ_CHECK(a.rules == b.rules, which + ": its rules read differently");
  }
  return 0;
}
