#include "core/PlayFamily.h"

namespace cardoria {

const std::vector<PlayFamilyName>& PlayFamilyNames() {
  using enum PlayFamily;
  static const std::vector<PlayFamilyName> names = {
      {Standard, "standard"},
      {Fifteens, "fifteens"},
      {Golf, "golf"},
      {FourteenOut, "fourteen-out"},
      {Pyramid, "pyramid"},
      {Thirteens, "thirteens"},
      {MonteCarlo, "monte-carlo"},
      {PokerSquares, "poker-squares"},
      {Calculation, "calculation"},
      {Frog, "frog"},
      {BlackHole, "black-hole"},
      {Nestor, "nestor"},
      {RelaxedGolf, "relaxed-golf"},
      {SimplePairs, "simple-pairs"},
      {Elevens, "elevens"},
      {Eighteens, "eighteens"},
      {Accordion, "accordion"},
      {Decade, "decade"},
      {MarriageRow, "marriage-row"},
      {RoyalMarriage, "royal-marriage"},
      {MultiplesOfSeven, "multiples-of-seven"},
      {Nines, "nines"},
      {PatientPairs, "patient-pairs"},
      {HiddenElevens, "hidden-elevens"},
      {SalicLaw, "salic-law"},
      {HitOrMiss, "hit-or-miss"},
      {PerpetualMotion, "perpetual-motion"},
      {JacksAndKings, "jacks-and-kings"},
      {AcesUp, "aces-up"},
      {Gaps, "gaps"},
      {ChainCrossing, "chain-crossing"},
      {EightPuzzle, "eight-puzzle"},
      {PegSolitaire, "peg-solitaire"},
      {AceToKing, "ace-to-king"},
      {Pairs, "pairs"},
      {ForgetMeNot, "forget-me-not"},
      {Concentration, "concentration"},
  };
  return names;
}

std::optional<PlayFamily> PlayFamilyNamed(std::string_view name) { return ValueNamed(PlayFamilyNames(), name); }

const char* PlayFamilyNameOf(int value) { return NameOfValue(PlayFamilyNames(), value); }

}  // namespace cardoria
