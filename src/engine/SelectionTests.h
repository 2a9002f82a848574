#pragma once
// The tests of selection play: which groups of selected cards a family takes,
// when a group is complete, and the tests on the piles they use. None of them
// changes anything.

#include <string>
#include <vector>

#include "core/PlayState.h"

namespace cardoria {

struct Session;

// The selected cards are kept as the text of foundation 1, in the order they
// were selected.
const std::string& Selection(const Session& session);
std::vector<int> SelectedCards(const Session& session);
bool IsSelected(const Session& session, int card);
// Games whose foundation 1 holds a selection: PairingSum set, Fourteen Out, Pyramid or Chain Crossing.
bool UsesSelection(const Session& session);
// The 0-based tableau pile holding the card, or -1; the selection itself is
// never searched.
int TableauPileOf(const Session& session, int card);
// Where a selected card lies on the table (the stock group, the tableau, the
// reserves or a foundation other than the selection); empty when hidden.
Rect SelectedCardRect(const Session& session, int card);

// Tableau pile 1 holds the selected cards as one run, holes skipped; also
// true when no selected card lies there.
bool IsUnbrokenRun(const Session& session);
// The cards two places outside the selected run of tableau pile 1 share a
// rank or a suit (Marriage Row and Royal Marriage).
bool OuterCardsMatch(const Session& session);
// 0-based piles of a five-column grid touch, diagonals included.
bool AdjacentInFiveColumns(int a, int b);
// No card of the next pyramid row covers the card.
bool IsFreeInPyramid(const Session& session, int card);
// The two cards' piles touch in a grid of seven columns.
bool IsGridNeighbour(const Session& session, int a, int b);
// `next` may follow `previous` in a chain: neighbours of the same rank or
// one apart, a King and an Ace counting as one apart.
bool ChainLinks(const Session& session, int previous, int next);
struct ChainState {
  bool valid = false;
  bool complete = false;
};
// The selection as a chain across the seven-column grid.
ChainState IsChainValid(const Session& session);

// The family's acceptance test on the selection as it now is, and its
// completion test (not Monte Carlo, whose pairs the engine judges itself).
bool SelectionAccepted(const Session& session, int pressed);
bool SelectionComplete(const Session& session);
// Monte Carlo: the two selected cards are a pair of adjacent equal ranks.
bool MonteCarloPair(const Session& session, int pressed);

}  // namespace cardoria
