#pragma once
// Untidy piles: small random sideways offsets of the tableau cards, drawn anew
// at every game start so piles look laid by hand.

namespace cardoria {

class ValueTables;
class Random;

void RefillPileJitter(ValueTables& values, Random& random);

}  // namespace cardoria
