#include "core/CardTable.h"

#include "core/Cards.h"
#include "core/Piles.h"

namespace cardoria {

std::string CardEntryLine(int card) {
  std::string name;
  char suitDigit = '4';
  if (IsJoker(card)) {
    name = "JOKER";
  } else {
    static constexpr const char* kSuitNames[] = {"CUORI_", "QUADR_", "FIORI_", "PICCH_"};
    const int suit = CardSuit(card);
    const int rank = CardRank(card);
    name = kSuitNames[suit];
    name += (rank == 1 || rank >= 11) ? RankText(rank) : ZeroPad(rank, 2);
    suitDigit = static_cast<char>('1' + suit);
  }
  return PadRight(name, 15) + suitDigit + ZeroPad(card, 3) + "1";
}

CardTable::CardTable() { Reset(); }

void CardTable::Reset() {
  lines_.clear();
  lines_.reserve(kCardCount);
  for (int card = 1; card <= kCardCount; ++card) lines_.push_back(CardEntryLine(card));
}

std::string_view CardTable::Entry(int card) const {
  if (card < 1 || card > kCardCount) return {};
  return lines_[static_cast<std::size_t>(card - 1)];
}

bool CardTable::IsFaceDown(int card) const {
  const std::string_view line = Entry(card);
  return line.size() >= 20 && line[19] == '0';
}

void CardTable::SetCardFace(int card, char digit) {
  if (card < 1 || card > kCardCount) return;
  std::string& line = lines_[static_cast<std::size_t>(card - 1)];
  line = line.substr(0, 19) + digit;
}

void SetPileFaces(CardTable& table, std::string_view pile, int mode, char digit) {
  const int count = PileCardCount(pile);
  for (int i = 0; i < count; ++i) {
    const int card = CardAt(pile, i);
    switch (mode) {
      case -1: table.SetCardFace(card, i % 2 == 0 ? '1' : '0'); break;
      case -2: table.SetCardFace(card, i % 2 == 0 ? '0' : '1'); break;
      case -3: table.SetCardFace(card, i == 0 ? '1' : '0'); break;
      default:
        if (mode >= 1 && i >= count - mode) table.SetCardFace(card, digit);
        break;
    }
  }
}

}  // namespace cardoria

namespace cardoria {

std::string SnapshotLine(const CardTable& table, std::string_view pile) {
  std::string line;
  for (int i = 0; i < PileCardCount(pile); ++i) {
    const int card = CardAt(pile, i);
    if (card < 1) {
      line += "0000";
    } else {
      line += pile.substr(static_cast<std::size_t>(i) * 3, 3);
      line += table.IsFaceDown(card) ? '0' : '1';
    }
  }
  return line;
}

}  // namespace cardoria
