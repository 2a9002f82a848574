// Games of the families with rules of their own, dealt and won through the
// mouse handlers alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "engine/Legality.h"
#include "persist/UndoLog.h"
#include "support/PlayFixture.h"
#include "support/Solver.h"

namespace cardoria {
namespace {

constexpr int kAcesUp = 85, kHitOrMiss = 86, kEightPuzzle = 87, kSalicLaw = 88, kPegSolitaire = 89;
constexpr int kFrog = 90, kAccordion = 91;
const PileRef kStock{PileGroup::Stock, kStockItem};
const PileRef kDiscards{PileGroup::Foundation, 0};

class FamilyGamesTest : public ::testing::Test {
 protected:
  void SetUp() override { play.clock.step = 1000; }
  Session& s() { return play.session; }
  std::string& Pile(PileGroup group, int index) { return s().piles.Pile(group, index); }
  bool InProgress() { return s().values.Flag(kGameInProgress); }
  void ExpectWon() {
    EXPECT_FALSE(InProgress());
    ASSERT_EQ(play.table.gamesEnded, 1);
    EXPECT_TRUE(play.table.lastResult.won);
  }
  void Replay(const std::vector<test::SolverMove>& moves) {
    for (const test::SolverMove& move : moves) {
      ASSERT_TRUE(InProgress());
      const std::string before = play.TableText();
      if (move.card == 0) {
        play.Click(move.target);
      } else {
        play.Drag(move.card, move.target);
      }
      ASSERT_NE(play.TableText(), before) << "refused: card " << move.card;
    }
  }
  test::PlayFixture play;
};

// Clicks the stock and discards every hit, as long as the game goes on.
void PlayHitOrMiss(test::PlayFixture& play, int actions) {
  Session& s = play.session;
  for (int a = 0; a < actions && s.values.Flag(kGameInProgress); ++a) {
    const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
    if (!waste.empty() && CanDropOnPile(s, TopCard(waste), "Dest1")) {
      play.Drag(TopCard(waste), kDiscards);
    } else {
      play.Click(kStock);
    }
  }
}

TEST_F(FamilyGamesTest, AcesUpIsWonWithTheFourAcesAlone) {
  ASSERT_TRUE(play.Start(kAcesUp, "4831926947975"));
  test::Solver solver(20000);
  const auto moves = solver.Solve(s());
  ASSERT_TRUE(moves.has_value()) << "no win found in " << solver.Nodes() << " positions";
  Replay(*moves);
  ExpectWon();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(CardRank(TopCard(Pile(PileGroup::Tableau, t))), 1) << t;
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Foundation, 0)), 48);
  EXPECT_TRUE(play.PackIntact());
}

// The last Ace moved into an empty column wins at once: no discard follows
// to run the check.
TEST_F(FamilyGamesTest, AcesUpIsWonByAMoveIntoAnEmptyColumn) {
  ASSERT_TRUE(play.Start(kAcesUp, "4831926947975"));
  std::string rest;
  for (int card = 2; card <= 52; ++card)
    if (CardRank(card) != 1) rest += CardCode(card);
  Pile(PileGroup::Stock, kStockItem).clear();
  Pile(PileGroup::Foundation, 0) = rest;
  Pile(PileGroup::Tableau, 0) = "001";
  Pile(PileGroup::Tableau, 1) = "014";
  Pile(PileGroup::Tableau, 2) = "027040";
  Pile(PileGroup::Tableau, 3).clear();
  for (int card = 1; card <= 52; ++card) s().cards.SetCardFace(card, '1');
  play.table.RedrawTable();
  play.Drag(40, {PileGroup::Tableau, 3});
  EXPECT_EQ(Pile(PileGroup::Tableau, 3), "040");
  ExpectWon();
}

TEST_F(FamilyGamesTest, HitOrMissDiscardsTheCardsThatMatchTheirCount) {
  ASSERT_TRUE(play.Start(kHitOrMiss, "4831926750000"));
  PlayHitOrMiss(play, 20000);
  ExpectWon();
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Foundation, 0)), 52);
  EXPECT_TRUE(play.PackIntact());
}

