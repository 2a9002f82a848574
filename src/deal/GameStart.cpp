#include "deal/GameStart.h"

#include <algorithm>

#include "core/Cards.h"
#include "core/Catalogue.h"
#include "core/CatalogueFile.h"
#include "core/DealChoices.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/RulesLoader.h"
#include "core/Session.h"
#include "deal/Boards.h"
#include "deal/Shuffle.h"
#include "engine/PackCheck.h"
#include "persist/RecentDeals.h"
#include "table/PileJitter.h"

namespace cardoria {

namespace {

int Rule(const Session& s, int index) { return s.rules[index]; }
int Tableaus(const Session& s) { return std::clamp(s.rules[GameRules::kTableauCount], 0, kTableauPiles); }
int Foundations(const Session& s) { return std::clamp(s.rules[GameRules::kFoundationCount], 0, kFoundationPiles); }

void EraseFirst(TextList& list, int card) {
  const auto it =
      std::find_if(list.begin(), list.end(), [&](const std::string& code) { return TextToInt(code) == card; });
  if (it != list.end()) list.erase(it);
}

int FirstWithRank(const TextList& list, int rank) {
  for (const auto& code : list) {
    if (CardRank(TextToInt(code)) == rank) return TextToInt(code);
  }
  return 0;
}

// The card FoundationStart code `k` puts on foundation i, 0 for none.
int FoundationSeed(const Session& s, const TextList& list, int k, int i) {
  const int n = Rule(s, rule::CardCount);
  switch (k) {
    case 0:
    case 92:
    case 96: return 0;
    case 20: return list.empty() ? 0 : TextToInt(list.front());
    case 21: {
      for (const auto& code : list) {
        const int suit = CardSuit(TextToInt(code));
        bool differs = true;
        for (int f = 0; f < i; ++f) {
          const int bottom = CardAt(s.piles.Pile(PileGroup::Foundation, f), 0);
          if (bottom > 0 && CardSuit(bottom) == suit) differs = false;
        }
        if (differs) return TextToInt(code);
      }
      return list.empty() ? 0 : TextToInt(list.back());
    }
    case 91: {
      if (list.empty() || n <= 0) return 0;
      const int card = TextToInt(list.front()) + 13 * (i + 1);
      return card > n ? card % n : card;
    }
    case 93:
    case 94: return 13 * i + 1;
    case 95: return i < 4 ? 13 * (i + 1) : 13 * (i - 4) + 1;
    default:
      if (k >= 51 && k <= 63) return FirstWithRank(list, k - 50);
      if (k >= 100) return k - 100;
      return 13 * i + k;
  }
}

void SetFaces(Session& s, PileGroup group, int index, int mode) {
  SetPileFaces(s.cards, s.piles.Pile(group, index), mode, '1');
}

// Cards of the tableau that may go to a foundation are moved there; a place
// is looked at again after a move, as the card above has dropped into it.
void PostDealSweep(Session& s, GameStartPorts& ports) {
  const int start = Rule(s, rule::FoundationStart);
  const bool byPile = Rule(s, rule::SweepByPile) != 0;
  auto candidates = [&](int pile, int inner) {
    std::vector<int> list;
    if (start == 94) {
      list.push_back(pile);
    } else if (start == 95) {
      // Places 1-4 feed foundations 1-4, places 7-10 foundations 5-8, the others any of the eight.
      const int from = inner >= 6 && inner <= 9 ? 4 : 0;
      const int to = inner <= 3 ? 3 : 7;
      for (int f = from; f <= to; ++f) list.push_back(f);
    } else {
      for (int f = 0; f < Foundations(s); ++f) list.push_back(f);
    }
    return list;
  };
  auto visit = [&](int pile, int position, int inner) {
    for (int guard = 0; guard < cardoria::kCardCount + 8; ++guard) {
      const int card = CardAt(s.piles.Pile(PileGroup::Tableau, pile), position);
      if (card <= 0) return;
      bool moved = false;
      for (int f : candidates(pile, inner)) {
        if (f < Foundations(s) && ports.engine.TryFoundation(s, card, f)) {
          moved = true;
          break;
        }
      }
      if (!moved) return;
    }
  };
  if (byPile) {
    for (int j = 0; j < Tableaus(s); ++j)
      for (int p = 0; p <= LongestTableau(s.piles, s.rules); ++p) visit(j, p, p);
  } else {
    for (int p = 0; p <= LongestTableau(s.piles, s.rules); ++p)
      for (int j = 0; j < Tableaus(s); ++j) visit(j, p, j);
  }
}

// Aces of the tableau go to the foundations, each replaced from the stock.
void AceRefill(Session& s, GameStartPorts& ports) {
  for (int p = 0; p <= LongestTableau(s.piles, s.rules); ++p) {
    for (int j = 0; j < Tableaus(s); ++j) {
      for (int guard = 0; guard < cardoria::kCardCount; ++guard) {
        const int card = CardAt(s.piles.Pile(PileGroup::Tableau, j), p);
        if (card <= 0 || CardRank(card) != 1) break;
        bool placed = false;
        for (int f = 0; f < Foundations(s) && !placed; ++f) placed = ports.engine.TryFoundation(s, card, f);
        if (!placed) break;
        std::string& stock = s.piles.Pile(PileGroup::Stock, kStockItem);
        std::string& from = stock.empty() ? s.piles.Pile(PileGroup::Stock, kWasteItem) : stock;
        if (from.size() < 3) break;
        const int replacement = TopCard(from);
        from.resize(from.size() - 3);
        AppendCard(s.piles, s.cards, PileGroup::Tableau, j, replacement, '1');
      }
    }
  }
}

void FamilyElevenStart(Session& s) {
  std::string& reserve = s.piles.Pile(PileGroup::Reserve, 0);
  // The first empty foundation after `from`, or -1.
  auto emptyFoundation = [&s](int from) {
    for (int f = from; f < Foundations(s); ++f)
      if (s.piles.Pile(PileGroup::Foundation, f).empty()) return f;
    return -1;
  };
  int movedAces = 0;
  for (std::size_t at = 0; at + 3 <= reserve.size();) {
    const int card = TextToInt(reserve.substr(at, 3));
    // An ace past the last foundation stays in the reserve.
    if (CardRank(card) == 1 && movedAces + 1 < Foundations(s)) {
      ++movedAces;
      s.piles.Pile(PileGroup::Foundation, movedAces) = CardCode(card);
      s.cards.SetCardFace(card, '1');
      reserve.erase(at, 3);
      at = 0;
    } else {
      at += 3;
    }
  }
  std::string& waste = s.piles.Pile(PileGroup::Stock, kWasteItem);
  bool aceOnFirst = !s.piles.Pile(PileGroup::Foundation, 0).empty();
  for (std::size_t at = 0; at + 3 <= waste.size();) {
    if (movedAces == 0 && aceOnFirst) break;
    const int card = TextToInt(waste.substr(at, 3));
    // A second ace of the waste starts a foundation of its own: two aces on
    // one foundation would leave a King with nowhere to go.
    const int target = CardRank(card) == 1 ? emptyFoundation(0) : -1;
    if (target >= 0) {
      AppendCard(s.piles, s.cards, PileGroup::Foundation, target, card, '1');
      waste.erase(at, 3);
      aceOnFirst = aceOnFirst || target == 0;
    } else if (movedAces > 0) {
      reserve += CardCode(card);
      waste.erase(at, 3);
      SetPileFaces(s.cards, reserve, PileCardCount(reserve), '1');
      --movedAces;
    } else {
      at += 3;
      continue;
    }
    // The card that moved down into the vacated place is passed over.
    at += 3;
  }
}

void KingsToBottom(Session& s) {
  for (int j = 0; j < Tableaus(s); ++j) {
    std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
    for (int p = 1; p < PileCardCount(pile); ++p) {
      if (CardRank(CardAt(pile, p)) != 13) continue;
      const std::string code = pile.substr(static_cast<std::size_t>(p) * 3, 3);
      pile.erase(static_cast<std::size_t>(p) * 3, 3);
      pile.insert(0, code);
    }
  }
}

void ReplaceBottomKings(Session& s) {
  std::string& stock = s.piles.Pile(PileGroup::Stock, kStockItem);
  auto fix = [&](PileGroup group, int index) {
    std::string& pile = s.piles.Pile(group, index);
    if (pile.empty() || CardRank(CardAt(pile, 0)) != 13) return;
    const int king = CardAt(pile, 0);
    stock.insert(0, CardCode(king));
    pile.clear();
    s.cards.SetCardFace(TopCard(stock), '0');
    for (int p = 0; p < PileCardCount(stock); ++p) {
      const int card = CardAt(stock, p);
      if (CardRank(card) == 13) continue;
      stock.erase(static_cast<std::size_t>(p) * 3, 3);
      AppendCard(s.piles, s.cards, group, index, card, '1');
      break;
    }
  };
  for (int j = 0; j < Tableaus(s); ++j) fix(PileGroup::Tableau, j);
  for (int f = 0; f < Foundations(s); ++f) fix(PileGroup::Foundation, f);
}

void PilesStartedBy(Session& s, TextList& list, int rank) {
  const auto first = std::find_if(list.begin(), list.end(),
                                  [&](const std::string& code) { return CardRank(TextToInt(code)) == rank; });
  if (first == list.end()) return;
  int pile = 0;
  AppendCard(s.piles, s.cards, PileGroup::Tableau, pile, TextToInt(*first), '1');
  list.erase(first);
  for (const std::string& code : list) {
    const int card = TextToInt(code);
    if (CardRank(card) == rank && pile + 1 < kTableauPiles) ++pile;
    AppendCard(s.piles, s.cards, PileGroup::Tableau, pile, card, '1');
  }
  list.clear();
}

void DistinctRanksPerPile(Session& s) {
  TextList collection;
  std::vector<int> counts;
  for (int j = 0; j < Tableaus(s); ++j) {
    std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
    counts.push_back(PileCardCount(pile));
    for (int p = 0; p < PileCardCount(pile); ++p) collection.push_back(pile.substr(static_cast<std::size_t>(p) * 3, 3));
    pile = std::string(static_cast<std::size_t>(counts.back()) * 3, '0');
  }
  for (int j = 0; j < Tableaus(s); ++j) {
    std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
    for (int hole = 0; hole < counts[static_cast<std::size_t>(j)]; ++hole) {
      for (auto it = collection.begin(); it != collection.end(); ++it) {
        const int rank = CardRank(TextToInt(*it));
        bool present = false;
        for (int p = 0; p < PileCardCount(pile); ++p) {
          const int there = CardAt(pile, p);
          if (there > 0 && CardRank(there) == rank) present = true;
        }
        if (present) continue;
        const std::size_t firstHole = FindCode(pile, 0);
        if (firstHole != std::string::npos) pile.replace(firstHole, 3, *it);
        collection.erase(it);
        break;
      }
    }
  }
}

// Whether tableau pile `pile` holds a card of `rank` anywhere but at `except`.
bool PileHoldsRank(const Session& s, int pile, int rank, int except) {
  const std::string& cards = s.piles.Pile(PileGroup::Tableau, pile);
  for (int k = 0; k < PileCardCount(cards); ++k) {
    const int card = CardAt(cards, k);
    if (k != except && card > 0 && CardRank(card) == rank) return true;
  }
  return false;
}

// No tableau pile keeps two cards of one rank. The second card of a rank in
// a pile changes places with the first card, from the next pile on, whose
// rank its pile lacks and whose pile lacks its rank. Each exchange takes
// away one repeat and makes none, so the cards alone decide the end, and
// the deal number still fixes the table. Each place keeps its face.
void NoRankTwiceInAPile(Session& s) {
  const int piles = Tableaus(s);
  for (int guard = 0; guard < cardoria::kCardCount; ++guard) {
    int pile = -1, at = -1;
    for (int p = 0; p < piles && pile < 0; ++p) {
      const std::string& cards = s.piles.Pile(PileGroup::Tableau, p);
      for (int k = 1; k < PileCardCount(cards) && pile < 0; ++k) {
        const int card = CardAt(cards, k);
        bool repeat = false;
        for (int below = 0; below < k && card > 0; ++below)
          repeat = repeat || (CardAt(cards, below) > 0 && CardRank(CardAt(cards, below)) == CardRank(card));
        if (repeat) pile = p, at = k;
      }
    }
    if (pile < 0) return;
    std::string& from = s.piles.Pile(PileGroup::Tableau, pile);
    const int card = CardAt(from, at);
    bool exchanged = false;
    for (int step = 1; step < piles && !exchanged; ++step) {
      const int q = (pile + step) % piles;
      std::string& to = s.piles.Pile(PileGroup::Tableau, q);
      for (int j = 0; j < PileCardCount(to) && !exchanged; ++j) {
        const int other = CardAt(to, j);
        if (other <= 0 || CardRank(other) == CardRank(card)) continue;
        if (PileHoldsRank(s, pile, CardRank(other), -1) || PileHoldsRank(s, q, CardRank(card), j)) continue;
        const bool cardDown = s.cards.IsFaceDown(card), otherDown = s.cards.IsFaceDown(other);
        from.replace(static_cast<std::size_t>(at) * 3, 3, CardCode(other));
        to.replace(static_cast<std::size_t>(j) * 3, 3, CardCode(card));
        s.cards.SetCardFace(other, cardDown ? '0' : '1');
        s.cards.SetCardFace(card, otherDown ? '0' : '1');
        exchanged = true;
      }
    }
    // A table too full of one rank to mend is dealt as it stands.
    if (!exchanged) return;
  }
}

void Rearrange(Session& s, GameStartPorts& ports, TextList& list) {
  switch (Rule(s, rule::DealSpecial)) {
    case 1: ReplaceBottomKings(s); break;
    case 2:
      PilesStartedBy(s, list, 13);
      PostDealSweep(s, ports);
      break;
    case 4:
      PilesStartedBy(s, list, 12);
      PostDealSweep(s, ports);
      break;
    case 3: DistinctRanksPerPile(s); break;
    case 5:
    case 6: {
      const int shift = Rule(s, rule::DealSpecial) == 5 ? 2 : 1;
      TextList left;
      for (const std::string& code : list) {
        const int card = TextToInt(code);
        const int pile = CardRank(card) - shift;
        if (pile >= 0 && pile < kTableauPiles) {
          AppendCard(s.piles, s.cards, PileGroup::Tableau, pile, card, '1');
        } else {
          left.push_back(code);
        }
      }
      list = left;
      break;
    }
    case 7:
      for (int j = 0; j < Tableaus(s); ++j) {
        const std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
        if (!pile.empty() && j < Foundations(s)) ports.engine.TryFoundation(s, CardAt(pile, 0), j);
      }
      break;
    case 8:
      for (int j = 0; j < Tableaus(s); ++j) {
        std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
        for (int p = 0; p < PileCardCount(pile); ++p) {
          if (CardRank(CardAt(pile, p)) == 1) pile.replace(static_cast<std::size_t>(p) * 3, 3, "000");
        }
      }
      break;
    case 9: {
      const int tableau = Tableaus(s);
      const int bottom = tableau > 13 ? tableau + 13 : tableau;
      for (int j = 0; j < tableau; ++j) {
        std::string& pile = s.piles.Pile(PileGroup::Tableau, j);
        if (!pile.empty() && CardAt(pile, 0) == bottom) {
          pile.clear();
          break;
        }
      }
      break;
    }
    case 10:
      if (Tableaus(s) >= 2) {
        const int empty = DealOrder(s.store.Get(pos::kDealNumber, 15), Tableaus(s) - 1, DealChoice::EmptyColumn)[0];
        s.piles.Pile(PileGroup::Tableau, empty).clear();
      }
      break;
    case 13:
      for (int f = 0; f < Foundations(s) && f < static_cast<int>(list.size()); ++f) {
        s.piles.Pile(PileGroup::Foundation, f).clear();
        AppendCard(s.piles, s.cards, PileGroup::Foundation, f, TextToInt(list[static_cast<std::size_t>(f)]), '1');
      }
      break;
    case 14: NoRankTwiceInAPile(s); break;
    default: break;
  }
}

void FilterDealList(const Session& s, TextList& list) {
  const int tableau = Tableaus(s);
  auto eraseIf = [&](auto predicate) {
    std::erase_if(list, [&](const std::string& code) { return predicate(TextToInt(code)); });
  };
  switch (Rule(s, rule::DealSpecial)) {
    case 11: {
      for (int rank = 1; rank <= tableau; ++rank) {
        bool seen = false;
        std::erase_if(list, [&](const std::string& code) {
          if (CardRank(TextToInt(code)) != rank) return false;
          if (!seen) return seen = true, false;
          return true;
        });
      }
      eraseIf([&](int card) { return CardRank(card) > tableau; });
      break;
    }
    case 9:
      if (tableau > 13) {
        eraseIf([&](int card) { return (card >= 14 && card <= 26) || card > tableau + 13; });
      } else {
        eraseIf([&](int card) { return card > tableau; });
      }
      break;
    case 15:
      // The short pack of 32: the Aces and the Sevens to the Kings.
      eraseIf([](int card) { return CardRank(card) >= 2 && CardRank(card) <= 6; });
      break;
    case 12: {
      std::vector<int> keep = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
      if (tableau != 3) keep.insert(keep.end(), {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103});
      if (tableau != 3 && tableau != 4)
        keep.insert(keep.end(), {2, 10, 16, 24, 30, 38, 44, 52, 54, 62, 68, 76, 82, 90, 96, 104});
      eraseIf([&](int card) { return std::find(keep.begin(), keep.end(), card) == keep.end(); });
      break;
    }
    default: break;
  }
}

}  // namespace

void DealCards(Session& session, TextList& dealList, int n, int group, int index) {
  const auto pileGroup = static_cast<PileGroup>(group);
  if (n >= 1001 && n <= 1499) {
    const int card = FirstWithRank(dealList, n - 1000);
    if (card == 0) return;
    AppendCard(session.piles, session.cards, pileGroup, index, card, '0');
    EraseFirst(dealList, card);
  } else if (n >= 1501 && n <= 1599) {
    if (n <= 1504) AppendCard(session.piles, session.cards, pileGroup, index, 105 + (n - 1501), '1');
  } else {
    // A count beyond the cards left stops when the list is empty.
    for (int i = 0; i < n && !dealList.empty(); ++i) {
      AppendCard(session.piles, session.cards, pileGroup, index, TextToInt(dealList.front()), '0');
      dealList.erase(dealList.begin());
    }
  }
}

bool DealPiles(Session& s, GameStartPorts& ports) {
  const auto shuffled =
      fnGameNumberCardsArray(s.store.Get(pos::kDealNumber, 15), Rule(s, rule::CardCount), ports.messages);
  if (!shuffled) return false;
  TextList list = *shuffled;
  FilterDealList(s, list);

  for (int i = 0; i < Foundations(s); ++i) {
    const int code = Rule(s, rule::FoundationStart + i);
    if (code == 92) {
      s.rules.Set(rule::FoundationBase + i, Rule(s, rule::FoundationBase));
      continue;
    }
    const int card = FoundationSeed(s, list, code, i);
    if (card < 1 || card > cardoria::kCardCount) continue;
    AppendCard(s.piles, s.cards, PileGroup::Foundation, i, card, '1');
    s.rules.Set(rule::FoundationBase + i, CardRank(CardAt(s.piles.Pile(PileGroup::Foundation, i), 0)));
    EraseFirst(list, card);
  }

  if (int card = Rule(s, rule::SecondWasteCard); card != 0) {
    if (card > 100) card -= 100;
    if (card >= 1 && card <= cardoria::kCardCount) {
      AppendCard(s.piles, s.cards, PileGroup::Stock, kSecondWasteItem, card, '1');
      EraseFirst(list, card);
    }
  }

  const int stockGroup = static_cast<int>(PileGroup::Stock);
  const int tableauGroup = static_cast<int>(PileGroup::Tableau);
  for (int i = 0; i < kTableauPiles; ++i) {
    if (Rule(s, rule::TableauDealCount + i) <= 1000) continue;
    DealCards(s, list, Rule(s, rule::TableauDealCount + i), tableauGroup, i);
    SetFaces(s, PileGroup::Tableau, i, Rule(s, rule::TableauFaceUp + i));
  }
  DealCards(s, list, Rule(s, rule::StockDealCount), stockGroup, kStockItem);
  if (Rule(s, rule::StockFaceDown) == 0) SetFaces(s, PileGroup::Stock, kStockItem, Rule(s, rule::StockDealCount));
  if (Rule(s, rule::WasteDealCount) > 0) {
    DealCards(s, list, Rule(s, rule::WasteDealCount), stockGroup, kWasteItem);
    SetFaces(s, PileGroup::Stock, kWasteItem, Rule(s, rule::WasteDealCount));
  }
  for (int i = 0; i < kTableauPiles; ++i) {
    const int count = Rule(s, rule::TableauDealCount + i);
    if (count < 1 || count > 1000) continue;
    DealCards(s, list, count, tableauGroup, i);
    SetFaces(s, PileGroup::Tableau, i, Rule(s, rule::TableauFaceUp + i));
  }
  if (Rule(s, rule::SecondWasteDealCount) > 0) {
    DealCards(s, list, Rule(s, rule::SecondWasteDealCount), stockGroup, kSecondWasteItem);
    SetFaces(s, PileGroup::Stock, kSecondWasteItem, Rule(s, rule::SecondWasteDealCount));
  }
  for (int i = 0; i < kReservePiles; ++i) {
    if (Rule(s, rule::ReserveDealCount + i) <= 0) continue;
    DealCards(s, list, Rule(s, rule::ReserveDealCount + i), static_cast<int>(PileGroup::Reserve), i);
    SetFaces(s, PileGroup::Reserve, i, Rule(s, rule::ReserveFaceUp + i));
  }

  const int foundationGroup = static_cast<int>(PileGroup::Foundation);
  if (Rule(s, rule::FoundationDealKind) == 1 && !list.empty()) {
    DealCards(s, list, 1, foundationGroup, 0);
    SetFaces(s, PileGroup::Foundation, 0, 1);
    const int rank = CardRank(TopCard(s.piles.Pile(PileGroup::Foundation, 0)));
    for (int i = 0; i < kFoundationPiles; ++i) s.rules.Set(rule::FoundationBase + i, rank);
  } else if (Rule(s, rule::FoundationDealKind) == 2) {
    for (int i = 0; i < Foundations(s); ++i) {
      DealCards(s, list, 1, foundationGroup, i);
      SetFaces(s, PileGroup::Foundation, i, 1);
      s.rules.Set(rule::FoundationBase + i, CardRank(CardAt(s.piles.Pile(PileGroup::Foundation, 0), 0)));
    }
  }
  for (int i = 0; i < kTableauPiles; ++i) {
    if (Rule(s, rule::TableauSpace + i) == 91)
      s.rules.Set(rule::TableauSpace + i, RankBelow(Rule(s, rule::FoundationBase)));
  }
  if (Rule(s, rule::FirstCardToFoundation) == 1) {
    DealCards(s, list, 1, foundationGroup, 0);
    SetFaces(s, PileGroup::Foundation, 0, 1);
  }
  if (IsFamily(s.rules, PlayFamily::Frog)) FamilyElevenStart(s);
  const int firstStart = Rule(s, rule::FoundationStart);
  if (firstStart >= 93 && firstStart <= 95) PostDealSweep(s, ports);
  if (firstStart == 96) AceRefill(s, ports);
  if (Rule(s, rule::PostDealHook) == 1) KingsToBottom(s);
  if (IsFamily(s.rules, PlayFamily::RoyalMarriage)) {
    FindCardKind(s.piles, s.rules, 12, kTakeRemove);
    FindCardKind(s.piles, s.rules, 13, kTakeRemove);
    s.piles.Pile(PileGroup::Stock, kStockItem).insert(0, CardCode(13));
    AppendCard(s.piles, s.cards, PileGroup::Tableau, 0, 12, '1');
  }
  Rearrange(s, ports, list);
  if (IsFamily(s.rules, PlayFamily::EightPuzzle)) MakeSlidingBoardSolvable(s);
  if (IsFamily(s.rules, PlayFamily::PegSolitaire)) MakePegBoardSolvable(s);
  // Rules that deal where the game has no pile could never be played.
  if (const auto off = CardOffTheGame(s)) {
    ports.messages.ShowInfo("The game catalogue " + s.PathOf(kCatalogueFile) + " is damaged: the deal of game " +
                                s.store.Get(pos::kGameNumber, 4) + " leaves " + *off + ".\rReinstall the program.",
                            "Error");
    s.piles.ClearAll();
    return false;
  }
  ports.engine.UpdateScore(s);
  return true;
}

bool ConfirmAbandonGame(Session& session, GameStartPorts& ports, const std::string& question) {
  if (session.values.Flag(kAnimationRunning)) return false;
  // Another game is wanted: the demo ends first, and the question is about
  // the player's own game, which is back on the table.
  if (session.values.Flag(kDemoMode)) ports.window.LeaveDemo();
  if (session.store.Get(185, 1) == "N") return true;
  if (session.values.Flag(kGameInProgress) && !session.values.Flag(kGameWon)) {
    const bool ok = ports.messages.Confirm(question.empty() ? kQuitThisGame : question);
    ports.window.Repaint();
    if (!ok) return false;
  }
  return true;
}

void NewDealNumber(Session& session, GameStartPorts& ports) {
  const long long a = ports.random.Next(9999999);
  const long long b = ports.random.Next(999999);
  session.store.Set(pos::kDealNumber, 15, RightStr("0000000000000" + std::to_string(a * b), 13));
  ports.window.UpdateTitle();
}

bool PrepareTable(Session& session, GameStartPorts& ports) {
  if (!LoadGameRules(session, ports.messages)) return false;
  TextStore& store = session.store;
  const std::string noted = store.Get(pos::kCardSize, 1);
  const int width = ports.screen.Info().width;
  const int need = Rule(session, rule::ScreenNeed);
  if ((width >= 650 || need != 1) && (width >= 810 || need != 2)) {
    if (!store.Get(pos::kSavedCardSet, 3).empty()) {
      store.Set(pos::kCardSize, 1, store.Get(pos::kSavedCardSize, 1));
      store.Set(pos::kCard, 3, store.Get(pos::kSavedCardSet, 3));
      store.Set(pos::kBackCard, 3, store.Get(pos::kSavedCardBack, 3));
      for (auto [position, w] : {std::pair{pos::kSavedCardSize, 1}, {pos::kSavedCardSet, 3}, {pos::kSavedCardBack, 3}})
        store.Set(position, w, "");
    }
    ports.window.SetCommandsEnabled(GameWindow::Commands::Customize, true);
  } else {
    if (store.Get(pos::kCardSize, 1) == "B") {
      store.Set(pos::kSavedCardSize, 1, store.Get(pos::kCardSize, 1));
      store.Set(pos::kSavedCardSet, 3, store.Get(pos::kCard, 3));
      store.Set(pos::kSavedCardBack, 3, store.Get(pos::kBackCard, 3));
      store.Set(pos::kCard, 3, "003");
      store.Set(pos::kBackCard, 3, "011");
      store.Set(pos::kCardSize, 1, "M");
    } else {
      session.positions.Set(PositionTable::kSmallScreenState, 1);
    }
    if (session.positions[PositionTable::kSmallScreenState] == 0) {
      const bool for800 = need == 1;
      const int shownFlag = for800 ? 78 : 94;
      session.positions.Set(PositionTable::kSmallScreenState, 1);
      if (session.positions[shownFlag] == 0) {
        const std::string text =
            for800 ? "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution "
                     "should be set to 800x600 pixels or higher. However, it's possible to play "
                   : "Your video card's display is 800x600 pixels. For the best graphics display of this game the "
                     "screen resolution should be set to 1024x768 pixels or higher. However, it's possible to play ";
        ports.messages.ShowInfo(text + store.Get(pos::kGameName, 50) + " " + "using predefined card and deck sets.");
        session.positions.Set(shownFlag, 1);
      }
    }
    ports.window.Repaint();
  }
  if (store.Get(pos::kCardSize, 1) != noted) ports.window.ReloadCardImages();
  session.autoplayEnabled = Rule(session, rule::AutoplayAvailable) != 0;
  ports.window.SetCommandsEnabled(GameWindow::Commands::Autoplay, session.autoplayEnabled);
  ports.window.SetCommandsEnabled(GameWindow::Commands::SaveAndUndo, Rule(session, rule::NoSaveNoUndo) != 1);
  ports.window.LayOutTable();
  return true;
}

bool StartGame(Session& session, GameStartPorts& ports, bool newDeal, bool animate, int dealMode, bool keepTable) {
  GameWindow& window = ports.window;
  window.ShowWaitCursor();
  window.Repaint();
  window.UpdateTitle();
  for (int position : {84, 85, 87, 95}) session.positions.Set(position, 0);
  session.values.SetCounter(kDealCounter, 0);
  if (newDeal) {
    session.piles.ClearAll();
    session.history.undo.Clear();
    session.logs.Clear(kUndoLog);
  }
  session.history.redo.Clear();
  session.logs.Clear(kRedoLog);
  session.values.SetFlag(kGameInProgress, false);
  RefillPileJitter(session.values, ports.random);
  session.store.Set(pos::kUndoUsedFlag, 1, "0");
  session.store.Set(pos::kRedoUsedFlag, 1, "0");

  if (newDeal) {
    if (Rule(session, rule::CardCount) != 0) {
      RestoreDealBase(session);
    } else if (!PrepareTable(session, ports)) {
      window.RestoreCursor();
      return false;
    }
    session.values.SetFlag(kClockRunning, false);
    window.SetTimeText(FormatHMS(0, 1));
    session.positions.Set(PositionTable::kPassCounter, 1);
    session.store.Set(pos::kScore, 6, "0");
    if (dealMode == 2) NewDealNumber(session, ports);
    if (!DealPiles(session, ports)) {
      window.RestoreCursor();
      return false;
    }
  }
  // A recording watched is not a deal played: the recent numbers keep the player's.
  if (!session.values.Flag(kDemoMode)) RecordRecentDeal(session.settings, session.store.Get(pos::kDealNumber, 15));
  session.values.SetFlag(kGameInProgress, true);
  session.values.SetFlag(kGameWon, false);
  session.values.SetFlag(kGameEnded, false);
  if (!keepTable) window.PrepareBackground();
  window.SetScoreText(session.store.Get(pos::kScore, 6));
  if (!keepTable) window.DrawDeal(session.store.Get(241, 1) != "N" && animate);
  if (!session.values.Flag(kClockRunning)) {
    session.values.SetTime(kClockStart, ports.clock.Now());
    session.values.SetFlag(kClockRunning, true);
    window.SetTimeText(FormatHMS(0, 1));
  }
  if (session.autoplayChecked && session.autoplayEnabled) {
    BusyWait(ports.clock, 800);
    ports.engine.AutoplayAfterDeal(session);
  }
  window.RestoreCursor();
  window.SetCommandsEnabled(GameWindow::Commands::PauseAndQuit, true);
  if (Rule(session, rule::NoSaveNoUndo) != 1) window.SetCommandsEnabled(GameWindow::Commands::Snapshot, true);
  return true;
}

bool OpenGame(Session& session, GameStartPorts& ports, int number, const std::string& name, const std::string& player,
              int dealMode, bool remember) {
  TextStore& store = session.store;
  ports.window.ShowWaitCursor();
  const bool playerChanges = player != store.Get(pos::kPlayerName, 30);
  const bool gameChanges = number != store.GetInt(pos::kGameNumber, 4);
  if (!gameChanges && !playerChanges && session.values.Flag(kGameInProgress)) {
    ports.window.RestoreCursor();
    return true;
  }
  if (!ConfirmAbandonGame(session, ports)) {
    ports.window.RestoreCursor();
    return false;
  }
  if (ports.engine.EndGame(session)) {
    ports.window.RestoreCursor();
    return true;
  }
  if (gameChanges || playerChanges) {
    store.Set(pos::kRunWins, 4, "0000");
    store.Set(pos::kRunLosses, 4, "0000");
  }
  if (playerChanges) {
    store.Set(pos::kPlayerName, 30, player);
    session.settings.WriteString("Preference", "UserDefault", store.Get(pos::kPlayerName, 30));
    ports.window.UpdateTitle();
  }
  if (gameChanges || session.positions[PositionTable::kSmallScreenState] == 2)
    session.positions.Set(PositionTable::kSmallScreenState, 0);
  store.Set(pos::kGameNumber, 4, ZeroPad(number, 4));
  store.Set(pos::kGameName, 50, name);
  if (gameChanges && !PrepareTable(session, ports)) {
    ports.window.RestoreCursor();
    return true;
  }
  if (!ports.window.GameCommandsEnabled()) ports.window.SetCommandsEnabled(GameWindow::Commands::Game, true);
  const bool started = StartGame(session, ports, true, true, dealMode, false);
  if (started && remember) {
    session.settings.WriteStrings(
        "Preference",
        {{"Game", std::to_string(number)}, {"Game_Name", store.Get(pos::kGameName, 50)}, {"Game_TreeNum", "-30"}});
  }
  ports.window.RestoreCursor();
  return true;
}

void NewGameCommand(Session& session, GameStartPorts& ports) {
  if (!ConfirmAbandonGame(session, ports) || ports.engine.EndGame(session)) return;
  if (session.store.Get(145, 1) == "Y") ports.window.PlaySound("New", true);
  StartGame(session, ports, true, true, 2, false);
}

void RandomGameCommand(Session& session, GameStartPorts& ports) {
  if (session.catalogue.empty()) return;
  // Drawn among the lines that exist, so it ends whatever the numbering.
  const std::string& line =
      session.catalogue[static_cast<std::size_t>(ports.random.Next(static_cast<int>(session.catalogue.size())))];
  const int number = LineNumber(line);
  OpenGame(session, ports, number, GameNameOf(session, number), session.store.Get(pos::kPlayerName, 30), 2, true);
}

}  // namespace cardoria
