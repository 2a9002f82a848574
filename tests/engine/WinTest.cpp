// Whole games played to a win through the mouse handlers alone.

#include <gtest/gtest.h>

#include <sstream>

#include "support/PlayFixture.h"
#include "support/Solver.h"

namespace cardoria {
namespace {

struct WinCase {
  const char* name;
  int game;
  const char* deal;
  bool everyRun;  // any face-up card leads a group, as in the Spider family
};

class WinTest : public ::testing::TestWithParam<WinCase> {};

TEST_P(WinTest, PlaysADealToAWin) {
  const WinCase c = GetParam();
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(c.game, c.deal, true));
  test::Solver solver(20000, c.everyRun);
  const auto moves = solver.Solve(play.session);
  ASSERT_TRUE(moves.has_value()) << "no win found in " << solver.Nodes() << " positions";

  // The same moves made again, by the mouse, on the real table.
  for (const test::SolverMove& move : *moves) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress));
    if (move.card == 0) {
      play.Click(move.target);
    } else {
      play.Drag(move.card, move.target);
    }
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, std::to_string(4 * play.session.rules[284]));
  EXPECT_EQ(play.table.lastResult.gameNumber, c.game);
  EXPECT_TRUE(play.PackIntact());
  std::printf("%d moves, %d positions searched\n", static_cast<int>(moves->size()), solver.Nodes());
}

INSTANTIATE_TEST_SUITE_P(Games, WinTest,
                         ::testing::Values(WinCase{"Freecell", 1, "8", false}, WinCase{"Klondike", 2, "3", false},
                                           WinCase{"Scorpion", 10, "4831926750418", true},
                                           WinCase{"Spiderette", 18, "4831926782094", true},
                                           WinCase{"PerpetualMotion", 77, "1414213562373", false},
                                           WinCase{"JacksAndKings", 78, "4831926750418", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Spider with four suits is beyond the small search above: this line was
// found once by a longer search and is replayed here by the mouse. Each
// move is "card:column", and "0:0" a click on the stock.
TEST(ScriptedWin, SpiderIsWonWhenItsLastSuitLeaves) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(4, "7770001135980"));
  std::istringstream script(
      "59:8 45:1 40:10 53:6 2:3 102:6 103:2 31:1 8:7 59:7 31:6 46:8 101:2 31:8 27:1 9:2 13:6 25:6 11:6 84:2 "
      "31:2 46:9 34:7 23:6 87:6 46:6 104:7 2:8 3:9 3:8 56:2 89:8 44:6 27:9 93:3 27:3 83:9 75:8 83:1 27:9 "
      "40:3 27:10 56:9 56:1 42:9 100:8 50:3 51:7 14:4 15:3 0:0 81:3 28:3 27:3 67:4 97:8 73:1 84:6 43:6 66:4 "
      "20:1 49:7 77:5 64:10 42:6 78:9 96:8 43:8 73:5 48:7 73:7 56:5 82:1 56:6 68:5 71:7 83:3 58:2 83:7 64:1 "
      "39:3 5:2 56:2 64:3 83:1 9:10 83:7 103:1 64:2 103:3 9:3 9:1 67:10 9:3 29:1 67:1 26:10 68:4 17:6 65:4 "
      "90:10 97:5 7:2 97:2 9:5 100:3 9:8 103:5 90:3 103:10 17:5 0:0 92:6 4:4 88:7 17:3 70:8 103:5 103:1 "
      "88:5 24:3 88:3 97:5 7:9 19:9 21:1 0:0 61:2 16:3 97:1 62:5 99:4 41:9 98:4 33:1 79:9 12:10 79:2 92:9 "
      "54:3 79:3 99:2 99:5 83:2 73:4 99:7 83:4 33:2 21:7 21:5 33:5 83:2 79:7 83:4 54:2 79:2 41:7 41:3 79:7 "
      "54:9 79:9 83:2 103:7 83:4 91:2 103:2 41:7 67:3 41:1 16:7 95:6 16:6 83:7 22:3 83:3 41:7 29:4 41:4 9:1 "
      "83:7 22:8 9:3 83:8 83:1 75:7 89:10 75:10 79:7 83:10 55:1 79:1 19:7 19:5 83:7 41:8 83:10 29:7 41:7 "
      "79:8 55:4 79:4 19:1 19:9 83:1 33:8 83:10 21:1 21:2 33:2 19:1 19:2 60:5 83:1 9:8 83:10 88:1 9:1 24:9 "
      "62:9 83:5 62:8 75:9 89:3 83:9 9:5 88:3 83:1 0:0 18:9 9:7 10:10 6:6 83:6 30:9 52:1 12:5 12:1 41:5 "
      "29:9 41:9 83:5 6:8 19:6 33:4 72:2 83:8 12:5 12:10 21:5 103:1 21:1 16:5 95:7 16:7 12:5 12:2 41:5 30:6 "
      "41:6 18:5 32:4 83:4 18:8 16:5 95:8 16:8 12:5 12:10 41:5 85:7 41:7 16:5 95:6 18:9 16:6 21:5 86:1 79:3 "
      "57:8 0:0 36:1 74:1 1:8 62:3 38:8 69:9 16:9 35:9 21:1 94:6 41:6 46:2 85:6 47:9 38:2 74:5 37:2 87:2 "
      "74:6 86:5 47:1 86:9 23:1 62:6 11:4 23:3 76:6 80:2 35:3 12:1 25:10 12:6 ");
  std::string move;
  int moves = 0;
  while (script >> move) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress)) << "move " << moves << " " << move;
    const auto colon = move.find(':');
    const int card = std::stoi(move.substr(0, colon)), column = std::stoi(move.substr(colon + 1));
    const std::string before = play.TableText();
    if (card == 0) {
      play.Click({PileGroup::Stock, kStockItem});
    } else {
      play.Drag(card, {PileGroup::Tableau, column - 1});
    }
    ASSERT_NE(play.TableText(), before) << "refused: move " << moves << " " << move;
    ++moves;
  }
  EXPECT_EQ(moves, 312);
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  for (int f = 0; f < 8; ++f) EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Foundation, f)), 13);
  EXPECT_TRUE(play.PackIntact());
}