// The count is the number of deals: a miss cannot be discarded, Undo takes a
// deal's count back with it, and a turn-over keeps counting.
TEST_F(FamilyGamesTest, HitOrMissCountsItsDealsThroughUndoAndTurnOvers) {
  ASSERT_TRUE(play.Start(kHitOrMiss, "4831926750000"));
  s().store.Set(pos::kUndoEnabled, 1, "1");
  auto counter = [&] { return s().values.Counter(kDealCounter); };
  for (int k = 1; k <= 52; ++k) {
    play.Click(kStock);
    ASSERT_EQ(counter(), k);
    const int top = TopCard(Pile(PileGroup::Stock, kWasteItem));
    const int called = k % 13 == 0 ? 13 : k % 13;
    EXPECT_EQ(CanDropOnPile(s(), top, "Dest1"), CardRank(top) == called) << "deal " << k;
  }
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(counter(), 51);
  ASSERT_TRUE(play.engine.Redo());
  EXPECT_EQ(counter(), 52);
  play.Click(kStock);  // turns the waste over and deals again
  EXPECT_EQ(counter(), 53);
  EXPECT_EQ(s().positions[PositionTable::kPassCounter], 2);
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(counter(), 52);
  EXPECT_EQ(s().positions[PositionTable::kPassCounter], 1);
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
}

// A breadth-first search over the places of the puzzle: which card slides
// into the empty place, move by move.
std::vector<test::SolverMove> SolveSlidingPuzzle(const Session& s, int cols) {
  const int n = s.rules[rule::TableauCount];
  std::string start;
  for (int t = 0; t < n; ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    start += static_cast<char>(pile.empty() ? 0 : CardAt(pile, 0));
  }
  std::string goal;
  for (int t = 0; t + 1 < n; ++t) goal += static_cast<char>(t + 1);
  goal += '\0';
  std::map<std::string, std::pair<std::string, int>> from{{start, {"", 0}}};
  std::deque<std::string> queue{start};
  while (!queue.empty() && !from.contains(goal)) {
    const std::string at = queue.front();
    queue.pop_front();
    const int hole = static_cast<int>(at.find('\0'));
    for (int step : {-1, 1, -cols, cols}) {
      const int other = hole + step;
      if (other < 0 || other >= n || ((step == 1 || step == -1) && other / cols != hole / cols)) continue;
      std::string next = at;
      std::swap(next[static_cast<std::size_t>(hole)], next[static_cast<std::size_t>(other)]);
      if (from.emplace(next, std::make_pair(at, static_cast<int>(at[static_cast<std::size_t>(other)]))).second)
        queue.push_back(next);
    }
  }
  std::vector<test::SolverMove> moves;
  if (!from.contains(goal)) return moves;
  for (std::string at = goal; at != start; at = from[at].first) {
    const int hole = static_cast<int>(from[at].first.find('\0'));
    moves.insert(moves.begin(), {from[at].second, {PileGroup::Tableau, hole}});
  }
  return moves;
}

TEST_F(FamilyGamesTest, EightPuzzleIsWonWithTheCardsInOrder) {
  ASSERT_TRUE(play.Start(kEightPuzzle, "4831926750044"));
  int cards = 0;
  for (int t = 0; t < 9; ++t) cards += PileCardCount(Pile(PileGroup::Tableau, t));
  ASSERT_EQ(cards, 8);
  const auto moves = SolveSlidingPuzzle(s(), 3);
  ASSERT_FALSE(moves.empty()) << "this deal can not be solved";
  // A card that is not next to the empty place stays where it is.
  const std::string dealt = play.TableText();
  const int hole = static_cast<int>(moves.front().target.index);
  for (int t = 0; t < 9; ++t) {
    const bool next = t == hole - 3 || t == hole + 3 || (t / 3 == hole / 3 && (t == hole - 1 || t == hole + 1));
    if (t == hole || next) continue;
    play.Drag(CardAt(Pile(PileGroup::Tableau, t), 0), moves.front().target);
    EXPECT_EQ(play.TableText(), dealt) << "pile " << t + 1;
  }
  Replay(moves);
  ExpectWon();
  EXPECT_EQ(play.table.lastResult.score, "28");
  for (int t = 0; t < 8; ++t) EXPECT_EQ(Pile(PileGroup::Tableau, t), CardCode(t + 1));
}

