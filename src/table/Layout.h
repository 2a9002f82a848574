#pragma once
// Where every pile lies on the table, and every card in its pile. No game
// stores coordinates: the rules give each group an arrangement number, a row
// digit and a pile count, and the layout turns them into pixel origins for
// the current window and card size.

#include <optional>

#include "core/Piles.h"
#include "core/PlayState.h"

namespace cardoria {

struct Session;

// The window as the layout sees it.
struct TableGeometry {
  int formWidth = 1024;
  int formHeight = 768;  // outer height of the window
  int clientHeight = 700;
  int topY = 5;            // bottom of the visible toolbar, 5 without one
  int scrollBarWidth = 0;  // 0 while the bar is hidden
  int screenWidth = 1024;
  int screenHeight = 768;
  // Every pile moves this far right once placed: a table fitted to the
  // window stands in its middle.
  int shiftX = 0;
};

inline constexpr int kUnusedStock = -10000, kUnusedFoundation = -10001, kUnusedTableau = -10002,
                     kUnusedReserve = -10003;
inline bool OffTable(int coordinate) { return coordinate < -9999; }

// Card width and height of a card size letter ("B", "M", "L").
void SetCardSize(Session& session, const std::string& cardSize);

void ClearPilePositions(Session& session);
void SetFanSteps(Session& session);
void ComputeLayout(Session& session, const TableGeometry& geometry);

// Pile origins: X, and Y in screen coordinates (document Y - ScrollOffset).
int PileX(const Session& session, PileRef pile);
int PileY(const Session& session, PileRef pile);
bool PileShown(const Session& session, PileRef pile);
int ScrollOffset(const Session& session);

// The place of the top card with `leftOff` top cards ignored; with
// `includeTop`, where one more card would lie. Screen coordinates.
int CardPositionX(const Session& session, PileRef pile, int leftOff, bool includeTop);
int CardPositionY(const Session& session, PileRef pile, int leftOff, bool includeTop);
// The Y of the lower edge of the top card.
int PileBottom(const Session& session, PileRef pile);
// Card i (0-based) of a pile: its rectangle on the screen.
Rect CardInPileRect(const Session& session, PileRef pile, int index);
// The rectangle of a card anywhere on the table, or an empty one.
Rect CardRectangle(const Session& session, int card);
// Place `slot` of a row laid side by side from the pile's origin, wrapping at
// the table's right edge (the free layout of the row games).
Rect RowSlotRect(const Session& session, PileRef pile, int slot);
// The top card's rectangle, or the pile's place when it is empty.
Rect TopCardRect(const Session& session, PileRef pile);
// Where the pile would receive its next card.
Rect NextCardRect(const Session& session, PileRef pile);

// The poker-hand panel: its picture's size, and where it lies beside the
// grid (screen coordinates; empty when the game has no such place).
inline constexpr int kPokerPanelWidth = 150, kPokerPanelHeight = 62;
Rect PokerPanelRect(const Session& session);

// The largest document Y that any card reaches.
int TableBottom(const Session& session);
// The vertical scroll bar after a full redraw; true when the table must be
// laid out again because the bar appeared, grew or went away.
bool UpdateScrollBar(Session& session, int clientHeight);

}  // namespace cardoria
