#include "table/FamilyDisplays.h"

#include <algorithm>

#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/Legality.h"
#include "table/Layout.h"

namespace cardoria {

std::vector<TableNote> IntervalHints(const Session& s) {
  std::vector<TableNote> notes;
  if (!IsFamily(s.rules, PlayFamily::Calculation)) return notes;
  const PileRef first{PileGroup::Foundation, 0};
  if (!PileShown(s, first)) return notes;
  const int top = PileY(s, first) - 18;
  const int foundations = std::clamp(s.rules[rule::FoundationCount], 0, 4);
  for (int i = 1; i <= foundations; ++i) {
    const PileRef ref{PileGroup::Foundation, i - 1};
    if (!PileShown(s, ref)) continue;
    const int left = PileX(s, ref) + (s.layout.cardWidth - 21) / 2;
    TableNote note{{left, top, left + 21, top + 14}, {}};
    const std::string& pile = s.piles.Pile(PileGroup::Foundation, i - 1);
    const int count = PileCardCount(pile);
    if (count >= 1 && count < s.rules[rule::FoundationCapacity] && TopCard(pile) > 0) {
      int rank = CardRank(TopCard(pile)) + i;
      if (rank > 13) rank %= 13;
      note.text = RankText(rank);
    }
    notes.push_back(note);
  }
  return notes;
}

std::vector<TableNote> BlockCounter(const Session& s) {
  if (!IsFamily(s.rules, PlayFamily::MultiplesOfSeven) || s.rules[rule::PairingSum] != 0) return {};
  const PileRef waste{PileGroup::Stock, kWasteItem};
  if (!PileShown(s, waste)) return {};
  const int w = PileCardCount(s.piles.Pile(PileGroup::Stock, kWasteItem));
  const int n = TaggedDrops(s);
  const int shown = 20 - std::min(w, 20 - n % 20);
  const int left = PileX(s, waste) + (s.layout.cardWidth - 40) / 2;
  const int top = PileY(s, waste) + s.layout.cardHeight + 10;
  return {TableNote{{left, top, left + 40, top + 14}, std::to_string(shown) + "/20"}};
}

}  // namespace cardoria
