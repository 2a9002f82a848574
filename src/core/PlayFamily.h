#pragma once
// The families of play: games whose moves, ends or scores follow rules of
// their own beyond building on piles. A game's source names its family; the
// catalogue keeps the number, and code asks for the family by its name.

#include <optional>
#include <string_view>
#include <vector>

#include "core/GameRules.h"
#include "core/RuleIndex.h"
#include "core/ValueNames.h"

namespace cardoria {

// Each family is named after the best-known game that plays by it.
enum class PlayFamily : int {
  Standard = 0,  // building on piles only
  Fifteens = 1,
  Golf = 2,
  FourteenOut = 3,
  Pyramid = 4,
  Thirteens = 7,
  MonteCarlo = 8,
  PokerSquares = 9,
  Calculation = 10,
  Frog = 11,
  BlackHole = 12,
  Nestor = 14,
  RelaxedGolf = 15,
  SimplePairs = 16,
  Elevens = 17,
  Eighteens = 18,
  Accordion = 19,
  Decade = 20,
  MarriageRow = 21,
  RoyalMarriage = 22,
  MultiplesOfSeven = 23,
  Nines = 24,
  PatientPairs = 25,
  HiddenElevens = 26,
  SalicLaw = 27,
  HitOrMiss = 28,
  PerpetualMotion = 29,
  JacksAndKings = 30,
  AcesUp = 31,
  Gaps = 32,
  ChainCrossing = 33,
  EightPuzzle = 34,
  PegSolitaire = 35,
  AceToKing = 36,
  Pairs = 37,
  ForgetMeNot = 38,
  Concentration = 39,
};

// As a game source writes them: "gaps", "monte-carlo"
using PlayFamilyName = ValueName<PlayFamily>;

const std::vector<PlayFamilyName>& PlayFamilyNames();
std::optional<PlayFamily> PlayFamilyNamed(std::string_view name);
// The name of a family number, or nothing for a number no family has.
const char* PlayFamilyNameOf(int value);

inline PlayFamily FamilyOf(const GameRules& rules) { return static_cast<PlayFamily>(rules[rule::GameFamily]); }
inline bool IsFamily(const GameRules& rules, PlayFamily family) { return FamilyOf(rules) == family; }
// The games of one row dealt card by card, cleared by runs of neighbours.
inline bool IsRowFamily(PlayFamily f) {
  return f == PlayFamily::Decade || f == PlayFamily::MarriageRow || f == PlayFamily::RoyalMarriage ||
         f == PlayFamily::MultiplesOfSeven;
}
// The memory games, whose cards are remembered rather than built.
inline bool IsMemoryFamily(PlayFamily f) {
  return f == PlayFamily::AceToKing || f == PlayFamily::Pairs || f == PlayFamily::ForgetMeNot ||
         f == PlayFamily::Concentration;
}

}  // namespace cardoria
