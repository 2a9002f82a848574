#pragma once
// A table without a screen on which the searches that play through the
// engine put back one position after another.

#include <array>
#include <string>

#include "core/Piles.h"
#include "core/Session.h"
#include "engine/Engine.h"
#include "platform/HeadlessPorts.h"
#include "solver/Replay.h"
#include "table/HeadlessTable.h"
#include "table/Layout.h"

namespace cardoria::solver {

// What play changes, kept apart from the rest of the session so that a
// position can be put back on one scratch table without copying the
// catalogue, the preferences and the pictures each time.
struct Snapshot {
  explicit Snapshot(const Session& s)
      : piles(s.piles),
        cards(s.cards),
        values(s.values),
        positions(s.positions),
        rules(s.rules),
        rulesSaveArea(s.rulesSaveArea),
        store(s.store),
        logs(s.logs),
        pokerPanel(s.pokerPanel),
        autoplayEnabled(s.autoplayEnabled) {}

  PileGroups piles;
  CardTable cards;
  ValueTables values;
  PositionTable positions;
  GameRules rules;
  std::array<int, 44> rulesSaveArea{};
  TextStore store;
  StepLogs logs;
  std::array<std::string, 3> pokerPanel;
  bool autoplayEnabled = false;

  void Restore(Session& s) const {
    s.piles = piles;
    s.cards = cards;
    s.values = values;
    s.positions = positions;
    s.rules = rules;
    s.rulesSaveArea = rulesSaveArea;
    s.store = store;
    s.logs = logs;
    s.pokerPanel = pokerPanel;
    s.autoplayEnabled = autoplayEnabled;
    s.drag = DragState{};
    s.history = UndoHistory{};
  }
  std::size_t Bytes() const {
    std::size_t bytes = sizeof(*this) + 108 * 40;
    for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Tableau, PileGroup::Reserve})
      for (const std::string& pile : piles.Items(group)) bytes += sizeof(std::string) + pile.capacity();
    return bytes + 4096;
  }
};

// One table without a screen that every position is put back on in turn.
struct Scratch {
  explicit Scratch(const Session& start) : session(start), table(session, TableGeometry{}) {
    session.history = UndoHistory{};
    session.drag = DragState{};
  }
  Session session;
  SilentMessages messages;
  JumpClock clock;
  HeadlessTable table;
  Engine engine{session, PlayPorts{messages, clock, table, table, table}};

  bool Won() const { return session.values.Flag(kGameWon) || (table.gamesEnded > 0 && table.lastResult.won); }
  bool Over() const { return !session.values.Flag(kGameInProgress); }
  void Play(const Move& move) {
    table.gamesEnded = 0;
    PerformMove(engine, session, move);
    // The steps of undo are not wanted on a table that is put back anyway.
    session.history = UndoHistory{};
  }
};

}  // namespace cardoria::solver