// Plays Salic Law the plain way: every card that can go to a foundation goes,
// any other turned card goes where it must, and the stock is turned when
// nothing else is left.
void PlaySalicLaw(test::PlayFixture& play) {
  Session& s = play.session;
  auto first = [&](int card, PileGroup group, const char* prefix, int count) {
    for (int i = 0; i < count; ++i)
      if (CanDropOnPile(s, card, prefix + std::to_string(i + 1))) {
        play.Drag(card, {group, i});
        return true;
      }
    return false;
  };
  for (int guard = 0; guard < 2000 && s.values.Flag(kGameInProgress); ++guard) {
    bool moved = false;
    for (auto group : {PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : s.piles.Items(group))
        if (!moved && !pile.empty() && CardRank(TopCard(pile)) != 13)
          moved = first(TopCard(pile), PileGroup::Foundation, "Dest", 8);
    if (moved) continue;
    const std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
    if (!waste.empty()) {
      const int card = TopCard(waste);
      if (first(card, PileGroup::Foundation, "Dest", 8)) continue;
      if (first(card, PileGroup::Tableau, "Fila", 8)) continue;
      return;
    }
    if (s.piles.Pile(PileGroup::Stock, kStockItem).empty()) return;
    play.Click(kStock);
  }
}

// A Queen turned up by the stock goes on to its row in the same step, and
// the row takes nothing else and gives nothing back.
TEST_F(FamilyGamesTest, SalicLawQueensGoToTheirRowAndStayThere) {
  ASSERT_TRUE(play.Start(kSalicLaw, "4831926971732"));
  s().store.Set(pos::kUndoEnabled, 1, "1");
  const std::string& waste = Pile(PileGroup::Stock, kWasteItem);
  // Turn the stock, putting each other card on the last column, until a Queen comes.
  int queen = 0;
  for (int guard = 0; guard < 104 && queen == 0; ++guard) {
    if (!waste.empty()) {
      const int card = TopCard(waste);
      ASSERT_NE(CardRank(card), 12);
      for (int t = 0; t < 8 && !waste.empty(); ++t) play.Drag(card, {PileGroup::Tableau, t});
      ASSERT_TRUE(waste.empty()) << "card " << card;
    }
    const std::string before = play.TableText();
    play.Click(kStock);
    ASSERT_NE(play.TableText(), before);
    queen = TopCard(Pile(PileGroup::Reserve, 0));
  }
  ASSERT_EQ(CardRank(queen), 12);
  EXPECT_TRUE(waste.empty());
  for (int r = 1; r < 8; ++r) EXPECT_TRUE(Pile(PileGroup::Reserve, r).empty());
  // One Undo puts her back into the stock with the click that turned her.
  const std::string stock = Pile(PileGroup::Stock, kStockItem);
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(TopCard(Pile(PileGroup::Stock, kStockItem)), queen);
  EXPECT_TRUE(Pile(PileGroup::Reserve, 0).empty());
  play.Click(kStock);
  ASSERT_EQ(Pile(PileGroup::Stock, kStockItem), stock);
  ASSERT_EQ(TopCard(Pile(PileGroup::Reserve, 0)), queen);

  // The Queen stays where she is, even where her rank could go while the waste is busy.
  const std::string withQueen = play.TableText();
  for (int t = 0; t < 8; ++t) play.Drag(queen, {PileGroup::Tableau, t});
  EXPECT_EQ(play.TableText(), withQueen);

  // Jacks and Kings turned later may not wait in the row.
  for (int guard = 0; guard < 104; ++guard) {
    if (waste.empty()) play.Click(kStock);
    ASSERT_FALSE(waste.empty());
    const int card = TopCard(waste);
    if (CardRank(card) == 11 || CardRank(card) == 13) {
      const std::string before = play.TableText();
      for (int r = 0; r < 8; ++r) {
        EXPECT_FALSE(CanDropOnPile(s(), card, "Appogg" + std::to_string(r + 1)));
        play.Drag(card, {PileGroup::Reserve, r});
      }
      EXPECT_EQ(play.TableText(), before);
      break;
    }
    for (int t = 0; t < 8 && !waste.empty(); ++t) play.Drag(card, {PileGroup::Tableau, t});
    ASSERT_TRUE(waste.empty()) << "card " << card;
  }
}

// The deal is played plainly to its end; what is left in the columns is then
// searched, and the game ends with the eight Kings alone.
TEST_F(FamilyGamesTest, SalicLawIsWonWithEveryKingAlone) {
  ASSERT_TRUE(play.Start(kSalicLaw, "4831926971732"));
  ASSERT_EQ(Pile(PileGroup::Tableau, 0).size(), 3u);
  EXPECT_EQ(CardRank(TopCard(Pile(PileGroup::Tableau, 0))), 13);
  PlaySalicLaw(play);
  EXPECT_TRUE(Pile(PileGroup::Stock, kStockItem).empty());
  test::Solver solver(20000);
  const auto moves = solver.Solve(s());
  ASSERT_TRUE(moves.has_value()) << "no win found in " << solver.Nodes() << " positions";
  Replay(*moves);
  ExpectWon();
  for (int t = 0; t < 8; ++t) {
    ASSERT_EQ(PileCardCount(Pile(PileGroup::Tableau, t)), 1) << t;
    EXPECT_EQ(CardRank(TopCard(Pile(PileGroup::Tableau, t))), 13);
  }
  EXPECT_TRUE(play.PackIntact());
}

// Jumps on a grid of places until one card is left: a depth-first search
// over which places hold cards.
std::vector<test::SolverMove> SolvePegs(const Session& s, int cols) {
  const int n = s.rules[rule::TableauCount];
  std::vector<int> cards(static_cast<std::size_t>(n), 0);
  unsigned full = 0;
  for (int t = 0; t < n; ++t) {
    const std::string& pile = s.piles.Pile(PileGroup::Tableau, t);
    if (!pile.empty()) {
      full |= 1u << t;
      cards[static_cast<std::size_t>(t)] = CardAt(pile, 0);
    }
  }
  std::vector<test::SolverMove> moves;
  std::set<unsigned> dead;
  // The cards travel with the search: a place emptied and filled again
  // holds another card.
  std::function<bool(unsigned, std::vector<int>)> search = [&](unsigned pegs, std::vector<int> at) {
    if (__builtin_popcount(pegs) == 1) return true;
    if (dead.contains(pegs)) return false;
    for (int from = 0; from < n; ++from) {
      if (!(pegs >> from & 1u)) continue;
      for (int step : {-1, 1, -cols, cols}) {
        const int over = from + step, to = from + 2 * step;
        if (to < 0 || to >= n) continue;
        if ((step == 1 || step == -1) && to / cols != from / cols) continue;
        if (!(pegs >> over & 1u) || (pegs >> to & 1u)) continue;
        std::vector<int> next = at;
        next[static_cast<std::size_t>(to)] = at[static_cast<std::size_t>(from)];
        moves.push_back({at[static_cast<std::size_t>(from)], {PileGroup::Tableau, to}});
        if (search((pegs & ~(1u << from) & ~(1u << over)) | 1u << to, next)) return true;
        moves.pop_back();
      }
    }
    dead.insert(pegs);
    return false;
  };
  if (!search(full, cards)) moves.clear();
  return moves;
}

TEST_F(FamilyGamesTest, PegSolitaireIsWonWithOneCardLeft) {
  ASSERT_TRUE(play.Start(kPegSolitaire, "4831926750045"));
  const auto moves = SolvePegs(s(), 4);
  ASSERT_EQ(moves.size(), 14u) << "no single card can be left from this deal";
  Replay(moves);
  ExpectWon();
  EXPECT_EQ(play.table.lastResult.score, "88");
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kSecondWasteItem)), 14);
}

