#include "core/Cards.h"

#include "core/TextHelpers.h"

namespace cardoria {

namespace {
int FirstDeck(int card) { return card > 52 ? card - 52 : card; }
}  // namespace

int CardRank(int card) {
  const int c = FirstDeck(card);
  if (c >= 1 && c <= 52) return (c - 1) % 13 + 1;
  return -1;
}

int CardSuit(int card) {
  const int c = FirstDeck(card);
  if (c < 1 || c > 52) return kNoSuit;
  return (c - 1) / 13;
}

bool IsRedCard(int card) { return (card >= 1 && card <= 26) || (card >= 53 && card <= 78); }

bool IsJoker(int card) { return card >= 105 && card <= 108; }

bool IsCourtCard(int card) {
  if (card < 1 || card > 104) return false;
  return CardRank(card) >= 11;
}

int RankBelow(int rank) { return rank == 1 ? 13 : rank - 1; }

int RankAbove(int rank) { return rank == 13 ? 1 : rank + 1; }

std::string RankText(int rank) {
  switch (rank) {
    case 1: return "A";
    case 11: return "J";
    case 12: return "Q";
    case 13: return "K";
    default: return std::to_string(rank);
  }
}

std::string CardCode(int card) { return ZeroPad(card, 3); }

}  // namespace cardoria