// Calculation asks where each stock card waits: this line was found by a
// search that sends every card a foundation takes at once and otherwise
// stacks a card on the pile whose top is needed after it. "S" clicks the
// stock, "card" + "F" or "T" + number drags the card to a foundation or a
// waste pile.
TEST(ScriptedWin, CalculationIsWonWhenTheLastWastePileEmpties) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(75, "4831926750418"));
  std::istringstream script(
      "S 25T1 S 42T1 S 8F4 S 32F3 S 52T2 S 34T2 S 9F3 S 28F1 42F1 25F3 S 50T1 S 44T2 S 40T3 S 49T1 S 51F4 S "
      "20T2 S 43F1 S 19T2 S 21T1 S 22T3 S 13T4 S 35T3 S 3F4 S 47T1 S 6T2 S 37T2 S 23T3 S 31F1 S 41F3 S 4F2 "
      "S 45F1 S 1T4 S 26T4 S 38T4 S 33F1 47F1 S 46F4 37F4 6F2 21F2 49F2 38F2 S 15F4 19F4 23F4 35F1 S 29T1 S "
      "5F3 S 24T3 S 48T3 S 27F2 29F2 S 36F1 50F1 S 12F1 26F1 1F4 S 30T1 S 10T4 S 39T1 S 18F2 20F2 44F4 34F3 "
      "48F2 24F2 39F2 22F4 52F4 S 11F3 40F3 30F3 S 7F3 10F3 13F3 ");
  std::string move;
  int moves = 0;
  while (script >> move) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress)) << "move " << moves << " " << move;
    const std::string before = play.TableText();
    if (move == "S") {
      play.Click({PileGroup::Stock, kStockItem});
    } else {
      const auto kind = move.find_first_of("FT");
      const int card = std::stoi(move.substr(0, kind)), pile = std::stoi(move.substr(kind + 1)) - 1;
      play.Drag(card, {move[kind] == 'F' ? PileGroup::Foundation : PileGroup::Tableau, pile});
    }
    ASSERT_NE(play.TableText(), before) << "refused: move " << moves << " " << move;
    ++moves;
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(play.table.lastResult.score, "208");
  EXPECT_TRUE(play.PackIntact());
}

