// Random play never breaks a game: whatever the mouse does, every card of the
// pack stays on the table exactly once, and Undo and Redo travel the whole
// history back and forth.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core/CatalogueFile.h"
#include "persist/UndoLog.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

int ActionsPerDeal() {
  const char* count = std::getenv("CARDORIA_FUZZ_ACTIONS");
  return count && *count ? std::max(1, std::atoi(count)) : 400;
}

TEST(RandomPlay, NeverLosesACardAndUndoesEverything) {
  test::PlayFixture play;
  play.clock.step = 1000;  // waits pass at once
  std::mt19937 chance(20261210);
  long long actions = 0, changes = 0;
  const int perDeal = ActionsPerDeal();
  for (const std::string& line : TextList(play.session.catalogue)) {
    const int number = LineNumber(line);
    for (const char* deal : {"1", "4711000000815", "9999999999999"}) {
      SCOPED_TRACE(LineName(line) + " deal " + deal);
      ASSERT_TRUE(play.Start(number, deal));
      const std::string dealt = play.TableText();
      Session& s = play.session;
      Engine& engine = play.engine;
      auto pick = [&](int n) { return static_cast<int>(chance() % static_cast<unsigned>(std::max(n, 1))); };
      auto somewhere = [&](int& x, int& y) {
        if (pick(5) == 0) {
          x = pick(1200) - 100;
          y = pick(900) - 100;
          return;
        }
        const auto group = static_cast<PileGroup>(pick(4));
        const int index = pick(static_cast<int>(s.piles.Items(group).size()));
        const Rect r = CardInPileRect(s, {group, index}, pick(PileCardCount(s.piles.Pile(group, index)) + 1));
        x = r.left + pick(std::max(r.Width(), 1) + 4) - 2;
        y = r.top + pick(std::max(r.Height(), 1) + 4) - 2;
      };
      for (int a = 0; a < perDeal && s.values.Flag(kGameInProgress); ++a, ++actions) {
        const std::string before = play.TableText();
        int x = 0, y = 0;
        somewhere(x, y);
        switch (pick(12)) {
          case 0:
          case 1:
          case 2: {
            engine.OnMouseDown(kLeftButton, false, x, y);
            for (int m = pick(3); m > 0; --m) {
              somewhere(x, y);
              engine.OnMouseMove(x, y);
            }
            engine.OnMouseUp(kLeftButton);
            break;
          }
          case 3:
            engine.OnMouseDown(kLeftButton, false, x, y);
            engine.OnMouseUp(kLeftButton);
            engine.OnDoubleClick();
            engine.OnMouseDown(kLeftButton, false, x, y);
            engine.OnMouseUp(kLeftButton);
            break;
          case 4:
            engine.OnMouseDown(kRightButton, pick(2) == 0, x, y);
            engine.OnMouseUp(kRightButton);
            break;
          case 5: play.Click({PileGroup::Stock, kStockItem}); break;
          case 6: engine.Undo(); break;
          case 7: engine.Redo(); break;
          case 8: engine.ToggleAutoplay(); break;
          case 9:
            engine.OnMouseMove(x, y);
            // Time passes for the games that act on the clock.
            play.clock.now += 3.0 / 86400;
            engine.TimerTick();
            break;
          default: {
            // A drag of a card that can move somewhere, so play gets far.
            const auto group = static_cast<PileGroup>(pick(4));
            const int index = pick(static_cast<int>(s.piles.Items(group).size()));
            const std::string& pile = s.piles.Pile(group, index);
            if (pile.empty()) break;
            const int card = CardAt(pile, pick(PileCardCount(pile)));
            if (card <= 0) break;
            const auto to = static_cast<PileGroup>(1 + pick(3));
            play.Drag(card, {to, pick(static_cast<int>(s.piles.Items(to).size()))});
            break;
          }
        }
        ASSERT_TRUE(play.PackIntact()) << "after action " << a;
        changes += play.TableText() != before;
        ASSERT_EQ(s.drag.draggedCard, 0);
      }
      if (!s.values.Flag(kGameInProgress)) continue;  // won: the history is closed
      const std::string last = play.TableText();
      const int steps = s.history.undo.Steps();
      for (int k = 0; k < steps; ++k) ASSERT_TRUE(engine.Undo()) << "undo " << k << " of " << steps;
      EXPECT_FALSE(engine.Undo());
      EXPECT_EQ(play.TableText(), dealt);
      for (int k = 0; k < steps; ++k) ASSERT_TRUE(engine.Redo()) << "redo " << k << " of " << steps;
      EXPECT_EQ(play.TableText(), last);
    }
  }
  std::printf("random play: %lld actions, %lld of them changed the table\n", actions, changes);
  EXPECT_GT(changes, actions / 10);  // the play really moved cards
}

}  // namespace
}  // namespace cardoria
