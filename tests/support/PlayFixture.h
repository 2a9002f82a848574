#pragma once
// A whole game on the real catalogue, played headless: the session, the
// engine and a table without a screen.

#include <filesystem>
#include <memory>
#include <vector>

#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "engine/PackCheck.h"
#include "engine/SelectionTests.h"
#include "support/DealtPack.h"
#include "support/TestSupport.h"
#include "table/HeadlessTable.h"

namespace cardoria::test {

class PlayFixture {
 public:
  explicit PlayFixture(TableGeometry geometry = {}) : table(session, geometry) {
    std::filesystem::copy_file(CARDORIA_GAMES, dir / "GAMES.DAT");
    session.programDir = dir.Path();
    session.store.Set(pos::kScoreScheme, 2, "01");
    for (int position : {141, 143, 144, 176, 177, 180, 181, 182, 183, 184, 185, 239, 241, 242, 243, 247, 248, 249, 253})
      session.store.Set(position, 1, "Y");
    session.store.Set(251, 1, "N");
    session.store.Set(pos::kUndoEnabled, 1, "0");
    session.store.Set(pos::kCardSize, 1, "B");
    session.store.Set(pos::kCardsShadowed, 1, "Y");
    session.store.Set(179, 1, "N");
    LoadCatalogue(session, messages);
  }

  // Deals game `number` with `deal`, autoplay as asked.
  bool Start(int number, const std::string& deal, bool autoplay = false) {
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
    session.store.Set(pos::kDealNumber, 15, deal);
    session.rules.Clear();
    session.autoplayChecked = autoplay;
    const bool started = StartGame(session, startPorts, true, false, 1, false);
    // A deal that plays with part of the pack: the pack is what was dealt.
    dealtPack.clear();
    if (DealsPartOfThePack(session)) dealtPack = CardCensus(session);
    return started;
  }

  std::string TableText() const { return cardoria::TableText(session); }

  // Each card of the pack lies on the table as often as the deal put it
  // out, on the game's own piles.
  ::testing::AssertionResult PackIntact() const {
    const auto problem = PackProblem(session, dealtPack.empty() ? PackOfGame(session) : dealtPack);
    if (problem) return ::testing::AssertionFailure() << *problem;
    return ::testing::AssertionSuccess();
  }

  // Drags a card onto a pile with the mouse, as a player would.
  void Drag(int card, PileRef target) {
    const Rect from = CardRectangle(session, card);
    engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
    if (session.drag.draggedCard != 0) {
      const Rect to = NextCardRect(session, target);
      engine.OnMouseMove(to.left + session.drag.grabX, to.top + session.drag.grabY);
    }
    engine.OnMouseUp(kLeftButton);
  }

  // Drags a card until it lies on another card, wherever that card lies.
  void DragOnto(int card, int other) {
    const Rect from = CardRectangle(session, card);
    engine.OnMouseDown(kLeftButton, false, from.left + 1, from.top + 1);
    if (session.drag.draggedCard != 0) {
      const Rect to = CardRectangle(session, other);
      engine.OnMouseMove(to.left + session.drag.grabX, to.top + session.drag.grabY);
    }
    engine.OnMouseUp(kLeftButton);
  }

  void Click(PileRef pile) {
    const Rect r = TopCardRect(session, pile);
    engine.OnMouseDown(kLeftButton, false, r.left + 1, r.top + 1);
    engine.OnMouseUp(kLeftButton);
  }

  TempDir dir;
  std::vector<int> dealtPack;  // empty: the whole pack of CardCount cards
  Session session;
  RecordingMessages messages;
  FakeScreen screen;
  Random random{3};
  FakeClock clock{};
  HeadlessTable table;
  Engine engine{session, PlayPorts{messages, clock, table, table, table}};
  GameStartPorts startPorts{messages, screen, random, clock, table, engine};
};

}  // namespace cardoria::test
