#include "persist/UndoLog.h"

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {

namespace {

constexpr PileGroup kGroups[4] = {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve};
constexpr int kGroupSizes[4] = {kStockPiles, kFoundationPiles, kTableauPiles, kReservePiles};

int LogOf(Direction d) { return d == Direction::Undo ? kUndoLog : kRedoLog; }
StepStacks& StacksOf(Session& s, Direction d) { return d == Direction::Undo ? s.history.undo : s.history.redo; }
int UsedFlagOf(Direction d) { return d == Direction::Undo ? pos::kUndoUsedFlag : pos::kRedoUsedFlag; }
Direction Opposite(Direction d) { return d == Direction::Undo ? Direction::Redo : Direction::Undo; }

// Pairing games, Fourteen Out, Pyramid and Chain Crossing keep their
// selection on foundation 1, which Undo and Redo always leave empty. A chain
// of Chain Crossing is selected like the others: kept in a step, it would
// come back as a chain whose cards also lie in the grid again.
bool BlankFirstFoundation(const Session& s) {
  const PlayFamily family = FamilyOf(s.rules);
  return s.rules[rule::PairingSum] != 0 || family == PlayFamily::FourteenOut || family == PlayFamily::Pyramid ||
         family == PlayFamily::ChainCrossing;
}

}  // namespace

void AppendStep(const Session& session, StepStacks& stacks) {
  const bool blank = BlankFirstFoundation(session);
  for (int g = 0; g < 4; ++g) {
    const TextList& piles = session.piles.Items(kGroups[g]);
    for (int i = 0; i < kGroupSizes[g]; ++i) {
      const bool skip = blank && kGroups[g] == PileGroup::Foundation && i == 0;
      stacks.lists[static_cast<std::size_t>(g)].push_back(
          skip ? std::string() : SnapshotLine(session.cards, piles[static_cast<std::size_t>(i)]));
    }
  }
}

void RestorePile(Session& session, std::string& pile, const std::string& line) {
  pile.clear();
  for (std::size_t at = 0; at + 4 <= line.size(); at += 4) {
    const int card = TextToInt(std::string_view(line).substr(at, 3));
    pile += CardCode(card < 0 ? 0 : card);
    if (card > 0) session.cards.SetCardFace(card, line[at + 3]);
  }
}

void PopStep(Session& session, StepStacks& stacks) {
  for (int g = 0; g < 4; ++g) {
    TextList& list = stacks.lists[static_cast<std::size_t>(g)];
    TextList& piles = session.piles.Items(kGroups[g]);
    for (int i = kGroupSizes[g] - 1; i >= 0; --i) {
      if (list.empty()) {
        piles[static_cast<std::size_t>(i)].clear();
        continue;
      }
      RestorePile(session, piles[static_cast<std::size_t>(i)], list.back());
      list.pop_back();
    }
  }
}

void PushStep(Session& session, Direction direction) {
  session.store.Set(UsedFlagOf(direction), 1, "0");
  AppendStep(session, StacksOf(session, direction));
  session.logs.Append(LogOf(direction), "");
}

void DiscardRedo(Session& session) {
  session.store.Set(pos::kRedoUsedFlag, 1, "0");
  session.history.redo.Clear();
  session.logs.Clear(kRedoLog);
}

void TagStep(Session& session, int tag) { session.logs.TagLast(tag); }

void FoldSteps(Session& session, int n) {
  for (int k = 0; k < n; ++k) {
    for (int g = 0; g < 4; ++g) {
      TextList& list = session.history.undo.lists[static_cast<std::size_t>(g)];
      const std::size_t drop = std::min<std::size_t>(list.size(), static_cast<std::size_t>(kGroupSizes[g]));
      list.resize(list.size() - drop);
    }
    session.logs.MoveLast(kUndoLog);
  }
}

void ClearHistory(Session& session) {
  session.history.undo.Clear();
  session.history.redo.Clear();
  session.logs.Clear(kUndoLog);
  session.logs.Clear(kRedoLog);
  session.store.Set(pos::kUndoUsedFlag, 1, "0");
  session.store.Set(pos::kRedoUsedFlag, 1, "0");
}

bool UndoRedo(Session& session, Direction direction, bool quiet, UndoView* view) {
  StepStacks& from = StacksOf(session, direction);
  const bool undo = direction == Direction::Undo;
  if (!quiet) {
    const std::string level = session.store.Get(pos::kUndoEnabled, 1);
    if (!session.values.Flag(kGameInProgress) || from.lists[0].empty() || level == "2" ||
        (level == "1" && session.store.Get(UsedFlagOf(direction), 1) == "1")) {
      if (view) view->Beep();
      return false;
    }
    if (view) view->ShowWaitCursor();
    session.store.Set(UsedFlagOf(direction), 1, "1");
    const int soundSwitch = undo ? 151 : 146;
    if (view && session.store.Get(soundSwitch, 1) == "Y") view->PlaySound(undo ? "Undo" : "Redo");
  }
  if (from.lists[0].empty()) return false;  // a quiet call past the end changes nothing
  PushStep(session, Opposite(direction));
  const bool stockWasEmpty = session.piles.Pile(PileGroup::Stock, kStockItem).empty();
  PopStep(session, from);
  const bool stockIsEmpty = session.piles.Pile(PileGroup::Stock, kStockItem).empty();

  const int thisLog = LogOf(direction), otherLog = LogOf(Opposite(direction));
  const bool gathering = session.logs.LastHas(thisLog, kTagGatheringRedeal);
  // A gathering redeal empties the tableau into the stock; its tag already
  // counts the pass, so the stock rule must not count it a second time.
  int passCounter = session.positions[PositionTable::kPassCounter];
  if (!gathering) {
    if (undo && !stockWasEmpty && stockIsEmpty) --passCounter;
    if (!undo && stockWasEmpty && !stockIsEmpty) ++passCounter;
  }
  if (!session.logs.Text(kRedoLog).empty() && !session.logs.Text(kUndoLog).empty()) {
    if (session.logs.LastHas(thisLog, kTagDealCounter))
      session.values.SetCounter(kDealCounter, session.values.Counter(kDealCounter) + (undo ? -1 : 1));
    if (gathering) passCounter += undo ? -1 : 1;
    const std::string entry = session.logs.Last(thisLog);
    session.logs.DropLast(otherLog);
    session.logs.Append(otherLog, entry);
    session.logs.DropLast(thisLog);
  }
  session.positions.Set(PositionTable::kPassCounter, passCounter);
  if (!quiet && view) {
    view->TableRestored();
    view->RestoreCursor();
  }
  if (session.history.undo.lists[0].empty()) session.positions.Set(PositionTable::kMovesMade, 0);
  return true;
}

}  // namespace cardoria