// The card jumped over leaves with the jump: one Undo brings both back.
TEST_F(FamilyGamesTest, AJumpAndTheCardItTakesAreOneStep) {
  ASSERT_TRUE(play.Start(kPegSolitaire, "4831926750045"));
  s().store.Set(pos::kUndoEnabled, 1, "1");
  const auto moves = SolvePegs(s(), 4);
  ASSERT_FALSE(moves.empty());
  const std::string dealt = play.TableText();
  const std::string score = s().store.Get(pos::kScore, 6);
  play.Drag(moves[0].card, moves[0].target);
  EXPECT_EQ(Pile(PileGroup::Tableau, moves[0].target.index), CardCode(moves[0].card));
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kSecondWasteItem)), 1);
  EXPECT_EQ(TextToInt(s().store.Get(pos::kScore, 6)), TextToInt(score) + 10);
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(play.TableText(), dealt);
  EXPECT_FALSE(play.engine.Undo());
}

// The row of stacks takes no card from another pile; the other piles take
// cards as their rules say.
TEST_F(FamilyGamesTest, TheMatchingFamilyRefusesDropsOntoItsFirstPile) {
  ASSERT_TRUE(play.Start(kAcesUp, "4831926947975"));
  Pile(PileGroup::Tableau, 0).clear();
  Pile(PileGroup::Tableau, 3).clear();
  play.table.RedrawTable();
  const int card = TopCard(Pile(PileGroup::Tableau, 1));
  for (int family : {19, 31}) {
    s().rules.Set(rule::GameFamily, family);
    const std::string before = play.TableText();
    play.Drag(card, {PileGroup::Tableau, 0});
    EXPECT_EQ(play.TableText() == before, family == 19) << family;
  }
  s().rules.Set(rule::GameFamily, 19);
  play.Drag(TopCard(Pile(PileGroup::Tableau, 2)), {PileGroup::Tableau, 3});
  EXPECT_EQ(PileCardCount(Pile(PileGroup::Tableau, 3)), 1);
}

