#pragma once
// The face state of every card, one 20-character line per card number:
// name (15), suit digit, three-digit number, face digit ("1" up, "0" down).
// The face belongs to the card number, so it travels with the card.

#include <string>
#include <string_view>

#include "core/TextHelpers.h"

namespace cardoria {

class CardTable {
 public:
  CardTable();  // all 108 lines, every card face up

  const TextList& Lines() const { return lines_; }
  // The line of a card number, or the empty text outside 1..108.
  std::string_view Entry(int card) const;

  // False for the hole code and markers; true when the face digit is "0".
  bool IsFaceDown(int card) const;
  // Rewrites the face digit, keeping columns 1-19.
  void SetCardFace(int card, char digit);

  // Puts back every line as it is at start-up (all face up).
  void Reset();

 private:
  TextList lines_;
};

// The 20-character line of a card as the table is built.
std::string CardEntryLine(int card);

// Sets the faces of the cards of a pile text:
//  n >= 1  the n topmost cards get `digit` (all of them when fewer);
//  -1      alternating from the bottom, starting face up;
//  -2      alternating from the bottom, starting face down;
//  -3      the bottom card face up, every other card face down.
// Mode 0 and other negative modes do nothing.
void SetPileFaces(CardTable& table, std::string_view pile, int mode, char digit);

}  // namespace cardoria

namespace cardoria {

// A pile as the undo log and saved games store it: per card its code and its
// face digit ("0121" = card 12 face up); holes and markers as "0000".
std::string SnapshotLine(const CardTable& table, std::string_view pile);

}  // namespace cardoria
