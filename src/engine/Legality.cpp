#include "engine/Legality.h"

#include <algorithm>

#include "core/BuildRule.h"
#include "core/Cards.h"
#include "core/PlayFamily.h"
#include "core/RuleIndex.h"
#include "core/Session.h"
#include "engine/FamilyRules.h"
#include "persist/UndoLog.h"
#include "table/Layout.h"

namespace cardoria {

namespace {

int R(const Session& s, int index) { return s.rules[index]; }

const std::string& Tableau(const Session& s, int i) { return s.piles.Pile(PileGroup::Tableau, i); }
const std::string& Foundation(const Session& s, int i) { return s.piles.Pile(PileGroup::Foundation, i); }
const std::string& Stock(const Session& s) { return s.piles.Pile(PileGroup::Stock, kStockItem); }
const std::string& Waste(const Session& s) { return s.piles.Pile(PileGroup::Stock, kWasteItem); }

int Location(const Session& s, int card) { return LocateCard(s.piles, s.rules, card); }
bool FromTableau(const Session& s, int card) { return Location(s, card) > 0; }
bool FromReserve(const Session& s, int card) {
  const int at = Location(s, card);
  return at <= -21 && at >= -28;
}
// An empty tableau pile that takes any card, so a card may wait there.
bool HoldsAnyCard(const Session& s, int t) {
  const int space = R(s, rule::TableauSpace + t);
  return space == -1 || space == rule::kV || R(s, rule::FoundationBase) == -1;
}
bool SameSuit(int a, int b) { return CardSuit(a) == CardSuit(b); }
bool NextTo(int h, int r) { return r == h + 1 || r == h - 1 || (h == 13 && r == 1) || (h == 1 && r == 13); }
bool FoundationHasRank(const Session& s, int f, int rank) {
  const std::string& pile = Foundation(s, f);
  for (int i = 0; i < PileCardCount(pile); ++i) {
    if (CardRank(CardAt(pile, i)) == rank) return true;
  }
  return false;
}

// What an empty pile accepts by its empty rule.
bool EmptyRule(const Session& s, const BuildQuery& q) {
  const int rank = CardRank(q.card);
  if (q.base == -1) return true;
  switch (q.emptyRule) {
    case rule::kQ:
    case rule::kT:
    case rule::kU:
    case rule::kZ: return FoundationStartAllowed(s, q.emptyRule, q.card);
    case rule::kR:
    case rule::kS: return false;
    case rule::kV: return MovingSingleCard(s);
    case rule::kW: {
      const int at = Location(s, q.card);
      return at == kLocStock || at == kLocWaste;
    }
    case rule::kX: return !FromTableau(s, q.card);
    case rule::kBackslash:
    case rule::kBracket: {
      for (int f = 0; f < Foundations(s); ++f) {
        const std::string& pile = Foundation(s, f);
        if (!pile.empty() && CardRank(CardAt(pile, 0)) != rank) return false;
      }
      return q.emptyRule == rule::kBackslash || !FromTableau(s, q.card);
    }
    case -1: return true;
    case 0: return false;
    default: return q.emptyRule >= 1 && q.emptyRule <= 13 && rank == q.emptyRule;
  }
}

// The pile a tableau card jumps over into pile `to`, when that pile holds a
// card to jump; -1 otherwise.
int JumpedPileOf(const Session& s, int card, int to) {
  const int at = Location(s, card);
  if (at < 1) return -1;
  const int j = JumpedPile(s, at, to);
  if (j < 0 || Tableau(s, j).empty() || TopCard(Tableau(s, j)) <= 0) return -1;
  return j;
}

bool TurnAtEnds(int h, int r) { return (h == 1 && r == 2) || (h == 13 && r == 12); }

// The standard rule with the suit filter of `code`.
bool Standard(const Session& s, const BuildQuery& q, int code) {
  const int h = q.top < 1 ? -1 : CardRank(q.top);
  if (h < 1) return EmptyRule(s, q);
  switch (code) {
    case 0:
    case 11:
      if (!SameSuit(q.top, q.card)) return false;
      break;
    case 1:
      if (IsRedCard(q.top) != IsRedCard(q.card)) return false;
      break;
    case 3:
      if (IsRedCard(q.top) == IsRedCard(q.card)) return false;
      break;
    case 6: return false;
    default: break;
  }
  const int r = CardRank(q.card);
  const int dir = q.direction;
  if (dir != 0 && dir != 1 && dir != 2) return false;
  const bool turnsAtEnds = !q.foundation && s.rules[rule::TableauWrap + q.pile] == 2;
  bool result = false;
  if (dir == 1 || dir == 2) {
    if (q.foundation) {
      if (h == 13) {
        result = r == 1 && q.emptyRule != 1;
        if (dir == 1) return result;
      }
    } else if (turnsAtEnds) {
      result = TurnAtEnds(h, r);
    } else {
      if (h == q.base && !q.wrap) return false;
      if (h == 13 && r == 1) return true;
    }
    if (r == h + 1) result = true;
    if (dir == 1) return result;
    if (result) return true;
  }
  if (q.foundation) {
    if (h == 1) return r == 13 && q.emptyRule != 13;
  } else if (turnsAtEnds) {
    result = TurnAtEnds(h, r);
  } else {
    const bool letterBase = q.base == rule::kQ || q.base == rule::kR || q.base == rule::kS;
    if ((h == q.base || (h == 1 && letterBase)) && !q.wrap) return false;
    if (h == 1) return r == 13;
  }
  if (r == h - 1) result = true;
  return result;
}

bool BuildCode(const Session& s, const BuildQuery& q) {
  const int h = q.top < 1 ? -1 : CardRank(q.top);
  const int r = CardRank(q.card);
  const bool empty = h < 1;
  const int i = q.pile;
  switch (static_cast<BuildRule>(q.code)) {
    case BuildRule::Nothing: return false;
    case BuildRule::SuitAfterPreviousFoundation: {
      if (i > 0 && !FoundationHasRank(s, i - 1, r)) return false;
      return empty ? r == s.rules[rule::FoundationBase + i] : CardSuit(CardAt(Foundation(s, i), 0)) == CardSuit(q.card);
    }
    case BuildRule::SpacesOnceStockIsOut:
      if (!q.drop) return Standard(s, q, 2);
      return empty && Stock(s).empty();
    case BuildRule::BySuitQueensApart:
      if (r == 12 && (h == 13 || h == 11)) return false;
      return Standard(s, q, 0);
    case BuildRule::AnyCard: return true;
    case BuildRule::ByTwos:
    case BuildRule::ByThrees:
    case BuildRule::ByFours: {
      const int step = q.code - 12;
      return r == h + step || r == (h + step) % 13;
    }
    case BuildRule::NotFromTableau: return !FromTableau(s, q.card);
    case BuildRule::NotFromTableauExceptToSpaces: return !FromTableau(s, q.card) || (!q.foundation && empty);
    case BuildRule::NotFromTableauOrReserve: return !FromTableau(s, q.card) && !FromReserve(s, q.card);
    case BuildRule::UpWholePack: return r == h + 1 || (empty && r == 1) || (h == 13 && r == 1);
    case BuildRule::AnyOtherSuit:
      if (empty) return Standard(s, q, 2);
      if (SameSuit(q.top, q.card)) return false;
      return Standard(s, q, 2);
    case BuildRule::UpBySuitWhileWasteEmpty:
      if (!Waste(s).empty() || empty) return false;
      return SameSuit(q.top, q.card) && r == h + 1;
    case BuildRule::BySuitKingsAndQueensApart:
      if (!empty && ((h == 13 && r == 12) || (h == 12 && r == 13))) return false;
      return Standard(s, q, 0);
    case BuildRule::BySuitByTwos:
      if (empty) return Standard(s, q, 2);
      return SameSuit(q.top, q.card) && r == (q.direction == 1 ? h + 2 : h - 2);
    case BuildRule::ThreeHighUpOrDown:
      if (empty || PileCardCount(Tableau(s, i)) >= 3) return false;
      return r == h + 1 || r == h - 1;
    case BuildRule::AlternateColoursNotFromFoundationOrReserve:
      if (FromFoundation(s, q.card) || FromReserve(s, q.card)) return false;
      return Standard(s, q, 3);
    case BuildRule::UpOrDown:
    case BuildRule::UpOrDownBySuit:
      if (empty) return true;
      if (q.code == 60 && !SameSuit(q.top, q.card)) return false;
      if (h == 1) return r == 2;
      if (h == 13) return r == 12;
      return r == h + 1 || r == h - 1;
    case BuildRule::UpToKingThenDown: {
      if (empty) return FoundationStartAllowed(s, q.emptyRule, q.card);
      if (!SameSuit(q.top, q.card)) return false;
      const int count = PileCardCount(Foundation(s, i));
      if (count <= 12) return r == h + 1;
      if (count == 13) return r == 13;
      return r == h - 1;
    }
    case BuildRule::BySuitOneWay: {
      if (empty || !SameSuit(q.top, q.card)) return false;
      const std::string& pile = Tableau(s, i);
      const int count = PileCardCount(pile);
      if (count > 1) {
        const int below = CardRank(CardAt(pile, count - 2));
        return below > h ? r == h - 1 : r == h + 1;
      }
      return r == h + 1 || r == h - 1;
    }
    case BuildRule::DownBySuitNoSpaces: return !empty && h != 1 && SameSuit(q.top, q.card) && r == h - 1;
    case BuildRule::UpBySuitNoSpaces: return !empty && h != 13 && SameSuit(q.top, q.card) && r == h + 1;
    case BuildRule::OneCardNotFromTableau: return !FromTableau(s, q.card) && PileCardCount(Tableau(s, i)) < 1;
    case BuildRule::DownAlternateColoursPlain:
      if (empty) return Standard(s, q, 2);
      return IsRedCard(q.top) != IsRedCard(q.card) && r == h - 1;
    case BuildRule::NextRank:
      if (empty) return Standard(s, q, 2);
      return NextTo(h, r);
    case BuildRule::DownRoundTheCornerInTurn:
      if (empty) return r == q.base && (i == 0 || !Foundation(s, i - 1).empty());
      return r == h - 1 || (h == 1 && r == 13);
    case BuildRule::Doubling:
      if (empty) return Standard(s, q, 2);
      if (r == 13 && PileCardCount(Foundation(s, 0)) >= 48) return true;
      return r == (2 * h) % 13;
    case BuildRule::UpToJack:
      if (empty) return r == 1;
      return r == h + 1 && r != 12 && r != 13;
    case BuildRule::CalledRank: {
      if (PileCardCount(Stock(s)) + PileCardCount(Waste(s)) == 1) return true;
      const int counter = s.values.Counter(kDealCounter) % 13;
      return r == (counter == 0 ? 13 : counter);
    }
    case BuildRule::BySuitByTwosSuitsApart: {
      if (!empty) return SameSuit(q.top, q.card) && (r == h + 2 || r == (h + 2) % 13);
      if (r != s.rules[rule::FoundationBase + i]) return false;
      const int first = i <= 3 ? 0 : 4;
      for (int f = first; f < first + 4 && f < Foundations(s); ++f) {
        if (f != i && !Foundation(s, f).empty() && CardSuit(TopCard(Foundation(s, f))) == CardSuit(q.card))
          return false;
      }
      return true;
    }
    case BuildRule::UpBySuitKingLast:
      if (empty || !SameSuit(q.top, q.card) || r != h + 1) return false;
      if (r != 13) return true;
      return i + 6 < Foundations(s) && CardRank(TopCard(Foundation(s, i + 6))) == 13;
    case BuildRule::UpBySuitByTwos: return !empty && SameSuit(q.top, q.card) && r == h + 2;
    case BuildRule::UpToQueen:
      if (empty) return r == 1;
      return r == h + 1 && r != 13;
    case BuildRule::UpToJackFromBase:
    case BuildRule::UpToJackBesideItsColumn:
    case BuildRule::UpToJackInItsColumnsSuit:
      if (q.code >= 49 && empty && Tableau(s, i).empty()) return false;
      if (q.code == 51 && (Tableau(s, i).empty() || CardSuit(CardAt(Tableau(s, i), 0)) != CardSuit(q.card)))
        return false;
      if (empty) return r == s.rules[rule::FoundationBase + i];
      return r == h + 1 && r != 12 && r != 13;
    case BuildRule::DownNoQueenFromBase:
    case BuildRule::DownNoQueenBesideItsColumn:
    case BuildRule::DownNoQueenInItsColumnsSuit: {
      const bool pileExists = i - 8 >= 0 && i - 8 < Tableaus(s);
      if (q.code >= 50 && empty && pileExists && Tableau(s, i - 8).empty()) return false;
      if (q.code == 52 && pileExists &&
          (Tableau(s, i - 8).empty() || CardSuit(CardAt(Tableau(s, i - 8), 0)) != CardSuit(q.card)))
        return false;
      if (empty) return r == s.rules[rule::FoundationBase + i];
      return (r == h - 1 || (h == 1 && r == 13)) && r != 12;
    }
    case BuildRule::UpRoundTheCornerAfterFirst:
      if (i > 0 && PileCardCount(Foundation(s, 0)) != 13) return false;
      if (empty) return r == s.rules[rule::FoundationBase + i];
      return r == h + 1 || (h == 13 && r == 1);
    case BuildRule::DownNotFromReserves: {
      const int at = Location(s, q.card);
      if (at <= -21 && at >= -27) return false;
      const int space = s.rules[rule::TableauSpace + i];
      if (empty) return r == space || space == -1;
      return r == h - 1 || (h == 1 && r == 13 && s.rules[rule::TableauWrap + i] == 1);
    }
    case BuildRule::UpInOneColourWasteFirst: {
      const int space = s.rules[rule::TableauSpace + i];
      bool ok = empty ? (r == space || space == -1) : (r == h + 1 && IsRedCard(q.top) == IsRedCard(q.card));
      const int wasteCards = PileCardCount(Waste(s));
      if (wasteCards > 1) return false;
      if (wasteCards == 1 && TopCard(Waste(s)) != q.card) return false;
      return ok;
    }
    case BuildRule::SameRank: return !empty && r == h;
    case BuildRule::NextRankOnceStockIsOut: return Stock(s).empty() && !empty && NextTo(h, r);
    case BuildRule::BySuitByTwosTurning:
      if (!empty && SameSuit(q.top, q.card) && ((h == 13 && r == 2) || (h == 12 && r == 1))) return true;
      if (empty) return Standard(s, q, 2);
      return SameSuit(q.top, q.card) && r == (q.direction == 1 ? h + 2 : h - 2);
    case BuildRule::BySuitSidesApartFirstPass: {
      if (s.positions[PositionTable::kPassCounter] <= 1) {
        const int at = Location(s, q.card);
        if (q.foundation && at >= 1 && at <= 4 && i >= 4) return false;
        if (q.foundation && at >= 7 && at <= 10 && i <= 3) return false;
      }
      return Standard(s, q, 0);
    }
    case BuildRule::NextRankNoSpaces: return !empty && NextTo(h, r);
    case BuildRule::SpacesOnly: return !q.foundation && Tableau(s, i).empty();
    case BuildRule::CompanionStart: return CompanionStart(s, q.card, q.top, i);
    case BuildRule::Slide: {
      if (q.foundation || !Tableau(s, i).empty()) return false;
      const int cols = s.rules[rule::AdjacencyCols];
      const int from = Location(s, q.card) - 1;
      if (cols <= 0 || from < 0) return false;
      const bool sameRow = from / cols == i / cols;
      return (sameRow && (from == i - 1 || from == i + 1)) || from == i - cols || from == i + cols;
    }
    case BuildRule::OnALoneKing:
    case BuildRule::OnAKingThenDown:
    case BuildRule::OnALoneQueen: {
      const int rank = q.code == 48 ? 12 : 13;
      if (!Waste(s).empty()) return WasteToTableauRule(s, q.card, i, rank);
      if (empty) return r == rank;
      if (q.code == 45) return r != 13 && (PileCardCount(Tableau(s, i)) == 1 || r == h - 1);
      const std::string& pile = Tableau(s, i);
      const bool lone = PileCardCount(pile) == 1 && CardRank(TopCard(pile)) == rank;
      return lone && (q.code == 48 ? r != 12 : r != 12 && r != 13);
    }
    case BuildRule::AcesAndKingsBalanced:
    case BuildRule::AcesAndKingsBalancedToo: {
      const int at = Location(s, q.card);
      if (!Stock(s).empty() && at >= 5 && at <= 8 && i != at - 5) return false;
      if (empty) {
        if ((r == 1 && i <= 1) || (r == 13 && i <= 3)) return BalancedAceKingStart(s, i, q.card);
        return false;
      }
      if (!SameSuit(q.top, q.card)) return false;
      return r == (s.rules[rule::FoundationDirection + i] == 1 ? h + 1 : h - 1);
    }
    case BuildRule::OnlyFromOutside: return OnlyFromOutside(s, q.card, i);
    case BuildRule::Jump:
      if (q.foundation || !Tableau(s, i).empty()) return false;
      return JumpedPileOf(s, q.card, i) >= 0;
    case BuildRule::BySuit:
    case BuildRule::SameColour:
    case BuildRule::AnySuit:
    case BuildRule::AlternateColours:
    case BuildRule::NoBuilding:
    case BuildRule::LoneQueen:
    case BuildRule::BeatenInItsSuit: break;
  }
  // The plain rank step with the suit filter of the code; a number no rule
  // names builds regardless of suit.
  return Standard(s, q, q.code);
}

}  // namespace

int Tableaus(const Session& s) { return std::clamp(s.rules[rule::TableauCount], 0, kTableauPiles); }
int Foundations(const Session& s) { return std::clamp(s.rules[rule::FoundationCount], 0, kFoundationPiles); }
int Reserves(const Session& s) { return std::clamp(s.rules[rule::ReserveCount], 0, kReservePiles); }

bool FromFoundation(const Session& s, int card) {
  const int at = Location(s, card);
  return at <= -1 && at >= -16;
}

bool MovingSingleCard(const Session& s) { return s.drag.dragHeight <= s.layout.cardHeight; }

std::string GroupFrom(const Session& s, int card) {
  for (auto group : {PileGroup::Tableau, PileGroup::Reserve}) {
    for (const std::string& pile : s.piles.Items(group)) {
      const std::size_t at = FindCode(pile, card);
      if (at != std::string::npos) return pile.substr(at);
    }
  }
  return {};
}

bool CanBuild(const Session& s, const BuildQuery& q) {
  if (q.top == q.card) return false;
  const int firstRule = R(s, rule::StockFirstRule);
  if ((q.foundation && firstRule == 1) || firstRule == 2 || firstRule == 3) {
    if (!Stock(s).empty() || !Waste(s).empty()) {
      if (FromTableau(s, q.card)) return false;
    }
  }
  if (!q.foundation && (firstRule == 2 || firstRule == 3) && !Waste(s).empty()) {
    if (Location(s, q.card) != kLocWaste) return false;
    return DesignatedPile(s, firstRule, q.pile);
  }
  return BuildCode(s, q);
}

bool FoundationStartAllowed(const Session& s, int code, int card) {
  const int rank = CardRank(card);
  switch (code) {
    case rule::kQ:
    case rule::kU:
      if (rank != 1) return false;
      break;
    case rule::kT:
      if (rank != 13) return false;
      break;
    case rule::kZ:
      if (rank != 2) return false;
      break;
    default: break;
  }
  int n = 0;
  std::vector<int> cards = {card};
  for (int f = 0; f < Foundations(s); ++f) {
    if (s.rules[rule::FoundationBase + f] != code) continue;
    ++n;
    if (!Foundation(s, f).empty()) cards.push_back(CardAt(Foundation(s, f), 0));
  }
  // Nothing to balance against: a suit that completes itself on an "S"
  // foundation asks about "R" foundations the game may not have.
  if (n == 0) return true;
  const int reds = static_cast<int>(std::count_if(cards.begin(), cards.end(), IsRedCard));
  const int blacks = static_cast<int>(cards.size()) - reds;
  if (reds > n / 2 || blacks > n / 2) return false;
  if (code == rule::kT || code == rule::kU || code == rule::kZ) {
    for (std::size_t a = 0; a < cards.size(); ++a)
      for (std::size_t b = a + 1; b < cards.size(); ++b)
        if (CardSuit(cards[a]) == CardSuit(cards[b])) return false;
  }
  return true;
}

bool InQueensRow(const Session& s, int card) {
  const int at = Location(s, card);
  return at <= -21 && at >= -28 && s.rules[rule::ReserveKind + (-21 - at)] == rule::kQueensRow;
}

int FreeQueensPlace(const Session& s) {
  for (int r = 0; r < Reserves(s); ++r)
    if (s.rules[rule::ReserveKind + r] == rule::kQueensRow && s.piles.Pile(PileGroup::Reserve, r).empty()) return r;
  return -1;
}

bool CanDropOnPile(const Session& s, int card, std::string_view name) {
  const auto ref = ParsePileName(name);
  if (!ref || InQueensRow(s, card)) return false;
  const int i = ref->index;
  if (ref->group == PileGroup::Foundation) {
    if (i >= Foundations(s)) return false;
    if (IsFamily(s.rules, PlayFamily::MultiplesOfSeven) && FromTableau(s, card) && !BlockOpen(s)) return false;
    if (!MovingSingleCard(s)) return false;
    const std::string& pile = Foundation(s, i);
    const int code = s.rules[rule::FoundationBuild + i];
    if (code == 10) return CardRank(card) == 12 && pile.empty();
    if (code == 22) {
      if (CardRank(card) == 1) return false;
      for (int t = 0; t < Tableaus(s); ++t) {
        const std::string& tableau = Tableau(s, t);
        if (tableau.empty()) continue;
        const int top = TopCard(tableau);
        if (CardSuit(top) == CardSuit(card) && (CardRank(top) > CardRank(card) || CardRank(top) == 1)) return true;
      }
      return false;
    }
    if (code != 20 && code != 29 && PileCardCount(pile) >= R(s, rule::FoundationCapacity)) return false;
    if (code == 20 && PileCardCount(pile) >= 52) return false;
    BuildQuery q;
    q.top = pile.empty() ? -1 : TopCard(pile);
    q.card = card;
    q.emptyRule = s.rules[rule::FoundationBase + i];
    q.pile = i;
    q.wrap = true;
    q.foundation = true;
    q.code = code;
    q.direction = s.rules[rule::FoundationDirection + i];
    q.base = s.rules[rule::FoundationBase + i];
    return CanBuild(s, q);
  }
  if (ref->group == PileGroup::Tableau) {
    if (i >= Tableaus(s)) return false;
    const std::string& pile = Tableau(s, i);
    if (!pile.empty() && s.cards.IsFaceDown(TopCard(pile))) return false;
    BuildQuery q;
    q.top = pile.empty() ? -1 : TopCard(pile);
    q.card = card;
    q.emptyRule = s.rules[rule::TableauSpace + i];
    q.pile = i;
    q.wrap = s.rules[rule::TableauWrap + i] > 0;
    q.code = s.rules[rule::TableauBuild + i];
    q.direction = s.rules[rule::TableauDirection + i];
    q.base = s.rules[rule::FoundationBase];
    bool ok = CanBuild(s, q);
    if (ok && q.code == 34 && !pile.empty() && !MovingSingleCard(s)) ok = false;
    if (ok && R(s, rule::SequenceRule) != 0 && !MovingSingleCard(s)) ok = IsMovableSequence(s, card, i);
    if (ok && R(s, rule::MoveLimit) == -5 && !MovingSingleCard(s) && pile.empty())
      ok = WithinMoveLimit(const_cast<Session&>(s), card, true, i);
    if (!pile.empty() && TopCard(pile) == s.drag.groupTopCard) ok = false;
    return ok;
  }
  if (ref->group == PileGroup::Reserve) {
    if (i >= Reserves(s)) return false;
    const int count = PileCardCount(s.piles.Pile(PileGroup::Reserve, i));
    const bool single = MovingSingleCard(s);
    switch (s.rules[rule::ReserveKind + i]) {
      case 4: return false;
      case 8: return single && CardRank(card) == 13 && count < 3;
      case 13: return single && count < 5;
      case 9: return single && IsCourtCard(card) && count == 0;
      case rule::kQueensRow: return false;
      default: return single && count == 0;
    }
  }
  return false;
}

bool CanDropOnWaste(const Session& s, int card) {
  if (R(s, rule::WasteNoDrop) == 4 || R(s, rule::WasteBuild) != 2) return false;
  if (!PileShown(s, {PileGroup::Stock, kWasteItem})) return false;
  const std::string& waste = Waste(s);
  if (waste.empty()) return false;
  const int top = TopCard(waste);
  return SameSuit(top, card) && NextTo(CardRank(top), CardRank(card));
}

bool IsMovableSequence(const Session& s, int card, int p) {
  const std::string group = GroupFrom(s, card);
  const int sequenceRule = R(s, rule::SequenceRule);
  if (sequenceRule != 1 && sequenceRule != 10) return true;
  for (int k = 0; k + 1 < PileCardCount(group); ++k) {
    BuildQuery q;
    q.top = CardAt(group, k);
    q.card = CardAt(group, k + 1);
    q.emptyRule = s.rules[rule::TableauSpace + p];
    q.drop = false;
    q.pile = p;
    q.wrap = s.rules[rule::TableauWrap + p] > 0;
    q.code = sequenceRule == 10 ? 0 : s.rules[rule::TableauBuild + p];
    q.direction = s.rules[rule::TableauDirection + p];
    q.base = s.rules[rule::FoundationBase];
    if (!CanBuild(s, q)) return false;
  }
  return true;
}

bool WithinMoveLimit(Session& s, int card, bool toEmptyPile, int destination) {
  const std::string group = GroupFrom(s, card);
  const int size = std::max(1, PileCardCount(group));
  s.drag.groupTopCard = group.empty() ? card : TopCard(group);
  // An empty column helps a group across only when it can hold any card on
  // the way; one that takes only a King holds nothing in between.
  int emptyTableau = 0, emptyReserves = 0;
  for (int t = 0; t < Tableaus(s); ++t) emptyTableau += Tableau(s, t).empty() && HoldsAnyCard(s, t);
  for (int r = 0; r < Reserves(s); ++r) emptyReserves += s.piles.Pile(PileGroup::Reserve, r).empty();
  const int limit = R(s, rule::MoveLimit);
  switch (limit) {
    case -1: return true;
    case -12: return size == 1 || CardRank(card) == 13;
    case -13: {
      const int at = Location(s, card);
      return size == 1 || (at > 0 && CardAt(Tableau(s, at - 1), 0) == card);
    }
    case -5: {
      if (!toEmptyPile) return size <= emptyReserves + emptyTableau + 1;
      // The destination itself is no room on the way.
      int others = std::max(emptyTableau - 1, 0);
      if (destination >= 0) others = emptyTableau - (destination < Tableaus(s) && HoldsAnyCard(s, destination));
      return size <= emptyReserves + others + 1;
    }
    case -6: return size <= (emptyTableau == 0 ? emptyReserves + 1 : emptyReserves + emptyTableau);
    default:
      if (limit >= 0) return size <= limit;
      return size <= std::max(emptyTableau, 1);
  }
}

bool CompanionStart(const Session& s, int card, int top, int f) {
  if (!IsFamily(s.rules, PlayFamily::JacksAndKings)) return false;
  const int r = CardRank(card);
  // Aces and Queens arrive only with the Jack or King they belong to.
  if (r == 1 || r == 12) return false;
  if (r != 11 && r != 13) return top > 0 && SameSuit(top, card) && r == CardRank(top) + 1;
  if (top > 0 || s.rules[rule::FoundationBase + f] != r) return false;
  const int companion = r == 11 ? card - 10 : card - 1;
  const std::string& waste = Waste(s);
  if (!waste.empty() && TopCard(waste) == companion) return true;
  for (int t = 0; t < Tableaus(s); ++t)
    if (!Tableau(s, t).empty() && TopCard(Tableau(s, t)) == companion) return true;
  return false;
}

int TaggedDrops(const Session& s) { return s.logs.Count(kUndoLog, kTagFamilyMove); }

bool BlockOpen(const Session& s) { return Waste(s).empty() || TaggedDrops(s) % 20 == 0; }

bool GapAccepts(const Session& s, int card, int row, int place) {
  if (card <= 0 || card > 104 || row < 0 || row >= Tableaus(s) || place < 1) return false;
  const std::string& pile = Tableau(s, row);
  if (place > PileCardCount(pile) || CardAt(pile, place - 1) != 0) return false;
  if (place == 1) return CardRank(card) == 2;
  const int left = CardAt(pile, place - 2);
  // A hole or a joker on the left names no card to follow.
  return left > 0 && left <= 104 && SameSuit(left, card) && CardRank(card) == CardRank(left) + 1;
}

bool IsTopCard(const Session& s, int card) {
  for (int t = 0; t < Tableaus(s); ++t)
    if (!Tableau(s, t).empty() && TopCard(Tableau(s, t)) == card) return true;
  for (int r = 0; r < Reserves(s); ++r) {
    const std::string& pile = s.piles.Pile(PileGroup::Reserve, r);
    if (!pile.empty() && TopCard(pile) == card) return true;
  }
  return false;
}

}  // namespace cardoria
