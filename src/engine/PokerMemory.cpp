// Poker squares and the memory games: the grid's hands and their panel,
// turning cards over in search of pairs or runs, the misses, the timed
// hiding of the remembered cards and the memory games' end screen.

#include <algorithm>
#include <array>

#include "core/Cards.h"
#include "core/DealChoices.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "engine/Legality.h"
#include "persist/UndoLog.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

constexpr int kPenaltyCount = 95;
constexpr int kPanelLeft = 75, kPanelTop = 76, kPanelWidth = 77, kPanelDocumentTop = 88;
constexpr int kTwinPlaces = 10;

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }
int FirstCard(const std::string& pile) { return pile.empty() ? 0 : CardAt(pile, 0); }
bool IsRealCard(int card) { return card >= 1 && card <= 104; }

// The same card of the second deck.
int TwinOf(int card) { return card + 52; }

struct Hand {
  std::string name;
  int points = 0;
  std::array<int, 5> piles{};  // 0-based tableau piles
};

// Each face-up card of the tableau, holes left out, pile by pile and from
// the bottom of each pile.
std::vector<int> FaceUpTableauCards(const Session& s) {
  std::vector<int> cards;
  for (int t = 0; t < Tableaus(s); ++t) {
    const std::string& pile = Tableau(s, t);
    for (int k = 0; k < PileCardCount(pile); ++k) {
      const int card = CardAt(pile, k);
      if (card > 0 && !s.cards.IsFaceDown(card)) cards.push_back(card);
    }
  }
  return cards;
}

// The run of the Ace-to-King game: the cards from the bottom while each is
// one rank above the one before; a lone card counts only when it is an Ace.
int RunLength(const std::string& run) {
  const int count = PileCardCount(run);
  if (count == 1) return CardRank(CardAt(run, 0)) == 1 ? 1 : 0;
  int rising = 0;
  for (int k = 1; k < count && CardRank(CardAt(run, k)) == CardRank(CardAt(run, k - 1)) + 1; ++k) ++rising;
  return rising >= 1 ? rising + 1 : 0;
}

}  // namespace

void RestorePenaltyCount(Session& s) {
  const PlayFamily family = FamilyOf(s.rules);
  const int score = s.store.GetInt(pos::kScore, 6);
  const int pairs = PileCardCount(s.piles.Pile(PileGroup::Stock, kSecondWasteItem)) / 2;
  int misses = 0;
  switch (family) {
    case PlayFamily::AceToKing: misses = 15 * RunLength(s.piles.Pile(PileGroup::Reserve, 0)) - 52 - score; break;
    case PlayFamily::Pairs: misses = (-52 + 10 * pairs - score) / 2; break;
    case PlayFamily::Concentration: misses = -52 + 7 * pairs - score; break;
    default: return;
  }
  s.positions.Set(kPenaltyCount, std::max(misses, 0));
}

PokerHand EvaluateHand(const std::array<int, 5>& cards) {
  std::array<int, 5> ranks{};
  for (std::size_t i = 0; i < 5; ++i) ranks[i] = CardRank(cards[i]);
  std::sort(ranks.begin(), ranks.end());
  auto are = [&](std::array<int, 5> wanted) { return ranks == wanted; };
  bool consecutive = true;
  for (std::size_t i = 1; i < 5; ++i) consecutive = consecutive && ranks[i] == ranks[i - 1] + 1;
  bool oneSuit = true;
  for (std::size_t i = 1; i < 5; ++i) oneSuit = oneSuit && CardSuit(cards[i]) == CardSuit(cards[0]);
  const bool broadway = are({1, 10, 11, 12, 13});
  if (oneSuit) {
    if (broadway) return {100, "Royal Flush"};
    // Only a flush may run through the turn from King to Ace.
    if (consecutive || are({1, 2, 11, 12, 13}) || are({1, 2, 3, 12, 13}) || are({1, 2, 3, 4, 13}))
      return {75, "Straight Flush"};
    return {20, "Flush"};
  }
  if (broadway || consecutive) return {15, "Straight"};
  std::array<int, 14> count{};
  for (int r : ranks)
    if (r >= 1 && r <= 13) ++count[static_cast<std::size_t>(r)];
  int pairs = 0, threes = 0, fours = 0;
  for (int c : count) {
    pairs += c == 2;
    threes += c == 3;
    fours += c == 4;
  }
  if (fours) return {50, "Four of a Kind"};
  if (threes && pairs) return {25, "Full House"};
  if (threes) return {10, "Three of a Kind"};
  if (pairs == 2) return {5, "Two Pair"};
  if (pairs == 1) return {2, "One Pair"};
  return {0, ""};
}