// The stack tops of the row, left to right.
std::vector<int> RowTops(const Session& s) {
  std::vector<int> tops;
  const std::string& row = s.piles.Pile(PileGroup::Tableau, 0);
  for (int i = 0; i < PileCardCount(row); ++i)
    if (!s.cards.IsFaceDown(CardAt(row, i))) tops.push_back(CardAt(row, i));
  return tops;
}

// A stack goes one or three places left onto a top of its suit or rank;
// two places, to the right or onto a stranger stays where it is.
TEST_F(FamilyGamesTest, AccordionMovesAStackOneOrThreePlacesLeftOntoAMatch) {
  // A of spades, 5 of diamonds, 5 of clubs, 5, 7 and 3 of spades.
  const std::vector<int> row = {40, 18, 31, 44, 46, 42};
  struct Case {
    int card, onto;
    bool moves;
  };
  const Case cases[] = {
      {31, 18, true},   // one left, same rank
      {44, 40, true},   // three left, same suit
      {46, 44, true},   // one left, same suit
      {44, 18, false},  // two left, same rank
      {42, 44, false},  // two left, same suit
      {46, 18, false},  // three left, no match
      {44, 46, false},  // to the right
      {42, 40, false},  // five left
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(play.Start(kAccordion, "4711000000815"));
    std::string& pile = Pile(PileGroup::Tableau, 0);
    pile.clear();
    for (int card : row) AppendCard(s().piles, s().cards, PileGroup::Tableau, 0, card, '1');
    play.table.RedrawTable();
    const std::string before = play.TableText();
    play.DragOnto(c.card, c.onto);
    EXPECT_EQ(play.TableText() != before, c.moves) << c.card << " onto " << c.onto;
    if (!c.moves) continue;
    std::vector<int> tops;
    for (int card : row)
      if (card != c.card) tops.push_back(card == c.onto ? c.card : card);
    EXPECT_EQ(RowTops(s()), tops);
    EXPECT_TRUE(s().cards.IsFaceDown(c.onto));
  }
}

