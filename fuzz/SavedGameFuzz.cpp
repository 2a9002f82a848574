// The saved-game reader: a file it accepts loads into a dealt game, keeps
// every card at most once and can be undone step by step to its first
// position; a file it refuses leaves the game on the table as it was; and an
// accepted file written out again reads the same.

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "core/RuleIndex.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "persist/SavedGames.h"
#include "platform/AtomicFile.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"

using namespace cardoria;

namespace {

constexpr int kKlondike = 2;

// Everything a load may change.
std::string State(const Session& s) {
  std::string text = s.store.Get(pos::kGameNumber, 4) + "|" + s.store.Get(pos::kScore, 6) + "|" +
                     s.store.Get(pos::kPlayerName, 30) + "|" + s.store.Get(pos::kDealNumber, 15) + "|" +
                     std::to_string(s.positions[PositionTable::kPassCounter]) + "|" + s.logs.Text(kUndoLog) + "|";
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group)) text += SnapshotLine(s.cards, pile) + "|";
  for (const TextList& list : s.history.undo.lists)
    for (const std::string& line : list) text += line + "|";
  return text;
}

// A pile line as the writer puts it: holes and marks are "0000".
std::string Normal(const std::string& line) {
  std::string out;
  for (std::size_t at = 0; at + 4 <= line.size(); at += 4)
    out += TextToInt(line.substr(at, 3)) > 0 ? line.substr(at, 4) : std::string("0000");
  return out;
}

bool SameLines(const TextList& a, const TextList& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Normal(a[i]) != Normal(b[i])) return false;
  return true;
}

void CheckCensus(const Session& s, const char* when) {
  std::vector<int> seen(109, 0);
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : s.piles.Items(group))
      for (int i = 0; i < PileCardCount(pile); ++i) {
        const int card = CardAt(pile, i);
        FUZZ_CHECK(card >= 0 && card <= s.rules[rule::CardCount], std::string(when) + ": " + std::to_string(card));
        if (card > 0) FUZZ_CHECK(++seen[static_cast<std::size_t>(card)] == 1, when);
      }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string catalogue = *ReadWholeFile(CARDORIA_GAMES);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzz::ClearScratch();
  fuzz::WriteScratchFile("GAMES.DAT", catalogue);
  fuzz::WriteScratchFile("game.gam", bytes);
  const std::string path = fuzz::ScratchDir() + "game.gam";

  Session session;
  fuzz::PrepareSession(session);
  SilentMessages messages;
  FUZZ_CHECK(LoadCatalogue(session, messages), "the real catalogue refused");
  const GameFileCheck check = ParseGameFile(bytes, GameFileRules{true, &session});
  FUZZ_CHECK(check.file || !check.error.empty(), "a refusal names what is wrong");

  FixedScreen screen(ScreenInfo{1280, 1024, 24});
  Random random(static_cast<std::uint32_t>(size));
  JumpClock clock;
  HeadlessTable table(session, TableGeometry{});
  Engine engine(session, PlayPorts{messages, clock, table, table, table});
  GameStartPorts ports{messages, screen, random, clock, table, engine};
  session.store.Set(pos::kGameNumber, 4, ZeroPad(kKlondike, 4));
  session.store.Set(pos::kGameName, 50, GameNameOf(session, kKlondike));
  session.store.Set(pos::kDealNumber, 15, "4711");
  FUZZ_CHECK(PrepareTable(session, ports) && StartGame(session, ports, true, false, 1, false), "no Klondike");
  const std::string before = State(session);

  const bool loaded = LoadGame(session, ports, path, LoadSource::File);
  FUZZ_CHECK(loaded == check.file.has_value(), check.error);
  if (!loaded) {
    FUZZ_CHECK(State(session) == before, "a refused file changed the game: " + check.error);
    return 0;
  }
  CheckCensus(session, "after the load");

  const GameFileCheck again = ParseGameFile(FormatGameFile(session, 0), GameFileRules{true, &session});
  FUZZ_CHECK(again.file.has_value(), "the file written again is refused: " + again.error);
  const GameFile& first = *check.file;
  for (std::size_t i = 0; i < first.table.size(); ++i)
    FUZZ_CHECK(Normal(first.table[i]) == Normal(again.file->table[i]), "pile line " + std::to_string(i));
  for (std::size_t g = 0; g < 4; ++g)
    FUZZ_CHECK(SameLines(first.undo.lists[g], again.file->undo.lists[g]), "undo list " + std::to_string(g));
  FUZZ_CHECK(first.undoLog == again.file->undoLog, "undo log");

  for (int steps = session.history.undo.Steps(); steps > 0; --steps) {
    FUZZ_CHECK(engine.Undo(), "an undo step refused");
    CheckCensus(session, "after an undo");
  }
  return 0;
}
