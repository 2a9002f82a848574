#include "table/Fit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/RuleIndex.h"
#include "core/Session.h"

namespace cardoria {

namespace {

// The thickness of a full stock rises up to 15 pixels above and left of it.
constexpr int kStockRise = 15;
// The row games lay their cards side by side across the table.
constexpr int kRowFanMode = 8;

struct PilePlace {
  PileRef pile;
  Rect rect;  // every card as dealt, in document coordinates
  int grownBottom;
};

std::vector<PilePlace> Places(const Session& s) {
  std::vector<PilePlace> places;
  const int scroll = ScrollOffset(s);
  for (auto group : {PileGroup::Stock, PileGroup::Foundation, PileGroup::Reserve, PileGroup::Tableau}) {
    const int count = static_cast<int>(s.piles.Items(group).size());
    for (int i = 0; i < count; ++i) {
      const PileRef pile{group, i};
      if (!PileShown(s, pile)) continue;
      const int cards = PileCardCount(s.piles.Pile(group, i));
      Rect r = CardInPileRect(s, pile, 0);
      for (int k = 1; k < cards && group != PileGroup::Stock; ++k) {
        const Rect c = CardInPileRect(s, pile, k);
        r = {std::min(r.left, c.left), std::min(r.top, c.top), std::max(r.right, c.right),
             std::max(r.bottom, c.bottom)};
      }
      if (group == PileGroup::Stock && cards > 1) {
        r.left -= std::min(cards / 7 + 1, kStockRise);
        r.top -= std::min(cards / 7 + 1, kStockRise);
      }
      r.top += scroll;
      r.bottom += scroll;
      int grown = r.bottom;
      const int mode = group == PileGroup::Tableau   ? s.rules[rule::TableauLayout]
                       : group == PileGroup::Reserve ? s.rules[rule::ReserveLayout]
                                                     : 0;
      if (mode == 1) grown += kFanGrowthSteps * s.layout.fan.faceUpDown;
      // A row game's row may come to hold the whole pack.
      if (mode == kRowFanMode && group == PileGroup::Tableau)
        grown = std::max(grown, RowSlotRect(s, pile, s.rules[rule::CardCount] - 1).bottom + scroll);
      places.push_back({pile, r, grown});
    }
  }
  return places;
}

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

std::vector<std::pair<int, int>> OverlappingPiles(const Session& session) {
  const std::vector<PilePlace> places = Places(session);
  std::vector<std::pair<int, int>> pairs;
  for (std::size_t i = 0; i < places.size(); ++i)
    for (std::size_t j = i + 1; j < places.size(); ++j)
      if (Overlap(places[i].rect, places[j].rect)) pairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
  return pairs;
}

bool TableFits(const Session& session, const std::vector<std::pair<int, int>>& allowed) {
  const TableLayout& layout = session.layout;
  const std::vector<PilePlace> places = Places(session);
  for (const PilePlace& p : places)
    if (p.rect.left < 0 || p.rect.top < 0 || p.rect.right > layout.tableWidth || p.grownBottom > layout.clientHeight)
      return false;
  for (const auto& pair : OverlappingPiles(session))
    if (std::find(allowed.begin(), allowed.end(), pair) == allowed.end()) return false;
  return true;
}

int CentringShift(Session& session, TableGeometry geometry) {
  if (session.rules[rule::TableauLayout] == kRowFanMode) return 0;
  TableLayout& layout = session.layout;
  // Measured as the fit is, at the top of the table without a bar.
  const TableLayout kept = layout;
  layout.scrollBarShown = false;
  layout.scrollPosition = 0;
  geometry.shiftX = 0;
  geometry.scrollBarWidth = 0;
  ComputeLayout(session, geometry);
  const std::vector<PilePlace> places = Places(session);
  int left = layout.tableWidth, right = 0;
  bool fits = !places.empty();
  for (const PilePlace& p : places) {
    left = std::min(left, p.rect.left);
    right = std::max(right, p.rect.right);
    fits = fits && p.grownBottom <= layout.clientHeight;
  }
  if (const Rect panel = PokerPanelRect(session); !panel.Empty()) {
    left = std::min(left, panel.left);
    right = std::max(right, panel.right);
  }
  fits = fits && left >= 0 && right <= layout.tableWidth;
  const int shift = fits ? (layout.tableWidth - right - left) / 2 : 0;
  layout.scrollBarShown = kept.scrollBarShown;
  layout.scrollPosition = kept.scrollPosition;
  return shift;
}

double FitScale(Session& session, const std::function<TableGeometry(double)>& geometryAt, FitLimits limits) {
  TableLayout& layout = session.layout;
  // The fit is measured on the table as it lies at the top, without a bar.
  const TableLayout kept = layout;
  layout.scrollBarShown = false;
  layout.scrollPosition = 0;
  auto layOut = [&](double scale) {
    TableGeometry geometry = geometryAt(scale);
    geometry.shiftX = 0;
    ComputeLayout(session, geometry);
  };
  // Piles that overlap even on the widest table overlap by design.
  layOut(limits.low);
  const auto allowed = OverlappingPiles(session);
  double best = limits.low;
  if (TableFits(session, allowed)) {
    double low = limits.low, high = limits.high;
    layOut(high);
    if (TableFits(session, allowed)) {
      best = high;
    } else {
      // Within a 1/256 of the largest scale that fits.
      while (high - low > 1.0 / 256) {
        const double middle = (low + high) / 2;
        layOut(middle);
        (TableFits(session, allowed) ? low : high) = middle;
      }
      best = low;
    }
  }
  layout.scrollBarShown = kept.scrollBarShown;
  layout.scrollPosition = kept.scrollPosition;
  return best;
}

}  // namespace cardoria
