// Whatever a game deals to its reserves must come into play: each reserve
// card can be picked up once the cards above it are gone.

#include <gtest/gtest.h>

#include "core/CatalogueFile.h"
#include "core/RuleIndex.h"
#include "support/PlayFixture.h"

namespace cardoria {
namespace {

TEST(Reserves, EveryReserveCardCanBePlayedOnceUncovered) {
  int games = 0;
  test::PlayFixture catalogue;
  for (const std::string& line : catalogue.session.catalogue) {
    const int number = LineNumber(line);
    test::PlayFixture play;
    ASSERT_TRUE(play.Start(number, "2718281828459")) << LineName(line);
    Session& s = play.session;
    bool dealt = false;
    for (int r = 0; r < s.rules[rule::ReserveCount]; ++r) {
      std::string& reserve = s.piles.Pile(PileGroup::Reserve, r);
      dealt = dealt || !reserve.empty();
      while (!reserve.empty()) {
        const int top = TopCard(reserve);
        const Rect at = CardRectangle(s, top);
        play.engine.OnMouseDown(kLeftButton, false, at.left + 1, at.top + 1);
        EXPECT_EQ(s.drag.draggedCard, top) << LineName(line) << ": reserve " << r + 1 << " card " << top;
        play.engine.OnMouseUp(kLeftButton);
        // Out of the way by the move procedure, as any play would take it.
        ASSERT_TRUE(play.engine.ExecuteMove(top, "Fila1")) << LineName(line);
      }
    }
    games += dealt;
  }
  EXPECT_GE(games, 3);  // Canfield, Eight Off and Seahaven Towers deal to their reserves
}

}  // namespace
}  // namespace cardoria
