#include "persist/SavedGameCheck.h"

#include <algorithm>

#include "core/Catalogue.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "engine/PackCheck.h"
#include "persist/SavedGames.h"
#include "persist/UndoLog.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"

namespace cardoria {

namespace {

constexpr PileGroup kGroups[4] = {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve};
constexpr int kGroupSizes[4] = {kStockPiles, kFoundationPiles, kTableauPiles, kReservePiles};
constexpr int kDealNumberDigits = 13;
// The pass counter lives in a 16-bit value of the table state.
constexpr int kMostPasses = 32767;

// Keeps the first thing the deal would have told the player.
class FirstMessage final : public Messages {
 public:
  void ShowInfo(const std::string& text, const std::string&) override { Keep(text); }
  bool Confirm(const std::string&) override { return true; }
  bool AskYesNo(const std::string&) override { return true; }
  bool ShowInfoOnce(const std::string&) override { return false; }
  void Fatal(const std::string& text, const std::string&) override { Keep(text); }
  std::string text;

 private:
  void Keep(const std::string& shown) {
    if (text.empty()) text = shown;
  }
};

void RestoreStep(Session& s, const StepStacks& undo, std::size_t step) {
  for (int g = 0; g < 4; ++g) {
    const TextList& list = undo.lists[static_cast<std::size_t>(g)];
    const std::size_t size = static_cast<std::size_t>(kGroupSizes[g]);
    for (std::size_t i = 0; i < size; ++i)
      RestorePile(s, s.piles.Pile(kGroups[g], static_cast<int>(i)), list[step * size + i]);
  }
}

}  // namespace

std::string GameFileMismatch(const Session& live, const GameFile& file) {
  if (file.dealNumber.size() != kDealNumberDigits)
    return "the deal number " + file.dealNumber + " does not have " + std::to_string(kDealNumberDigits) + " digits";

  // A table of its own, dealt from the file's game and deal number: what the
  // live session shows stays untouched.
  Session s;
  s.programDir = live.programDir;
  s.store = live.store;
  s.catalogue = live.catalogue;
  s.positions = live.positions;
  s.autoplayChecked = false;
  FirstMessage messages;
  FixedScreen screen(ScreenInfo{1920, 1080, 24});
  Random random(0);
  JumpClock clock;
  HeadlessTable table(s, TableGeometry{});
  Engine engine(s, PlayPorts{messages, clock, table, table, table});
  GameStartPorts ports{messages, screen, random, clock, table, engine};
  s.store.Set(pos::kGameNumber, 4, ZeroPad(file.gameNumber, 4));
  s.store.Set(pos::kGameName, 50, GameNameOf(s, file.gameNumber));
  s.store.Set(pos::kDealNumber, 15, file.dealNumber);
  s.rules.Clear();
  if (!StartGame(s, ports, true, false, 1, true))
    return "game " + std::to_string(file.gameNumber) + " can not be played" +
           (messages.text.empty() ? std::string() : ": " + messages.text);
  const std::vector<int> pack = CardCensus(s);

  const int redeals = s.rules[rule::Redeals];
  const int passes = redeals >= 0 ? std::max(redeals, 1) : kMostPasses;
  if (file.passCounter < 0 || file.passCounter > passes)
    return "the pass counter " + std::to_string(file.passCounter) + " is not between 0 and " + std::to_string(passes);

  std::size_t line = 0;
  for (int g = 0; g < 4; ++g)
    for (int i = 0; i < kGroupSizes[g]; ++i) RestorePile(s, s.piles.Pile(kGroups[g], i), file.table[line++]);
  if (const auto problem = PackProblem(s, pack)) return "on the table, " + *problem;

  for (std::size_t step = 0; step < static_cast<std::size_t>(file.undo.Steps()); ++step) {
    RestoreStep(s, file.undo, step);
    if (const auto problem = PackProblem(s, pack)) return "in undo step " + std::to_string(step + 1) + ", " + *problem;
  }
  return {};
}

}  // namespace cardoria
