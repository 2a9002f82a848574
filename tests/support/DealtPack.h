#pragma once
// How often a card lies on the table in the game being played, as the
// program's own pack check counts it.

#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/PackCheck.h"

namespace cardoria::test {

inline int TimesOnTable(const Session& session, int card) {
  return PackOfGame(session)[static_cast<std::size_t>(card)];
}

// Holes stand for the cards a deal took out of the game.
inline bool HolesInPlay(const Session& session) { return session.rules[rule::DealSpecial] == 8; }

}  // namespace cardoria::test
