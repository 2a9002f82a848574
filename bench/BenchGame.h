#pragma once
// A dealt game of the installed catalogue for the benchmarks: the session, the
// engine and a table without a screen.

#include <string>

#include "core/Catalogue.h"
#include "core/Session.h"
#include "deal/GameStart.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "table/HeadlessTable.h"

namespace cardoria::bench {

struct Game {
  explicit Game(int number, const char* deal = "8", bool autoplay = false) {
    session.programDir = std::string(CARDORIA_BUILD_DIR) + "/";
    session.store.Set(pos::kScoreScheme, 2, "01");
    session.store.Set(pos::kCardSize, 1, "B");
    session.store.Set(pos::kUndoEnabled, 1, "0");
    LoadCatalogue(session, messages);
    session.store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
    session.store.Set(pos::kGameName, 50, GameNameOf(session, number));
    session.store.Set(pos::kDealNumber, 15, deal);
    session.autoplayChecked = autoplay;
    StartGame(session, start, true, false, 1, true);
  }
  Session session;
  SilentMessages messages;
  FixedScreen screen;
  Random random{1};
  JumpClock clock;
  HeadlessTable table{session, TableGeometry{}};
  Engine engine{session, PlayPorts{messages, clock, table, table, table}};
  GameStartPorts start{messages, screen, random, clock, table, engine};
};

}  // namespace cardoria::bench
