#include "FuzzSupport.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <vector>

#include "core/CardTable.h"
#include "core/Catalogue.h"
#include "core/Piles.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "engine/PackCheck.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"
#include "table/Layout.h"

namespace cardoria::fuzz {

namespace {

std::string MakeScratch() {
  std::string pattern = (std::filesystem::temp_directory_path() / "cardoria-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) Broken("no scratch directory");
  std::string dir = pattern + "/";
  static std::string forCleanup;
  forCleanup = dir;
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(forCleanup, ec);
  });
  return dir;
}

// How many times each card lies on the table, as the program's own pack
// check counts it; every code on the table is one the piles may hold.
std::vector<int> Census(const Session& session, const char* when) {
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
    for (const std::string& pile : session.piles.Items(group))
      for (int i = 0; i < PileCardCount(pile); ++i) {
        const int card = CardAt(pile, i);
        FUZZ_CHECK(card >= 0 && card <= 108, std::string(when) + ": card code " + std::to_string(card));
      }
  return CardCensus(session);
}

}  // namespace

const std::string& ScratchDir() {
  static const std::string dir = MakeScratch();
  return dir;
}

void ClearScratch() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(ScratchDir(), ec))
    std::filesystem::remove_all(entry.path(), ec);
}

void WriteScratchFile(const std::string& relative, std::string_view bytes) {
  const std::filesystem::path path = ScratchDir() + relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Broken("scratch file not written", path.string());
}

void PrepareSession(Session& session) {
  session.programDir = ScratchDir();
  session.store.Set(pos::kScoreScheme, 2, "01");
  for (int position : {141, 143, 144, 176, 177, 180, 181, 182, 183, 184, 185, 239, 241, 242, 243, 247, 248, 249, 253})
    session.store.Set(position, 1, "Y");
  session.store.Set(251, 1, "N");
  session.store.Set(pos::kUndoEnabled, 1, "0");
  session.store.Set(pos::kCardSize, 1, "B");
  session.store.Set(pos::kCardsShadowed, 1, "Y");
  session.store.Set(179, 1, "N");
}

bool DealAndPlay(Session& session, int number, std::uint32_t seed) {
  SilentMessages messages;
  FixedScreen screen;
  Random random(seed);
  JumpClock clock;
  HeadlessTable table(session, TableGeometry{});
  Engine engine(session, PlayPorts{messages, clock, table, table, table});
  GameStartPorts ports{messages, screen, random, clock, table, engine};
  session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
  session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
  session.store.Set(pos::kDealNumber, 15, std::to_string(seed % 1000000 + 1));
  session.rules.Clear();
  session.autoplayChecked = false;  // autoplay after the deal is no step of the history
  if (!PrepareTable(session, ports) || !StartGame(session, ports, true, false, 1, false)) return false;
  // The rules may deal fewer cards than the pack holds (the rest is not
  // played), and a pack of fewer than 52 is any that many of them; no card is
  // dealt twice, and play keeps what was dealt. Codes above 104 are the marks
  // the rules lay themselves, not cards of the pack.
  const std::vector<int> pack = Census(session, "after the deal");
  for (int card = 1; card <= 104; ++card)
    FUZZ_CHECK(
        pack[static_cast<std::size_t>(card)] <= 1,
        "card " + std::to_string(card) + " dealt " + std::to_string(pack[static_cast<std::size_t>(card)]) + " times");
  const std::string dealt = TableText(session);

  std::mt19937 chance(seed);
  auto pick = [&](int n) { return static_cast<int>(chance() % static_cast<unsigned>(std::max(n, 1))); };
  for (int action = 0; action < 16 && session.values.Flag(kGameInProgress); ++action) {
    switch (pick(7)) {
      case 0: {
        const Rect r = TopCardRect(session, {PileGroup::Stock, kStockItem});
        engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
        engine.OnMouseUp(kLeftButton);
        break;
      }
      case 1: engine.Undo(); break;
      case 2: engine.ToggleAutoplay(); break;
      default: {
        // A drag of some card onto some pile, as a player would.
        const auto group = static_cast<PileGroup>(pick(4));
        const int index = pick(static_cast<int>(session.piles.Items(group).size()));
        if (index >= static_cast<int>(session.piles.Items(group).size())) break;
        const std::string& pile = session.piles.Pile(group, index);
        if (pile.empty()) break;
        const int card = CardAt(pile, pick(PileCardCount(pile)));
        if (card <= 0) break;
        const auto to = static_cast<PileGroup>(1 + pick(3));
        const int target = pick(static_cast<int>(session.piles.Items(to).size()));
        const Rect from = CardRectangle(session, card);
        engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
        if (session.drag.draggedCard != 0) {
          const Rect onto = NextCardRect(session, {to, target});
          engine.OnMouseMove(onto.left + session.drag.grabX, onto.top + session.drag.grabY);
        }
        engine.OnMouseUp(kLeftButton);
        break;
      }
    }
    const auto problem = PackProblem(session, pack);
    FUZZ_CHECK(!problem, "game " + std::to_string(number) + " in play: " + problem.value_or(""));
    FUZZ_CHECK(session.drag.draggedCard == 0, "a card stayed lifted");
  }
  if (!session.values.Flag(kGameInProgress)) return true;  // won: the history is closed
  const int steps = session.history.undo.Steps();
  for (int k = 0; k < steps; ++k) FUZZ_CHECK(engine.Undo(), "undo " + std::to_string(k));
  FUZZ_CHECK(TableText(session) == dealt, "undoing everything does not give the deal of game " +
                                              std::to_string(number) + " back:\n" + dealt + "\n" + TableText(session));
  return true;
}

}  // namespace cardoria::fuzz
