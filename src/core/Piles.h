#pragma once
// Piles are texts of three-character card codes, bottom card first. They live
// in four groups of fixed size; the engine addresses them by name ("Mazzo",
// "Mazzo_Vis", "Mazzo_Waste", "Fila7", "Dest12", "Appogg3").

#include <optional>
#include <string>
#include <string_view>

#include "core/TextHelpers.h"

namespace cardoria {

class CardTable;
class GameRules;

enum class PileGroup { Stock, Foundation, Tableau, Reserve };

inline constexpr int kStockPiles = 3;
inline constexpr int kFoundationPiles = 16;
inline constexpr int kTableauPiles = 28;
inline constexpr int kReservePiles = 8;

// Items of the stock group.
inline constexpr int kStockItem = 0;
inline constexpr int kWasteItem = 1;
inline constexpr int kSecondWasteItem = 2;

// Kinds of pile; 255 is "not found" (the byte value of -1).
enum PileKind : int {
  kPileStock = 1,
  kPileWaste = 2,
  kPileSecondWaste = 3,
  kPileTableau = 4,
  kPileFoundation = 5,
  kPileReserve = 6,
  kPileNotFound = 255,
};

// Locators of single piles: -99 stock, -98 waste, -1..-16 foundations,
// 1..28 tableau piles, -21..-28 reserves, 0 none. The second waste has none.
inline constexpr int kLocStock = -99;
inline constexpr int kLocWaste = -98;
inline constexpr int kLocNone = 0;
inline int FoundationLocation(int number) { return -number; }
inline int TableauLocation(int number) { return number; }
inline int ReserveLocation(int number) { return -20 - number; }

// The group and 0-based item a pile name stands for.
struct PileRef {
  PileGroup group;
  int index;
  bool operator==(const PileRef&) const = default;
};

// Parses a pile name the way every stored file spells it: "Fila07" and "Fila7"
// name the same pile. Unknown names and numbers outside the group give nothing.
std::optional<PileRef> ParsePileName(std::string_view name);
std::string PileName(PileRef ref);

class PileGroups {
 public:
  PileGroups();

  TextList& Items(PileGroup group);
  const TextList& Items(PileGroup group) const;
  // Item `index` (0-based) of a group; indexes outside the group give a
  // shared empty scratch pile, so a bad number can not reach outside.
  std::string& Pile(PileGroup group, int index);
  const std::string& Pile(PileGroup group, int index) const;
  std::string* Named(std::string_view name);
  const std::string* Named(std::string_view name) const;

  void ClearAll();

 private:
  TextList stock_, foundation_, tableau_, reserve_;
  std::string scratch_;
  static const std::string kEmpty;
};

int PileCardCount(std::string_view pile);
// Card i (0-based from the bottom) of a pile text; 0 past the end.
int CardAt(std::string_view pile, int i);
// The top card code's value, 0 for an empty pile.
int TopCard(std::string_view pile);

// Top card of "Mazzo", "Mazzo_Vis" and the tableau, foundation and reserve
// piles by name; 0 when empty or when the name is not one of those.
int TopCardOf(const PileGroups& piles, std::string_view name);
bool PileHasCard(std::string_view cardText, std::string_view pile);
bool PileRanksDistinct(std::string_view pile);
int LongestTableau(const PileGroups& piles, const GameRules& rules);
bool IsTableauTop(const PileGroups& piles, const GameRules& rules, int card);

// Appends a card code (0 for a hole) to a pile; sets the card's face when a
// digit is given and the card is a real card.
void AppendCard(PileGroups& piles, CardTable& table, PileGroup group, int index, int card,
                std::optional<char> digit = std::nullopt);
// The same by name for the waste and the tableau, foundation and reserve
// piles; the stock and the second waste are never changed this way.
void AppendCardToNamedPile(PileGroups& piles, CardTable& table, std::string_view name, int card,
                           std::optional<char> digit = std::nullopt);

// Byte offset of the first code with the card's value, or npos.
std::size_t FindCode(std::string_view pile, int card);

enum TakeMode : int { kTakeFind = 0, kTakeRemove = 1, kTakeLeaveHole = 2, kTakeRemoveWithHole = 3 };
// Finds the first code with the card's value, from the bottom; by mode
// changes nothing, removes it, leaves a hole, or removes it together with a
// hole that then starts at the position before it.
bool TakeCard(std::string& pile, int card, int mode);
bool TakeCard(PileGroups& piles, PileGroup group, int index, int card, int mode);

// Takes the card from the first pile that holds it, in the order waste,
// tableau, foundations, stock, second waste, reserves; the pile's kind or 255.
int FindCardKind(PileGroups& piles, const GameRules& rules, int card, int mode);
// The locator of the first pile holding the card, in the order stock, waste,
// foundations, tableau, reserves; 0 when none.
int LocateCard(const PileGroups& piles, const GameRules& rules, int card);

}  // namespace cardoria
