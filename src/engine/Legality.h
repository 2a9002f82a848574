#pragma once
// The judge of every move: may this card, or the group that starts with it,
// be placed on that pile now? Nothing here changes a pile.

#include <string_view>

namespace cardoria {

struct Session;

struct BuildQuery {
  int top = -1;       // destination top card, -1 for an empty pile
  int card = 0;       // the moving card (lowest of a group)
  int emptyRule = 0;  // TableauSpace[i] or FoundationBase[i]
  bool drop = true;   // a real drop, not a check inside a sequence
  int pile = 0;       // 0-based index of the destination
  bool wrap = false;  // TableauWrap[i] > 0 for a tableau pile, always for a foundation
  bool foundation = false;
  int code = 2;       // build code
  int direction = 0;  // 1 up, 0 down, 2 either
  int base = 1;       // FoundationBase[0] for a tableau pile, FoundationBase[i] for a foundation
};

// How many piles of each kind the game uses, within what the table holds.
int Tableaus(const Session& session);
int Foundations(const Session& session);
int Reserves(const Session& session);

bool CanBuild(const Session& session, const BuildQuery& query);
bool CanDropOnPile(const Session& session, int card, std::string_view pileName);
bool CanDropOnWaste(const Session& session, int card);
// The card lies on a foundation.
bool FromFoundation(const Session& session, int card);
// The group from the card to the top of its pile follows SequenceRule.
bool IsMovableSequence(const Session& session, int card, int pile);
// The group from the card up may move at once; records GroupTopCard.
bool WithinMoveLimit(Session& session, int card, bool toEmptyPile, int destination = -1);
bool IsTopCard(const Session& session, int card);
bool FoundationStartAllowed(const Session& session, int code, int card);

// Build code 62 in the family of Jacks and Kings with their companions: a Jack
// or King starts an empty foundation of its rank only while its companion
// (the Ace, the Queen of its suit) lies open on a tableau pile or the waste.
bool CompanionStart(const Session& session, int card, int top, int foundation);
// The moves onto a tableau pile tagged in the undo log, in the family whose
// tableau cards reach the foundations only every twentieth such move.
int TaggedDrops(const Session& session);
bool BlockOpen(const Session& session);
// Whether the card may fill the hole at place `place` (1-based) of row `row`
// in the game of gaps: a 2 in a first place, else the next card of the suit
// of the card on the hole's left.
bool GapAccepts(const Session& session, int card, int row, int place);

// The card lies in the Queens' row (ReserveKind rule::kQueensRow).
bool InQueensRow(const Session& session, int card);
// The first empty place of the Queens' row, or -1.
int FreeQueensPlace(const Session& session);

// Whether the moving group is a single card (its drag height is one card).
bool MovingSingleCard(const Session& session);
// The card and every card above it in its tableau pile or reserve.
std::string GroupFrom(const Session& session, int card);

}  // namespace cardoria
