#pragma once
// Card numbers: 1-52 the first deck in suit blocks hearts, diamonds, clubs,
// spades (ace to king), 53-104 the second deck in the same order, 105-108 the
// jokers. 0 is the hole code; negative codes are markers, not cards.

#include <string>

namespace cardoria {

inline constexpr int kCardCount = 108;
inline constexpr int kHoleCode = 0;

enum Suit : int { kNoSuit = -1, kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3 };

// 1-13 by position in the suit block; -1 for jokers and anything else.
int CardRank(int card);
// 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for jokers and anything else.
int CardSuit(int card);
// Hearts and diamonds of either deck; jokers count as black.
bool IsRedCard(int card);
bool IsJoker(int card);
bool IsCourtCard(int card);

// Ranks wrap around: below the ace is the king, above the king the ace.
int RankBelow(int rank);
int RankAbove(int rank);
std::string RankText(int rank);

// The three-character code of a card inside piles and deal lists ("007").
std::string CardCode(int card);

}  // namespace cardoria