// Gaps, with both redeals: each move "card:row:place" drags the card into
// that hole, "R" redeals. Found by a search that fills a row's run first.
TEST(ScriptedWin, GapsIsWonWithEachRowInItsSuit) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(76, "1000000000001"));
  std::istringstream script(
      "46:1:11 51:1:13 10:3:3 20:3:8 4:1:7 50:3:6 47:1:12 17:4:3 31:2:2 18:4:4 19:4:5 51:3:7 48:1:13 2:1:1 "
      "36:1:3 26:1:5 39:4:8 42:2:4 43:2:5 44:2:6 13:2:9 21:3:9 34:2:11 22:3:10 15:3:1 29:3:12 28:4:1 "
      "23:3:11 5:1:8 6:1:9 20:4:6 52:3:8 25:4:13 37:1:4 30:3:13 41:2:1 32:2:3 11:3:4 45:2:7 7:1:10 35:2:12 "
      "3:1:2 R 4:1:3 42:2:2 16:3:2 29:4:2 30:4:3 44:2:4 20:1:9 47:3:5 18:2:8 17:3:3 26:2:7 46:3:7 18:3:4 "
      "23:3:12 32:1:5 34:2:11 37:1:13 12:4:5 7:3:10 49:1:11 33:1:6 11:4:11 31:4:4 5:1:4 24:3:13 47:3:8 "
      "19:3:5 10:1:8 36:4:10 50:1:12 45:2:5 20:3:6 11:1:9 37:4:11 51:1:13 38:4:12 39:4:13 22:2:13 8:3:11 R "
      "46:2:6 21:3:7 32:4:5 12:3:12 34:4:9 50:3:9 37:2:9 8:1:8 7:2:13 6:1:5 25:1:7 11:2:11 12:2:12 48:3:11 "
      "47:2:7 52:1:11 9:1:9 33:4:6 51:3:10 10:1:10 38:2:10 34:4:7 35:4:8 36:4:9 49:3:12 48:2:8 22:3:8 "
      "52:3:11 11:1:11 12:1:12 39:2:11 37:4:10 50:3:13 49:2:9 23:3:9 38:4:11 50:2:10 39:4:12 51:2:11 "
      "52:2:12 24:3:10 7:1:6 25:3:11 8:1:7 9:1:8 10:1:9 11:1:10 12:1:11 13:1:12 26:3:12 ");
  std::string move;
  int moves = 0;
  while (script >> move) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress)) << "move " << moves << " " << move;
    const std::string before = play.TableText();
    if (move == "R") {
      play.Click({PileGroup::Stock, kStockItem});
    } else {
      const auto first = move.find(':'), second = move.find(':', first + 1);
      const int card = std::stoi(move.substr(0, first)), row = std::stoi(move.substr(first + 1, second - first - 1)),
                place = std::stoi(move.substr(second + 1));
      Session& s = play.session;
      const Rect from = CardRectangle(s, card);
      play.engine.OnMouseDown(kLeftButton, false, from.left + 3, from.top + 3);
      const Rect hole = CardInPileRect(s, {PileGroup::Tableau, row - 1}, place - 1);
      play.engine.OnMouseMove(hole.left + 3 + s.drag.grabX, hole.top + 3 + s.drag.grabY);
      play.engine.OnMouseUp(kLeftButton);
    }
    ASSERT_NE(play.TableText(), before) << "refused: move " << moves << " " << move;
    ++moves;
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  // The Aces left the game at the deal: four runs of eleven after their 2s.
  EXPECT_EQ(play.table.lastResult.score, std::to_string(-52 + 4 * (5 + 5 * 11)));
}

// Ten in a Row: each move "card:place" drags a grid card into that place
// of the row, filled from the left; five runs leave, the last with the six
// cards left in the grid.
TEST(ScriptedWin, TenInARowIsWonByFiveRuns) {
  test::PlayFixture play;
  play.clock.step = 1000;
  ASSERT_TRUE(play.Start(79, "4831926750418"));
  std::istringstream script(
      "40:1 28:2 42:3 105:4 44:5 19:6 20:7 21:8 9:9 49:10 3:1 43:2 106:3 32:4 107:5 47:6 35:7 23:8 50:9 51:10 "
      "13:1 1:2 41:3 108:4 4:5 31:6 45:7 46:8 34:9 48:10 36:1 24:2 38:3 26:4 27:5 15:6 16:7 30:8 5:9 6:10 "
      "33:1 8:2 22:3 10:4 11:5 12:6 52:7 14:8 2:9 29:10 ");
  std::string move;
  int moves = 0;
  while (script >> move) {
    ASSERT_TRUE(play.session.values.Flag(kGameInProgress)) << "move " << moves << " " << move;
    const std::string before = play.TableText();
    const auto colon = move.find(':');
    play.Drag(std::stoi(move.substr(0, colon)), {PileGroup::Tableau, std::stoi(move.substr(colon + 1)) - 1});
    ASSERT_NE(play.TableText(), before) << "refused: move " << moves << " " << move;
    ++moves;
  }
  EXPECT_FALSE(play.session.values.Flag(kGameInProgress));
  ASSERT_EQ(play.table.gamesEnded, 1);
  EXPECT_TRUE(play.table.lastResult.won);
  EXPECT_EQ(PileCardCount(play.session.piles.Pile(PileGroup::Stock, kSecondWasteItem)), 56);
  EXPECT_TRUE(play.PackIntact());
}

}  // namespace
}  // namespace cardoria