// The stack carries its covered cards along, the score counts them, and
// Undo brings back the faces of the stack it covered.
TEST_F(FamilyGamesTest, AccordionStackCarriesItsCardsAndUndoRestoresThem) {
  ASSERT_TRUE(play.Start(kAccordion, "4711000000815"));
  std::string& pile = Pile(PileGroup::Tableau, 0);
  pile.clear();
  // A of spades, 9 of diamonds, 2 of clubs, 5 and 7 of spades.
  for (int card : {40, 22, 28, 44, 46}) AppendCard(s().piles, s().cards, PileGroup::Tableau, 0, card, '1');
  play.table.RedrawTable();
  const std::string dealt = play.TableText();
  play.DragOnto(46, 44);
  play.DragOnto(46, 40);
  EXPECT_EQ(pile, CardCode(40) + CardCode(44) + CardCode(46) + CardCode(22) + CardCode(28));
  EXPECT_EQ(RowTops(s()), (std::vector<int>{46, 22, 28}));
  EXPECT_EQ(s().store.GetInt(pos::kScore, 6), -52 + 10);
  ASSERT_TRUE(play.engine.Undo());
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(play.TableText(), dealt);
}

// Depth-first over the stack tops alone: the moves that leave one stack.
bool SolveAccordion(std::vector<int>& tops, std::vector<std::pair<int, int>>& path, std::set<std::vector<int>>& seen,
                    int& budget) {
  if (tops.size() == 1) return true;
  if (--budget < 0 || !seen.insert(tops).second) return false;
  for (std::size_t i = tops.size(); i-- > 1;) {
    for (std::size_t back : {1u, 3u}) {
      if (i < back) continue;
      const int card = tops[i], onto = tops[i - back];
      if (CardSuit(card) != CardSuit(onto) && CardRank(card) != CardRank(onto)) continue;
      std::vector<int> next = tops;
      next[i - back] = card;
      next.erase(next.begin() + static_cast<std::ptrdiff_t>(i));
      path.emplace_back(card, onto);
      if (SolveAccordion(next, path, seen, budget)) return true;
      path.pop_back();
    }
  }
  return false;
}

TEST_F(FamilyGamesTest, AccordionIsWonWithOneStack) {
  ASSERT_TRUE(play.Start(kAccordion, "4711000000815"));
  std::vector<int> tops = RowTops(s());
  ASSERT_EQ(tops.size(), 52u);
  std::vector<std::pair<int, int>> path;
  std::set<std::vector<int>> seen;
  int budget = 200000;
  ASSERT_TRUE(SolveAccordion(tops, path, seen, budget)) << "no win found";
  for (const auto& [card, onto] : path) {
    ASSERT_TRUE(InProgress());
    const std::string before = play.TableText();
    play.DragOnto(card, onto);
    ASSERT_NE(play.TableText(), before) << card << " onto " << onto;
  }
  ExpectWon();
  EXPECT_EQ(RowTops(s()).size(), 1u);
  EXPECT_EQ(s().store.GetInt(pos::kScore, 6), 203);
  EXPECT_TRUE(play.PackIntact());
}

// Every Ace of the reserve starts a foundation and a card of the pack takes
// its place; one Ace of the pack always starts the first. The last deal meets
// a second Ace in the pack before the reserve is whole again: it starts a
// foundation of its own instead of landing on the first Ace.
TEST_F(FamilyGamesTest, FrogStartsAFoundationWithEveryAceItMeets) {
  for (const char* deal : {"4711000000815", "9999999999999", "1488548094445"}) {
    SCOPED_TRACE(deal);
    ASSERT_TRUE(play.Start(kFrog, deal));
    int aces = 0;
    bool gap = false;
    for (int f = 0; f < 8; ++f) {
      const std::string& pile = Pile(PileGroup::Foundation, f);
      if (pile.empty()) {
        gap = true;
        continue;
      }
      EXPECT_FALSE(gap) << "foundation " << f + 1 << " follows an empty one";
      ASSERT_EQ(PileCardCount(pile), 1) << "foundation " << f + 1;
      EXPECT_EQ(CardRank(CardAt(pile, 0)), 1);
      EXPECT_FALSE(s().cards.IsFaceDown(CardAt(pile, 0)));
      ++aces;
    }
    EXPECT_GE(aces, 1);
    const std::string& reserve = Pile(PileGroup::Reserve, 0);
    ASSERT_EQ(PileCardCount(reserve), 13);
    for (int i = 0; i < 13; ++i) {
      EXPECT_NE(CardRank(CardAt(reserve, i)), 1);
      EXPECT_FALSE(s().cards.IsFaceDown(CardAt(reserve, i)));
    }
    EXPECT_EQ(PileCardCount(Pile(PileGroup::Stock, kWasteItem)), 104 - 13 - aces);
    EXPECT_TRUE(play.PackIntact());
  }
}