void Engine::DrawPokerPanel() {
  const Rect panel = PokerPanelRect(s_);
  s_.positions.Set(kPanelLeft, panel.left);
  s_.positions.Set(kPanelTop, panel.top);
  s_.positions.Set(kPanelWidth, panel.Width());
  s_.positions.Set(kPanelDocumentTop, panel.top + ScrollOffset(s_));
  p_.view.DrawPokerPanel();
}

void Engine::ScorePokerGrid(int moved) {
  int total = 0;
  std::vector<Hand> remembered;
  auto score = [&](std::array<int, 5> piles) {
    std::array<int, 5> cards{};
    for (std::size_t k = 0; k < 5; ++k) {
      const std::string& pile = Tableau(s_, piles[k]);
      if (pile.empty()) return;
      cards[k] = CardAt(pile, 0);
    }
    const PokerHand hand = EvaluateHand(cards);
    if (hand.points == 0) return;
    total += hand.points;
    if (moved > 0 && std::find(cards.begin(), cards.end(), moved) != cards.end())
      remembered.push_back({hand.name, hand.points, piles});
  };
  if (Tableaus(s_) >= 25) {
    for (int r = 0; r < 5; ++r) score({5 * r, 5 * r + 1, 5 * r + 2, 5 * r + 3, 5 * r + 4});
    for (int k = 0; k < 5; ++k) score({k, k + 5, k + 10, k + 15, k + 20});
  }
  int announced = 0;
  for (const Hand& hand : remembered) announced += hand.points;
  int running = total - announced;
  for (const Hand& hand : remembered) {
    running += hand.points;
    s_.pokerPanel = {hand.name, std::to_string(hand.points) + " points",
                     "Total: " + std::to_string(running) + " points"};
    DrawPokerPanel();
    p_.view.ShowScore(std::to_string(running));
    std::array<Rect, 5> rects{};
    for (std::size_t k = 0; k < 5; ++k) rects[k] = TopCardRect(s_, {PileGroup::Tableau, hand.piles[k]});
    for (const Rect& r : rects) p_.view.InvertCard(r);
    Sound("Pairing", 175);
    p_.view.Pause(500);
    for (const Rect& r : rects) p_.view.InvertCard(r);
  }
  // An empty grid is a new game: the hands of the last one are not shown.
  bool empty = true;
  for (int t = 0; t < Tableaus(s_); ++t) empty = empty && Tableau(s_, t).empty();
  if (empty) s_.pokerPanel[0] = s_.pokerPanel[1] = "";
  s_.pokerPanel[2] = "Total: " + std::to_string(total) + " points";
  DrawPokerPanel();
  s_.store.Set(pos::kScore, 6, std::to_string(total));
  p_.view.ShowScore(s_.store.Get(pos::kScore, 6));
  s_.values.SetFlag(kGameWon, CheckWin());
}

int Engine::PenaltyCount() const { return s_.positions[kPenaltyCount]; }

bool Engine::AllTurned() const {
  for (int t = 0; t < Tableaus(s_); ++t) {
    const std::string& pile = Tableau(s_, t);
    for (int k = 0; k < PileCardCount(pile); ++k) {
      const int card = CardAt(pile, k);
      if (card > 0 && s_.cards.IsFaceDown(card)) return false;
    }
  }
  return true;
}

void Engine::TurnBackFaceUp() {
  s_.positions.Set(kPenaltyCount, PenaltyCount() + 1);
  for (int t = 0; t < Tableaus(s_); ++t) {
    const std::string& pile = Tableau(s_, t);
    for (int k = 0; k < PileCardCount(pile); ++k) {
      const int card = CardAt(pile, k);
      if (card <= 0 || s_.cards.IsFaceDown(card)) continue;
      p_.view.Pause(200);
      s_.cards.SetCardFace(card, '0');
      p_.view.RedrawPile({PileGroup::Tableau, t});
    }
  }
}

int Engine::ExtendRun(int code) {
  std::string& run = s_.piles.Pile(PileGroup::Reserve, 0);
  if (code > 0) run += CardCode(code);
  const int count = PileCardCount(run);
  const int length = RunLength(run);
  if (code > 0 && length != count) {
    run.clear();
    TurnBackFaceUp();
  }
  return length;
}

