// The selection games of the row, the face-down piles and the chain grid,
// each won through the mouse handlers alone. A small model of each game's
// rules searches for a line of play; the engine then has to carry out that
// line, press by press, to a win, so a fault in either shows as a failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

constexpr int kDecade = 50, kRoyalMarriage = 51, kMarriageRow = 52, kSevens = 53, kPatientPairs = 54,
              kHiddenElevens = 55, kChainCrossing = 56, kWish = 57;

// One step of a line of play: a click on the stock, or clicks on cards in
// the order given.
struct Step {
  bool stock = false;
  std::vector<int> cards;
};

void PressAt(test::PlayFixture& play, const Rect& r) {
  play.engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
  play.engine.OnMouseUp(kLeftButton);
}

// A card is clicked where it lies; a face-down one is first turned up by a
// click of its own, as a player would.
void Play(test::PlayFixture& play, const Step& step) {
  Session& s = play.session;
  if (step.stock) return PressAt(play, TopCardRect(s, {PileGroup::Stock, kStockItem}));
  for (int card : step.cards)
    if (s.cards.IsFaceDown(card)) PressAt(play, CardRectangle(s, card));
  for (int card : step.cards) {
    ASSERT_FALSE(s.cards.IsFaceDown(card)) << card;
    ASSERT_FALSE(CardRectangle(s, card).Empty()) << card << " is not on the table";
    PressAt(play, CardRectangle(s, card));
  }
}

void ExpectWonOnce(test::PlayFixture& play) {
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_TRUE(play.PackIntact());
}

std::vector<int> RealCards(const std::string& pile) {
  std::vector<int> cards;
  for (int i = 0; i < PileCardCount(pile); ++i)
    if (CardAt(pile, i) > 0) cards.push_back(CardAt(pile, i));
  return cards;
}

// --- The row games ---------------------------------------------------------

struct Row {
  std::vector<int> cards;  // the row, left to right
  std::vector<int> stock;  // bottom first
};

// Where the removals of a row game may start and which clicks make them.
using RowMoves = std::function<std::vector<std::vector<int>>(const std::vector<int>&)>;

// Runs of neighbours, clicked from the left, that the family removes; only
// the shortest from each start, since a longer one would be taken away at
// its shortest complete part.
RowMoves SumRuns(std::function<bool(int sum, int count)> complete) {
  return [complete](const std::vector<int>& row) {
    std::vector<std::vector<int>> moves;
    for (std::size_t i = 0; i < row.size(); ++i) {
      int sum = 0;
      for (std::size_t j = i; j < row.size() && sum <= 91; ++j) {
        sum += CardRank(row[j]);
        if (complete(sum, static_cast<int>(j - i + 1))) {
          moves.emplace_back(row.begin() + static_cast<long>(i), row.begin() + static_cast<long>(j) + 1);
          break;
        }
      }
    }
    return moves;
  };
}

int DecadeValue(int card) { return std::min(CardRank(card), 10); }

RowMoves DecadeRuns() {
  return [](const std::vector<int>& row) {
    std::vector<std::vector<int>> moves;
    for (std::size_t i = 0; i < row.size(); ++i) {
      int sum = DecadeValue(row[i]);
      for (std::size_t j = i + 1; j < row.size() && sum < 30; ++j) {
        sum += DecadeValue(row[j]);
        if (sum % 10 == 0) {
          moves.emplace_back(row.begin() + static_cast<long>(i), row.begin() + static_cast<long>(j) + 1);
          break;
        }
      }
    }
    return moves;
  };
}

bool Match(int a, int b) { return CardRank(a) == CardRank(b) || CardSuit(a) == CardSuit(b); }

// One or two cards between matching cards. A card whose own neighbours match
// goes alone at its click, so a pair is clicked from the end whose click does
// not complete by itself.
RowMoves BetweenMatches(bool royal) {
  return [royal](const std::vector<int>& row) {
    std::vector<std::vector<int>> moves;
    auto kept = [&](int card) { return royal && (card == 12 || card == 13); };
    for (std::size_t i = 1; i + 1 < row.size(); ++i) {
      if (kept(row[i])) continue;
      if (Match(row[i - 1], row[i + 1])) moves.push_back({row[i]});
      if (i + 2 >= row.size() || kept(row[i + 1]) || !Match(row[i - 1], row[i + 2])) continue;
      if (!Match(row[i - 1], row[i + 1]))
        moves.push_back({row[i], row[i + 1]});
      else if (!Match(row[i], row[i + 2]))
        moves.push_back({row[i + 1], row[i]});
    }
    return moves;
  };
}

class RowSearch {
 public:
  RowSearch(RowMoves moves, std::size_t leftAtWin, int budget)
      : moves_(std::move(moves)), leftAtWin_(leftAtWin), budget_(budget) {}