// Frog on plain vectors: the pack's top, the reserve's top and the pile tops
// go to the foundations whenever they can; otherwise the pack's top goes
// onto a pile, preferring one whose top ranks above it.
struct FrogSearch {
  std::vector<int> pack, reserve;
  std::vector<std::vector<int>> piles;
  std::vector<int> tops;  // rank on each foundation, 0 empty
  std::vector<test::SolverMove> path;
  std::set<std::string> seen;
  int budget = 200000;

  std::string Key() const {
    std::string key = std::to_string(pack.size()) + "/" + std::to_string(reserve.size());
    for (const auto& pile : piles) {
      key += "|";
      for (int card : pile) key += std::to_string(CardRank(card)) + ",";
    }
    return key;
  }
  // Plays every card that can reach a foundation; returns how many moved.
  int ToFoundations() {
    int moved = 0;
    for (bool again = true; again;) {
      again = false;
      auto send = [&](std::vector<int>& from, PileRef) {
        if (from.empty()) return false;
        const int rank = CardRank(from.back());
        for (int f = 0; f < 8; ++f) {
          if (tops[f] + 1 != rank || (rank == 1 && tops[f] != 0)) continue;
          tops[f] = rank;
          path.push_back({from.back(), {PileGroup::Foundation, f}});
          from.pop_back();
          return true;
        }
        return false;
      };
      again = send(reserve, {}) || send(pack, {});
      for (auto& pile : piles) again = send(pile, {}) || again;
      if (again) ++moved;
    }
    return moved;
  }
  bool Solve() {
    const auto saved = std::make_tuple(pack, reserve, piles, tops, path.size());
    ToFoundations();
    if (pack.empty() && reserve.empty() &&
        std::all_of(piles.begin(), piles.end(), [](const auto& p) { return p.empty(); }))
      return true;
    if (--budget >= 0 && !pack.empty() && seen.insert(Key()).second) {
      const int card = pack.back();
      std::vector<int> order(5);
      for (int j = 0; j < 5; ++j) order[j] = j;
      auto gap = [&](int j) { return piles[j].empty() ? 20 : CardRank(piles[j].back()) - CardRank(card); };
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int ga = gap(a), gb = gap(b);
        return (ga >= 0) != (gb >= 0) ? ga >= 0 : ga >= 0 ? ga < gb : ga > gb;
      });
      for (int j : order) {
        piles[j].push_back(card);
        pack.pop_back();
        path.push_back({card, {PileGroup::Tableau, j}});
        if (Solve()) return true;
        path.pop_back();
        pack.push_back(card);
        piles[j].pop_back();
      }
    }
    std::tie(pack, reserve, piles, tops) =
        std::tie(std::get<0>(saved), std::get<1>(saved), std::get<2>(saved), std::get<3>(saved));
    path.resize(std::get<4>(saved));
    return false;
  }
};

TEST_F(FamilyGamesTest, FrogIsWonWithAllCardsOnTheFoundations) {
  ASSERT_TRUE(play.Start(kFrog, "2718281828459"));
  FrogSearch search;
  auto cards = [](const std::string& pile) {
    std::vector<int> out;
    for (int i = 0; i < PileCardCount(pile); ++i) out.push_back(CardAt(pile, i));
    return out;
  };
  search.pack = cards(Pile(PileGroup::Stock, kWasteItem));
  search.reserve = cards(Pile(PileGroup::Reserve, 0));
  search.piles.assign(5, {});
  for (int f = 0; f < 8; ++f) search.tops.push_back(PileCardCount(Pile(PileGroup::Foundation, f)));
  ASSERT_TRUE(search.Solve()) << "no win found";
  Replay(search.path);
  ExpectWon();
  for (int f = 0; f < 8; ++f) EXPECT_EQ(PileCardCount(Pile(PileGroup::Foundation, f)), 13) << f;
  EXPECT_TRUE(play.PackIntact());
}

}  // namespace
}  // namespace cardoria