void Engine::FlipMemoryCard(int card) {
  std::vector<int> up = FaceUpTableauCards(s_);
  if (up.size() >= 2) return;
  const int before = s_.history.undo.Steps();
  FaceUpMove(card);
  up.push_back(card);
  if (up.size() < 2) return;
  const PlayFamily family = FamilyOf(s_.rules);
  const bool match = family == PlayFamily::Pairs ? std::abs(up[0] - up[1]) == 52 : CardRank(up[0]) == CardRank(up[1]);
  if (!match) return TurnBackFaceUp();
  const int savedHeight = s_.drag.dragHeight;
  s_.drag.dragHeight = s_.layout.cardHeight;
  for (int t = 0; t < Tableaus(s_); ++t) {
    for (int k = 0; k < PileCardCount(Tableau(s_, t)); ++k) {
      const int c = CardAt(Tableau(s_, t), k);
      if (c <= 0 || s_.cards.IsFaceDown(c)) continue;
      p_.view.LiftCards(c, CardInPileRect(s_, {PileGroup::Tableau, t}, k));
      p_.view.FlyCard(c, CardInPileRect(s_, {PileGroup::Tableau, t}, k),
                      NextCardRect(s_, {PileGroup::Stock, kSecondWasteItem}));
      if (!ExecuteMove(c, "Waste")) continue;
      // The hole keeps the grid's shape.
      s_.piles.Pile(PileGroup::Tableau, t).insert(static_cast<std::size_t>(k) * 3, "000");
      p_.view.RedrawPile({PileGroup::Tableau, t});
    }
  }
  s_.drag.dragHeight = savedHeight;
  // The removal and the turn that found the pair are one step.
  FoldSince(before, false);
}

bool Engine::MemoryPress(int button, const HitResult& hit) {
  const PlayFamily family = FamilyOf(s_.rules);
  if (family != PlayFamily::AceToKing && family != PlayFamily::Pairs && family != PlayFamily::Concentration)
    return false;
  const auto ref = ParsePileName(hit.pile);
  if (!ref || ref->group != PileGroup::Tableau) return false;
  if (button != kLeftButton || hit.card <= 0 || !s_.cards.IsFaceDown(hit.card)) return true;
  if (family == PlayFamily::AceToKing) {
    FaceUpMove(hit.card);
    ExtendRun(hit.card);
  } else {
    FlipMemoryCard(hit.card);
  }
  UpdateScore();
  s_.values.SetFlag(kGameWon, CheckWin());
  if (AllTurned() && !EndGame()) p_.view.RedrawTable();
  return true;
}

void Engine::SetFoundationFaces(bool down) {
  for (int f = 0; f < Foundations(s_); ++f) {
    const std::string& pile = s_.piles.Pile(PileGroup::Foundation, f);
    for (int k = 0; k < PileCardCount(pile); ++k) {
      const int card = CardAt(pile, k);
      if (card <= 0 || s_.cards.IsFaceDown(card) != !down) continue;
      if (down) p_.view.Pause(200);
      s_.cards.SetCardFace(card, down ? '0' : '1');
      p_.view.RedrawPile({PileGroup::Foundation, f});
    }
  }
}

void Engine::ShowTwins() {
  PushStep(s_, Direction::Undo);
  const int n = Tableaus(s_);
  if (n <= kTwinPlaces) return;
  // The deal number orders the twins: the same deal shows them the same way.
  const std::vector<int> order = DealOrder(s_.store.Get(pos::kDealNumber, 15), n - kTwinPlaces, DealChoice::TwinPlaces);
  for (int f = 0; f < Foundations(s_); ++f) {
    const int card = FirstCard(s_.piles.Pile(PileGroup::Foundation, f));
    if (!IsRealCard(card) || !IsRealCard(TwinOf(card))) continue;
    int pile = kTwinPlaces + order[static_cast<std::size_t>(f) % order.size()];
    // One round of the piles at most: a full table takes no twin.
    bool found = false;
    for (int tries = 0; tries < n - kTwinPlaces && !found; ++tries) {
      found = Tableau(s_, pile).empty();
      if (!found) pile = pile + 1 >= n ? kTwinPlaces : pile + 1;
    }
    if (!found) break;
    // A twin that is part of the pack leaves its place; otherwise it joins.
    FindCardKind(s_.piles, s_.rules, TwinOf(card), kTakeRemove);
    AppendCard(s_.piles, s_.cards, PileGroup::Tableau, pile, TwinOf(card), '1');
  }
  for (int i = 0; i < Foundations(s_) && kTwinPlaces + i < n; ++i) {
    p_.view.Pause(200);
    p_.view.RedrawPile({PileGroup::Tableau, kTwinPlaces + i});
  }
}