  std::optional<std::vector<Step>> Solve(Row row) {
    std::vector<Step> line;
    if (Search(row, line)) return line;
    return std::nullopt;
  }

 private:
  bool Search(Row& row, std::vector<Step>& line) {
    if (++nodes_ > budget_) return false;
    if (row.stock.empty() && row.cards.size() <= leftAtWin_) return true;
    std::string key;
    for (int card : row.cards) key += CardCode(card);
    if (!seen_.insert(key + "|" + std::to_string(row.stock.size())).second) return false;
    for (const std::vector<int>& removal : moves_(row.cards)) {
      Row next = row;
      for (int card : removal) next.cards.erase(std::find(next.cards.begin(), next.cards.end(), card));
      line.push_back({false, removal});
      if (Search(next, line)) return true;
      line.pop_back();
    }
    if (row.stock.empty()) return false;
    Row next = row;
    next.cards.push_back(next.stock.back());
    next.stock.pop_back();
    line.push_back({true, {}});
    if (Search(next, line)) return true;
    line.pop_back();
    return false;
  }

  RowMoves moves_;
  std::size_t leftAtWin_;
  int budget_, nodes_ = 0;
  std::set<std::string> seen_;
};

struct RowCase {
  const char* name;
  int game;
  const char* deal;
  std::size_t leftAtWin;
};

class RowGameWin : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowGameWin, IsWonByClicksOnTheStockAndTheRow) {
  const RowCase c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal));
  Session& s = play.session;
  Row row{RealCards(s.piles.Pile(PileGroup::Tableau, 0)), RealCards(s.piles.Pile(PileGroup::Stock, kStockItem))};
  RowMoves moves = c.game == kDecade   ? DecadeRuns()
                   : c.game == kSevens ? SumRuns([](int sum, int count) { return count <= 3 && sum % 7 == 0; })
                                       : BetweenMatches(c.game == kRoyalMarriage);
  RowSearch search(moves, c.leftAtWin, 2000000);
  const auto line = search.Solve(row);
  ASSERT_TRUE(line.has_value()) << "no win found";
  for (const Step& step : *line) {
    ASSERT_TRUE(s.values.Flag(kGameInProgress));
    Play(play, step);
    // Every removal is taken at its last click: nothing stays selected.
    ASSERT_EQ(s.piles.Pile(PileGroup::Foundation, 0), "");
  }
  ExpectWonOnce(play);
  EXPECT_EQ(PileCardCount(s.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 52 - static_cast<int>(c.leftAtWin));
}

