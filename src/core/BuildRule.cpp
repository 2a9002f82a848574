#include "core/BuildRule.h"

namespace cardoria {

const std::vector<BuildRuleName>& BuildRuleNames() {
  using enum BuildRule;
  static const std::vector<BuildRuleName> names = {
      {BySuit, "by-suit"},
      {SameColour, "same-colour"},
      {AnySuit, "any-suit"},
      {AlternateColours, "alternate-colours"},
      {Nothing, "nothing"},
      {SuitAfterPreviousFoundation, "suit-after-previous-foundation"},
      {NoBuilding, "no-building"},
      {SpacesOnceStockIsOut, "spaces-once-stock-is-out"},
      {LoneQueen, "lone-queen"},
      {BySuitQueensApart, "by-suit-queens-apart"},
      {AnyCard, "any-card"},
      {ByTwos, "by-twos"},
      {ByThrees, "by-threes"},
      {ByFours, "by-fours"},
      {NotFromTableau, "not-from-tableau"},
      {NotFromTableauExceptToSpaces, "not-from-tableau-except-to-spaces"},
      {NotFromTableauOrReserve, "not-from-tableau-or-reserve"},
      {UpWholePack, "up-whole-pack"},
      {AnyOtherSuit, "any-other-suit"},
      {BeatenInItsSuit, "beaten-in-its-suit"},
      {UpBySuitWhileWasteEmpty, "up-by-suit-while-waste-empty"},
      {BySuitKingsAndQueensApart, "by-suit-kings-and-queens-apart"},
      {BySuitByTwos, "by-suit-by-twos"},
      {ThreeHighUpOrDown, "three-high-up-or-down"},
      {AlternateColoursNotFromFoundationOrReserve, "alternate-colours-not-from-foundation-or-reserve"},
      {UpOrDown, "up-or-down"},
      {UpToKingThenDown, "up-to-king-then-down"},
      {BySuitOneWay, "by-suit-one-way"},
      {DownBySuitNoSpaces, "down-by-suit-no-spaces"},
      {UpBySuitNoSpaces, "up-by-suit-no-spaces"},
      {OneCardNotFromTableau, "one-card-not-from-tableau"},
      {DownAlternateColoursPlain, "down-alternate-colours-plain"},
      {NextRank, "next-rank"},
      {DownRoundTheCornerInTurn, "down-round-the-corner-in-turn"},
      {Doubling, "doubling"},
      {OnALoneKing, "on-a-lone-king"},
      {UpToJack, "up-to-jack"},
      {CalledRank, "called-rank"},
      {BySuitByTwosSuitsApart, "by-suit-by-twos-suits-apart"},
      {UpBySuitKingLast, "up-by-suit-king-last"},
      {UpBySuitByTwos, "up-by-suit-by-twos"},
      {UpToQueen, "up-to-queen"},
      {OnAKingThenDown, "on-a-king-then-down"},
      {UpToJackFromBase, "up-to-jack-from-base"},
      {DownNoQueenFromBase, "down-no-queen-from-base"},
      {OnALoneQueen, "on-a-lone-queen"},
      {UpToJackBesideItsColumn, "up-to-jack-beside-its-column"},
      {DownNoQueenBesideItsColumn, "down-no-queen-beside-its-column"},
      {UpToJackInItsColumnsSuit, "up-to-jack-in-its-columns-suit"},
      {DownNoQueenInItsColumnsSuit, "down-no-queen-in-its-columns-suit"},
      {UpRoundTheCornerAfterFirst, "up-round-the-corner-after-first"},
      {DownNotFromReserves, "down-not-from-reserves"},
      {UpInOneColourWasteFirst, "up-in-one-colour-waste-first"},
      {SameRank, "same-rank"},
      {NextRankOnceStockIsOut, "next-rank-once-stock-is-out"},
      {AcesAndKingsBalanced, "aces-and-kings-balanced"},
      {UpOrDownBySuit, "up-or-down-by-suit"},
      {BySuitByTwosTurning, "by-suit-by-twos-turning"},
      {CompanionStart, "companion-start"},
      {BySuitSidesApartFirstPass, "by-suit-sides-apart-first-pass"},
      {AcesAndKingsBalancedToo, "aces-and-kings-balanced-too"},
      {OnlyFromOutside, "only-from-outside"},
      {NextRankNoSpaces, "next-rank-no-spaces"},
      {SpacesOnly, "spaces-only"},
      {Slide, "slide"},
      {Jump, "jump"},
  };
  return names;
}

std::optional<BuildRule> BuildRuleNamed(std::string_view name) { return ValueNamed(BuildRuleNames(), name); }

const char* BuildRuleNameOf(int value) { return NameOfValue(BuildRuleNames(), value); }

}  // namespace cardoria