int Engine::CountTwinMatches(bool highlight) {
  if (Tableaus(s_) < kTwinPlaces) return 0;
  for (int j = 0; j < kTwinPlaces; ++j)
    if (Tableau(s_, j).empty()) return 0;
  int matches = 0;
  for (int j = 0; j < kTwinPlaces; ++j) {
    const int remembered = FirstCard(s_.piles.Pile(PileGroup::Foundation, j));
    const int placed = FirstCard(Tableau(s_, j));
    if (!IsRealCard(remembered) || !IsRealCard(placed) || placed != TwinOf(remembered)) continue;
    ++matches;
    if (highlight) p_.view.InvertCard(CardInPileRect(s_, {PileGroup::Tableau, j}, 0));
  }
  return matches;
}

void Engine::CheckTwinsPlaced() {
  if (Tableaus(s_) < kTwinPlaces) return;
  for (int j = 0; j < kTwinPlaces; ++j)
    if (Tableau(s_, j).empty()) return;
  SetFoundationFaces(false);
  CountTwinMatches(true);
  UpdateScore();
  // The game is over: whoever made the move ends it, once.
  s_.values.SetFlag(kGameWon, true);
}

void Engine::MemoryTimedAction() {
  if (!IsFamily(s_.rules, PlayFamily::ForgetMeNot) || !s_.values.Flag(kGameInProgress) || ElapsedSeconds() <= 10)
    return;
  const std::string& first = s_.piles.Pile(PileGroup::Foundation, 0);
  if (first.empty() || s_.cards.IsFaceDown(TopCard(first)) || !Tableau(s_, 0).empty()) return;
  PushStep(s_, Direction::Undo);
  SetFoundationFaces(true);
  ShowTwins();
  DiscardRedo(s_);
}

int Engine::MemoryScore(PlayFamily family) {
  const int penalty = PenaltyCount();
  const int pairs = PileCardCount(s_.piles.Pile(PileGroup::Stock, kSecondWasteItem)) / 2;
  switch (family) {
    case PlayFamily::AceToKing: return 15 * ExtendRun(0) - 52 - penalty;
    case PlayFamily::Pairs: return -2 * penalty - 52 + 10 * pairs;
    case PlayFamily::Concentration: return -penalty - 52 + 7 * pairs;
    default: return -s_.rules[rule::CardCount] + 10 * CountTwinMatches(false);
  }
}

void Engine::ShowMemoryEnd(bool won) {
  const PlayFamily family = FamilyOf(s_.rules);
  MemoryEnd end;
  end.won = won;
  end.score = s_.store.Get(pos::kScore, 6);
  end.winScore = s_.rules[rule::WinScore];
  const int pairs = PileCardCount(s_.piles.Pile(PileGroup::Stock, kSecondWasteItem)) / 2;
  switch (family) {
    case PlayFamily::Pairs: {
      end.page = 0;
      end.matches = pairs;
      end.misses = PenaltyCount();
      end.perMatch = 10;
      end.perMiss = "-2";
      end.missesTotal = -2 * end.misses;
      const int grid = s_.rules[rule::TableauCount];
      end.gridCaption = grid == 3 ? "Grid: 4 x 3" : grid == 4 ? "Grid: 6 x 4" : grid == 5 ? "Grid: 8 x 5" : "";
      break;
    }
    case PlayFamily::AceToKing:
      end.page = 1;
      end.matches = ExtendRun(0);
      end.misses = PenaltyCount();
      end.perMatch = 15;
      end.perMiss = "-1";
      end.missesTotal = -end.misses;
      break;
    case PlayFamily::ForgetMeNot:
      end.page = 2;
      end.matches = CountTwinMatches(false);
      end.misses = kTwinPlaces - end.matches;
      end.perMatch = 10;
      end.perMiss = "0";
      end.missesTotal = 0;
      break;
    default:
      end.page = 3;
      end.matches = pairs;
      end.misses = PenaltyCount();
      end.perMatch = 7;
      end.perMiss = "-1";
      end.missesTotal = -end.misses;
      break;
  }
  end.matchesTotal = end.matches * end.perMatch;
  p_.end.ShowMemoryEnd(end);
}

}  // namespace cardoria
