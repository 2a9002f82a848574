#pragma once
// How a pile is built: the values of TableauBuild and FoundationBuild. Each
// is named once, in the table of BuildRule.cpp, which the game sources, the
// tools and the rules pages share; the catalogue keeps the number.

#include <optional>
#include <string_view>
#include <vector>

#include "core/ValueNames.h"

namespace cardoria {

enum class BuildRule : int {
  BySuit = 0,
  SameColour = 1,
  AnySuit = 2,
  AlternateColours = 3,
  Nothing = 4,                      // not even an empty pile takes a card
  SuitAfterPreviousFoundation = 5,  // its first card's suit, each rank once the pile before holds it
  NoBuilding = 6,                   // nothing on a card; an empty pile by its empty rule
  SpacesOnceStockIsOut = 7,         // any suit; a card dropped only on a space once the stock is out
  LoneQueen = 10,                   // a Queen on an empty foundation, and nothing on her
  BySuitQueensApart = 11,           // by suit, no Queen on a King or a Jack
  AnyCard = 12,
  ByTwos = 14,  // up in steps of two, round the corner
  ByThrees = 15,
  ByFours = 16,
  NotFromTableau = 17,  // any card that does not come from the tableau
  NotFromTableauExceptToSpaces = 18,
  NotFromTableauOrReserve = 19,
  UpWholePack = 20,  // up regardless of suit, round the corner, all 52 cards
  AnyOtherSuit = 21,
  BeatenInItsSuit = 22,  // a card goes when a higher card of its suit tops a column
  UpBySuitWhileWasteEmpty = 23,
  BySuitKingsAndQueensApart = 24,
  BySuitByTwos = 25,
  ThreeHighUpOrDown = 26,
  AlternateColoursNotFromFoundationOrReserve = 27,
  UpOrDown = 28,
  UpToKingThenDown = 29,
  BySuitOneWay = 30,  // up or down by suit, the way the pile already goes
  DownBySuitNoSpaces = 31,
  UpBySuitNoSpaces = 32,
  OneCardNotFromTableau = 33,
  DownAlternateColoursPlain = 34,
  NextRank = 35,  // one rank up or down, round the corner
  DownRoundTheCornerInTurn = 36,
  Doubling = 37,  // the rank twice the top card's, modulo 13
  OnALoneKing = 38,
  UpToJack = 39,
  CalledRank = 40,  // the rank the deal count calls
  BySuitByTwosSuitsApart = 41,
  UpBySuitKingLast = 42,
  UpBySuitByTwos = 43,
  UpToQueen = 44,
  OnAKingThenDown = 45,
  UpToJackFromBase = 46,
  DownNoQueenFromBase = 47,
  OnALoneQueen = 48,
  UpToJackBesideItsColumn = 49,
  DownNoQueenBesideItsColumn = 50,
  UpToJackInItsColumnsSuit = 51,
  DownNoQueenInItsColumnsSuit = 52,
  UpRoundTheCornerAfterFirst = 53,
  DownNotFromReserves = 54,
  UpInOneColourWasteFirst = 55,
  SameRank = 56,
  NextRankOnceStockIsOut = 57,
  AcesAndKingsBalanced = 58,
  UpOrDownBySuit = 60,
  BySuitByTwosTurning = 61,
  CompanionStart = 62,
  BySuitSidesApartFirstPass = 63,
  AcesAndKingsBalancedToo = 64,
  OnlyFromOutside = 67,
  NextRankNoSpaces = 68,
  SpacesOnly = 69,  // a card goes only to an empty pile
  Slide = 70,       // into the empty place beside it
  Jump = 71,        // over a card into an empty place
};

// As a game source writes them: "alternate-colours"
using BuildRuleName = ValueName<BuildRule>;

const std::vector<BuildRuleName>& BuildRuleNames();
std::optional<BuildRule> BuildRuleNamed(std::string_view name);
// The name of a build value, or nothing for a number no rule has.
const char* BuildRuleNameOf(int value);

}  // namespace cardoria
