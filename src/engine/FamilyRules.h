#pragma once
// Tests of the few families whose rule no build code can express. They only
// read the piles; the follow-ups that move cards live with the engine.

namespace cardoria {

struct Session;

// Whether a waste card may go to tableau pile `pile` (0-based) under
// StockFirstRule 2 or 3: only one pile is designated at a time.
bool DesignatedPile(const Session& session, int rule, int pile);

// A waste card while the waste holds cards: a card of `rank` opens the first
// empty pile, any other card goes onto the last filled pile.
bool WasteToTableauRule(const Session& session, int card, int pile, int rank);

// Aces on foundations 1-2 and Kings on 3-4, one colour per pair and
// every suit once.
bool BalancedAceKingStart(const Session& session, int foundation, int card);

// An empty tableau pile that takes only cards from outside the tableau.
bool OnlyFromOutside(const Session& session, int card, int pile);

// The pile (0-based) that a card lying at `fromLocation` jumps over on its
// way into tableau pile `to`, two places away in the grid of AdjacencyCols
// columns; -1 when the two piles are not two apart.
int JumpedPile(const Session& session, int fromLocation, int to);

// The row of stacks in tableau pile 1: every face-up card tops a stack, and
// the face-down cards before it lie under it. The 0-based place of the stack
// that `card` tops, or -1 when it tops none.
int RowStackPlace(const Session& session, int card);

// Whether a top card of tableau pile `pile` (0-based) may go onto the
// discards whose top card is `top`: one rank up or down, whatever the suit,
// round the corner from King to Ace where the family says so.
bool DiscardFits(const Session& session, int card, int top, int pile);

// How many places to its left a stack may go: onto its neighbour, or onto
// the stack three places away.
inline constexpr int kRowStackReach[] = {1, 3};

// Whether two stack tops fit, wherever they lie: a suit or a rank in common.
bool RowStackTopsMatch(int card, int candidate);

// Whether the stack topped by `card` may go onto the stack topped by
// `candidate`: the candidate lies one of the reaches to its left and the two
// tops match.
bool RowStackAccepts(const Session& session, int card, int candidate);

}  // namespace cardoria