INSTANTIATE_TEST_SUITE_P(Games, RowGameWin,
                         ::testing::Values(RowCase{"Decade", kDecade, "4831926700000", 0},
                                           RowCase{"RoyalMarriage", kRoyalMarriage, "4831926707919", 2},
                                           RowCase{"MarriageRow", kMarriageRow, "4831926723757", 2},
                                           RowCase{"MultiplesOfSeven", kSevens, "6859221193791", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The face-down piles ---------------------------------------------------

class PileSearch {
 public:
  PileSearch(bool elevens, int budget) : elevens_(elevens), budget_(budget) {}

  std::optional<std::vector<Step>> Solve(std::vector<std::vector<int>> piles) {
    std::vector<Step> line;
    if (Search(piles, line)) return line;
    return std::nullopt;
  }

 private:
  std::vector<std::vector<int>> Groups(const std::vector<std::vector<int>>& piles) const {
    std::vector<int> tops;
    for (const auto& pile : piles)
      if (!pile.empty()) tops.push_back(pile.back());
    std::vector<std::vector<int>> groups;
    for (std::size_t a = 0; a < tops.size(); ++a)
      for (std::size_t b = a + 1; b < tops.size(); ++b) {
        const int ra = CardRank(tops[a]), rb = CardRank(tops[b]);
        if (elevens_ ? ra <= 10 && rb <= 10 && ra + rb == 11 : ra == rb) groups.push_back({tops[a], tops[b]});
      }
    if (elevens_) {
      int court[3] = {};
      for (int card : tops)
        if (CardRank(card) >= 11 && court[CardRank(card) - 11] == 0) court[CardRank(card) - 11] = card;
      if (court[0] && court[1] && court[2]) groups.push_back({court[0], court[1], court[2]});
    }
    return groups;
  }

  bool Search(std::vector<std::vector<int>>& piles, std::vector<Step>& line) {
    if (++nodes_ > budget_) return false;
    if (std::all_of(piles.begin(), piles.end(), [](const auto& p) { return p.empty(); })) return true;
    std::string key;
    for (const auto& pile : piles) key += std::to_string(pile.size());
    if (!seen_.insert(key).second) return false;
    for (const std::vector<int>& group : Groups(piles)) {
      auto next = piles;
      for (auto& pile : next)
        if (!pile.empty() && std::find(group.begin(), group.end(), pile.back()) != group.end()) pile.pop_back();
      line.push_back({false, group});
      if (Search(next, line)) return true;
      line.pop_back();
    }
    return false;
  }

  bool elevens_;
  int budget_, nodes_ = 0;
  std::set<std::string> seen_;
};

struct PileCase {
  const char* name;
  int game;
  const char* deal;
  bool automaticFaceUp;
};

class FaceDownPilesWin : public ::testing::TestWithParam<PileCase> {};

TEST_P(FaceDownPilesWin, IsWonByClicksOnFaceUpCards) {
  const PileCase c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  play.session.store.Set(pos::kAutomaticFaceUp, 1, c.automaticFaceUp ? "Y" : "N");
  ASSERT_TRUE(play.Start(c.game, c.deal));
  Session& s = play.session;
  std::vector<std::vector<int>> piles;
  int faceDown = 0;
  for (int i = 0; i < s.rules[rule::TableauCount]; ++i) {
    piles.push_back(RealCards(s.piles.Pile(PileGroup::Tableau, i)));
    for (int card : piles.back()) faceDown += s.cards.IsFaceDown(card);
  }
  PileSearch search(c.game == kHiddenElevens, 2000000);
  const auto line = search.Solve(piles);
  ASSERT_TRUE(line.has_value()) << "no win found";
  int turned = 0;
  for (const Step& step : *line) {
    ASSERT_TRUE(s.values.Flag(kGameInProgress));
    for (int card : step.cards) turned += s.cards.IsFaceDown(card);
    Play(play, step);
  }
  ExpectWonOnce(play);
  // Without automatic face-up the player turns every uncovered card.
  EXPECT_EQ(turned, c.automaticFaceUp ? 0 : faceDown);
}

INSTANTIATE_TEST_SUITE_P(Games, FaceDownPilesWin,
                         ::testing::Values(PileCase{"PatientPairs", kPatientPairs, "4831926700000", true},
                                           PileCase{"PatientPairsTurnedByHand", kPatientPairs, "4831926707919", false},
                                           PileCase{"Wish", kWish, "4831926700000", true},
                                           PileCase{"WishTurnedByHand", kWish, "4831926707919", false},
                                           PileCase{"HiddenElevens", kHiddenElevens, "4831926700000", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- The chain across the grid ---------------------------------------------

// Chains are found on the grid as it lies; the engine itself carries each
// one out (and the redeals) on copies of the session, so the refills from the
// waste and the mixing of a redeal need no model of their own.
class ChainSearch {
 public:
  // `target`: cards discarded.
  ChainSearch(int target, int budget) : target_(target), budget_(budget) {}

  std::optional<std::vector<Step>> Solve(const Session& start) {
    auto copy = std::make_unique<Session>(start);
    std::vector<Step> line;
    if (Search(*copy, line)) return line;
    return std::nullopt;
  }
  int Nodes() const { return nodes_; }

  // Every chain from the left column to the right one, each set of places
  // once, the longest first.
  static std::vector<std::vector<int>> Chains(const Session& s) {
    std::map<std::vector<int>, std::vector<int>> byPlaces;
    std::vector<int> path;
    std::function<void(int)> extend = [&](int pile) {
      path.push_back(pile);
      if (pile % 7 == 6) {
        std::vector<int> places = path;
        std::sort(places.begin(), places.end());
        if (!byPlaces.contains(places)) {
          std::vector<int> cards;
          for (int p : path) cards.push_back(TopCard(s.piles.Pile(PileGroup::Tableau, p)));
          byPlaces[places] = cards;
        }
      } else if (byPlaces.size() < 400) {
        const int rank = CardRank(TopCard(s.piles.Pile(PileGroup::Tableau, pile)));
        for (int dr = -1; dr <= 1; ++dr)
          for (int dc = -1; dc <= 1; ++dc) {
            const int row = pile / 7 + dr, column = pile % 7 + dc;
            const int next = row * 7 + column;
            if (row < 0 || row > 3 || column < 1 || column > 6 || next == pile) continue;
            if (std::find(path.begin(), path.end(), next) != path.end()) continue;
            const int card = TopCard(s.piles.Pile(PileGroup::Tableau, next));
            if (card <= 0) continue;
            const int apart = std::abs(CardRank(card) - rank);
            if (apart == 0 || apart == 1 || apart == 12) extend(next);
          }
      }
      path.pop_back();
    };
    for (int row = 0; row < 4; ++row)
      if (TopCard(s.piles.Pile(PileGroup::Tableau, row * 7)) > 0) extend(row * 7);
    std::vector<std::vector<int>> chains;
    for (auto& [places, cards] : byPlaces) chains.push_back(cards);
    std::stable_sort(chains.begin(), chains.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return chains;
  }

 private:
  static std::string Key(const Session& s) {
    std::string key;
    for (auto group : {PileGroup::Stock, PileGroup::Tableau})
      for (const std::string& pile : s.piles.Items(group)) key += pile + "|";
    return key + std::to_string(s.positions[PositionTable::kPassCounter]);
  }

  static bool Apply(Session& s, const Step& step) {
    test::RecordingMessages messages;
    test::FakeClock clock;
    clock.step = 1000;
    HeadlessTable table(s, TableGeometry{});
    Engine engine(s, PlayPorts{messages, clock, table, table, table});
    const std::string before = Key(s);
    auto press = [&](const Rect& r) {
      engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
      engine.OnMouseUp(kLeftButton);
    };
    if (step.stock) press(TopCardRect(s, {PileGroup::Stock, kStockItem}));
    for (int card : step.cards) press(CardRectangle(s, card));
    return Key(s) != before && s.piles.Pile(PileGroup::Foundation, 0).empty();
  }

  bool Search(Session& s, std::vector<Step>& line) {
    if (++nodes_ > budget_) return false;
    if (PileCardCount(s.piles.Pile(PileGroup::Stock, kSecondWasteItem)) >= target_) return true;
    if (line.size() > 200) return false;
    if (!seen_.insert(Key(s)).second) return false;
    std::vector<Step> steps;
    for (auto& chain : Chains(s)) steps.push_back({false, chain});
    steps.push_back({true, {}});
    for (const Step& step : steps) {
      auto next = std::make_unique<Session>(s);
      next->history = UndoHistory{};
      next->logs = StepLogs{};
      if (!Apply(*next, step)) continue;
      line.push_back(step);
      if (Search(*next, line)) return true;
      line.pop_back();
      if (nodes_ > budget_) return false;
    }
    return false;
  }

  int target_, budget_, nodes_ = 0;
  std::set<std::string> seen_;
};

// The chains end only when the player ends the game: it then counts as won
// when enough cards were discarded.
TEST(ChainCrossingWin, IsWonWhenTheGameEndsWithTheTargetScore) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(kChainCrossing, "4831926723757"));
  Session& s = play.session;
  const int target = (s.rules[rule::WinScore] + 52 + 4) / 5;
  ASSERT_EQ(target, 35);
  ChainSearch search(target, 40000);
  const auto line = search.Solve(s);
  ASSERT_TRUE(line.has_value()) << "no line found in " << search.Nodes() << " positions";
  for (const Step& step : *line) {
    ASSERT_TRUE(s.values.Flag(kGameInProgress));
    Play(play, step);
    ASSERT_EQ(s.piles.Pile(PileGroup::Foundation, 0), "");
    // The grid stays full while the waste has cards.
    if (!s.piles.Pile(PileGroup::Stock, kWasteItem).empty()) {
      for (int i = 0; i < 28; ++i) ASSERT_FALSE(s.piles.Pile(PileGroup::Tableau, i).empty()) << i;
    }
  }
  EXPECT_GE(TextToInt(s.store.Get(pos::kScore, 6)), s.rules[rule::WinScore]);
  // Undo brings a chain's cards back to the grid, not as a selection too.
  const std::string last = play.TableText();
  ASSERT_TRUE(play.engine.Undo());
  EXPECT_EQ(s.piles.Pile(PileGroup::Foundation, 0), "");
  EXPECT_TRUE(play.PackIntact());
  ASSERT_TRUE(play.engine.Redo());
  EXPECT_EQ(play.TableText(), last);
  // The table is not cleared, so play goes on until the player ends it...
  EXPECT_TRUE(s.values.Flag(kGameInProgress));
  EXPECT_TRUE(play.engine.EndGame());
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);  // ...and then the score counts
  EXPECT_TRUE(play.PackIntact());
}

// A redeal of the middle takes every card of a place, though a place it deals
// holds one: a place with more (as a hand-edited catalogue can deal) loses none.
TEST(ChainCrossingRedeal, TakesEveryCardOfAPlace) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(kChainCrossing, "4831926723757"));
  Session& s = play.session;
  std::string& stacked = s.piles.Pile(PileGroup::Tableau, 10);
  stacked += s.piles.Pile(PileGroup::Tableau, 11) + s.piles.Pile(PileGroup::Tableau, 12);
  s.piles.Pile(PileGroup::Tableau, 11).clear();
  s.piles.Pile(PileGroup::Tableau, 12).clear();
  ASSERT_EQ(PileCardCount(stacked), 3);
  ASSERT_TRUE(play.PackIntact());
  play.Click({PileGroup::Stock, kStockItem});
  EXPECT_TRUE(play.PackIntact());
}

}  // namespace
}  // namespace cardoria
