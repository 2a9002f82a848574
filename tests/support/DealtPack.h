#pragma once
// How often a card lies on the table in the game being played: once for
// every card of the pack, except the Aces that the deal of gaps takes out of
// the game and the small cards the short pack leaves out; jokers only where
// the deal names them.

#include "core/Cards.h"
#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria::test {

inline int TimesOnTable(const Session& session, int card) {
  const GameRules& rules = session.rules;
  if (IsJoker(card)) {
    int dealt = 0;
    for (int i = 0; i < kTableauPiles; ++i) dealt += rules[rule::TableauDealCount + i] == card - 105 + 1501;
    return dealt;
  }
  if (card > rules[rule::CardCount]) return 0;
  // The short pack of 32 leaves out the 2s to the 6s.
  if (rules[rule::DealSpecial] == 15 && CardRank(card) >= 2 && CardRank(card) <= 6) return 0;
  return rules[rule::DealSpecial] == 8 && CardRank(card) == 1 ? 0 : 1;
}

// Holes stand for the cards a deal took out of the game.
inline bool HolesInPlay(const Session& session) { return session.rules[rule::DealSpecial] == 8; }

}  // namespace cardoria::test
