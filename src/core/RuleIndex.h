#pragma once
// Indexes of the rules record, by name. Per-pile rules give the index of
// pile 0; pile i is that index + i.

namespace cardoria::rule {

inline constexpr int FoundationDealKind = 1, SequenceRule = 2, TableauLayout = 3, FoundationLayout = 4,
                     ReserveLayout = 5, StockFaceDown = 6, HasStock = 7, StockDealsToWaste = 8,
                     FirstCardToFoundation = 10, MoveLimit = 11, ReserveAnyCard = 12, Redeals = 13, RedealKind = 14,
                     StockDealOnlyEmptyWaste = 15, FoundationTake = 16, WasteLocked = 17, AutoplayAvailable = 18,
                     NoSaveNoUndo = 20, CardsPerDeal = 21, AutoFillSource = 22, SweepByPile = 23, GridRows = 24,
                     GridCols = 25, AdjacencyCols = 27, FoundationSorted = 29, PostDealHook = 30,
                     FoundationCapacity = 31, DealSpecial = 32, StockFirstRule = 33, ClickMoves = 35, ScreenNeed = 36,
                     PairingSum = 37, FoundationsFirst = 38, FillAfterFirstMove = 39, AutoFaceUpAllowed = 40,
                     ScoreBase = 41, MaxScore = 42, WinScore = 43, GameFamily = 44;

inline constexpr int FoundationBase = 45, FoundationDirection = 61, FoundationBuild = 77, FoundationStart = 93,
                     TableauSpace = 109, TableauDirection = 137, TableauBuild = 165, TableauWrap = 193,
                     TableauAddKind = 221, ReserveKind = 249, ReserveAddKind = 257;

inline constexpr int SecondWasteCard = 265, WasteBuild = 266, WasteNoDrop = 267, StockArrangement = 268, StockRow = 269,
                     FoundationArrangement = 270, FoundationRow = 271, TableauArrangement = 272, TableauRow = 273,
                     TableauRows = 274, ReserveArrangement = 275, ReserveRow = 276, DealToSecondWaste = 277,
                     SecondWasteRow = 278, StockGroupCount = 279, FoundationCount = 280, TableauCount = 281,
                     ReserveCount = 282, SecondWasteCount = 283, CardCount = 284, StockDealCount = 285,
                     WasteDealCount = 286, ScoreDeduct = 287;

inline constexpr int TableauDealCount = 288, TableauFaceUp = 316, SecondWasteDealCount = 344, ReserveDealCount = 345,
                     ReserveFaceUp = 353;

inline constexpr int CardsPerDealEditable = 361, RedealsEditable = 362, EmptyTableauEditable = 363;

// ReserveKind 10, the Queens' row: the stock puts each Queen it turns up into
// the first empty place of the row, and nothing else goes there; what lies
// there stays to the end.
inline constexpr int kQueensRow = 10;

// Empty-pile letter codes.
inline constexpr int kQ = 81, kR = 82, kS = 83, kT = 84, kU = 85, kV = 86, kW = 87, kX = 88, kZ = 90, kBackslash = 92,
                     kBracket = 93, kUnderscore = 95;

}  // namespace cardoria::rule
